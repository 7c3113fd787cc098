#include "TestHost.h"
#include "framework/Edit.h"
#include <commctrl.h>
#include <gtest/gtest.h>

// The framework that every window-side test stands on: a subclassed box sees its messages
// through its own WindowProc, and the clipboard helpers round-trip.
TEST(FrameworkSmoke, SubclassedEditSeesKeystrokesAndClipboardRoundTrips)
{
    struct CShoutingEdit : CEdit
    {
        LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override
        {
            if (msg == WM_CHAR && wParam >= 'a' && wParam <= 'z')
                return ::DefSubclassProc(m_hWnd, msg, wParam - 32, lParam);
            return Default();
        }
    };
    CTestHost host;
    CShoutingEdit shouting;
    CClipboardTurn turn;
    HWND edit = host.AddControl("EDIT", WS_BORDER | ES_AUTOHSCROLL, 1000, 10, 10, 100, 20);
    ASSERT_TRUE(shouting.SubclassWindow(edit));
    EXPECT_EQ(&shouting, CWnd::FromHandlePermanent(edit));
    TypeChars(edit, "jo6");
    SetClipboardText(host.m_hWnd, "5ab");
    ::SendMessageA(edit, WM_PASTE, 0, 0);
    EXPECT_EQ("JO65ab", WindowText(edit));
    shouting.Detach();
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(edit)); // no pointer to a released object stays behind
}
