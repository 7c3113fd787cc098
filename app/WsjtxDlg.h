#pragma once
#include "framework/Dialog.h"
#include "net/WsjtxSetting.h"

// Whether to follow WSJT-X, on which UDP port and multicast group, and whether a new DX turns
// the antenna.
class CWsjtxDlg : public CDialog
{
public:
    CWsjtxDlg(CWnd* parent, const WsjtxSetting& setting);

    BOOL OnInitDialog() override;
    void OnOK() override;
    // What OK took.
    const WsjtxSetting& Setting() const { return m_setting; }

private:
    WsjtxSetting m_setting;
};
