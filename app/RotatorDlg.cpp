#include "app/RotatorDlg.h"
#include "framework/MessageBoxSeam.h"
#include "res/resource.h"
#include <string>

namespace
{
// In the order of RotatorKind.
const char* const kKinds[] = {"None", "rotctld (Hamlib)", "PstRotator", "N1MM rotor"};

std::string ItemText(HWND dialog, int id)
{
    char text[300] = {};
    ::GetDlgItemTextA(dialog, id, text, sizeof(text));
    return text;
}
}

CRotatorDlg::CRotatorDlg(CWnd* parent, CRotatorLink& link, const RotatorSetting& setting)
    : CDialog(IDD_ROTATOR, parent), m_link(link), m_setting(setting)
{
}

BOOL CRotatorDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_posted = std::make_shared<CPostedCalls>(m_hWnd, kPostedCallsMessage);
    for (const char* kind : kKinds)
        ::SendDlgItemMessageA(m_hWnd, IDC_ROTATOR_KIND, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kind));
    ::SendDlgItemMessageA(m_hWnd, IDC_ROTATOR_KIND, CB_SETCURSEL, static_cast<WPARAM>(m_setting.kind), 0);
    ::SendDlgItemMessageA(m_hWnd, IDC_ROTATOR_HOST, EM_LIMITTEXT, 253, 0);
    ::SendDlgItemMessageA(m_hWnd, IDC_ROTATOR_PORT, EM_LIMITTEXT, 5, 0);
    ::SetDlgItemTextA(m_hWnd, IDC_ROTATOR_HOST, m_setting.IsSet() ? m_setting.host.c_str() : "localhost");
    if (m_setting.IsSet())
        ::SetDlgItemInt(m_hWnd, IDC_ROTATOR_PORT, static_cast<UINT>(m_setting.port), FALSE);
    m_lastKind = m_setting.kind;
    OnSelChangeKind();
    return TRUE;
}

RotatorKind CRotatorDlg::ChosenKind() const
{
    const LRESULT chosen = ::SendDlgItemMessageA(m_hWnd, IDC_ROTATOR_KIND, CB_GETCURSEL, 0, 0);
    return chosen >= 1 && chosen <= 3 ? static_cast<RotatorKind>(chosen) : RotatorKind::None;
}

// A port still at the last kind's default follows the kind; one the user typed stays.
void CRotatorDlg::OnSelChangeKind()
{
    const RotatorKind kind = ChosenKind();
    const std::string port = ItemText(m_hWnd, IDC_ROTATOR_PORT);
    if (port.empty() || port == std::to_string(DefaultRotatorPort(m_lastKind)))
        ::SetDlgItemTextA(m_hWnd, IDC_ROTATOR_PORT,
                          kind == RotatorKind::None ? "" : std::to_string(DefaultRotatorPort(kind)).c_str());
    m_lastKind = kind;
    ::EnableWindow(GetDlgItem(IDC_ROTATOR_HOST), kind != RotatorKind::None);
    ::EnableWindow(GetDlgItem(IDC_ROTATOR_PORT), kind != RotatorKind::None);
    ::EnableWindow(GetDlgItem(IDC_ROTATOR_TEST), kind == RotatorKind::Rotctld);
    ::SetDlgItemTextA(m_hWnd, IDC_ROTATOR_REPORT,
                      kind == RotatorKind::None ? ""
                      : kind == RotatorKind::Rotctld
                          ? "Test asks rotctld for its azimuth range and where the antenna points."
                          : "This program takes headings by UDP and does not answer, so there is nothing to test.");
}

bool CRotatorDlg::ReadSetting(RotatorSetting& setting, std::string& why) const
{
    return RotatorFromTexts(ChosenKind(), ItemText(m_hWnd, IDC_ROTATOR_HOST), ItemText(m_hWnd, IDC_ROTATOR_PORT),
                            setting, why);
}

void CRotatorDlg::OnTest()
{
    RotatorSetting setting;
    std::string why;
    if (!ReadSetting(setting, why))
    {
        ::SetDlgItemTextA(m_hWnd, IDC_ROTATOR_REPORT, why.c_str());
        return;
    }
    ::SetDlgItemTextA(m_hWnd, IDC_ROTATOR_REPORT, ("Asking " + setting.Describe() + "...").c_str());
    const HWND dialog = m_hWnd;
    m_link.Test(setting, m_posted, [dialog](const std::string& report) {
        ::SetDlgItemTextA(dialog, IDC_ROTATOR_REPORT, report.c_str());
    });
}

void CRotatorDlg::OnOK()
{
    std::string why;
    if (!ReadSetting(m_setting, why))
    {
        ShowMessageBox(m_hWnd, why, "Rotator", MB_ICONEXCLAMATION | MB_OK);
        return;
    }
    CDialog::OnOK();
}

BOOL CRotatorDlg::OnCommand(WORD id, WORD code, HWND)
{
    if (id == IDC_ROTATOR_KIND && code == CBN_SELCHANGE)
    {
        OnSelChangeKind();
        return TRUE;
    }
    if (id == IDC_ROTATOR_TEST && code == BN_CLICKED)
    {
        OnTest();
        return TRUE;
    }
    return FALSE;
}

LRESULT CRotatorDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg)
    {
    case kPostedCallsMessage:
        m_posted->RunQueued();
        return 0;
    case WM_DESTROY:
        // A test still running answers into nothing.
        m_posted->Detach();
        break;
    }
    return CDialog::WindowProc(msg, wParam, lParam);
}
