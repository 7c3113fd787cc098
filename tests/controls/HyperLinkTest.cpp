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

// Notes the message addresses relayed to a tooltip.
LRESULT CALLBACK RecordRelays(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR relayed)
{
    if (msg == TTM_RELAYEVENT && wParam == 0)
        reinterpret_cast<std::vector<LPARAM>*>(relayed)->push_back(lParam);
    return ::DefSubclassProc(hWnd, msg, wParam, lParam);
}

// The hand as drawn: X black, o white, ~ inverting, . transparent; 32 x 32 with its hot spot.
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

// The current cursor in the same letters.
std::vector<std::string> CurrentCursorPicture()
{
    ICONINFO info = {};
    if (!::GetIconInfo(::GetCursor(), &info))
        return {};
    BYTE bits[32 * 64 / 8] = {}; // a monochrome cursor: the AND mask above the XOR mask
    ::GetBitmapBits(info.hbmMask, sizeof(bits), bits);
    ::DeleteObject(info.hbmMask);
    ::DeleteObject(info.hbmColor);
    std::vector<std::string> rows(32, std::string(32, '?'));
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
        {
            auto bit = [&](int row) { return (bits[row * 4 + x / 8] >> (7 - x % 8)) & 1; };
            rows[y][x] = "Xo.~"[bit(y) * 2 + bit(y + 32)];
        }
    rows.push_back("@" + std::to_string(info.xHotspot) + "," + std::to_string(info.yHotspot));
    return rows;
}

// Paints the link into a bitmap: background everywhere, text at the top left in this colour
// alone, and a line along the text only when underlined.
void ExpectPainted(CHyperLink& link, COLORREF colour, bool underlined)
{
    CPixelCanvas canvas(200, 40, kUnpainted);
    link.Paint(canvas.m_hDC, canvas.m_rect);
    RECT ink;
    int longestRun = 0;
    EXPECT_GT(canvas.Count(colour, &ink, &longestRun), 50);
    for (COLORREF other : {kNormal, kHover, kVisited, kUnpainted})
        EXPECT_TRUE(other == colour || canvas.Count(other) == 0);
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), canvas.Pixel(199, 39));
    EXPECT_LT(ink.top + ink.left, 5);
    EXPECT_EQ(underlined, longestRun > (ink.right - ink.left) * 3 / 4);
}
}

TEST(HyperLink, ReadsTheBrowserLinkColoursAsTheBrowserWritesThem)
{
    const COLORREF kUnset = RGB(1, 2, 3);
    const struct { const char* text; COLORREF colour; } cases[] = {
        {"255,0,0", RGB(255, 0, 0)}, {"128", RGB(128, 128, 128)}, {"300,20,20", RGB(44, 20, 20)},
        {"10,20", RGB(10, 20, 20)}, {"-1, 256 ,blue", RGB(255, 0, 0)},
        {"00000000000000000000010,020,030", RGB(10, 20, 30)}, // 31 characters and the end fit
        {"000000000000000000000010,020,030", kUnset},         // 32 do not
        // Numbers too big for an int stop at the largest one, either side of zero.
        {"99999999999999999999,-1,2", RGB(255, 255, 2)}, {"-9999999999999,2147483648,0", RGB(1, 255, 0)},
        {"-2147483649,-9999999999,1", RGB(1, 1, 1)},
    };
    CScratchKey key;
    for (const auto& c : cases)
    {
        key.Set("Anchor Color", c.text);
        COLORREF normal = kUnset, hover = kUnset, visited = kUnset;
        CHyperLink::ReadBrowserColors(key.m_strPath.c_str(), normal, hover, visited);
        EXPECT_TRUE(normal == c.colour && hover == c.colour && visited == kUnset) << c.text;
    }
    // No key, then only the visited colour.
    COLORREF normal = kNormal, hover = kHover, visited = kVisited;
    key.Clear();
    CHyperLink::ReadBrowserColors(key.m_strPath.c_str(), normal, hover, visited);
    key.Set("Anchor Color Visited", "7,8,9");
    CHyperLink::ReadBrowserColors(key.m_strPath.c_str(), normal, hover, visited);
    EXPECT_TRUE(normal == kNormal && hover == kHover && visited == RGB(7, 8, 9));
}

TEST(HyperLink, ShowsTheHandThePressedHandOrTheArrowAndReleasesWhatItMade)
{
    const HCURSOR arrow = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    HCURSOR hand = nullptr;
    HWND tip = nullptr;
    {
        LinkOnHost on;
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
        tip = ThreadToolTip();
        ASSERT_TRUE(tip);
    }
    // What the link made goes with it.
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

    ExpectPainted(on.link, kNormal, false); // a failed open is no visit
    EXPECT_EQ(0, on.Mouse(WM_MOUSEHOVER, 5, 5));
    ExpectPainted(on.link, kHover, true);
    EXPECT_EQ(0, on.Mouse(WM_MOUSELEAVE, 0, 0));
    ExpectPainted(on.link, kNormal, false);
    // No capture: where the press was does not matter.
    shell.m_nResult = 33;
    for (int down : {right + 5, 0})
    {
        on.Mouse(WM_LBUTTONDOWN, down, 5);
        on.Mouse(WM_LBUTTONUP, right + 5 - down, 5);
    }
    EXPECT_EQ(2u, shell.m_calls.size());
    ExpectPainted(on.link, kVisited, false);
    on.Mouse(WM_MOUSEHOVER, 5, 5);
    ExpectPainted(on.link, kVisited, true);
}

TEST(HyperLink, TakesClicksAndKeepsOneToolTipToolFedWithTheRelayedMessages)
{
    LinkOnHost on;
    EXPECT_TRUE(on.link.GetStyle() & SS_NOTIFY);
    on.link.SetTipText("Home");
    RECT rect = {}, client = {0, 0, 200, 40};
    EXPECT_EQ("Home", ToolTipText(on.hWnd, 1001, &rect));
    EXPECT_TRUE(::EqualRect(&client, &rect));
    const HWND tip = ThreadToolTip();
    EXPECT_FALSE(::IsWindowVisible(tip));
    std::vector<LPARAM> relayed;
    ::SetWindowSubclass(tip, RecordRelays, 1, reinterpret_cast<DWORD_PTR>(&relayed));
    MSG move = {on.hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5), 0, {}};
    EXPECT_FALSE(on.link.PreTranslateMessage(&move));
    EXPECT_EQ(std::vector<LPARAM>{reinterpret_cast<LPARAM>(&move)}, relayed);
}

// A control with no font of its own is drawn in the default GUI font, not in whatever an
// empty font description would give.
TEST(HyperLink, DrawsInTheDefaultGuiFontWhenTheControlHasNone)
{
    CTestHost host;
    CScratchKey key;
    int counts[2];
    RECT ink[2];
    for (int i : {0, 1})
    {
        HWND plain = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 200, 40, host.m_hWnd, nullptr,
                                       ::GetModuleHandleA(nullptr), nullptr);
        if (i == 1)
            ::SendMessageA(plain, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        CHyperLink link(key.m_strPath.c_str());
        ASSERT_TRUE(link.SubclassWindow(plain));
        link.SetLinkText("locatrix.example");
        CPixelCanvas canvas(200, 40, kUnpainted);
        link.Paint(canvas.m_hDC, canvas.m_rect);
        counts[i] = canvas.Count(kNormal, &ink[i]);
    }
    EXPECT_GT(counts[0], 0);
    EXPECT_EQ(counts[1], counts[0]);
    EXPECT_TRUE(::EqualRect(&ink[1], &ink[0]));
}
