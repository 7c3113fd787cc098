#pragma once
#include "framework/HighContrastSeam.h"
#include "framework/MessageBoxSeam.h"
#include "framework/ShellSeam.h"
#include <string>
#include <vector>

// A real top-level window on the test display that holds the controls under test.
struct CTestHost
{
    CTestHost();
    ~CTestHost();
    // A child control of a system class ("EDIT", "STATIC", ...), in the dialog font. Made with
    // the ...A functions it is a window of the code page, with the ...W ones a Unicode window
    // (as every edit box is where the manifest brings common controls 6).
    HWND AddControl(const char* className, DWORD style, int id, int x, int y, int width, int height,
                    const char* text = "", bool unicode = false);
    HWND m_hWnd;
    HFONT m_hFont;
};

// Handles every queued message of this thread, so posted work and paints happen now.
void PumpMessages();
void TypeChars(HWND edit, const std::string& chars); // one WM_CHAR each
std::string WindowText(HWND hWnd);
std::wstring WideWindowText(HWND hWnd); // what a Unicode window really holds, no best fit between
std::wstring Widened(const std::string& ascii);
void SetClipboardText(HWND owner, const std::string& text);
std::string GetClipboardText(HWND owner);

// Test programs running side by side share one clipboard: whatever uses it takes turns, so
// that what one copies is what it reads back. Waiting, the thread still handles the messages
// sent to it (emptying the clipboard sends one to its last owner).
struct CClipboardTurn
{
    CClipboardTurn()
    {
        MSG msg;
        while (::MsgWaitForMultipleObjects(1, &m_hMutex, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1)
            ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    ~CClipboardTurn()
    {
        ::ReleaseMutex(m_hMutex);
        ::CloseHandle(m_hMutex);
    }
    const HANDLE m_hMutex = ::CreateMutexA(nullptr, FALSE, "LocatrixTestClipboard");
};

// Another program sending a window a text or keys: HOW 's' sets the text, 'r' replaces the
// selection, 'c' types each character; in lower case through the ...A functions, in upper case
// through the ...W ones. 'a' sends nothing and asks oleacc about the window instead.
struct CForeignStep
{
    HWND window;
    char how;
    std::wstring text;
};
// Runs the steps in a process of their own (tests/support/SendToWindow.cpp) while this thread
// answers the messages; gives what the window held after each step, or after 'a' what oleacc
// told of it, as Described puts it (nothing, with a test failure, when that process fails or
// does not end within its time).
std::vector<std::wstring> SendFromAnotherProcess(const std::vector<CForeignStep>& steps);

// The tooltip window of this thread when there is exactly one, and what it holds for a tool
// ("" when it has no such tool).
HWND ThreadToolTip();
std::string ToolTipText(HWND tool, UINT_PTR id, RECT* rect = nullptr);

// The last window of this thread to receive the focus. Test programs run side by side on one
// desktop and take the foreground from each other, which takes the focus away again; where the
// program put it stays on record.
struct CFocusWatch
{
    static inline CFocusWatch* s_pActive = nullptr;
    CFocusWatch() { s_pActive = this; }
    ~CFocusWatch()
    {
        ::UnhookWindowsHookEx(m_hHook);
        s_pActive = m_pOuter;
    }
    HWND m_hLast = nullptr;
    CFocusWatch* const m_pOuter = s_pActive; // watches nest
    const HHOOK m_hHook = ::SetWindowsHookExA(WH_CALLWNDPROC, [](int code, WPARAM wParam, LPARAM lParam) CALLBACK {
        const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && message->message == WM_SETFOCUS && s_pActive)
            s_pActive->m_hLast = message->hwnd;
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }, nullptr, ::GetCurrentThreadId());
};

// A key under HKEY_CURRENT_USER of this test and process alone (the cases run side by side in
// one Wine prefix), gone before and after the test.
struct CScratchKey
{
    CScratchKey();
    ~CScratchKey() { Clear(); }
    bool Exists() const;
    void Put(const char* name, DWORD type, const void* data, DWORD size) const;
    void Set(const char* name, const std::string& text) const { Put(name, REG_SZ, text.c_str(), text.size() + 1); }
    void Set(const char* name, DWORD number) const { Put(name, REG_DWORD, &number, sizeof(number)); }
    void Clear() const;
    void Lock() const; // from now on everyone may read the key and nobody may write it
    const std::string m_strPath;
};

// Replace the message-box and shell-open seams for their lifetime and record each call; the
// shell answers m_nResult.
struct CMessageBoxRecorder
{
    struct Call { HWND owner; std::string text, caption; UINT type; };
    static inline CMessageBoxRecorder* s_pActive = nullptr;
    CMessageBoxRecorder()
    {
        s_pActive = this;
        SetMessageBoxFunction([](HWND owner, const std::string& text, const std::string& caption, UINT type) {
            s_pActive->m_calls.push_back({owner, text, caption, type});
            return IDOK;
        });
    }
    ~CMessageBoxRecorder() { SetMessageBoxFunction(nullptr); }
    std::vector<Call> m_calls;
};

struct CShellRecorder
{
    struct Call { std::string verb, file; INT show; };
    static inline CShellRecorder* s_pActive = nullptr;
    explicit CShellRecorder(INT_PTR result = 42) : m_nResult(result)
    {
        s_pActive = this;
        SetShellExecuteFunction([](HWND, const char* verb, const char* file, const char*, const char*, INT show) {
            s_pActive->m_calls.push_back({verb ? verb : "", file ? file : "", show});
            return reinterpret_cast<HINSTANCE>(s_pActive->m_nResult);
        });
    }
    ~CShellRecorder() { SetShellExecuteFunction(nullptr); }
    std::vector<Call> m_calls;
    INT_PTR m_nResult;
};

// The system's high-contrast setting on, as far as our painting asks, for its lifetime.
struct CHighContrastOn
{
    CHighContrastOn() { SetHighContrastFunction([] { return true; }); }
    ~CHighContrastOn() { SetHighContrastFunction(nullptr); }
};
