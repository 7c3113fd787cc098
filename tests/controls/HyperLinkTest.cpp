#include "controls/HyperLink.h"
#include "tests/controls/PixelCanvas.h"
#include "tests/support/TestHost.h"
#include <gtest/gtest.h>

namespace
{
const COLORREF kNormal = RGB(0, 0, 200), kHover = RGB(0, 0, 255), kVisited = RGB(5, 34, 143);
const COLORREF kUnpainted = RGB(255, 0, 255);

// A link in the built-in colours (its key holds no values) over a 200 x 40 static.
struct LinkOnHost
{
    LinkOnHost() : link(key.m_strPath.c_str()), hWnd(host.AddControl("STATIC", 0, 1001, 10, 10, 200, 40))
    {
        link.SubclassWindow(hWnd);
        link.SetLinkText("locatrix.example");
        link.SetLinkTarget("https://target.example/");
    }
    LRESULT Mouse(UINT msg, int x, int y) { return ::SendMessageA(hWnd, msg, 0, MAKELPARAM(x, y)); }

    CTestHost host;
    CScratchKey key;
    CHyperLink link;
    HWND hWnd;
};

// The hot spot and the first 17 pixels of one row of the current monochrome cursor (its AND
// mask above its XOR mask): X black, o white, ~ inverting, . transparent.
std::string CursorRow(int y)
{
    ICONINFO info = {};
    BYTE bits[32 * 64 / 8] = {};
    if (!::GetIconInfo(::GetCursor(), &info) || !::GetBitmapBits(info.hbmMask, sizeof(bits), bits))
        return "";
    ::DeleteObject(info.hbmMask);
    const auto bit = [&](int row, int x) { return (bits[row * 4 + x / 8] >> (7 - x % 8)) & 1; };
    std::string row = "@" + std::to_string(info.xHotspot) + "," + std::to_string(info.yHotspot) + " ";
    for (int x = 0; x < 17; ++x)
        row += "Xo.~"[bit(y, x) * 2 + bit(y + 32, x)];
    return row;
}

// Paints the link into a bitmap: background everywhere, text at the top left in this colour
// alone. Gives the count of text pixels, which an underline raises.
int ExpectPainted(CHyperLink& link, COLORREF colour)
{
    CPixelCanvas canvas(200, 40, kUnpainted);
    link.Paint(canvas.m_hDC, canvas.m_rect);
    RECT ink;
    const int count = canvas.Count(colour, &ink);
    EXPECT_GT(count, 50);
    for (COLORREF other : {kNormal, kHover, kVisited, kUnpainted})
        EXPECT_TRUE(other == colour || canvas.Count(other) == 0);
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), ::GetPixel(canvas.m_hDC, 199, 39));
    EXPECT_LT(ink.top + ink.left, 5);
    return count;
}
}

TEST(HyperLink, ReadsTheBrowserLinkColoursAsTheBrowserWritesThem)
{
    const COLORREF kUnset = RGB(1, 2, 3);
    const struct { const char* text; COLORREF colour; } cases[] = {
        {"10,20,30", RGB(10, 20, 30)}, {"128", RGB(128, 128, 128)}, {"300,20", RGB(44, 20, 20)},
        {"-1, 256 ,blue", RGB(255, 0, 0)}, {"99999999999999999999,-1,2", RGB(255, 255, 2)},
        {"00000000000000000000010,020,030", RGB(10, 20, 30)}, // 31 characters and the end fit
        {"000000000000000000000010,020,030", kUnset},         // 32 do not
    };
    CScratchKey key;
    key.Set("Anchor Color Visited", "7,8,9");
    for (const auto& c : cases)
    {
        key.Set("Anchor Color", c.text);
        COLORREF normal = kUnset, hover = kUnset, visited = kUnset;
        CHyperLink::ReadBrowserColors(key.m_strPath.c_str(), normal, hover, visited);
        EXPECT_TRUE(normal == c.colour && hover == c.colour && visited == RGB(7, 8, 9)) << c.text;
    }
}

TEST(HyperLink, ShowsHandCursorsAndATipAndReleasesThem)
{
    const HCURSOR arrow = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    HCURSOR hand = nullptr;
    HWND tip = nullptr;
    {
        LinkOnHost on;
        EXPECT_TRUE(on.link.GetStyle() & SS_NOTIFY); // else the parent gets the mouse
        PumpMessages(); // the first paint finds the text
        EXPECT_TRUE(::SendMessageA(on.hWnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(on.hWnd), HTCLIENT));
        hand = ::GetCursor();
        // A hand pointing with its fingertip; pressed, the finger is drawn shorter.
        EXPECT_EQ("@5,0 .....XX..........", CursorRow(0));
        EXPECT_EQ("@5,0 XooXXooooooooXooX", CursorRow(10));
        on.Mouse(WM_LBUTTONDOWN, 190, 5); // right of the text
        EXPECT_EQ(arrow, ::GetCursor());
        on.Mouse(WM_LBUTTONDOWN, 2, 5);
        EXPECT_EQ("@5,0 .................", CursorRow(0));
        EXPECT_EQ("@5,0 .....~~..........", CursorRow(3));
        // One tool over the whole control, hidden until the mouse rests on it.
        on.link.SetTipText("Home");
        RECT rect = {}, client = {0, 0, 200, 40};
        EXPECT_EQ("Home", ToolTipText(on.hWnd, 1001, &rect));
        EXPECT_TRUE(::EqualRect(&client, &rect));
        tip = ThreadToolTip();
        EXPECT_TRUE(tip && !::IsWindowVisible(tip));
    }
    ICONINFO info = {};
    EXPECT_FALSE(::GetIconInfo(hand, &info));
    EXPECT_FALSE(::IsWindow(tip));
}

TEST(HyperLink, PaintsAndOpensWhereTheButtonComesUpOverTheTextAsLastPainted)
{
    LinkOnHost on;
    CShellRecorder shell(32); // at first the shell cannot open it
    on.Mouse(WM_LBUTTONUP, 1, 1); // nothing painted, so no text to hit yet
    PumpMessages();
    // On the screen, through the off-screen copy.
    CPixelCanvas screen(200, 40, kUnpainted);
    HDC dc = ::GetDC(on.hWnd);
    ::BitBlt(screen.m_hDC, 0, 0, 200, 40, dc, 0, 0, SRCCOPY);
    ::ReleaseDC(on.hWnd, dc);
    EXPECT_GT(screen.Count(kNormal), 50);
    EXPECT_EQ(0, screen.Count(kUnpainted));
    // The text ends well before the right edge; a click there opens nothing.
    on.Mouse(WM_LBUTTONUP, 190, 5);
    on.Mouse(WM_LBUTTONUP, 2, 39);
    ASSERT_EQ(1u, shell.m_calls.size());
    EXPECT_TRUE(shell.m_calls[0].verb == "open" && shell.m_calls[0].file == "https://target.example/" &&
                shell.m_calls[0].show == SW_SHOWNORMAL);

    const int plain = ExpectPainted(on.link, kNormal); // a failed open is no visit
    EXPECT_EQ(0, on.Mouse(WM_MOUSEHOVER, 5, 5));
    EXPECT_GT(ExpectPainted(on.link, kHover), plain + 50); // underlined
    EXPECT_EQ(0, on.Mouse(WM_MOUSELEAVE, 0, 0));
    EXPECT_EQ(plain, ExpectPainted(on.link, kNormal));
    // No capture: where the press was does not matter.
    shell.m_nResult = 33;
    for (int down : {190, 0})
    {
        on.Mouse(WM_LBUTTONDOWN, down, 5);
        on.Mouse(WM_LBUTTONUP, 190 - down, 5);
    }
    EXPECT_EQ(2u, shell.m_calls.size());
    EXPECT_EQ(plain, ExpectPainted(on.link, kVisited));
    on.Mouse(WM_MOUSEHOVER, 5, 5);
    EXPECT_GT(ExpectPainted(on.link, kVisited), plain + 50);
}

// In high contrast the link keeps to the system's link colour on the system's face colour,
// hovered or not, visited or not, whatever the browser's colours say.
TEST(HyperLink, InHighContrastPaintsInTheSystemLinkColourOnItsFaceColour)
{
    CTestHost host;
    CScratchKey key;
    key.Set("Anchor Color", "255,0,0");
    key.Set("Anchor Color Visited", "0,255,0");
    CHyperLink link(key.m_strPath.c_str());
    HWND hWnd = host.AddControl("STATIC", 0, 1001, 10, 10, 200, 40);
    link.SubclassWindow(hWnd);
    link.SetLinkText("locatrix.example");
    CShellRecorder shell(33);
    const COLORREF system = ::GetSysColor(COLOR_HOTLIGHT), red = RGB(255, 0, 0), green = RGB(0, 255, 0);
    const auto paint = [&](COLORREF colour) {
        CPixelCanvas canvas(200, 40, kUnpainted);
        link.Paint(canvas.m_hDC, canvas.m_rect);
        EXPECT_GT(canvas.Count(colour), 50);
        EXPECT_EQ(0, canvas.Count(colour == system ? red : system));
        EXPECT_EQ(0, canvas.Count(green) + canvas.Count(kUnpainted));
        EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), ::GetPixel(canvas.m_hDC, 199, 39));
    };
    paint(red);
    CHighContrastOn contrast;
    paint(system);
    ::SendMessageA(hWnd, WM_MOUSEHOVER, 0, MAKELPARAM(5, 5));
    paint(system);
    ::SendMessageA(hWnd, WM_LBUTTONUP, 0, MAKELPARAM(2, 2)); // visited
    ASSERT_EQ(1u, shell.m_calls.size());
    paint(system);
}
