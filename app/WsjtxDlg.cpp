#include "app/WsjtxDlg.h"
#include "framework/MessageBoxSeam.h"
#include "res/resource.h"
#include <string>

namespace
{
std::string ItemText(HWND dialog, int id)
{
    char text[64] = {};
    ::GetDlgItemTextA(dialog, id, text, sizeof(text));
    return text;
}

bool IsTicked(HWND dialog, int id)
{
    return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}
}

CWsjtxDlg::CWsjtxDlg(CWnd* parent, const WsjtxSetting& setting) : CDialog(IDD_FOLLOW_WSJTX, parent), m_setting(setting)
{
}

BOOL CWsjtxDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    ::CheckDlgButton(m_hWnd, IDC_FOLLOW_WSJTX, m_setting.follow ? BST_CHECKED : BST_UNCHECKED);
    ::CheckDlgButton(m_hWnd, IDC_TURN_WITH_WSJTX, m_setting.turnAntenna ? BST_CHECKED : BST_UNCHECKED);
    ::SendDlgItemMessageA(m_hWnd, IDC_WSJTX_PORT, EM_LIMITTEXT, 5, 0);
    ::SendDlgItemMessageA(m_hWnd, IDC_WSJTX_GROUP, EM_LIMITTEXT, 15, 0);
    ::SetDlgItemInt(m_hWnd, IDC_WSJTX_PORT, static_cast<UINT>(m_setting.port), FALSE);
    ::SetDlgItemTextA(m_hWnd, IDC_WSJTX_GROUP, m_setting.group.c_str());
    return TRUE;
}

void CWsjtxDlg::OnOK()
{
    std::string why;
    if (!WsjtxFromTexts(IsTicked(m_hWnd, IDC_FOLLOW_WSJTX), ItemText(m_hWnd, IDC_WSJTX_PORT),
                        ItemText(m_hWnd, IDC_WSJTX_GROUP), IsTicked(m_hWnd, IDC_TURN_WITH_WSJTX), m_setting, why))
    {
        ShowMessageBox(m_hWnd, why, "Follow WSJT-X", MB_ICONEXCLAMATION | MB_OK);
        return;
    }
    CDialog::OnOK();
}
