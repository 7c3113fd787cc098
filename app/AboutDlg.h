#pragma once
#include "controls/HyperLink.h"
#include "framework/Dialog.h"
#include "framework/Font.h"
#include "framework/Icon.h"

// Name, version and a link to the maker's home page; opened from the system menu.
class CAboutDlg : public CDialog
{
public:
    explicit CAboutDlg(CWnd* parent = nullptr);

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void OnDestroy();

    CHyperLink m_link;
    CFont m_fontTitle;
    CIcon m_icon;
};
