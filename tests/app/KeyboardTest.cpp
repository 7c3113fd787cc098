// The calculator without a mouse: an access key on each label moves to its box, Tab keeps its
// order, and Enter presses the default button, which follows the focus: in a box the Calculate of
// its group, on a button the button.
#include "tests/app/Calculator.h"
#include "app/AboutDlg.h"
#include "res/resource.h"
#include <algorithm>
#include <cctype>
#include <vector>

namespace
{
// The access keys of a window: the letter after the ampersand of each visible text or button
// that does not show ampersands as they are.
std::string AccessKeys(HWND window)
{
    std::string keys;
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
    {
        const std::string text = WindowText(child);
        const size_t ampersand = text.find('&');
        const DWORD style = ::GetWindowLongA(child, GWL_STYLE);
        if ((style & WS_VISIBLE) && !(style & SS_NOPREFIX) && ampersand != std::string::npos &&
            ampersand + 1 < text.size())
            keys += static_cast<char>(std::toupper(static_cast<unsigned char>(text[ampersand + 1])));
    }
    return keys;
}

// The one button drawn as the default, which Enter presses; 0 when there is none, or when the
// dialog would press another.
int DefaultButton(const CCalculator& calc)
{
    int drawn = 0;
    for (HWND child = ::GetWindow(calc.m_dlg.m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if ((::GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON &&
            ::SendMessageA(child, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)
            drawn = drawn ? -1 : ::GetDlgCtrlID(child);
    const LRESULT pressed = calc.m_dlg.SendMessage(DM_GETDEFID);
    return HIWORD(pressed) == DC_HASDEFID && LOWORD(pressed) == drawn ? drawn : 0;
}
}

TEST(Keyboard, EachAccessKeyMovesToItsBoxNoneIsDoubledAndTabKeepsItsOrder)
{
    CScratchKey key;
    CCalculator calc(key);
    const struct { char key; int box; } keys[] = {
        {'N', IDC_NAUTICAL_MILES}, {'L', IDC_LATITUDE_DEGREE},  {'W', IDC_LOCATOR_CHARS}, {'K', IDC_KILOMETERS},
        {'O', IDC_LONGITUDE_DEGREE}, {'T', IDC_LOCATION2},      {'D', IDC_LATITUDE_DECIMAL}, {'B', IDC_BEARING},
        {'I', IDC_LOCATOR},        {'E', IDC_LONGITUDE_DECIMAL}, {'C', IDC_LOCATION1},     {'S', IDC_STATUTE_MILES},
    };
    ::SetFocus(calc.Item(IDCANCEL));
    std::string expectedKeys;
    for (const auto& access : keys)
    {
        calc.Press(static_cast<UINT>(access.key), true);
        EXPECT_TRUE(calc.HasFocus(access.box)) << "Alt+" << access.key;
        expectedKeys += access.key;
    }
    // Alt+M presses Map: the map window opens, and closes again alone.
    calc.Press('M', true);
    CMapWnd& map = calc.m_dlg.GetMapWindow();
    EXPECT_TRUE(map.IsOpen());
    if (map.IsOpen())
        ::SendMessageA(map, WM_CLOSE, 0, 0);
    PumpMessages();
    EXPECT_FALSE(map.IsOpen());
    expectedKeys += 'M';
    // The rotator's buttons (short and long path, stop) press with theirs once a rotator is set;
    // without one they are off.
    for (int button : {IDC_SHORT_PATH, IDC_LONG_PATH, IDC_STOP_ROTATOR})
        EXPECT_FALSE(::IsWindowEnabled(calc.Item(button))) << button;
    expectedKeys += "HGP";
    // The window has these keys and no others, each once; so has the About box.
    std::string found = AccessKeys(calc.m_dlg.m_hWnd);
    std::sort(found.begin(), found.end());
    std::sort(expectedKeys.begin(), expectedKeys.end());
    EXPECT_EQ(expectedKeys, found);
    CAboutDlg about;
    ASSERT_TRUE(about.Create());
    std::string aboutKeys = AccessKeys(about.m_hWnd);
    std::sort(aboutKeys.begin(), aboutKeys.end());
    EXPECT_EQ(std::unique(aboutKeys.begin(), aboutKeys.end()), aboutKeys.end()) << aboutKeys;
    about.DestroyWindow();

    const int tabOrder[] = {IDC_LATITUDE_DEGREE, IDC_LATITUDE_MINUTE, IDC_LATITUDE_SECOND, IDC_LATITUDE_WORLD,
                            IDC_LONGITUDE_DEGREE, IDC_LONGITUDE_MINUTE, IDC_LONGITUDE_SECOND, IDC_LONGITUDE_WORLD,
                            IDC_CALCULATE_DMS, IDC_LATITUDE_DECIMAL, IDC_LONGITUDE_DECIMAL, IDC_CALCULATE_DECIMAL,
                            IDC_LOCATOR_CHARS, IDC_LOCATOR, IDC_CALCULATE_LOCATOR, IDC_RESET_POSITION,
                            IDC_LOCATION1, IDC_LOCATION2, IDC_CALCULATE_DISTANCE, IDC_MAP, IDC_RESET_DISTANCE, IDCANCEL,
                            IDC_BEARING, IDC_STATUTE_MILES, IDC_KILOMETERS, IDC_NAUTICAL_MILES, IDC_LATITUDE_DEGREE};
    ::SetFocus(calc.Item(IDC_NAUTICAL_MILES));
    for (int id : tabOrder)
    {
        calc.Press(VK_TAB);
        EXPECT_TRUE(calc.HasFocus(id)) << "Tab to " << id;
    }
}

// Each group's Calculate once clicked, then Enter in the boxes and lists of the group on the same
// input: the window must end up showing the same, and complaining the same with the focus in the
// same box. Each run starts from the two Resets.
TEST(Keyboard, EnterInEachBoxOfAGroupDoesWhatItsCalculateDoesComplaintsIncluded)
{
    using Inputs = std::vector<std::pair<int, const char*>>;
    const struct
    {
        int calculate;
        std::vector<int> members;
        std::vector<Inputs> inputs; // one that calculates, one that complains
    } groups[] = {
        {IDC_CALCULATE_DMS,
         {IDC_LATITUDE_DEGREE, IDC_LATITUDE_MINUTE, IDC_LATITUDE_SECOND, IDC_LATITUDE_WORLD, IDC_LONGITUDE_DEGREE,
          IDC_LONGITUDE_MINUTE, IDC_LONGITUDE_SECOND, IDC_LONGITUDE_WORLD},
         {{{IDC_LATITUDE_DEGREE, "52"}, {IDC_LATITUDE_MINUTE, "31"}, {IDC_LATITUDE_SECOND, "15"},
           {IDC_LONGITUDE_DEGREE, "13"}, {IDC_LONGITUDE_MINUTE, "22"}, {IDC_LONGITUDE_SECOND, "30"}},
          {{IDC_LATITUDE_DEGREE, "52"}, {IDC_LONGITUDE_DEGREE, "13"}}}},
        {IDC_CALCULATE_DECIMAL,
         {IDC_LATITUDE_DECIMAL, IDC_LONGITUDE_DECIMAL},
         {{{IDC_LATITUDE_DECIMAL, "-33.8688"}, {IDC_LONGITUDE_DECIMAL, "151.2093"}}, {{IDC_LATITUDE_DECIMAL, "12"}}}},
        {IDC_CALCULATE_LOCATOR, {IDC_LOCATOR_CHARS, IDC_LOCATOR}, {{{IDC_LOCATOR, "JO62QM"}}, {{IDC_LOCATOR, "JO6"}}}},
        {IDC_CALCULATE_DISTANCE,
         {IDC_LOCATION1, IDC_LOCATION2, IDC_BEARING, IDC_STATUTE_MILES, IDC_KILOMETERS, IDC_NAUTICAL_MILES},
         {{{IDC_LOCATION1, "JO62QM"}, {IDC_LOCATION2, "KO85TS"}}, {{IDC_LOCATION1, "JO62QM"}}}},
    };
    CScratchKey key;
    CMessageBoxRecorder boxes;
    CCalculator calc(key);
    // Every text of the window, the complaints and, after one, the box with the focus: after
    // Enter in the box `focus`, a click on `button`, or neither.
    const auto run = [&](const Inputs& inputs, int focus, int button) {
        calc.Click(IDC_RESET_POSITION);
        calc.Click(IDC_RESET_DISTANCE);
        boxes.m_calls.clear();
        for (const auto& [id, text] : inputs)
            calc.Type({{id, text}});
        if (focus)
        {
            ::SetFocus(calc.Item(focus));
            EXPECT_EQ(button, DefaultButton(calc)) << "focus in " << focus;
            calc.Press(VK_RETURN);
        }
        else if (button)
            calc.Click(button);
        std::string shown;
        for (HWND child = ::GetWindow(calc.m_dlg.m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
            shown += WindowText(child) + "|";
        for (const auto& complaint : boxes.m_calls)
            shown += "\n" + complaint.text + ", focus in " + std::to_string(::GetDlgCtrlID(calc.m_focus.m_hLast));
        return shown;
    };
    // A calculation is slow to show under Wine: Enter calculates in one box of each group, and
    // complains in each.
    for (const auto& group : groups)
        for (const Inputs& inputs : group.inputs)
        {
            const std::string clicked = run(inputs, 0, group.calculate);
            EXPECT_NE(run(inputs, 0, 0), clicked);
            const bool complains = &inputs == &group.inputs.back();
            for (size_t at = complains ? 0 : group.members.size() - 1; at < group.members.size(); ++at)
                EXPECT_EQ(clicked, run(inputs, group.members[at], group.calculate)) << "Enter in " << group.members[at];
        }

    // On a button, Enter presses that button.
    calc.Type({{IDC_LOCATION1, "JO62QM"}, {IDC_LATITUDE_DEGREE, "52"}});
    ::SetFocus(calc.Item(IDC_RESET_DISTANCE));
    EXPECT_EQ(IDC_RESET_DISTANCE, DefaultButton(calc));
    calc.Press(VK_RETURN);
    calc.ExpectTexts({{IDC_LOCATION1, ""}, {IDC_LATITUDE_DEGREE, "52"}});
    // Buttons that tell the dialog of their focus tell it of a quick second click apart too: it
    // presses as the first did.
    calc.Type({{IDC_LOCATION1, "JO62QM"}});
    ::SendMessageA(calc.Item(IDC_RESET_DISTANCE), WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
    ::SendMessageA(calc.Item(IDC_RESET_DISTANCE), WM_LBUTTONUP, 0, 0);
    EXPECT_EQ("", calc.Text(IDC_LOCATION1));
}
