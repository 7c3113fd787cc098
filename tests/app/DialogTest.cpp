#include "app/HomePage.h"
#include "app/LocatorDlg.h"
#include "res/resource.h"
#include "tests/support/TestHost.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

// The calculator's rules are the calculator's own tests'; these drive the window around them.
namespace
{
// Runs a step on every tick of a thread timer until it answers true. Modal loops (the dialogs'
// own, the message box's) dispatch the ticks, so the step acts from inside them.
struct CWhileModal
{
    static inline std::function<bool()> s_step;
    explicit CWhileModal(std::function<bool()> step) { s_step = step; }
    ~CWhileModal()
    {
        ::KillTimer(nullptr, m_nTimer);
        s_step = nullptr;
    }
    UINT_PTR m_nTimer = ::SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) CALLBACK {
        if (s_step && s_step())
            s_step = nullptr;
    });
};

// A visible dialog box with this caption that the window owns.
HWND FindOwnedDialog(HWND owner, const char* caption)
{
    HWND box = nullptr;
    while ((box = ::FindWindowExA(nullptr, box, "#32770", caption)))
        if (::GetWindow(box, GW_OWNER) == owner && ::IsWindowVisible(box))
            return box;
    return nullptr;
}

using Texts = std::initializer_list<std::pair<int, const char*>>;

// The calculator created modeless on a scratch key, driven through its controls as a user would.
struct CCalculator
{
    explicit CCalculator(const CScratchKey& key) : m_dlg(nullptr, key.m_strPath)
    {
        INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
        ::InitCommonControlsEx(&controls);
        EXPECT_TRUE(m_dlg.Create());
        PumpMessages();
    }
    ~CCalculator()
    {
        m_dlg.DestroyWindow();
        PumpMessages();
    }
    HWND Item(int id) const { return m_dlg.GetDlgItem(id); }
    std::string Text(int id) const { return WindowText(Item(id)); }
    // Empties each box, then types one WM_CHAR per character.
    void Type(Texts typed)
    {
        for (const auto& [id, text] : typed)
        {
            ::SetWindowTextA(Item(id), "");
            TypeChars(Item(id), text);
        }
    }
    void ExpectTexts(Texts expected) const
    {
        for (const auto& [id, text] : expected)
            EXPECT_EQ(text, Text(id)) << "box " << id;
    }
    // Picks a list entry and tells the dialog, as a choice with the mouse does.
    void Choose(int listId, int index)
    {
        ::SendMessageA(Item(listId), CB_SETCURSEL, index, 0);
        m_dlg.SendMessage(WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Item(listId)));
    }
    // The chosen entries of the hemisphere and length lists, separated by blanks.
    std::string Shown() const
    {
        std::string shown;
        for (int id : {IDC_LATITUDE_WORLD, IDC_LONGITUDE_WORLD, IDC_LOCATOR_CHARS})
        {
            char text[16] = {};
            ::SendMessageA(Item(id), CB_GETLBTEXT, ::SendMessageA(Item(id), CB_GETCURSEL, 0, 0),
                           reinterpret_cast<LPARAM>(text));
            shown += (shown.empty() ? "" : " ") + std::string(text);
        }
        return shown;
    }
    void Click(int buttonId, Texts typed = {})
    {
        Type(typed);
        ::SendMessageA(Item(buttonId), BM_CLICK, 0, 0);
        PumpMessages();
    }
    bool HasFocus(int id) const { return m_focus.m_hLast == Item(id); }

    CFocusWatch m_focus;
    CLocatorDlg m_dlg;
};
} // namespace

TEST(CalculatorWindow, FirstStartShowsAnEmptyCalculatorWithItsInputRulesAndSavesNothing)
{
    CScratchKey key;
    {
        CCalculator calc(key);
        calc.ExpectTexts({{IDC_LATITUDE_DEGREE, ""}, {IDC_LOCATOR, ""}, {IDC_LOCATION1, ""}});
        EXPECT_EQ("N E 6", calc.Shown());
        EXPECT_TRUE(calc.HasFocus(IDC_LATITUDE_DEGREE));
        const auto icon =
            reinterpret_cast<LRESULT>(::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME)));
        EXPECT_EQ(icon, calc.m_dlg.SendMessage(WM_GETICON, ICON_BIG));
        EXPECT_EQ(icon, calc.m_dlg.SendMessage(WM_QUERYDRAGICON));

        // Each box's limit, digits only, number format, locator mask and capitals.
        calc.Type({{IDC_LATITUDE_DEGREE, "123"}, {IDC_LATITUDE_MINUTE, "-5.a7"}, {IDC_LONGITUDE_DEGREE, "1234"},
                   {IDC_LATITUDE_SECOND, "-12345"}, {IDC_LONGITUDE_SECOND, "-598"},
                   {IDC_LATITUDE_DECIMAL, "-123456789"}, {IDC_LONGITUDE_DECIMAL, "-123456789"},
                   {IDC_LOCATOR, "jo62qm55aa"}, {IDC_LOCATION2, "jo62qm55aa"}});
        calc.ExpectTexts({{IDC_LATITUDE_DEGREE, "12"}, {IDC_LATITUDE_MINUTE, "57"}, {IDC_LONGITUDE_DEGREE, "123"},
                          {IDC_LATITUDE_SECOND, "12.34"}, {IDC_LONGITUDE_SECOND, "59.8"},
                          {IDC_LATITUDE_DECIMAL, "-12.345678"}, {IDC_LONGITUDE_DECIMAL, "-123.456789"},
                          {IDC_LOCATOR, "JO62QM"}, {IDC_LOCATION2, "JO62QM55AA"}});

        CShellRecorder shell;
        ::SendMessageA(calc.Item(IDC_HOME_BANNER), WM_LBUTTONUP, 0, 0);
        ASSERT_EQ(1u, shell.m_calls.size());
        EXPECT_EQ(kHomePageUrl, shell.m_calls[0].file);
    }
    EXPECT_FALSE(key.Exists());
}

// Each button and the length list reach their command; the window shows and saves what it says,
// and a restart shows what was saved. A stored locator is loaded under the longest mask and cut
// to the stored length (6 when none is stored).
TEST(CalculatorWindow, EachCommandShowsAndSavesThroughTheWindowForTheNextStart)
{
    CScratchKey key;
    CMessageBoxRecorder boxes;
    key.Set("Locator", "JO62QM55AA");
    {
        CCalculator calc(key);
        EXPECT_EQ("JO62QM", calc.Text(IDC_LOCATOR));
        calc.Choose(IDC_LATITUDE_WORLD, 1);
        calc.Click(IDC_CALCULATE_DMS, {{IDC_LATITUDE_DEGREE, "52"}, {IDC_LATITUDE_MINUTE, "31"},
                                       {IDC_LONGITUDE_DEGREE, "13"}, {IDC_LONGITUDE_MINUTE, "22"},
                                       {IDC_LONGITUDE_SECOND, "30"}});
        calc.ExpectTexts({{IDC_LATITUDE_DECIMAL, "-52.516667"}, {IDC_LATITUDE_SECOND, "0.00"}, {IDC_LOCATOR, "JD67QL"}});
        EXPECT_EQ("30 1", key.Text("LongitudeSecond") + " " + std::to_string(key.Number("LatitudeWorld")));

        calc.Choose(IDC_LOCATOR_CHARS, 2);
        calc.Click(IDC_CALCULATE_DECIMAL, {{IDC_LATITUDE_DECIMAL, "-33.8688"}, {IDC_LONGITUDE_DECIMAL, "151.2093"}});
        calc.ExpectTexts({{IDC_LOCATOR, "QF56OD51CL"}, {IDC_LONGITUDE_SECOND, "33.48"}});
        EXPECT_EQ("S E 10", calc.Shown());
        EXPECT_EQ("-33.8688 2", key.Text("LatitudeDecimal") + " " + std::to_string(key.Number("LocatorChars")));
        // A shorter length cuts the locator at once; a longer one does not bring it back.
        calc.Choose(IDC_LOCATOR_CHARS, 0);
        calc.Choose(IDC_LOCATOR_CHARS, 1);
        EXPECT_EQ("QF56OD", calc.Text(IDC_LOCATOR));

        calc.Click(IDC_CALCULATE_LOCATOR, {{IDC_LOCATOR, "JO62QM55AA"}});
        calc.ExpectTexts({{IDC_LATITUDE_SECOND, "21.88"}, {IDC_LONGITUDE_DECIMAL, "13.378819"}, {IDC_LOCATOR, "JO62QM55"}});
        EXPECT_EQ("N E 8", calc.Shown());
        EXPECT_EQ("JO62QM55", key.Text("Locator"));

        calc.Click(IDC_CALCULATE_DISTANCE, {{IDC_LOCATION1, "JO62QM"}, {IDC_LOCATION2, "KO85TS"}});
        calc.ExpectTexts({{IDC_BEARING, "67.4"}, {IDC_STATUTE_MILES, "1000.5"}, {IDC_KILOMETERS, "1610.1"},
                          {IDC_NAUTICAL_MILES, "869.4"}});
        EXPECT_EQ("JO62QM KO85TS", key.Text("Location1") + " " + key.Text("Location2"));

        // A refusal by the engine (a sign the box would not take from the keyboard): no message,
        // the locator emptied, nothing saved.
        ::SetWindowTextA(calc.Item(IDC_LATITUDE_DEGREE), "-5");
        calc.Click(IDC_CALCULATE_DMS);
        calc.ExpectTexts({{IDC_LOCATOR, ""}, {IDC_LATITUDE_DECIMAL, "52.522743"}});
        EXPECT_EQ("52", key.Text("LatitudeDegree"));
        EXPECT_TRUE(boxes.m_calls.empty());

        calc.Choose(IDC_LONGITUDE_WORLD, 1);
        calc.Click(IDC_RESET_POSITION);
        calc.ExpectTexts({{IDC_LATITUDE_DECIMAL, ""}, {IDC_LONGITUDE_SECOND, ""}, {IDC_LOCATION1, "JO62QM"}});
        EXPECT_EQ("N E 8", calc.Shown());
        calc.Click(IDC_RESET_DISTANCE, {{IDC_LATITUDE_DEGREE, "52"}});
        calc.ExpectTexts({{IDC_LOCATION1, ""}, {IDC_KILOMETERS, ""}, {IDC_LATITUDE_DEGREE, "52"}});
        calc.Choose(IDC_LOCATOR_CHARS, 2); // not saved by itself
    }
    CCalculator next(key); // the hemisphere as the decimal command saved it
    next.ExpectTexts({{IDC_LOCATOR, "JO62QM55"}, {IDC_LOCATION2, "KO85TS"}, {IDC_BEARING, ""}});
    EXPECT_EQ("S E 8", next.Shown());
}

TEST(CalculatorWindow, AKeyThatCannotBeWrittenStillShowsEveryResultWithoutAMessage)
{
    CScratchKey key;
    CMessageBoxRecorder boxes;
    key.Set("Locator", "AA00AA");
    key.Lock();
    CCalculator calc(key);
    EXPECT_EQ("AA00AA", calc.Text(IDC_LOCATOR));
    calc.Click(IDC_CALCULATE_DISTANCE, {{IDC_LOCATION1, "JO62QM"}, {IDC_LOCATION2, "KO85TS"}});
    EXPECT_EQ("1610.1", calc.Text(IDC_KILOMETERS));
    EXPECT_TRUE(boxes.m_calls.empty());
    EXPECT_EQ("<missing>", key.Text("Location1"));
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

// The complaint in a warning box of the calculator's own, the calculator disabled meanwhile;
// then the focus in the box it names, and nothing saved.
TEST(CalculatorWindow, TheRealMessageBoxShowsTheComplaintThenTheFocusMovesToTheBoxItNames)
{
    CScratchKey key;
    CCalculator calc(key);
    calc.Type({{IDC_LATITUDE_DEGREE, "52"}});
    std::string text;
    HICON icon = nullptr;
    bool calculatorDisabled = false;
    CWhileModal script([&] {
        HWND box = FindOwnedDialog(calc.m_dlg.m_hWnd, "Locatrix");
        if (!box)
            return false;
        for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
            if ((::GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
                icon = reinterpret_cast<HICON>(::SendMessageA(child, STM_GETICON, 0, 0));
            else if (!WindowText(child).empty() && ::GetDlgCtrlID(child) != IDOK)
                text = WindowText(child);
        calculatorDisabled = !::IsWindowEnabled(calc.m_dlg.m_hWnd);
        return ::PostMessageA(::GetDlgItem(box, IDOK), BM_CLICK, 0, 0) != FALSE;
    });
    calc.Click(IDC_CALCULATE_DMS);
    EXPECT_EQ("Please enter Latitude Minutes", text);
    EXPECT_EQ(::LoadIconA(nullptr, IDI_EXCLAMATION), icon);
    EXPECT_TRUE(calculatorDisabled);
    EXPECT_TRUE(calc.HasFocus(IDC_LATITUDE_MINUTE));
    EXPECT_FALSE(key.Exists());
}

TEST(CalculatorWindow, TheSystemMenuOpensAFreshAboutBoxWhoseLinkOpensTheHomePageOncePerClick)
{
    CScratchKey key;
    CCalculator calc(key);
    HWND dlg = calc.m_dlg.m_hWnd;
    HMENU menu = ::GetSystemMenu(dlg, FALSE);
    const int last = ::GetMenuItemCount(menu) - 1;
    char item[64] = {};
    ::GetMenuStringA(menu, last, item, sizeof(item), MF_BYPOSITION);
    EXPECT_STREQ("&About Locatrix...", item);
    EXPECT_EQ(static_cast<UINT>(IDM_ABOUTBOX), ::GetMenuItemID(menu, last));
    EXPECT_TRUE(::GetMenuState(menu, last - 1, MF_BYPOSITION) & MF_SEPARATOR);

    LOGFONTA guiFont = {};
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(guiFont), &guiFont);
    CShellRecorder shell;
    for (size_t opening = 1; opening <= 2; ++opening)
    {
        bool calculatorDisabled = false;
        HFONT titleFont = nullptr;
        LOGFONTA title = {};
        std::string tip;
        CWhileModal script([&] {
            HWND about = FindOwnedDialog(dlg, "About Locatrix");
            if (!about)
                return false;
            calculatorDisabled = !::IsWindowEnabled(dlg);
            titleFont = reinterpret_cast<HFONT>(::SendDlgItemMessageA(about, IDC_ABOUT_TITLE, WM_GETFONT, 0, 0));
            ::GetObjectA(titleFont, sizeof(title), &title);
            HWND link = ::GetDlgItem(about, IDC_ABOUT_LINK);
            tip = ToolTipText(link, IDC_ABOUT_LINK);
            // The link finds its text when it paints; then one click on it.
            ::RedrawWindow(link, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            ::SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
            ::SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
            return ::PostMessageA(::GetDlgItem(about, IDOK), BM_CLICK, 0, 0) != FALSE;
        });
        calc.m_dlg.PostMessage(WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
        PumpMessages();
        SCOPED_TRACE(opening);
        EXPECT_TRUE(calculatorDisabled);
        EXPECT_TRUE(title.lfWeight == FW_BOLD && title.lfHeight == guiFont.lfHeight &&
                    std::string(title.lfFaceName) == guiFont.lfFaceName);
        EXPECT_EQ(0u, ::GetObjectType(titleFont)); // gone with the box
        EXPECT_EQ("Home", tip);
        ASSERT_EQ(opening, shell.m_calls.size());
        EXPECT_EQ(kHomePageUrl, shell.m_calls.back().file);
        EXPECT_TRUE(::IsWindowEnabled(dlg));
        EXPECT_EQ(nullptr, FindOwnedDialog(dlg, "About Locatrix"));
    }
}
