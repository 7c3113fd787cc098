#include "app/AboutDlg.h"
#include "app/HomePage.h"
#include "framework/HighContrastSeam.h"
#include "framework/ScreenDpi.h"
#include "framework/WinApp.h"
#include "res/resource.h"

namespace
{
int CellHeight(HWND window, HFONT font)
{
    HDC dc = ::GetDC(window);
    HGDIOBJ old = ::SelectObject(dc, font);
    TEXTMETRICA metrics = {};
    ::GetTextMetricsA(dc, &metrics);
    ::SelectObject(dc, old);
    ::ReleaseDC(window, dc);
    return metrics.tmHeight;
}
}

CAboutDlg::CAboutDlg(CWnd* parent)
    : CDialog(IDD_ABOUTBOX, parent)
{
}

void CAboutDlg::DoDataExchange()
{
    DDX_Control(this, IDC_ABOUT_LINK, m_link);
}

// The link opens the page itself; the box does not answer its click notification, so one
// click opens one browser window.
BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    m_link.SetLinkText(kHomePageUrl);
    m_link.SetLinkTarget(kHomePageUrl);
    m_link.SetTipText("Home");
    m_link.SetTipBkColor(::GetSysColor(COLOR_INFOBK));
    // Black on the system's tip colour, unless high contrast asks for the system's text colour.
    m_link.SetTipTextColor(IsHighContrast() ? ::GetSysColor(COLOR_INFOTEXT) : RGB(0, 0, 0));

    LOGFONTA logFont = {};
    HGDIOBJ guiFont = ::GetStockObject(DEFAULT_GUI_FONT);
    if (!guiFont || ::GetObjectA(guiFont, sizeof(logFont), &logFont) == 0)
    {
        logFont = {};
        logFont.lfHeight = -11;
        logFont.lfCharSet = ANSI_CHARSET;
        logFont.lfQuality = PROOF_QUALITY;
        logFont.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
        lstrcpyA(logFont.lfFaceName, "MS Sans Serif");
    }
    logFont.lfWeight = FW_BOLD;
    m_fontTitle.CreateFontIndirect(logFont);
    // The GUI font grows with the DPI, the template's bitmap font in steps: above 96 DPI the
    // bold title could outgrow its line. Never taller than the dialog's own text.
    const int lineHeight = CellHeight(m_hWnd, reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)));
    if (CellHeight(m_hWnd, m_fontTitle) > lineHeight)
    {
        logFont.lfHeight = lineHeight;
        logFont.lfWidth = 0;
        m_fontTitle.CreateFontIndirect(logFont);
    }
    if (HWND title = GetDlgItem(IDC_ABOUT_TITLE))
        ::SendMessageA(title, WM_SETFONT, reinterpret_cast<WPARAM>(m_fontTitle.m_hObject), TRUE);

    // The template's icon control shows the 48-pixel image whatever the DPI; give it the image
    // drawn for this DPI, and the control takes its size.
    HWND icon = ::GetWindow(m_hWnd, GW_CHILD);
    if (icon && m_icon.Load(AfxGetInstanceHandle(), IDI_ABOUT, ScaleToScreen(48)))
        ::SendMessageA(icon, STM_SETICON, reinterpret_cast<WPARAM>(m_icon.m_hIcon), 0);
    return TRUE;
}

LRESULT CAboutDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_DESTROY)
    {
        OnDestroy();
        return 0;
    }
    return CDialog::WindowProc(msg, wParam, lParam);
}

void CAboutDlg::OnDestroy()
{
    Default();
    m_fontTitle.DeleteObject();
    m_icon.Destroy();
}
