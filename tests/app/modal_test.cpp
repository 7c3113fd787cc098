#include "Calculator.h"
#include "controls/HomePage.h"
#include "res/resource.h"
#include "tests/support/TestHost.h"
#include <commctrl.h>
#include <functional>
#include <gtest/gtest.h>

namespace
{
std::function<bool()> g_step;

// Runs a step on every tick of a thread timer until it answers true. Modal loops (the dialogs'
// own, the message box's) dispatch the ticks, so the step acts from inside them.
class CWhileModal
{
public:
    explicit CWhileModal(std::function<bool()> step) : m_nTimer(::SetTimer(nullptr, 0, 20, Tick)) { g_step = step; }
    ~CWhileModal()
    {
        ::KillTimer(nullptr, m_nTimer);
        g_step = nullptr;
    }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (g_step && g_step())
            g_step = nullptr;
    }
    UINT_PTR m_nTimer;
};

struct Search
{
    HWND owner;
    const char* caption;
    HWND found;
};

BOOL CALLBACK MatchOwnedDialog(HWND hWnd, LPARAM param)
{
    auto* search = reinterpret_cast<Search*>(param);
    char className[16] = {};
    ::GetClassNameA(hWnd, className, sizeof(className));
    if (::GetWindow(hWnd, GW_OWNER) == search->owner && ::IsWindowVisible(hWnd) &&
        std::string(className) == "#32770" && WindowText(hWnd) == search->caption)
        search->found = hWnd;
    return !search->found;
}

HWND FindOwnedDialog(HWND owner, const char* caption)
{
    Search search = {owner, caption, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), MatchOwnedDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The text of a message box and the icon it shows.
BOOL CALLBACK ReadStatic(HWND child, LPARAM param)
{
    auto* shown = reinterpret_cast<std::pair<std::string, HICON>*>(param);
    if ((::GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
        shown->second = reinterpret_cast<HICON>(::SendMessageA(child, STM_GETICON, 0, 0));
    else if (!WindowText(child).empty() && ::GetDlgCtrlID(child) != IDOK)
        shown->first = WindowText(child);
    return TRUE;
}

// The text a tooltip of this thread holds for tool 1001 of the window.
BOOL CALLBACK ReadTip(HWND hWnd, LPARAM param)
{
    auto* tip = reinterpret_cast<std::pair<HWND, std::string>*>(param);
    char text[80] = {};
    TTTOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.hwnd = tip->first;
    info.uId = 1001;
    info.lpszText = text;
    ::SendMessageA(hWnd, TTM_GETTEXTA, sizeof(text), reinterpret_cast<LPARAM>(&info));
    if (text[0])
        tip->second = text;
    return TRUE;
}
}

TEST(CalculatorWindow, EnterDoesNothingWhileEscapeTheCloseButtonAndTheCloseBoxEndTheDialog)
{
    CScratchKey key;
    CMessageBoxRecorder boxes;
    for (int way = 0; way < 3; ++way)
    {
        CLocatorDlg dlg(nullptr, key.m_strPath);
        int ticks = 0;
        bool aliveAfterEnter = false;
        CWhileModal script([&] {
            HWND focus = ::GetFocus();
            if (!dlg.m_hWnd || !focus)
                return false;
            if (ticks++ == 0)
                return !::PostMessageA(focus, WM_KEYDOWN, VK_RETURN, 1);
            aliveAfterEnter = ::IsWindowVisible(dlg.m_hWnd) != FALSE;
            if (way == 0)
                ::PostMessageA(focus, WM_KEYDOWN, VK_ESCAPE, 1);
            else if (way == 1)
                ::PostMessageA(dlg.GetDlgItem(IDCANCEL), BM_CLICK, 0, 0);
            else
                dlg.PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
            return true;
        });
        EXPECT_EQ(IDCANCEL, dlg.DoModal()) << way;
        EXPECT_TRUE(aliveAfterEnter) << way;
    }
    EXPECT_TRUE(boxes.m_calls.empty());
    EXPECT_FALSE(key.Exists());
}

TEST(CalculatorWindow, TheRealMessageBoxShowsTheComplaintThenTheFocusMovesToTheBoxItNames)
{
    CScratchKey key;
    CCalculator calc(key);
    calc.Type(IDC_LATITUDE_DEGREE, "52");
    std::pair<std::string, HICON> shown;
    bool calculatorDisabled = false;
    CWhileModal script([&] {
        HWND box = FindOwnedDialog(calc.m_dlg.m_hWnd, "Locatrix");
        if (!box)
            return false;
        ::EnumChildWindows(box, ReadStatic, reinterpret_cast<LPARAM>(&shown));
        calculatorDisabled = !::IsWindowEnabled(calc.m_dlg.m_hWnd);
        return ::PostMessageA(::GetDlgItem(box, IDOK), BM_CLICK, 0, 0) != FALSE;
    });
    calc.Click(IDC_CALCULATE_DMS);
    EXPECT_EQ("Please enter Latitude Minutes", shown.first);
    EXPECT_EQ(::LoadIconA(nullptr, IDI_EXCLAMATION), shown.second);
    EXPECT_TRUE(calculatorDisabled);
    EXPECT_TRUE(calc.HasFocus(IDC_LATITUDE_MINUTE));
}

TEST(CalculatorWindow, TheSystemMenuOpensAFreshAboutBoxWhoseLinkOpensTheHomePageOncePerClick)
{
    CScratchKey key;
    CCalculator calc(key);
    HWND dlg = calc.m_dlg.m_hWnd;
    HMENU menu = ::GetSystemMenu(dlg, FALSE);
    int count = ::GetMenuItemCount(menu);
    char item[64] = {};
    ::GetMenuStringA(menu, count - 1, item, sizeof(item), MF_BYPOSITION);
    EXPECT_STREQ("&About Locatrix...", item);
    EXPECT_EQ(static_cast<UINT>(IDM_ABOUTBOX), ::GetMenuItemID(menu, count - 1));
    EXPECT_TRUE(::GetMenuState(menu, count - 2, MF_BYPOSITION) & MF_SEPARATOR);

    LOGFONTA guiFont = {};
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(guiFont), &guiFont);
    CShellRecorder shell;
    for (size_t opening = 1; opening <= 2; ++opening)
    {
        bool calculatorDisabled = false;
        HFONT titleFont = nullptr;
        LOGFONTA title = {};
        std::pair<HWND, std::string> tip;
        CWhileModal script([&] {
            HWND about = FindOwnedDialog(dlg, "About Locatrix");
            if (!about)
                return false;
            calculatorDisabled = !::IsWindowEnabled(dlg);
            titleFont = reinterpret_cast<HFONT>(::SendDlgItemMessageA(about, IDC_ABOUT_TITLE, WM_GETFONT, 0, 0));
            ::GetObjectA(titleFont, sizeof(title), &title);
            tip.first = ::GetDlgItem(about, IDC_ABOUT_LINK);
            ::EnumThreadWindows(::GetCurrentThreadId(), ReadTip, reinterpret_cast<LPARAM>(&tip));
            // The link finds its text when it paints; then one click on it.
            ::RedrawWindow(tip.first, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            ::SendMessageA(tip.first, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
            ::SendMessageA(tip.first, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
            return ::PostMessageA(::GetDlgItem(about, IDOK), BM_CLICK, 0, 0) != FALSE;
        });
        calc.m_dlg.PostMessage(WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
        PumpMessages();
        SCOPED_TRACE(opening);
        EXPECT_TRUE(calculatorDisabled);
        EXPECT_EQ(FW_BOLD, title.lfWeight);
        EXPECT_EQ(guiFont.lfHeight, title.lfHeight);
        EXPECT_STREQ(guiFont.lfFaceName, title.lfFaceName);
        EXPECT_EQ(0u, ::GetObjectType(titleFont)); // gone with the box
        EXPECT_EQ("Home", tip.second);
        ASSERT_EQ(opening, shell.m_calls.size());
        EXPECT_EQ(kHomePageUrl, shell.m_calls.back().file);
        EXPECT_TRUE(::IsWindowEnabled(dlg));
        EXPECT_EQ(nullptr, FindOwnedDialog(dlg, "About Locatrix"));
    }
}
