// The calculator window as the tests drive it: created modeless on a scratch key, typed into,
// clicked and keyed as a user would, and steps run from inside modal loops.
#pragma once
#include "app/LocatorDlg.h"
#include "tests/support/TestHost.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

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
inline HWND FindOwnedDialog(HWND owner, const char* caption)
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
    void Click(int buttonId, Texts typed = {})
    {
        Type(typed);
        ::SendMessageA(Item(buttonId), BM_CLICK, 0, 0);
        PumpMessages();
    }
    bool HasFocus(int id) const { return m_focus.m_hLast == Item(id); }
    // A key as the keyboard sends it to the control with the focus (held with Alt, a system key),
    // then the queue handled as the dialog's own loop does: the dialog manager first.
    void Press(UINT key, bool alt = false)
    {
        const LPARAM scan = static_cast<LPARAM>(::MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16;
        const LPARAM down = 1 | scan | (alt ? static_cast<LPARAM>(KF_ALTDOWN) << 16 : 0);
        ::PostMessageA(m_focus.m_hLast, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, down);
        ::PostMessageA(m_focus.m_hLast, alt ? WM_SYSKEYUP : WM_KEYUP, key,
                       down | static_cast<LPARAM>(KF_REPEAT | KF_UP) << 16);
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            // Another test program may have taken the foreground, and the focus with it: the key
            // finds the focus where the calculator last put it, as with the calculator in front.
            if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST && ::GetFocus() != m_focus.m_hLast)
                ::SetFocus(m_focus.m_hLast);
            if (!::IsDialogMessageA(m_dlg.m_hWnd, &msg))
            {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
    }

    CFocusWatch m_focus;
    CLocatorDlg m_dlg;
};
