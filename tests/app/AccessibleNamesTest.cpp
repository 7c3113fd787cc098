// Screen readers name a box after the static text just before it in window order. Wine's oleacc
// does so for edit boxes too, in this process and across processes; it names a list by its
// selection where Windows takes the label before it, so for the lists that label is checked.
#include "tests/app/Calculator.h"
#include "tests/support/AccessibleControl.h"
#include "app/HomePage.h"
#include "res/resource.h"
#include <oleacc.h>

TEST(AccessibleNames, EachControlIsNamedAsAScreenReaderReadsItInThisProcessAndFromAnother)
{
    CScratchKey key;
    CCalculator calc(key);
    std::vector<CForeignStep> asked;
    std::vector<std::wstring> here;
    for (HWND child = ::GetWindow(calc.m_dlg.m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
    {
        asked.push_back({child, 'a', L""});
        here.push_back(Described(ReadAccessibleControl(child)));
    }
    EXPECT_EQ(here, SendFromAnotherProcess(asked));

    // E a box, R a result box (read-only), L a list, O anything else. A list's name is the label
    // before it (Wine reads its selection instead).
    const struct { int id; char kind; const char* name; } names[] = {
        {IDC_LATITUDE_DEGREE, 'E', "Latitude degrees"},   {IDC_LATITUDE_MINUTE, 'E', "Latitude minutes"},
        {IDC_LATITUDE_SECOND, 'E', "Latitude seconds"},   {IDC_LATITUDE_WORLD, 'L', "Latitude hemisphere"},
        {IDC_LONGITUDE_DEGREE, 'E', "Longitude degrees"}, {IDC_LONGITUDE_MINUTE, 'E', "Longitude minutes"},
        {IDC_LONGITUDE_SECOND, 'E', "Longitude seconds"}, {IDC_LONGITUDE_WORLD, 'L', "Longitude hemisphere"},
        {IDC_LATITUDE_DECIMAL, 'E', "Latitude Decimal: "}, {IDC_LONGITUDE_DECIMAL, 'E', "Longitude Decimal: "},
        {IDC_LOCATOR_CHARS, 'L', "Display Locator with:"}, {IDC_LOCATOR, 'E', "IARU Locator: "},
        {IDC_LOCATION1, 'E', "Local Locator:"},            {IDC_LOCATION2, 'E', "Distant Locator:"},
        {IDC_BEARING, 'R', "Bearing in degrees:"},         {IDC_STATUTE_MILES, 'R', "Distance in Statute miles: "},
        {IDC_KILOMETERS, 'R', "Distance in Kilometers: "}, {IDC_NAUTICAL_MILES, 'R', "Distance in Nautical miles: "},
        {IDC_CALCULATE_DMS, 'O', "Calculate"},             {IDC_RESET_DISTANCE, 'O', "Reset"},
        {IDCANCEL, 'O', "Close"},                          {IDC_HOME_BANNER, 'O', kSiteName},
    };
    for (const auto& expected : names)
    {
        SCOPED_TRACE(expected.name);
        HWND control = calc.Item(expected.id);
        ASSERT_TRUE(control);
        const CAccessibleControl told = ReadAccessibleControl(control);
        const HWND named = expected.kind == 'L' ? ::GetWindow(control, GW_HWNDPREV) : control;
        EXPECT_EQ(Widened(expected.name), ReadAccessibleControl(named).name);
        EXPECT_EQ(expected.kind == 'E' || expected.kind == 'R', told.role == ROLE_SYSTEM_TEXT);
        EXPECT_EQ(expected.kind == 'R', (told.state & STATE_SYSTEM_READONLY) != 0);
    }
}
