#include "TestHost.h"
#include "framework/Edit.h"
#include "framework/MessageBoxSeam.h"
#include <commctrl.h>
#include <gtest/gtest.h>

namespace
{
// An edit box that upper-cases what it receives through its own WindowProc.
class CShoutingEdit : public CEdit
{
protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        if (msg == WM_CHAR && wParam >= 'a' && wParam <= 'z')
            return ::DefSubclassProc(m_hWnd, msg, wParam - 32, lParam);
        return Default();
    }
};
}

TEST(FrameworkSmoke, SubclassedEditSeesKeystrokesAndClipboardRoundTrips)
{
    CTestHost host;
    HWND edit = host.AddControl("EDIT", WS_BORDER | ES_AUTOHSCROLL, 1000, 10, 10, 100, 20);
    CShoutingEdit shouting;
    ASSERT_TRUE(shouting.SubclassWindow(edit));
    EXPECT_EQ(&shouting, CWnd::FromHandlePermanent(edit));

    TypeChars(edit, "jo6");
    EXPECT_EQ("JO6", WindowText(edit));

    ASSERT_TRUE(SetClipboardText(host.m_hWnd, "5ab"));
    ::SendMessageA(edit, WM_PASTE, 0, 0);
    EXPECT_EQ("JO65ab", WindowText(edit));
    EXPECT_EQ("5ab", GetClipboardText(host.m_hWnd));
}

TEST(FrameworkSmoke, MessageBoxSeamRecords)
{
    CMessageBoxRecorder recorder;
    EXPECT_EQ(IDOK, AfxMessageBox("hello", MB_ICONEXCLAMATION));
    ASSERT_EQ(1u, recorder.m_calls.size());
    EXPECT_EQ("hello", recorder.m_calls[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), recorder.m_calls[0].type);
}
