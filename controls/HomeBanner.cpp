#include "controls/HomeBanner.h"
#include "framework/HighContrastSeam.h"
#include "framework/PaintDC.h"
#include "framework/ScreenDpi.h"
#include "framework/ShellSeam.h"

namespace
{
BYTE Brighten(BYTE component)
{
    return component >= 235 ? 255 : static_cast<BYTE>(component + 20);
}

BYTE Darken(BYTE component)
{
    return component <= 20 ? 0 : static_cast<BYTE>(component - 20);
}

COLORREF Shade(COLORREF colour, BYTE (*pfnRule)(BYTE))
{
    return RGB(pfnRule(GetRValue(colour)), pfnRule(GetGValue(colour)), pfnRule(GetBValue(colour)));
}

void CreateBannerFont(CFont& font, int height)
{
    font.CreateFont(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_ROMAN | FIXED_PITCH, "Times New Roman");
}
}

CHomeBanner::CHomeBanner()
    : CHomeBanner(::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_BTNHIGHLIGHT),
                  ::GetSysColor(COLOR_BTNSHADOW))
{
}

CHomeBanner::CHomeBanner(COLORREF clrButtonFace, COLORREF clrButtonHighlight, COLORREF clrButtonShadow)
    : m_clrHighlight(Shade(clrButtonHighlight, Brighten)),
      m_clrFace(Shade(clrButtonFace, Brighten)),
      m_clrShadow(Shade(clrButtonShadow, Darken))
{
    // 26 pixels on a 96 DPI screen, more on a finer one.
    CreateBannerFont(m_font, ScaleToScreen(26));
}

// On a dialog the letters keep their size against the dialog, which the system scales by its
// font (a bitmap font grows in steps) rather than exactly by the DPI: 26 pixels are 16 dialog
// units of the 8-point template font at 96 DPI.
void CHomeBanner::PreSubclassWindow()
{
    RECT units = {0, 0, 0, 16};
    HWND parent = ::GetParent(m_hWnd);
    if (parent && ::MapDialogRect(parent, &units))
        CreateBannerFont(m_font, units.bottom);
    CStatic::PreSubclassWindow();
}

LRESULT CHomeBanner::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg)
    {
    case WM_ERASEBKGND:
        return OnEraseBkgnd();
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_LBUTTONUP:
        return OnLButtonUp();
    default:
        return CStatic::WindowProc(msg, wParam, lParam);
    }
}

LRESULT CHomeBanner::OnEraseBkgnd()
{
    // The dialog's own background shows through between the letters.
    return TRUE;
}

void CHomeBanner::OnPaint()
{
    CPaintDC dc(m_hWnd);
    RECT client;
    GetClientRect(&client);
    Paint(dc, client);
}

void CHomeBanner::Paint(HDC dc, const RECT& rect) const
{
    // The offsets scale with the context's own font, so read its metrics before ours goes in.
    TEXTMETRICA metrics = {};
    ::GetTextMetricsA(dc, &metrics);
    HGDIOBJ oldFont = ::SelectObject(dc, m_font);
    SIZE extent = {};
    ::GetTextExtentPoint32A(dc, m_strText.c_str(), static_cast<int>(m_strText.size()), &extent);

    RECT text = rect;
    text.left = rect.right - metrics.tmAveCharWidth / 2 - extent.cx;
    text.top = rect.bottom - metrics.tmHeight / 5 - extent.cy;

    // Only the left edge moves and the text is centred, so each pass shifts by half the step:
    // the dark copy ends up right, the light one left, the face copy between them and on top.
    const struct { int nLeftStep; COLORREF clr; } passes[] = {
        {0, m_clrShadow},
        {(-3 * metrics.tmAveCharWidth) / 5, m_clrHighlight},
        {metrics.tmAveCharWidth / 5, m_clrFace},
    };
    // In high contrast the shades of the button colours may all but vanish against the dialog:
    // only the face copy (the last pass) then, in the system's button text colour.
    const bool highContrast = IsHighContrast();
    int oldMode = ::SetBkMode(dc, TRANSPARENT);
    COLORREF oldColour = ::GetTextColor(dc);
    for (const auto& pass : passes)
    {
        text.left += pass.nLeftStep;
        if (highContrast && &pass != &passes[2])
            continue;
        ::SetTextColor(dc, highContrast ? ::GetSysColor(COLOR_BTNTEXT) : pass.clr);
        ::DrawTextA(dc, m_strText.c_str(), static_cast<int>(m_strText.size()), &text,
                    DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    }
    ::SetTextColor(dc, oldColour);
    ::SetBkMode(dc, oldMode);
    ::SelectObject(dc, oldFont);
}

LRESULT CHomeBanner::OnLButtonUp()
{
    // Every release opens the page again; there is no visited state and no hit test.
    ShellOpen("open", m_strTarget, SW_SHOWNORMAL);
    return Default();
}
