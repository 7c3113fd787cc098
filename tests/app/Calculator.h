#pragma once
#include "app/LocatorDlg.h"
#include "tests/support/TestHost.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <utility>

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
    // The lists' chosen entries, separated by blanks.
    std::string Shown(std::initializer_list<int> listIds) const
    {
        std::string shown;
        for (int id : listIds)
        {
            char text[16] = {};
            const LRESULT index = ::SendMessageA(Item(id), CB_GETCURSEL, 0, 0);
            ::SendMessageA(Item(id), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
            shown += (shown.empty() ? "" : " ") + std::string(text);
        }
        return shown;
    }
    // Types into the boxes first.
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
