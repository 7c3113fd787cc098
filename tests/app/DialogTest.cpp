// The calculator's rules are the calculator's own tests'; these drive the window around them.
// The Dpi cases run again at each DPI (dpi_test.sh sets the prefix's LogPixels and names it in
// LOCATRIX_TEST_DPI; 96 otherwise): every control in its place and tab order with its whole text
// showing, the banner grown with the dialogs, the icons at the size the system asks for.
#include "app/AboutDlg.h"
#include "app/HomePage.h"
#include "controls/HomeBanner.h"
#include "res/Version.h"
#include "res/resource.h"
#include "tests/app/Calculator.h"
#include "tests/controls/PixelCanvas.h"
#include <cstdlib>
#include <vector>

namespace
{
int Scaled(int pixels)
{
    const char* dpi = std::getenv("LOCATRIX_TEST_DPI");
    return ::MulDiv(pixels, dpi ? std::atoi(dpi) : USER_DEFAULT_SCREEN_DPI, USER_DEFAULT_SCREEN_DPI);
}

int IconWidth(HICON icon)
{
    ICONINFO info = {};
    if (!icon || !::GetIconInfo(icon, &info))
        return 0;
    BITMAP bitmap = {};
    ::GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

// A control as the user meets it, in window order, which is tab order and reading order: ID (-1
// for none), kind and style letters, text, and place in dialog units (x, y, width, height). The
// first letter is the kind: E edit, L drop-down list, B push button, D default push button, G
// group box, S text, N hidden text (a name for the next box), I icon, H etched line. The letters
// after it name the style bits it has, of # digits only, U capitals, R read-only, n notify, p no
// prefix, g group and t tab stop; the others of these it must not have. The icon's text is not
// looked at, nor its size, nor a list's height (the template's is that of the list dropped down),
// nor an etched line's size (the system sizes it by its edge).
struct Control { int id; const char* kind; const char* text; struct { int x, y, width, height; } units; };

const Control kCalculatorControls[] = {
    {-1, "G", "GRIDSQUARE", {4, 3, 172, 183}}, {-1, "Sg", "&Latitude: ", {12, 21, 36, 8}},
    {-1, "N", "Latitude degrees", {53, 18, 0, 0}}, {1000, "E#t", "", {53, 18, 21, 12}},
    {-1, "Sg", "\xB0", {76, 18, 8, 8}}, {-1, "N", "Latitude minutes", {81, 18, 0, 0}},
    {1001, "E#t", "", {81, 18, 21, 12}}, {-1, "Sg", "'", {104, 18, 8, 8}},
    {-1, "N", "Latitude seconds", {109, 18, 0, 0}}, {1002, "Et", "", {109, 18, 26, 12}},
    {-1, "Sg", "''", {136, 18, 8, 8}}, {-1, "N", "Latitude hemisphere", {142, 18, 0, 0}},
    {1003, "Lt", "N", {142, 18, 25, 44}}, {-1, "Sg", "L&ongitude: ", {12, 38, 36, 8}},
    {-1, "N", "Longitude degrees", {53, 36, 0, 0}}, {1004, "E#t", "", {53, 36, 21, 12}},
    {-1, "Sg", "\xB0", {76, 36, 8, 8}}, {-1, "N", "Longitude minutes", {81, 36, 0, 0}},
    {1005, "E#t", "", {81, 36, 21, 12}}, {-1, "Sg", "'", {104, 36, 8, 8}},
    {-1, "N", "Longitude seconds", {109, 36, 0, 0}}, {1006, "Et", "", {109, 36, 26, 12}},
    {-1, "Sg", "''", {136, 36, 8, 8}}, {-1, "N", "Longitude hemisphere", {142, 36, 0, 0}},
    {1007, "Lt", "E", {142, 36, 25, 43}}, {1008, "Bnt", "Calculate", {116, 55, 50, 14}},
    {-1, "Sg", "Latitude &Decimal: ", {12, 78, 64, 8}}, {1020, "Et", "", {91, 75, 75, 12}},
    {-1, "Sg", "Longitude D&ecimal: ", {12, 95, 64, 8}}, {1021, "Et", "", {91, 92, 75, 12}},
    {1022, "Bnt", "Calculate", {116, 110, 50, 14}}, {-1, "Sg", "Display Locator &with:", {12, 132, 66, 8}},
    {1024, "Lt", "6", {91, 129, 25, 46}}, {-1, "Sg", "characters", {131, 132, 34, 8}},
    {-1, "Sg", "&IARU Locator: ", {12, 149, 64, 8}}, {1009, "EUt", "", {91, 147, 75, 12}},
    {1010, "Bnt", "Calculate", {116, 165, 50, 14}}, {1011, "Bnt", "Reset", {12, 165, 50, 14}},
    {-1, "G", "DISTANCE", {183, 3, 172, 183}}, {-1, "Sg", "Lo&cal Locator:", {192, 21, 46, 8}},
    {1012, "EUt", "", {272, 18, 73, 12}}, {-1, "Sg", "Dis&tant Locator:", {192, 38, 51, 8}},
    {1013, "EUt", "", {272, 38, 73, 12}}, {1017, "Bnt", "Calculate", {296, 165, 50, 14}},
    {1030, "Bnt", "&Map", {192, 134, 40, 14}},
    {1018, "Bnt", "Reset", {192, 165, 50, 14}}, {2, "Bnt", "Close", {304, 192, 50, 14}},
    {-1, "Sg", "&Bearing in degrees:", {192, 60, 62, 8}}, {1014, "ERt", "", {295, 58, 50, 12}},
    {-1, "Sg", "Distance in &Statute miles: ", {192, 80, 82, 8}}, {1015, "ERt", "", {295, 78, 50, 12}},
    {-1, "Sg", "Distance in &Kilometers: ", {192, 120, 74, 8}}, {1016, "ERt", "", {295, 118, 50, 12}},
    {-1, "Sg", "Distance in &Nautical miles: ", {192, 100, 86, 8}}, {1019, "ERt", "", {295, 98, 50, 12}},
    {1023, "Snp", kSiteName, {5, 192, 91, 16}}, {1043, "Sp", "", {238, 136, 108, 8}},
    {1040, "Bnt", "S&hort path", {192, 150, 50, 14}}, {1041, "Bnt", "Lon&g path", {244, 150, 50, 14}},
    {1042, "Bnt", "Sto&p", {296, 150, 50, 14}}, {1044, "Sp", "", {100, 196, 200, 8}}};

const Control kAboutControls[] = {
    {-1, "I", nullptr, {15, 13, 20, 20}}, {1000, "Spg", LOCATRIX_ABOUT_TITLE, {61, 9, 150, 8}},
    {-1, "H", "", {61, 24, 153, 1}}, {-1, "Sg", "Calculate IARU Locator and Distance", {61, 29, 141, 8}},
    {1001, "Sng", kHomePageUrl, {61, 40, 76, 8}}, {-1, "Sg", "Copyright (C) 2026 Norvane", {15, 53, 190, 8}},
    {-1, "H", "", {2, 67, 212, 1}}, {IDOK, "Dgt", "OK", {161, 72, 50, 14}}};

// Whether a text as a static control draws it, in the font the dialog gave it, fits the control
// (a font wider than the one the layout was made for cuts labels); an ampersand marks an access
// key unless the control shows it.
bool TextFits(HWND label, const std::string& text)
{
    RECT client = {}, needed = {};
    ::GetClientRect(label, &client);
    needed.right = client.right;
    HDC dc = ::GetDC(label);
    HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageA(label, WM_GETFONT, 0, 0)));
    const UINT prefix = (::GetWindowLongA(label, GWL_STYLE) & SS_NOPREFIX) ? DT_NOPREFIX : 0;
    ::DrawTextA(dc, text.c_str(), -1, &needed, DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK | prefix);
    ::SelectObject(dc, old);
    ::ReleaseDC(label, dc);
    return needed.right <= client.right && needed.bottom <= client.bottom;
}

// The dialog's caption, then each child against its control: in its place, on the dialog, its
// text whole, and overlapping nothing but the frames (the unit marks' boxes reach under the next
// box while their glyphs do not).
void ExpectDialog(HWND dialog, const char* caption, const Control* expected, size_t count)
{
    EXPECT_EQ(caption, WindowText(dialog));
    static const struct { char letter, kind; DWORD bit; } bits[] = {
        {'#', 'E', ES_NUMBER}, {'U', 'E', ES_UPPERCASE}, {'R', 'E', ES_READONLY}, {'D', 'D', BS_DEFPUSHBUTTON},
        {'n', 'S', SS_NOTIFY}, {'n', 'B', BS_NOTIFY},   {'p', 'S', SS_NOPREFIX},  {'g', 0, WS_GROUP},
        {'t', 0, WS_TABSTOP}};
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    ASSERT_EQ(count, children.size());
    std::vector<RECT> rects(count);
    for (size_t i = 0; i < count; ++i)
    {
        ::GetWindowRect(children[i], &rects[i]);
        ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rects[i]), 2);
    }
    RECT client, common;
    ::GetClientRect(dialog, &client);
    for (size_t i = 0; i < count; ++i)
    {
        const Control& control = expected[i];
        const char kind = control.kind[0];
        SCOPED_TRACE(testing::Message() << "control " << i << " '" << control.text << "'");
        const DWORD style = ::GetWindowLongA(children[i], GWL_STYLE);
        DWORD wanted = 0, mask = 0;
        for (const auto& b : bits)
            if (!b.kind || b.kind == kind)
            {
                mask |= b.bit;
                wanted |= strchr(control.kind, b.letter) ? b.bit : 0;
            }
        EXPECT_EQ(control.id, static_cast<short>(::GetDlgCtrlID(children[i])));
        EXPECT_EQ(wanted, style & mask) << std::hex << style;
        EXPECT_EQ(kind != 'N', (style & WS_VISIBLE) != 0);
        const std::string text = WindowText(children[i]);
        EXPECT_TRUE(!control.text || control.text == text) << text;
        EXPECT_TRUE(kind != 'S' || TextFits(children[i], text)) << text;
        // Each position and size maps from dialog units on its own, as the dialog places it.
        RECT at = {control.units.x, control.units.y, 0, 0}, size = {0, 0, control.units.width, control.units.height};
        ::MapDialogRect(dialog, &at);
        ::MapDialogRect(dialog, &size);
        EXPECT_TRUE(at.left == rects[i].left && at.top == rects[i].top);
        EXPECT_TRUE(kind == 'I' || kind == 'H' || size.right == rects[i].right - rects[i].left);
        EXPECT_TRUE(kind == 'I' || kind == 'H' || kind == 'L' || size.bottom == rects[i].bottom - rects[i].top);
        EXPECT_TRUE(kind == 'N' || (::IntersectRect(&common, &rects[i], &client) && ::EqualRect(&common, &rects[i])));
        const bool mark = control.id == -1 && kind == 'S' && strlen(control.text) <= 2;
        for (size_t j = i + 1; j < count && kind != 'G' && !mark; ++j)
            EXPECT_TRUE(*expected[j].kind == 'G' || !::IntersectRect(&common, &rects[i], &rects[j])) << j;
    }
}

} // namespace

// Each box takes what its format allows; each button and the length list reach their command;
// the window shows and saves what it says, and a restart shows what was saved. A stored locator
// is loaded under the longest mask and cut to the stored length (6 when none is stored).
TEST(CalculatorWindow, EachBoxTakesItsInputAndEachCommandShowsAndSavesForTheNextStart)
{
    CScratchKey key;
    CMessageBoxRecorder boxes;
    key.Set("Locator", "JO62QM55AA");
    {
        CCalculator calc(key);
        EXPECT_EQ("JO62QM", calc.Text(IDC_LOCATOR));
        EXPECT_TRUE(calc.HasFocus(IDC_LATITUDE_DEGREE));

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

        calc.Choose(IDC_LATITUDE_WORLD, 1);
        calc.Click(IDC_CALCULATE_DMS, {{IDC_LATITUDE_DEGREE, "52"}, {IDC_LATITUDE_MINUTE, "31"}, {IDC_LATITUDE_SECOND, ""},
                                       {IDC_LONGITUDE_DEGREE, "13"}, {IDC_LONGITUDE_MINUTE, "22"},
                                       {IDC_LONGITUDE_SECOND, "30"}});
        calc.ExpectTexts({{IDC_LATITUDE_DECIMAL, "-52.516667"}, {IDC_LATITUDE_SECOND, "0.00"}, {IDC_LOCATOR, "JD67QL"}});

        calc.Choose(IDC_LOCATOR_CHARS, 2);
        calc.Click(IDC_CALCULATE_DECIMAL, {{IDC_LATITUDE_DECIMAL, "-33.8688"}, {IDC_LONGITUDE_DECIMAL, "151.2093"}});
        calc.ExpectTexts({{IDC_LOCATOR, "QF56OD51CL"}, {IDC_LONGITUDE_SECOND, "33.48"}});
        calc.ExpectTexts({{IDC_LATITUDE_WORLD, "S"}, {IDC_LONGITUDE_WORLD, "E"}, {IDC_LOCATOR_CHARS, "10"}});
        // A shorter length cuts the locator at once; a longer one does not bring it back.
        calc.Choose(IDC_LOCATOR_CHARS, 0);
        calc.Choose(IDC_LOCATOR_CHARS, 1);
        EXPECT_EQ("QF56OD", calc.Text(IDC_LOCATOR));

        calc.Click(IDC_CALCULATE_LOCATOR, {{IDC_LOCATOR, "JO62QM55AA"}});
        calc.ExpectTexts({{IDC_LATITUDE_SECOND, "21.88"}, {IDC_LONGITUDE_DECIMAL, "13.378819"}, {IDC_LOCATOR, "JO62QM55"}});
        calc.ExpectTexts({{IDC_LATITUDE_WORLD, "N"}, {IDC_LONGITUDE_WORLD, "E"}, {IDC_LOCATOR_CHARS, "8"}});

        calc.Click(IDC_CALCULATE_DISTANCE, {{IDC_LOCATION1, "JO62QM"}, {IDC_LOCATION2, "KO85TS"}});
        calc.ExpectTexts({{IDC_BEARING, "67.4"}, {IDC_STATUTE_MILES, "1000.5"}, {IDC_KILOMETERS, "1610.1"},
                          {IDC_NAUTICAL_MILES, "869.4"}});

        // A refusal by the engine (a sign the box would not take from the keyboard): no message,
        // the locator emptied, nothing saved (the next start shows 52).
        ::SetWindowTextA(calc.Item(IDC_LATITUDE_DEGREE), "-5");
        calc.Click(IDC_CALCULATE_DMS);
        calc.ExpectTexts({{IDC_LOCATOR, ""}, {IDC_LATITUDE_DECIMAL, "52.522743"}});
        EXPECT_TRUE(boxes.m_calls.empty());

        calc.Choose(IDC_LONGITUDE_WORLD, 1);
        calc.Click(IDC_RESET_POSITION);
        calc.ExpectTexts({{IDC_LATITUDE_DECIMAL, ""}, {IDC_LONGITUDE_SECOND, ""}, {IDC_LOCATION1, "JO62QM"},
                          {IDC_LONGITUDE_WORLD, "E"}, {IDC_LOCATOR_CHARS, "8"}});
        calc.Click(IDC_RESET_DISTANCE, {{IDC_LATITUDE_DEGREE, "52"}});
        calc.ExpectTexts({{IDC_LOCATION1, ""}, {IDC_KILOMETERS, ""}, {IDC_LATITUDE_DEGREE, "52"}});
        calc.Choose(IDC_LOCATOR_CHARS, 2); // not saved by itself
    }
    CCalculator next(key); // what each command saved, and no more
    next.ExpectTexts({{IDC_LATITUDE_DEGREE, "52"}, {IDC_LONGITUDE_SECOND, "30"}, {IDC_LATITUDE_DECIMAL, "-33.8688"},
                      {IDC_LOCATOR, "JO62QM55"}, {IDC_LOCATION1, "JO62QM"}, {IDC_LOCATION2, "KO85TS"},
                      {IDC_BEARING, ""}, {IDC_LATITUDE_WORLD, "S"}, {IDC_LONGITUDE_WORLD, "E"}, {IDC_LOCATOR_CHARS, "8"}});
}

// Texts that reach the filtered boxes other than by keys: the settings at the start, texts that
// other programs (automation tools, screen readers) set or paste through the ...A or ...W
// functions, and the clipboard. The boxes are Unicode windows; each holds its filtered form of
// what it was given, and a decimal comma reads as the point, so Calculate finds the square the
// numbers name instead of one tens of degrees away.
TEST(CalculatorWindow, RestoredSentAndPastedTextsAreFilteredAndADecimalCommaReadsAsThePoint)
{
    CScratchKey key;
    CMessageBoxRecorder complaints;
    key.Set("Locator", "J0QM55AA");
    key.Set("Location1", "K1");
    key.Set("LatitudeSecond", "15,5");
    key.Set("LongitudeSecond", "5x");
    key.Set("LatitudeDecimal", "52,520833");
    key.Set("LongitudeDecimal", "13,375000");
    CCalculator calc(key);
    EXPECT_TRUE(::IsWindowUnicode(calc.Item(IDC_LOCATOR)) && ::IsWindowUnicode(calc.Item(IDC_LATITUDE_DECIMAL)));
    calc.ExpectTexts({{IDC_LOCATOR, "J"}, {IDC_LOCATION1, "K"}, {IDC_LATITUDE_SECOND, "15.5"}, {IDC_LONGITUDE_SECOND, "5"},
                      {IDC_LATITUDE_DECIMAL, "52.520833"}, {IDC_LONGITUDE_DECIMAL, "13.375000"}});

    const struct { int id; char how; const wchar_t *text, *held; } sent[] = {
        {IDC_LOCATOR, 's', L"J0", L"J"}, {IDC_LOCATOR, 'S', L"JOX", L"JO"}, {IDC_LOCATOR, 'C', L"\x0441\x0431", L"JO"},
        {IDC_LOCATION1, 'S', L"K1", L"K"}, {IDC_LOCATION2, 's', L"0J", L""}, {IDC_LOCATION2, 'R', L"KO85TSX", L"KO85TS"},
        {IDC_LATITUDE_SECOND, 's', L"5x", L"5"}, {IDC_LONGITUDE_SECOND, 'S', L"15,5", L"15.5"},
        {IDC_LATITUDE_DECIMAL, 'S', L"5,5", L"5.5"}, {IDC_LONGITUDE_DECIMAL, 's', L"13,375000", L"13.375000"},
        {IDC_LONGITUDE_DECIMAL, 'S', L"", L""}, {IDC_LONGITUDE_DECIMAL, 'R', L"-13,4; 52,5", L"-13.4"},
        {IDC_LATITUDE_DECIMAL, 'C', L"\x0430\x042E", L"5.5"}};
    std::vector<CForeignStep> steps;
    std::vector<std::wstring> expected;
    for (const auto& step : sent)
    {
        steps.push_back({calc.Item(step.id), step.how, step.text});
        expected.push_back(step.held);
    }
    EXPECT_EQ(expected, SendFromAnotherProcess(steps));

    // Pasted, then typed (the keypad's decimal key gives a comma in much of Europe).
    const struct { int id; const char *text, *held; } numbers[] = {
        {IDC_LATITUDE_SECOND, "15,5", "15.5"}, {IDC_LONGITUDE_SECOND, "30,25", "30.25"},
        {IDC_LATITUDE_DECIMAL, "52,520833", "52.520833"}, {IDC_LONGITUDE_DECIMAL, "13,375", "13.375"}};
    for (const auto& number : numbers)
    {
        CClipboardTurn turn;
        ::SetWindowTextA(calc.Item(number.id), "");
        SetClipboardText(calc.m_dlg.m_hWnd, number.text);
        ::SendMessageA(calc.Item(number.id), WM_PASTE, 0, 0);
        EXPECT_EQ(number.held, calc.Text(number.id)) << "pasted " << number.text;
        calc.Type({{number.id, number.text}});
        EXPECT_EQ(number.held, calc.Text(number.id)) << "typed " << number.text;
    }
    calc.Click(IDC_CALCULATE_DECIMAL);
    EXPECT_EQ("JO62QM", calc.Text(IDC_LOCATOR));
    EXPECT_TRUE(complaints.m_calls.empty());
}

// In the modal loop: Enter in the first box calculates its group (with nothing typed, a
// complaint) and leaves the calculator open; then each way out, Enter on the Close button among
// them.
TEST(CalculatorWindow, EnterCalculatesWhileEscapeTheCloseButtonEnterOnItAndTheCloseBoxEndTheDialog)
{
    CScratchKey key;
    CMessageBoxRecorder boxes;
    for (int way = 0; way < 4; ++way)
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
            else if (way == 2)
                dlg.PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
            else
            {
                ::SetFocus(dlg.GetDlgItem(IDCANCEL));
                ::PostMessageA(dlg.GetDlgItem(IDCANCEL), WM_KEYDOWN, VK_RETURN, 1);
            }
            return true;
        });
        EXPECT_EQ(IDCANCEL, dlg.DoModal()) << way;
        EXPECT_TRUE(aliveAfterEnter) << way;
        ASSERT_EQ(way + 1u, boxes.m_calls.size());
        EXPECT_EQ("Please enter Latitude Degrees", boxes.m_calls.back().text);
    }
    EXPECT_FALSE(key.Exists());
}

// The complaint in a message box of the calculator's own, the calculator disabled meanwhile;
// then the focus in the box it names, and nothing saved.
TEST(CalculatorWindow, TheRealMessageBoxShowsTheComplaintThenTheFocusMovesToTheBoxItNames)
{
    CScratchKey key;
    CCalculator calc(key);
    calc.Type({{IDC_LATITUDE_DEGREE, "52"}});
    std::string text;
    bool calculatorDisabled = false;
    CWhileModal script([&] {
        HWND box = FindOwnedDialog(calc.m_dlg.m_hWnd, "Locatrix");
        if (!box)
            return false;
        for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
            if (!WindowText(child).empty() && ::GetDlgCtrlID(child) != IDOK)
                text = WindowText(child);
        calculatorDisabled = !::IsWindowEnabled(calc.m_dlg.m_hWnd);
        return ::PostMessageA(::GetDlgItem(box, IDOK), BM_CLICK, 0, 0) != FALSE;
    });
    calc.Click(IDC_CALCULATE_DMS);
    EXPECT_EQ("Please enter Latitude Minutes", text);
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
    char item[64] = {};
    ::GetMenuStringA(menu, IDM_ABOUTBOX, item, sizeof(item), MF_BYCOMMAND);
    EXPECT_STREQ("&About Locatrix...", item);

    CShellRecorder shell;
    for (size_t opening = 1; opening <= 2; ++opening)
    {
        bool calculatorDisabled = false;
        HFONT titleFont = nullptr;
        LOGFONTA title = {};
        CWhileModal script([&] {
            HWND about = FindOwnedDialog(dlg, "About Locatrix");
            if (!about)
                return false;
            calculatorDisabled = !::IsWindowEnabled(dlg);
            titleFont = reinterpret_cast<HFONT>(::SendDlgItemMessageA(about, IDC_ABOUT_TITLE, WM_GETFONT, 0, 0));
            ::GetObjectA(titleFont, sizeof(title), &title);
            // The link finds its text when it paints; then one click on it.
            HWND link = ::GetDlgItem(about, IDC_ABOUT_LINK);
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
        EXPECT_EQ(0u, ::GetObjectType(titleFont)); // gone with the box
        ASSERT_EQ(opening, shell.m_calls.size());
        EXPECT_EQ(kHomePageUrl, shell.m_calls.back().file);
        EXPECT_TRUE(::IsWindowEnabled(dlg));
        EXPECT_EQ(nullptr, FindOwnedDialog(dlg, "About Locatrix"));
    }
}

// Unaware, Windows would tell the program 96 and stretch its window as a bitmap. The icon groups
// hold an image for each of these sizes (the resource test lists them), so nothing is stretched.
TEST(Dpi, BothDialogsShowEachControlInTabOrderWholeAndTheirIconsAtTheSizeForThisDpi)
{
    ASSERT_EQ(1252u, ::GetACP()) << "the degree sign is the byte 0xB0 of code page 1252";
    EXPECT_TRUE(::IsProcessDPIAware());
    HDC screen = ::GetDC(nullptr);
    EXPECT_EQ(Scaled(USER_DEFAULT_SCREEN_DPI), ::GetDeviceCaps(screen, LOGPIXELSY));
    ::ReleaseDC(nullptr, screen);
    CScratchKey key;
    CCalculator calc(key);
    CAboutDlg about;
    ASSERT_TRUE(about.Create());
    ::ShowWindow(about.m_hWnd, SW_SHOWNOACTIVATE);
    ::UpdateWindow(about.m_hWnd);
    PumpMessages();
    ExpectDialog(calc.m_dlg.m_hWnd, "Locatrix", kCalculatorControls, std::size(kCalculatorControls));
    ExpectDialog(about.m_hWnd, "About Locatrix", kAboutControls, std::size(kAboutControls));
    const int big = ::GetSystemMetrics(SM_CXICON);
    EXPECT_EQ(big, IconWidth(reinterpret_cast<HICON>(calc.m_dlg.SendMessage(WM_GETICON, ICON_BIG))));
    HWND aboutIcon = ::GetWindow(about.m_hWnd, GW_CHILD);
    EXPECT_EQ(Scaled(48), IconWidth(reinterpret_cast<HICON>(::SendMessageA(aboutIcon, STM_GETICON, 0, 0))));
    RECT shown = {};
    ::GetClientRect(aboutIcon, &shown);
    EXPECT_EQ(Scaled(48), shown.right);
    about.DestroyWindow();
}

// A twin of the banner on the same dialog, in colours of its own, painted onto a canvas with a
// margin all round so that any pixel outside the control's rectangle shows.
TEST(Dpi, TheBannerTextFitsItsControlAndGrowsWithTheDialog)
{
    CScratchKey key;
    CCalculator calc(key);
    HWND dialog = calc.m_dlg.m_hWnd;
    RECT control = {};
    ::GetWindowRect(calc.Item(IDC_HOME_BANNER), &control);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&control), 2);
    const int width = control.right - control.left, height = control.bottom - control.top;
    HWND twinWindow = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | SS_NOTIFY, control.left, control.top, width,
                                        height, dialog, nullptr, nullptr, nullptr);
    CHomeBanner twin(RGB(180, 0, 0), RGB(0, 180, 0), RGB(30, 30, 220));
    twin.SetLinkText(kSiteName);
    ASSERT_TRUE(twin.SubclassWindow(twinWindow));
    const int margin = width;
    CPixelCanvas canvas(width + 2 * margin, height + 2 * margin, RGB(255, 255, 255));
    const RECT inside = {margin, margin, margin + width, margin + height};
    twin.Paint(canvas.m_hDC, inside);

    // The face, its light edge and its shadow, each a shade of the colour given for it.
    RECT text = {canvas.m_rect.right, canvas.m_rect.bottom, 0, 0}, within = {};
    for (COLORREF colour : {RGB(200, 20, 20), RGB(20, 200, 20), RGB(10, 10, 200)})
    {
        RECT box = {};
        ASSERT_GT(canvas.Count(colour, &box), 0);
        ::UnionRect(&text, &text, &box);
    }
    ::IntersectRect(&within, &text, &inside);
    EXPECT_TRUE(::EqualRect(&within, &text)) << "the text reaches outside a control of " << width << "x" << height;
    // Letters about half the control's height: the font grew with the dialog.
    EXPECT_GE(2 * (text.bottom - text.top), height);
    twin.DestroyWindow();
}
