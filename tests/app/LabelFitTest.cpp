#include "app/AboutDlg.h"
#include "app/LocatorDlg.h"
#include "tests/support/TestHost.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
// The labels of a dialog whose text does not fit: each measured as a static control draws it,
// in the font the dialog actually gave it. Our own painted controls (banner, link) are left to
// their own tests.
std::vector<std::string> CutLabels(HWND dialog, int& measured)
{
    measured = 0;
    std::vector<std::string> cut;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
    {
        char className[16] = {};
        ::GetClassNameA(child, className, sizeof className);
        const LONG style = ::GetWindowLongA(child, GWL_STYLE);
        const LONG type = style & SS_TYPEMASK;
        const std::string text = WindowText(child);
        if (lstrcmpiA(className, "Static") != 0 || text.empty() || CWnd::FromHandlePermanent(child) ||
            (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT && type != SS_LEFTNOWORDWRAP && type != SS_SIMPLE))
            continue;

        ++measured;
        RECT client = {};
        ::GetClientRect(child, &client);
        UINT flags = DT_CALCRECT | DT_EXPANDTABS;
        flags |= (type == SS_LEFTNOWORDWRAP || type == SS_SIMPLE) ? DT_SINGLELINE : DT_WORDBREAK;
        if (style & SS_NOPREFIX)
            flags |= DT_NOPREFIX;
        HDC dc = ::GetDC(child);
        HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageA(child, WM_GETFONT, 0, 0)));
        RECT needed = {0, 0, client.right, 0};
        ::DrawTextA(dc, text.c_str(), -1, &needed, flags);
        ::SelectObject(dc, old);
        ::ReleaseDC(child, dc);
        if (needed.right > client.right || needed.bottom > client.bottom)
            cut.push_back("\"" + text + "\" needs " + std::to_string(needed.right) + "x" + std::to_string(needed.bottom) +
                          ", has " + std::to_string(client.right) + "x" + std::to_string(client.bottom));
    }
    return cut;
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string all;
    for (const auto& line : lines)
        all += line + "\n";
    return all;
}
} // namespace

// A font wider than the one the layout was made for (a missing "MS Sans Serif" falls back to one)
// cuts labels; this catches it in both dialogs.
TEST(LabelFit, EveryLabelOfBothDialogsShowsItsWholeText)
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    CScratchKey key;
    CLocatorDlg calculator(nullptr, key.m_strPath);
    ASSERT_TRUE(calculator.Create());
    CAboutDlg about;
    ASSERT_TRUE(about.Create());
    PumpMessages();

    int measured = 0;
    EXPECT_EQ("", Joined(CutLabels(calculator.m_hWnd, measured)));
    EXPECT_EQ(19, measured); // every label of the calculator was looked at
    EXPECT_EQ("", Joined(CutLabels(about.m_hWnd, measured)));
    EXPECT_EQ(3, measured);  // title, purpose, copyright: the link draws itself

    about.DestroyWindow();
    calculator.DestroyWindow();
    PumpMessages();
}
