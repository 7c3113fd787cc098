#include "Calculator.h"
#include "app/HomePage.h"
#include "res/resource.h"
#include <functional>

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
}

class CalculatorTest : public ::testing::Test
{
protected:
    // Exactly one complaint since the last look, shown as the program shows them all, and the
    // focus in the box it names.
    void ExpectComplaint(const CCalculator& calc, const char* text, int focusId)
    {
        ASSERT_EQ(1u, m_boxes.m_calls.size()) << text;
        const CMessageBoxRecorder::Call& call = m_boxes.m_calls[0];
        EXPECT_EQ(text, call.text);
        EXPECT_TRUE(call.caption == "Locatrix" && call.type == 0x30u && call.owner == calc.m_dlg.m_hWnd);
        EXPECT_TRUE(calc.HasFocus(focusId)) << text;
        m_boxes.m_calls.clear();
    }

    CScratchKey m_key;
    CMessageBoxRecorder m_boxes;
};

TEST_F(CalculatorTest, FirstStartShowsAnEmptyCalculatorWithItsInputRulesAndSavesNothing)
{
    {
        CCalculator calc(m_key);
        calc.ExpectTexts({{IDC_LATITUDE_DEGREE, ""}, {IDC_LATITUDE_SECOND, ""}, {IDC_LONGITUDE_DEGREE, ""},
                          {IDC_LATITUDE_DECIMAL, ""}, {IDC_LOCATOR, ""}, {IDC_LOCATION1, ""}, {IDC_BEARING, ""}});
        EXPECT_EQ("N E 6", calc.Shown({IDC_LATITUDE_WORLD, IDC_LONGITUDE_WORLD, IDC_LOCATOR_CHARS}));
        EXPECT_TRUE(calc.HasFocus(IDC_LATITUDE_DEGREE));
        const auto icon =
            reinterpret_cast<LRESULT>(::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME)));
        EXPECT_EQ(icon, calc.m_dlg.SendMessage(WM_GETICON, ICON_BIG));
        EXPECT_EQ(icon, calc.m_dlg.SendMessage(WM_QUERYDRAGICON));

        // Limits, digits only, number formats, locator masks and capitals.
        calc.Type({{IDC_LATITUDE_DEGREE, "123"}, {IDC_LATITUDE_MINUTE, "-5.a7"}, {IDC_LONGITUDE_DEGREE, "1234"},
                   {IDC_LATITUDE_SECOND, "-12345"}, {IDC_LONGITUDE_SECOND, "-598"},
                   {IDC_LATITUDE_DECIMAL, "-123456789"}, {IDC_LONGITUDE_DECIMAL, "-123456789"},
                   {IDC_LOCATOR, "jo62qm55aa"}, {IDC_LOCATION2, "jo62qm55aa"}});
        calc.ExpectTexts({{IDC_LATITUDE_DEGREE, "12"}, {IDC_LATITUDE_MINUTE, "57"}, {IDC_LONGITUDE_DEGREE, "123"},
                          {IDC_LATITUDE_SECOND, "12.34"}, {IDC_LONGITUDE_SECOND, "59.8"},
                          {IDC_LATITUDE_DECIMAL, "-12.345678"}, {IDC_LONGITUDE_DECIMAL, "-123.456789"},
                          {IDC_LOCATOR, "JO62QM"}, {IDC_LOCATION2, "JO62QM55AA"}});
    }
    EXPECT_FALSE(m_key.Exists());
}

TEST_F(CalculatorTest, DistanceGivesBearingAndDistancesAndRefusesShortLocators)
{
    CCalculator calc(m_key);
    calc.Click(IDC_CALCULATE_DISTANCE, {{IDC_LOCATION1, "JO62QM"}, {IDC_LOCATION2, "KO85TS"}});
    const Texts results = {{IDC_BEARING, "67.4"}, {IDC_STATUTE_MILES, "1000.5"}, {IDC_KILOMETERS, "1610.1"},
                           {IDC_NAUTICAL_MILES, "869.4"}};
    calc.ExpectTexts(results);
    EXPECT_EQ("KO85TS", m_key.Text("Location2"));

    // Short locators are refused before anything changes.
    calc.Click(IDC_CALCULATE_DISTANCE, {{IDC_LOCATION1, "JO62Q"}});
    ExpectComplaint(calc, "Please enter first location", IDC_LOCATION1);
    calc.Click(IDC_CALCULATE_DISTANCE, {{IDC_LOCATION1, "KO85TS"}, {IDC_LOCATION2, "JO62Q"}});
    ExpectComplaint(calc, "Please enter second location", IDC_LOCATION2);
    calc.ExpectTexts(results);
    EXPECT_EQ("JO62QM", m_key.Text("Location1"));

    calc.Click(IDC_RESET_DISTANCE, {{IDC_LATITUDE_DEGREE, "52"}});
    calc.ExpectTexts({{IDC_LOCATION1, ""}, {IDC_LOCATION2, ""}, {IDC_BEARING, ""}, {IDC_STATUTE_MILES, ""},
                      {IDC_KILOMETERS, ""}, {IDC_NAUTICAL_MILES, ""}, {IDC_LATITUDE_DEGREE, "52"}});
}

TEST_F(CalculatorTest, DegreesMinutesSecondsAreCheckedInOrderThenConverted)
{
    CCalculator calc(m_key);
    calc.Type({{IDC_LOCATOR, "AA00AA"}});
    struct Case
    {
        const char *latitudeDegree, *latitudeMinute, *longitudeDegree, *longitudeMinute, *complaint;
        int focusId;
    };
    for (const Case& c : {Case{"", "31", "13", "22", "Please enter Latitude Degrees", IDC_LATITUDE_DEGREE},
                          Case{"90", "31", "13", "22", "Please enter Latitude Degrees", IDC_LATITUDE_DEGREE},
                          Case{"52", "", "", "", "Please enter Latitude Minutes", IDC_LATITUDE_MINUTE},
                          Case{"52", "60", "13", "22", "Please enter Latitude Minutes", IDC_LATITUDE_MINUTE},
                          Case{"52", "31", "", "22", "Please enter Longitude Degrees", IDC_LONGITUDE_DEGREE},
                          Case{"52", "31", "180", "22", "Please enter Longitude Degrees", IDC_LONGITUDE_DEGREE},
                          Case{"52", "31", "13", "60", "Please enter Longitude Minutes", IDC_LONGITUDE_MINUTE}})
    {
        calc.Click(IDC_CALCULATE_DMS, {{IDC_LATITUDE_DEGREE, c.latitudeDegree}, {IDC_LATITUDE_MINUTE, c.latitudeMinute},
                   {IDC_LONGITUDE_DEGREE, c.longitudeDegree}, {IDC_LONGITUDE_MINUTE, c.longitudeMinute}});
        ExpectComplaint(calc, c.complaint, c.focusId);
    }
    // Nothing emptied or saved, but the missing latitude seconds had already become zero.
    calc.ExpectTexts({{IDC_LOCATOR, "AA00AA"}, {IDC_LATITUDE_SECOND, "0.00"}, {IDC_LONGITUDE_SECOND, ""}});
    EXPECT_FALSE(m_key.Exists());

    calc.Click(IDC_CALCULATE_DMS,
               {{IDC_LATITUDE_SECOND, "15"}, {IDC_LONGITUDE_MINUTE, "22"}, {IDC_LONGITUDE_SECOND, "30"}});
    calc.ExpectTexts(
        {{IDC_LATITUDE_DECIMAL, "52.520833"}, {IDC_LONGITUDE_DECIMAL, "13.375000"}, {IDC_LOCATOR, "JO62QM"}});
    calc.Choose(IDC_LOCATOR_CHARS, 2);
    calc.Click(IDC_CALCULATE_DMS);
    EXPECT_EQ("JO62QM55AA", calc.Text(IDC_LOCATOR));

    // South and west, latitude seconds left empty: zero seconds, shown and saved.
    calc.Choose(IDC_LATITUDE_WORLD, 1);
    calc.Choose(IDC_LONGITUDE_WORLD, 1);
    calc.Click(IDC_CALCULATE_DMS, {{IDC_LATITUDE_SECOND, ""}});
    calc.ExpectTexts({{IDC_LATITUDE_DECIMAL, "-52.516667"}, {IDC_LONGITUDE_DECIMAL, "-13.375000"},
                      {IDC_LATITUDE_SECOND, "0.00"}});
    EXPECT_EQ("ID37HL", calc.Text(IDC_LOCATOR).substr(0, 6));
    EXPECT_EQ("0 30", m_key.Text("LatitudeSecond") + " " + m_key.Text("LongitudeSecond"));
    EXPECT_EQ(1u, m_key.Number("LatitudeWorld"));
    EXPECT_EQ(1u, m_key.Number("LongitudeWorld"));
    EXPECT_EQ(2u, m_key.Number("LocatorChars"));

    // A negative degree count passes the whole-number check but not the engine: a silent stop
    // after the locator was emptied, with nothing saved.
    ::SetWindowTextA(calc.Item(IDC_LATITUDE_DEGREE), "-5");
    calc.Click(IDC_CALCULATE_DMS);
    EXPECT_TRUE(m_boxes.m_calls.empty());
    calc.ExpectTexts({{IDC_LOCATOR, ""}, {IDC_LATITUDE_DECIMAL, "-52.516667"}});
    EXPECT_EQ("52", m_key.Text("LatitudeDegree"));
}

TEST_F(CalculatorTest, DecimalDegreesCheckTheWholeValueThenConvert)
{
    CCalculator calc(m_key);
    calc.Choose(IDC_LOCATOR_CHARS, 2);
    calc.Click(IDC_CALCULATE_DECIMAL, {{IDC_LATITUDE_DECIMAL, "-33.8688"}, {IDC_LONGITUDE_DECIMAL, "151.2093"}});
    calc.ExpectTexts({{IDC_LOCATOR, "QF56OD51CL"}, {IDC_LATITUDE_DEGREE, "33"}, {IDC_LATITUDE_MINUTE, "52"},
                      {IDC_LATITUDE_SECOND, "7.68"}, {IDC_LONGITUDE_DEGREE, "151"}, {IDC_LONGITUDE_MINUTE, "12"},
                      {IDC_LONGITUDE_SECOND, "33.48"}});
    EXPECT_EQ("S E", calc.Shown({IDC_LATITUDE_WORLD, IDC_LONGITUDE_WORLD}));
    EXPECT_EQ("-33.8688", m_key.Text("LatitudeDecimal"));
    EXPECT_EQ(2u, m_key.Number("LocatorChars"));
    EXPECT_EQ("<missing>", m_key.Text("LatitudeDegree"));

    // A shorter length cuts the locator at once; a longer one does not bring it back.
    calc.Choose(IDC_LOCATOR_CHARS, 0);
    calc.Choose(IDC_LOCATOR_CHARS, 2);
    EXPECT_EQ("QF56OD", calc.Text(IDC_LOCATOR));

    // 90.5 is no latitude although its whole part is 90; the bounds themselves pass.
    for (const char* latitude : {"90.5", ""})
    {
        calc.Click(IDC_CALCULATE_DECIMAL, {{IDC_LATITUDE_DECIMAL, latitude}});
        ExpectComplaint(calc, "Please enter Latitude", IDC_LATITUDE_DECIMAL);
    }
    calc.Click(IDC_CALCULATE_DECIMAL, {{IDC_LATITUDE_DECIMAL, "90"}, {IDC_LONGITUDE_DECIMAL, "-180.5"}});
    ExpectComplaint(calc, "Please enter Longitude", IDC_LONGITUDE_DECIMAL);
    EXPECT_EQ("QF56OD", calc.Text(IDC_LOCATOR));
    EXPECT_EQ("-33.8688", m_key.Text("LatitudeDecimal"));
    calc.Click(IDC_CALCULATE_DECIMAL, {{IDC_LONGITUDE_DECIMAL, "-180"}});
    EXPECT_TRUE(m_boxes.m_calls.empty());
    calc.ExpectTexts({{IDC_LATITUDE_DEGREE, "90"}, {IDC_LONGITUDE_DEGREE, "180"}});
    EXPECT_EQ("N W", calc.Shown({IDC_LATITUDE_WORLD, IDC_LONGITUDE_WORLD}));
}

TEST_F(CalculatorTest, LocatorGivesThePositionAndResetClearsOnlyThePositionSide)
{
    CCalculator calc(m_key);
    calc.Choose(IDC_LATITUDE_WORLD, 1);
    calc.Choose(IDC_LONGITUDE_WORLD, 1);
    calc.Click(IDC_CALCULATE_LOCATOR, {{IDC_LOCATOR, "JO62Q"}});
    ExpectComplaint(calc, "Please enter IARU Locator", IDC_LOCATOR);
    calc.Click(IDC_CALCULATE_LOCATOR, {{IDC_LOCATOR, "JO62QM"}});
    calc.ExpectTexts({{IDC_LATITUDE_DECIMAL, "52.520833"}, {IDC_LATITUDE_DEGREE, "52"}, {IDC_LATITUDE_MINUTE, "31"},
                      {IDC_LATITUDE_SECOND, "15.00"}, {IDC_LONGITUDE_DECIMAL, "13.375000"},
                      {IDC_LONGITUDE_DEGREE, "13"}, {IDC_LONGITUDE_MINUTE, "22"}, {IDC_LONGITUDE_SECOND, "30.00"},
                      {IDC_LOCATOR, "JO62QM"}});
    EXPECT_EQ("N E", calc.Shown({IDC_LATITUDE_WORLD, IDC_LONGITUDE_WORLD}));

    // Saved as the box holds it, not padded.
    calc.Choose(IDC_LOCATOR_CHARS, 1);
    calc.Click(IDC_CALCULATE_LOCATOR, {{IDC_LOCATOR, "JO62QM55AA"}});
    EXPECT_EQ("JO62QM55", m_key.Text("Locator"));
    EXPECT_EQ(1u, m_key.Number("LocatorChars"));
    EXPECT_EQ("<missing>", m_key.Text("LatitudeDecimal"));

    calc.Type({{IDC_LOCATION1, "JO62QM"}});
    calc.Choose(IDC_LATITUDE_WORLD, 1);
    calc.Click(IDC_RESET_POSITION);
    calc.ExpectTexts({{IDC_LATITUDE_DECIMAL, ""}, {IDC_LONGITUDE_DECIMAL, ""}, {IDC_LATITUDE_DEGREE, ""},
                      {IDC_LATITUDE_MINUTE, ""}, {IDC_LATITUDE_SECOND, ""}, {IDC_LONGITUDE_DEGREE, ""},
                      {IDC_LONGITUDE_MINUTE, ""}, {IDC_LONGITUDE_SECOND, ""}, {IDC_LOCATOR, ""},
                      {IDC_LOCATION1, "JO62QM"}});
    EXPECT_EQ("N 8", calc.Shown({IDC_LATITUDE_WORLD, IDC_LOCATOR_CHARS}));
    calc.Type({{IDC_LOCATOR, "KO85TS12AB"}});
    EXPECT_EQ("KO85TS12", calc.Text(IDC_LOCATOR));
}

TEST_F(CalculatorTest, ARestartRestoresWhatEachCalculationSaved)
{
    // Stored by hand: a locator longer than the stored length, and fifteen digits whose low 32
    // bits read 5, which an overflowing atoi would let through.
    m_key.Set("Locator", "JO62QM55AA");
    m_key.Set("LocatorChars", DWORD{1});
    m_key.Set("LatitudeDegree", "429496729600005");
    {
        CCalculator first(m_key);
        first.ExpectTexts({{IDC_LOCATOR, "JO62QM55"}, {IDC_LATITUDE_DEGREE, "429496729600005"}});
        EXPECT_EQ("8", first.Shown({IDC_LOCATOR_CHARS}));
        first.Click(IDC_CALCULATE_DMS);
        ExpectComplaint(first, "Please enter Latitude Degrees", IDC_LATITUDE_DEGREE);

        first.Type({{IDC_LATITUDE_DEGREE, "52"}, {IDC_LATITUDE_MINUTE, "31"}, {IDC_LATITUDE_SECOND, "15"},
                    {IDC_LONGITUDE_DEGREE, "13"}, {IDC_LONGITUDE_MINUTE, "22"}, {IDC_LONGITUDE_SECOND, "30"}});
        first.Choose(IDC_LATITUDE_WORLD, 1);
        first.Choose(IDC_LONGITUDE_WORLD, 1);
        first.Click(IDC_CALCULATE_DMS);
        EXPECT_EQ("-52.520833", first.Text(IDC_LATITUDE_DECIMAL));
    }
    {
        CCalculator second(m_key);
        second.ExpectTexts({{IDC_LATITUDE_DEGREE, "52"}, {IDC_LATITUDE_SECOND, "15"}, {IDC_LONGITUDE_SECOND, "30"},
                            {IDC_LATITUDE_DECIMAL, ""}, {IDC_LOCATOR, "JO62QM55"}});
        EXPECT_EQ("S W", second.Shown({IDC_LATITUDE_WORLD, IDC_LONGITUDE_WORLD}));

        // The locator group, the decimal group (fed by the locator's results), the distance
        // group; a length chosen afterwards is not saved.
        second.Click(IDC_CALCULATE_LOCATOR, {{IDC_LOCATOR, "JO62QM"}});
        second.Click(IDC_CALCULATE_DECIMAL);
        second.Click(IDC_CALCULATE_DISTANCE, {{IDC_LOCATION1, "JO62QM"}, {IDC_LOCATION2, "KO85TS"}});
        second.Choose(IDC_LOCATOR_CHARS, 2);
    }
    CCalculator third(m_key);
    third.ExpectTexts({{IDC_LOCATOR, "JO62QM"}, {IDC_LATITUDE_DECIMAL, "52.520833"},
                       {IDC_LONGITUDE_DECIMAL, "13.375000"}, {IDC_LOCATION1, "JO62QM"}, {IDC_LOCATION2, "KO85TS"},
                       {IDC_LATITUDE_SECOND, "15"}, {IDC_BEARING, ""}});
    EXPECT_EQ("S 8", third.Shown({IDC_LATITUDE_WORLD, IDC_LOCATOR_CHARS}));
    EXPECT_TRUE(m_boxes.m_calls.empty());
}

TEST_F(CalculatorTest, AKeyThatCannotBeWrittenStillShowsEveryResultWithoutAMessage)
{
    m_key.Set("Locator", "AA00AA");
    m_key.Lock();
    CCalculator calc(m_key);
    EXPECT_EQ("AA00AA", calc.Text(IDC_LOCATOR));
    calc.Click(IDC_CALCULATE_DISTANCE, {{IDC_LOCATION1, "JO62QM"}, {IDC_LOCATION2, "KO85TS"}, {IDC_LOCATOR, "JO62QM"}});
    calc.Click(IDC_CALCULATE_LOCATOR);
    calc.ExpectTexts({{IDC_KILOMETERS, "1610.1"}, {IDC_LATITUDE_DECIMAL, "52.520833"}});
    calc.Click(IDC_CALCULATE_DMS, {{IDC_LOCATOR, ""}});
    EXPECT_EQ("JO62QM", calc.Text(IDC_LOCATOR));
    calc.Click(IDC_CALCULATE_DECIMAL, {{IDC_LATITUDE_DECIMAL, "-33.8688"}, {IDC_LONGITUDE_DECIMAL, "151.2093"}});
    EXPECT_EQ("QF56OD", calc.Text(IDC_LOCATOR));
    EXPECT_TRUE(m_boxes.m_calls.empty());
    EXPECT_EQ("AA00AA", m_key.Text("Locator"));
    EXPECT_EQ("<missing>", m_key.Text("Location1"));
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
    calc.Type({{IDC_LATITUDE_DEGREE, "52"}});
    std::string text;
    HICON icon = nullptr;
    bool calculatorDisabled = false;
    CWhileModal script([&] {
        HWND box = FindOwnedDialog(calc.m_dlg.m_hWnd, "Locatrix");
        if (!box)
            return false;
        // Its text and its icon.
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
        EXPECT_EQ(FW_BOLD, title.lfWeight);
        EXPECT_EQ(guiFont.lfHeight, title.lfHeight);
        EXPECT_STREQ(guiFont.lfFaceName, title.lfFaceName);
        EXPECT_EQ(0u, ::GetObjectType(titleFont)); // gone with the box
        EXPECT_EQ("Home", tip);
        ASSERT_EQ(opening, shell.m_calls.size());
        EXPECT_EQ(kHomePageUrl, shell.m_calls.back().file);
        EXPECT_TRUE(::IsWindowEnabled(dlg));
        EXPECT_EQ(nullptr, FindOwnedDialog(dlg, "About Locatrix"));
    }
}
