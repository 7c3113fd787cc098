#include "controls/HyperLink.h"
#include "base/NumberText.h"
#include "framework/HighContrastSeam.h"
#include "framework/MemoryDC.h"
#include "framework/PaintDC.h"
#include "framework/RegKey.h"
#include "framework/ShellSeam.h"
#include "framework/WinApp.h"
#include <commctrl.h>
#include <windowsx.h>
#include <cstring>

namespace
{
const UINT_PTR kToolId = 1001;

// One cursor row: the leftmost pixel is the top bit. AND 1 + XOR 0 is transparent, AND 0 is
// black (XOR 0) or white (XOR 1), AND 1 + XOR 1 inverts the screen.
struct MaskRow
{
    DWORD andBits;
    DWORD xorBits;
};
const MaskRow kTransparentRow = {0xFFFFFFFF, 0x00000000};

const MaskRow kHandRows[] = {
    {0xF9FFFFFF, 0x00000000}, // .....XX..........
    {0xF0FFFFFF, 0x06000000}, // ....XooX.........
    {0xF0FFFFFF, 0x06000000}, // ....XooX.........
    {0xF0FFFFFF, 0x06000000}, // ....XooX.........
    {0xF0FFFFFF, 0x06000000}, // ....XooX.........
    {0xF03FFFFF, 0x06000000}, // ....XooXXX.......
    {0xF007FFFF, 0x06C00000}, // ....XooXooXXX....
    {0xF001FFFF, 0x06D80000}, // ....XooXooXooXX..
    {0xF000FFFF, 0x06DA0000}, // ....XooXooXooXoX.
    {0x10007FFF, 0x06DB0000}, // XXX.XooXooXooXooX
    {0x00007FFF, 0x67FB0000}, // XooXXooooooooXooX
    {0x00007FFF, 0x77FF0000}, // XoooXoooooooooooX
    {0x80007FFF, 0x37FF0000}, // .XooXoooooooooooX
    {0xC0007FFF, 0x17FF0000}, // ..XoXoooooooooooX
    {0xC0007FFF, 0x1FFF0000}, // ..XoooooooooooooX
    {0xE0007FFF, 0x0FFF0000}, // ...XooooooooooooX
    {0xE000FFFF, 0x0FFE0000}, // ...XoooooooooooX.
    {0xF000FFFF, 0x07FE0000}, // ....XooooooooooX.
    {0xF000FFFF, 0x07FE0000}, // ....XooooooooooX.
    {0xF801FFFF, 0x03FC0000}, // .....XooooooooX..
    {0xF801FFFF, 0x03FC0000}, // .....XooooooooX..
    {0xF801FFFF, 0x00000000}, // .....XXXXXXXXXX..
};

// The pressed hand has its finger pushed down: only two inverting pixels above row 4.
const MaskRow kPressedTopRows[] = {
    kTransparentRow,
    kTransparentRow,
    kTransparentRow,
    {0xFFFFFFFF, 0x06000000}, // .....~~..........
};

HCURSOR CreateHandCursor(bool pressed)
{
    const int kSize = 32;
    const int kRowBytes = kSize / 8;
    BYTE andMask[kSize * kRowBytes];
    BYTE xorMask[kSize * kRowBytes];
    const int handRows = static_cast<int>(sizeof(kHandRows) / sizeof(kHandRows[0]));
    const int pressedRows = static_cast<int>(sizeof(kPressedTopRows) / sizeof(kPressedTopRows[0]));
    for (int row = 0; row < kSize; ++row)
    {
        MaskRow bits = kTransparentRow;
        if (pressed && row < pressedRows)
            bits = kPressedTopRows[row];
        else if (row < handRows)
            bits = kHandRows[row];
        for (int byte = 0; byte < kRowBytes; ++byte)
        {
            const int shift = 8 * (kRowBytes - 1 - byte);
            andMask[row * kRowBytes + byte] = static_cast<BYTE>(bits.andBits >> shift);
            xorMask[row * kRowBytes + byte] = static_cast<BYTE>(bits.xorBits >> shift);
        }
    }
    return ::CreateCursor(AfxGetInstanceHandle(), 5, 0, kSize, kSize, andMask, xorMask);
}

// "red,green,blue" in decimal; without a comma the one number serves all three. Each
// component keeps its low 8 bits. Read without atoi: a number too big for an int is
// undefined there, and saturates here.
COLORREF ParseColour(const char* text)
{
    int components[3] = {};
    for (int& component : components)
    {
        component = IntegerValue(text);
        if (const char* comma = std::strchr(text, ','))
            text = comma + 1;
    }
    return RGB(components[0] & 0xFF, components[1] & 0xFF, components[2] & 0xFF);
}

bool ReadColour(const CRegKey& key, const char* name, COLORREF& colour)
{
    // The registry gets 32 bytes; the extra zero ends a text that fills them all.
    char text[33] = {};
    DWORD size = 32;
    if (key.QueryValue(name, text, &size) != ERROR_SUCCESS)
        return false;
    colour = ParseColour(text);
    return true;
}

POINT PointFrom(LPARAM lParam)
{
    return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}
}

const char CHyperLink::kBrowserSettingsKey[] = "Software\\Microsoft\\Internet Explorer\\Settings";

CHyperLink::CHyperLink(const char* colourKeyPath)
{
    ReadBrowserColors(colourKeyPath, m_clrNormal, m_clrHover, m_clrVisited);
}

CHyperLink::~CHyperLink()
{
    if (m_hHandCursor)
        ::DestroyCursor(m_hHandCursor);
    if (m_hPressedCursor)
        ::DestroyCursor(m_hPressedCursor);
}

void CHyperLink::ReadBrowserColors(const char* keyPath, COLORREF& clrNormal, COLORREF& clrHover,
                                   COLORREF& clrVisited)
{
    // Read access is all we need; asking for more fails on locked-down accounts.
    CRegKey key;
    if (key.Open(HKEY_CURRENT_USER, keyPath, KEY_READ) != ERROR_SUCCESS)
        return;
    COLORREF anchor = 0;
    if (ReadColour(key, "Anchor Color", anchor))
        clrNormal = clrHover = anchor;
    ReadColour(key, "Anchor Color Visited", clrVisited);
}

void CHyperLink::SetLinkText(const std::string& text)
{
    m_strText = text;
    SetWindowText(text);
}

void CHyperLink::SetLinkTarget(const std::string& target)
{
    m_strTarget = target;
}

void CHyperLink::SetTipText(const std::string& text)
{
    m_tip.UpdateTipText(text, this, kToolId);
}

void CHyperLink::SetTipBkColor(COLORREF colour)
{
    m_tip.SendMessage(TTM_SETTIPBKCOLOR, colour, 0);
}

void CHyperLink::SetTipTextColor(COLORREF colour)
{
    m_tip.SendMessage(TTM_SETTIPTEXTCOLOR, colour, 0);
}

void CHyperLink::PreSubclassWindow()
{
    // Without SS_NOTIFY a static lets the mouse fall through to its parent.
    ModifyStyle(0, SS_NOTIFY);
    if (GetWindowText().empty())
        SetWindowText(m_strText);

    HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    if (!font)
        font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    LOGFONTA logFont = {};
    ::GetObjectA(font, sizeof(logFont), &logFont);
    m_fontNormal.CreateFontIndirect(logFont);
    logFont.lfUnderline = TRUE;
    m_fontUnderline.CreateFontIndirect(logFont);

    m_brBack.CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
    m_hHandCursor = CreateHandCursor(false);
    m_hPressedCursor = CreateHandCursor(true);
    m_hArrowCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));

    // One tool over the control as it is now; mouse messages reach it through PreTranslateMessage.
    m_tip.Create(this, TTS_ALWAYSTIP);
    RECT client;
    GetClientRect(&client);
    m_tip.AddTool(this, "", client, kToolId);
    ::ShowWindow(m_tip, SW_HIDE);

    CStatic::PreSubclassWindow();
}

BOOL CHyperLink::PreTranslateMessage(MSG* msg)
{
    m_tip.RelayEvent(msg);
    return CStatic::PreTranslateMessage(msg);
}

LRESULT CHyperLink::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg)
    {
    case WM_MOUSEMOVE:
        return OnMouseMove(PointFrom(lParam));
    case WM_SETCURSOR:
        return OnSetCursor();
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_LBUTTONDOWN:
        return OnLButtonDown(PointFrom(lParam));
    case WM_LBUTTONUP:
        return OnLButtonUp(PointFrom(lParam));
    case WM_MOUSEHOVER:
        return OnMouseHover();
    case WM_MOUSELEAVE:
        return OnMouseLeave();
    default:
        return CStatic::WindowProc(msg, wParam, lParam);
    }
}

LRESULT CHyperLink::OnMouseMove(POINT point)
{
    LRESULT result = Default();
    // Hover and leave come for the whole control; until the hover arrives, every move asks again.
    if (!m_bHover)
    {
        TRACKMOUSEEVENT track = {sizeof(track), TME_HOVER | TME_LEAVE, m_hWnd, 1};
        ::_TrackMouseEvent(&track);
    }
    else if (!::PtInRect(&m_rcText, point))
    {
        ::SetCursor(m_hArrowCursor);
    }
    return result;
}

LRESULT CHyperLink::OnSetCursor()
{
    ::SetCursor(m_hHandCursor);
    return TRUE;
}

void CHyperLink::OnPaint()
{
    CPaintDC dc(m_hWnd);
    RECT client;
    GetClientRect(&client);
    // Off-screen first and one copy to the screen, so hovering doesn't flicker.
    CMemoryDC memory(dc, client.right, client.bottom);
    Paint(memory, client);
    ::BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
}

void CHyperLink::Paint(HDC dc, const RECT& rect)
{
    // In high contrast the system's link colour on its face colour, whatever the browser says.
    const bool highContrast = IsHighContrast();
    const COLORREF colour = highContrast ? ::GetSysColor(COLOR_HOTLIGHT)
                            : m_bVisited ? m_clrVisited
                            : m_bHover   ? m_clrHover
                                         : m_clrNormal;
    const int oldMode = ::SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = ::SetTextColor(dc, colour);
    HGDIOBJ oldFont = ::SelectObject(dc, m_bHover ? m_fontUnderline : m_fontNormal);

    TEXTMETRICA metrics = {};
    ::GetTextMetricsA(dc, &metrics);
    SIZE extent = {};
    ::GetTextExtentPoint32A(dc, m_strText.c_str(), static_cast<int>(m_strText.size()), &extent);
    // Clicks count on the text and a little after it, not on the empty rest of the control.
    m_rcText = rect;
    m_rcText.right = rect.left + extent.cx + metrics.tmAveCharWidth / 2;

    ::FillRect(dc, &rect, highContrast ? ::GetSysColorBrush(COLOR_BTNFACE) : m_brBack.m_hObject);
    // DT_VCENTER alone centres nothing without DT_SINGLELINE: the text sits at the top left.
    RECT textArea = rect;
    ::DrawTextA(dc, m_strText.c_str(), static_cast<int>(m_strText.size()), &textArea, DT_VCENTER);

    ::SelectObject(dc, oldFont);
    ::SetTextColor(dc, oldColour);
    ::SetBkMode(dc, oldMode);
}

LRESULT CHyperLink::OnLButtonDown(POINT point)
{
    ::SetCursor(::PtInRect(&m_rcText, point) ? m_hPressedCursor : m_hArrowCursor);
    return Default();
}

LRESULT CHyperLink::OnLButtonUp(POINT point)
{
    // Where the button comes up decides; there is no capture of the press.
    if (::PtInRect(&m_rcText, point))
    {
        ::SetCursor(m_hHandCursor);
        // One normal window per click, and visited only once the shell has really opened it.
        INT_PTR result = reinterpret_cast<INT_PTR>(ShellOpen("open", m_strTarget, SW_SHOWNORMAL));
        if (result > 32)
            m_bVisited = true;
    }
    else
    {
        ::SetCursor(m_hArrowCursor);
    }
    return Default();
}

LRESULT CHyperLink::OnMouseHover()
{
    m_bHover = true;
    RedrawWindow(RDW_INVALIDATE);
    return 0;
}

LRESULT CHyperLink::OnMouseLeave()
{
    m_bHover = false;
    RedrawWindow(RDW_INVALIDATE);
    return 0;
}
