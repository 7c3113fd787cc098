#include "PixelCanvas.h"
#include "controls/HyperLink.h"
#include "tests/support/TestHost.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <vector>

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

// The hand as drawn: X black, o white, ~ inverting, . transparent; then its hot spot.
std::vector<std::string> HandPicture(bool pressed)
{
    std::vector<std::string> rows = {
        ".....XX", "....XooX", "....XooX", "....XooX", "....XooX", "....XooXXX", "....XooXooXXX",
        "....XooXooXooXX", "....XooXooXooXoX", "XXX.XooXooXooXooX", "XooXXooooooooXooX",
        "XoooXoooooooooooX", ".XooXoooooooooooX", "..XoXoooooooooooX", "..XoooooooooooooX",
        "...XooooooooooooX", "...XoooooooooooX", "....XooooooooooX", "....XooooooooooX",
        ".....XooooooooX", ".....XooooooooX", ".....XXXXXXXXXX"};
    if (pressed) // the finger drawn shorter, its tip left inverting
        rows[0] = rows[1] = rows[2] = "", rows[3] = ".....~~";
    rows.resize(32);
    for (auto& row : rows)
        row.resize(32, '.');
    rows.push_back("@5,0");
    return rows;
}

// The current cursor, a monochrome one (its AND mask above its XOR mask), in the same letters.
std::vector<std::string> CurrentCursorPicture()
{
    ICONINFO info = {};
    BYTE bits[32 * 64 / 8] = {};
    if (!::GetIconInfo(::GetCursor(), &info) || !::GetBitmapBits(info.hbmMask, sizeof(bits), bits))
        return {};
    ::DeleteObject(info.hbmMask);
    std::vector<std::string> rows(32, std::string(32, '?'));
    const auto bit = [&](int row, int x) { return (bits[row * 4 + x / 8] >> (7 - x % 8)) & 1; };
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            rows[y][x] = "Xo.~"[bit(y, x) * 2 + bit(y + 32, x)];
    rows.push_back("@" + std::to_string(info.xHotspot) + "," + std::to_string(info.yHotspot));
    return rows;
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
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), canvas.Pixel(199, 39));
    EXPECT_LT(ink.top + ink.left, 5);
    return count;
}
}

TEST(HyperLink, ReadsTheBrowserLinkColoursAsTheBrowserWritesThem)
{
    const COLORREF kUnset = RGB(1, 2, 3);
    const struct { const char* text; COLORREF colour; } cases[] = {
        {"255,0,0", RGB(255, 0, 0)}, {"128", RGB(128, 128, 128)}, {"300,20,20", RGB(44, 20, 20)},
        {"10,20", RGB(10, 20, 20)}, {"-1, 256 ,blue", RGB(255, 0, 0)}, {"99999999999999999999,-1,2", RGB(255, 255, 2)},
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
    COLORREF normal = kNormal, hover = kHover, visited = kVisited; // no key: all stay
    key.Clear();
    CHyperLink::ReadBrowserColors(key.m_strPath.c_str(), normal, hover, visited);
    EXPECT_TRUE(normal == kNormal && hover == kHover && visited == kVisited);
}

TEST(HyperLink, ShowsHandCursorsAndATipFedByRelayedMessagesAndReleasesThem)
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
        EXPECT_EQ(HandPicture(false), CurrentCursorPicture());
        on.Mouse(WM_LBUTTONDOWN, 190, 5); // right of the text
        EXPECT_EQ(arrow, ::GetCursor());
        on.Mouse(WM_LBUTTONDOWN, 2, 5);
        EXPECT_EQ(HandPicture(true), CurrentCursorPicture());
        // While hovered, leaving the text brings the arrow back; on the text nothing changes.
        on.Mouse(WM_MOUSEHOVER, 0, 0);
        ::SetCursor(hand);
        on.Mouse(WM_MOUSEMOVE, 2, 5);
        EXPECT_EQ(hand, ::GetCursor());
        on.Mouse(WM_MOUSEMOVE, 190, 5);
        EXPECT_EQ(arrow, ::GetCursor());

        // One tool over the whole control, hidden until the mouse rests, fed through PreTranslateMessage.
        on.link.SetTipText("Home");
        RECT rect = {}, client = {0, 0, 200, 40};
        EXPECT_EQ("Home", ToolTipText(on.hWnd, 1001, &rect));
        EXPECT_TRUE(::EqualRect(&client, &rect));
        tip = ThreadToolTip();
        ASSERT_TRUE(tip);
        EXPECT_FALSE(::IsWindowVisible(tip));
        std::vector<LPARAM> relayed;
        const SUBCLASSPROC record = [](HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR log) CALLBACK {
            if (msg == TTM_RELAYEVENT && wParam == 0)
                reinterpret_cast<std::vector<LPARAM>*>(log)->push_back(lParam);
            return ::DefSubclassProc(hWnd, msg, wParam, lParam);
        };
        ::SetWindowSubclass(tip, record, 1, reinterpret_cast<DWORD_PTR>(&relayed));
        MSG move = {on.hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5), 0, {}};
        EXPECT_FALSE(on.link.PreTranslateMessage(&move));
        EXPECT_EQ(std::vector<LPARAM>{reinterpret_cast<LPARAM>(&move)}, relayed);
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
    // On the screen through the off-screen copy; the text is as wide as the control's font
    // makes it, plus half an average character.
    HDC dc = ::GetDC(on.hWnd);
    CPixelCanvas screen(200, 40, kUnpainted);
    ::BitBlt(screen.m_hDC, 0, 0, 200, 40, dc, 0, 0, SRCCOPY);
    EXPECT_GT(screen.Count(kNormal), 50);
    EXPECT_EQ(0, screen.Count(kUnpainted));
    ::SelectObject(dc, on.host.m_hFont);
    SIZE extent = {};
    ::GetTextExtentPoint32A(dc, "locatrix.example", 16, &extent);
    TEXTMETRICA metrics = {};
    ::GetTextMetricsA(dc, &metrics);
    ::ReleaseDC(on.hWnd, dc);
    const int right = extent.cx + metrics.tmAveCharWidth / 2;
    on.Mouse(WM_LBUTTONUP, right, 0);
    on.Mouse(WM_LBUTTONUP, right - 1, 39);
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
    for (int down : {right + 5, 0})
    {
        on.Mouse(WM_LBUTTONDOWN, down, 5);
        on.Mouse(WM_LBUTTONUP, right + 5 - down, 5);
    }
    EXPECT_EQ(2u, shell.m_calls.size());
    EXPECT_EQ(plain, ExpectPainted(on.link, kVisited));
    on.Mouse(WM_MOUSEHOVER, 5, 5);
    EXPECT_GT(ExpectPainted(on.link, kVisited), plain + 50);
}

// A control with no font of its own is drawn in the default GUI font, not in whatever an
// empty font description would give.
TEST(HyperLink, DrawsInTheDefaultGuiFontWhenTheControlHasNone)
{
    CTestHost host;
    CScratchKey key;
    const auto ink = [&](HGDIOBJ font) {
        HWND plain = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 200, 40, host.m_hWnd, nullptr, nullptr,
                                       nullptr);
        ::SendMessageA(plain, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        CHyperLink link(key.m_strPath.c_str());
        link.SubclassWindow(plain);
        link.SetLinkText("locatrix.example");
        CPixelCanvas canvas(200, 40, kUnpainted);
        link.Paint(canvas.m_hDC, canvas.m_rect);
        RECT box = {};
        return std::make_pair(canvas.Count(kNormal, &box), std::vector<LONG>{box.left, box.top, box.right, box.bottom});
    };
    const auto none = ink(nullptr);
    EXPECT_GT(none.first, 0);
    EXPECT_EQ(ink(::GetStockObject(DEFAULT_GUI_FONT)), none);
}
