#include "Calculator.h"
#include "tests/support/TestHost.h"
#include <commctrl.h>
#include <gtest/gtest.h>

namespace
{
CCalculator* g_pWatching = nullptr;
}

CCalculator::CCalculator(const CScratchKey& key)
    : m_dlg(nullptr, key.m_strPath),
      m_hFocusHook(::SetWindowsHookExA(WH_CALLWNDPROC, WatchFocus, nullptr, ::GetCurrentThreadId()))
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    g_pWatching = this;
    EXPECT_TRUE(m_dlg.Create());
    PumpMessages();
}

CCalculator::~CCalculator()
{
    m_dlg.DestroyWindow();
    PumpMessages();
    ::UnhookWindowsHookEx(m_hFocusHook);
    g_pWatching = nullptr;
}

LRESULT CALLBACK CCalculator::WatchFocus(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && message->message == WM_SETFOCUS && g_pWatching)
        g_pWatching->m_hLastFocus = message->hwnd;
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

std::string CCalculator::Text(int id) const
{
    return WindowText(Item(id));
}

void CCalculator::Type(int id, const std::string& chars)
{
    ::SetWindowTextA(Item(id), "");
    TypeChars(Item(id), chars);
}

void CCalculator::Choose(int listId, int index)
{
    ::SendMessageA(Item(listId), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    m_dlg.SendMessage(WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Item(listId)));
}

std::string CCalculator::Shown(int listId) const
{
    char text[16] = {};
    WPARAM index = static_cast<WPARAM>(::SendMessageA(Item(listId), CB_GETCURSEL, 0, 0));
    ::SendMessageA(Item(listId), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}

void CCalculator::Click(int buttonId)
{
    ::SendMessageA(Item(buttonId), BM_CLICK, 0, 0);
    PumpMessages();
}
