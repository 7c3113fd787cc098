#pragma once
#include "app/RotatorLink.h"
#include "framework/Dialog.h"
#include "framework/PostedCalls.h"
#include "net/RotatorSetting.h"
#include <memory>

// Which rotator turns the antenna: none, rotctld, PstRotator or N1MM, with host and port. Test
// (rotctld) asks the rotator for its range and heading on the link's thread; the answer comes
// back here as a posted call, so the box keeps answering meanwhile.
class CRotatorDlg : public CDialog
{
public:
    CRotatorDlg(CWnd* parent, CRotatorLink& link, const RotatorSetting& setting);

    BOOL OnInitDialog() override;
    void OnOK() override;
    // What OK took.
    const RotatorSetting& Setting() const { return m_setting; }

    static constexpr UINT kPostedCallsMessage = WM_APP + 1;

protected:
    BOOL OnCommand(WORD id, WORD code, HWND control) override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void OnSelChangeKind();
    void OnTest();
    bool ReadSetting(RotatorSetting& setting, std::string& why) const;
    RotatorKind ChosenKind() const;

    CRotatorLink& m_link;
    RotatorSetting m_setting;
    RotatorKind m_lastKind = RotatorKind::None;
    std::shared_ptr<CPostedCalls> m_posted;
};
