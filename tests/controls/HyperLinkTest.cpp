#include "PixelCanvas.h"
#include "controls/HyperLink.h"
#include "framework/RegKey.h"
#include "tests/support/TestHost.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <vector>

namespace
{
const COLORREF kNormal = RGB(0, 0, 200), kHover = RGB(0, 0, 255), kVisited = RGB(5, 34, 143);
const COLORREF kUnpainted = RGB(255, 0, 255);

// A registry key of this test process's own: parallel tests share the prefix.
struct ScratchKey
{
    explicit ScratchKey(const std::string& name)
        : path("Software\\Locatrix tests\\" + name + "." + std::to_string(::GetCurrentProcessId()))
    {
        key.Create(HKEY_CURRENT_USER, path.c_str(), KEY_ALL_ACCESS);
    }
    ~ScratchKey() { ::RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str()); }
    void Set(const char* name, const std::string& text)
    {
        key.SetValue(name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
    }
    std::string path;
    CRegKey key;
};

// A link in the built-in colours (its key holds no values) over a static of the test window.
struct LinkOnHost
{
    explicit LinkOnHost(CTestHost& host)
        : link(key.path.c_str()), hWnd(host.AddControl("STATIC", 0, 1001, 10, 10, 200, 40))
    {
        link.SubclassWindow(hWnd);
        link.SetLinkText("locatrix.example");
        link.SetLinkTarget("https://target.example/");
    }
    LRESULT Mouse(UINT msg, int x, int y) { return ::SendMessageA(hWnd, msg, 0, MAKELPARAM(x, y)); }

    ScratchKey key{::testing::UnitTest::GetInstance()->current_test_info()->name()};
    CHyperLink link;
    HWND hWnd;
};

// The tooltip window of this thread, when there is exactly one.
HWND ThreadToolTip()
{
    std::vector<HWND> tips;
    for (HWND tip = nullptr; (tip = ::FindWindowExA(nullptr, tip, TOOLTIPS_CLASSA, nullptr));)
        if (::GetWindowThreadProcessId(tip, nullptr) == ::GetCurrentThreadId())
            tips.push_back(tip);
    return tips.size() == 1 ? tips[0] : nullptr;
}

// Notes the message addresses relayed to a tooltip.
LRESULT CALLBACK RecordRelays(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR relayed)
{
    if (msg == TTM_RELAYEVENT && wParam == 0)
        reinterpret_cast<std::vector<LPARAM>*>(relayed)->push_back(lParam);
    return ::DefSubclassProc(hWnd, msg, wParam, lParam);
}

// The hand as drawn: X black, o white, ~ inverting; the rest of the 32 x 32 is transparent.
const std::vector<std::string> kHand = {
    ".....XX", "....XooX", "....XooX", "....XooX", "....XooX", "....XooXXX", "....XooXooXXX",
    "....XooXooXooXX", "....XooXooXooXoX", "XXX.XooXooXooXooX", "XooXXooooooooXooX",
    "XoooXoooooooooooX", ".XooXoooooooooooX", "..XoXoooooooooooX", "..XoooooooooooooX",
    "...XooooooooooooX", "...XoooooooooooX", "....XooooooooooX", "....XooooooooooX",
    ".....XooooooooX", ".....XooooooooX", ".....XXXXXXXXXX"};

std::vector<std::string> Padded(std::vector<std::string> rows)
{
    rows.resize(32);
    for (auto& row : rows)
        row.resize(32, '.');
    return rows;
}

// The current cursor in the same letters, then its hot spot as "@x,y".
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
    };
    for (const auto& c : cases)
    {
        ScratchKey key("AnchorColor");
        key.Set("Anchor Color", c.text);
        COLORREF normal = kUnset, hover = kUnset, visited = kUnset;
        CHyperLink::ReadBrowserColors(key.path.c_str(), normal, hover, visited);
        EXPECT_EQ(c.colour, normal) << c.text;
        EXPECT_EQ(c.colour, hover) << c.text;
        EXPECT_EQ(kUnset, visited) << c.text;
    }

    ScratchKey key("AnchorColorVisited");
    COLORREF normal = kNormal, hover = kHover, visited = kVisited;
    CHyperLink::ReadBrowserColors((key.path + "\\absent").c_str(), normal, hover, visited);
    key.Set("Anchor Color Visited", "7,8,9");
    CHyperLink::ReadBrowserColors(key.path.c_str(), normal, hover, visited);
    EXPECT_EQ(kNormal, normal);
    EXPECT_EQ(kHover, hover);
    EXPECT_EQ(RGB(7, 8, 9), visited);
}

TEST(HyperLink, ShowsTheHandThePressedHandOrTheArrowAndReleasesWhatItMade)
{
    std::vector<std::string> hand = Padded(kHand), pressed = Padded(kHand);
    pressed[0] = pressed[1] = pressed[2] = std::string(32, '.');
    pressed[3] = Padded({".....~~"})[0];
    hand.push_back("@5,0");
    pressed.push_back("@5,0");
    const HCURSOR arrow = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    HCURSOR handCursor = nullptr;
    HWND tip = nullptr;
    CTestHost host;
    {
        LinkOnHost on(host);
        PumpMessages(); // the first paint finds the text
        EXPECT_TRUE(::SendMessageA(on.hWnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(on.hWnd), HTCLIENT));
        handCursor = ::GetCursor();
        EXPECT_EQ(hand, CurrentCursorPicture());
        on.Mouse(WM_LBUTTONDOWN, 190, 5); // right of the text
        EXPECT_EQ(arrow, ::GetCursor());
        on.Mouse(WM_LBUTTONDOWN, 2, 5);
        EXPECT_EQ(pressed, CurrentCursorPicture());

        // While hovered, leaving the text brings the arrow back; on the text nothing changes.
        on.Mouse(WM_MOUSEHOVER, 0, 0);
        ::SetCursor(handCursor);
        on.Mouse(WM_MOUSEMOVE, 2, 5);
        EXPECT_EQ(handCursor, ::GetCursor());
        on.Mouse(WM_MOUSEMOVE, 190, 5);
        EXPECT_EQ(arrow, ::GetCursor());
        tip = ThreadToolTip();
        ASSERT_TRUE(tip);
    }
    // The window stays; what the link made goes with it.
    ICONINFO info = {};
    EXPECT_FALSE(::GetIconInfo(handCursor, &info));
    EXPECT_FALSE(::IsWindow(tip));
}

TEST(HyperLink, PaintsInLinkColoursUnderlinedWhileHoveredAndVisitedOnceOpened)
{
    CTestHost host;
    LinkOnHost on(host);
    ExpectPainted(on.link, kNormal, false);
    EXPECT_EQ(0, on.Mouse(WM_MOUSEHOVER, 5, 5));
    ExpectPainted(on.link, kHover, true);
    EXPECT_EQ(0, on.Mouse(WM_MOUSELEAVE, 0, 0));
    ExpectPainted(on.link, kNormal, false);
    {
        CShellRecorder shell(32); // the shell could not open it
        on.Mouse(WM_LBUTTONUP, 2, 5);
        EXPECT_EQ(1u, shell.m_calls.size());
        ExpectPainted(on.link, kNormal, false);
    }
    CShellRecorder shell(33);
    on.Mouse(WM_LBUTTONUP, 2, 5);
    ASSERT_EQ(1u, shell.m_calls.size());
    EXPECT_EQ("open", shell.m_calls[0].verb);
    EXPECT_EQ("https://target.example/", shell.m_calls[0].file);
    EXPECT_EQ(SW_SHOWNORMAL, shell.m_calls[0].show);
    ExpectPainted(on.link, kVisited, false);
    on.Mouse(WM_MOUSEHOVER, 5, 5);
    ExpectPainted(on.link, kVisited, true);
}

TEST(HyperLink, OpensWhereTheButtonComesUpOverTheTextAsLastPainted)
{
    CTestHost host;
    LinkOnHost on(host);
    CShellRecorder shell;
    on.Mouse(WM_LBUTTONUP, 1, 1);
    EXPECT_EQ(0u, shell.m_calls.size()); // nothing painted, so no text to hit yet

    PumpMessages();
    // On the screen through the off-screen copy; the text is as wide as the control's font
    // makes it, plus half an average character.
    HDC dc = ::GetDC(on.hWnd);
    CPixelCanvas screen(200, 40, kUnpainted);
    ::BitBlt(screen.m_hDC, 0, 0, 200, 40, dc, 0, 0, SRCCOPY);
    EXPECT_GT(screen.Count(kNormal), 50);
    EXPECT_EQ(0, screen.Count(kUnpainted));
    ::SelectObject(dc, host.m_hFont);
    SIZE extent = {};
    ::GetTextExtentPoint32A(dc, "locatrix.example", 16, &extent);
    TEXTMETRICA metrics = {};
    ::GetTextMetricsA(dc, &metrics);
    ::ReleaseDC(on.hWnd, dc);

    const int right = extent.cx + metrics.tmAveCharWidth / 2;
    on.Mouse(WM_LBUTTONUP, right - 1, 39);
    on.Mouse(WM_LBUTTONUP, right, 0);
    EXPECT_EQ(1u, shell.m_calls.size());
    // No capture: where the press was does not matter.
    on.Mouse(WM_LBUTTONDOWN, right + 5, 5);
    on.Mouse(WM_LBUTTONUP, 0, 5);
    on.Mouse(WM_LBUTTONDOWN, 0, 5);
    on.Mouse(WM_LBUTTONUP, right + 5, 5);
    EXPECT_EQ(2u, shell.m_calls.size());
}

TEST(HyperLink, PreparesTheStaticInItsOwnFontOrTheDefaultGuiFont)
{
    CTestHost host;
    ScratchKey key("Prepares");
    CHyperLink labelled(key.path.c_str()), fontless(key.path.c_str()), guiFont(key.path.c_str());
    ASSERT_TRUE(labelled.SubclassWindow(host.AddControl("STATIC", 0, 1001, 0, 0, 200, 40, "template")));
    EXPECT_EQ("template", labelled.GetWindowText());
    EXPECT_TRUE(labelled.GetStyle() & SS_NOTIFY);

    HWND fontlessStatic = host.AddControl("STATIC", 0, 1002, 0, 50, 200, 40);
    HWND guiFontStatic = host.AddControl("STATIC", 0, 1003, 0, 100, 200, 40);
    ::SendMessageA(fontlessStatic, WM_SETFONT, 0, FALSE);
    ::SendMessageA(guiFontStatic, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    RECT ink[2];
    int count[2];
    for (int i : {0, 1})
    {
        CHyperLink& link = i ? guiFont : fontless;
        ASSERT_TRUE(link.SubclassWindow(i ? guiFontStatic : fontlessStatic));
        link.SetLinkText("locatrix.example");
        CPixelCanvas canvas(200, 40, kUnpainted);
        link.Paint(canvas.m_hDC, canvas.m_rect);
        count[i] = canvas.Count(kNormal, &ink[i]);
    }
    EXPECT_EQ(count[0], count[1]);
    EXPECT_TRUE(::EqualRect(&ink[0], &ink[1]));
}

TEST(HyperLink, KeepsOneToolTipToolFedWithTheRelayedMessages)
{
    CTestHost host;
    LinkOnHost on(host);
    on.link.SetTipText("Home");
    const HWND tip = ThreadToolTip();
    ASSERT_TRUE(tip);
    char text[32] = {};
    TTTOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = on.hWnd;
    tool.uId = 1001;
    tool.lpszText = text;
    ASSERT_TRUE(::SendMessageA(tip, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool)));
    ::SendMessageA(tip, TTM_GETTEXTA, sizeof(text), reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ("Home", text);
    const RECT client = {0, 0, 200, 40};
    EXPECT_TRUE(::EqualRect(&client, &tool.rect));
    EXPECT_FALSE(::IsWindowVisible(tip));

    std::vector<LPARAM> relayed;
    ::SetWindowSubclass(tip, RecordRelays, 1, reinterpret_cast<DWORD_PTR>(&relayed));
    MSG move = {on.hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5), 0, {}};
    EXPECT_FALSE(on.link.PreTranslateMessage(&move));
    EXPECT_EQ(std::vector<LPARAM>{reinterpret_cast<LPARAM>(&move)}, relayed);
}
