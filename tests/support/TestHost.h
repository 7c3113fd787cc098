#pragma once
#include <windows.h>
#include <string>
#include <vector>

// A real top-level window on the test display that holds the controls under test.
class CTestHost
{
public:
    CTestHost(int width = 400, int height = 300);
    ~CTestHost();
    CTestHost(const CTestHost&) = delete;
    CTestHost& operator=(const CTestHost&) = delete;

    // A child control of a system class ("EDIT", "STATIC", ...), in the dialog font.
    HWND AddControl(const char* className, DWORD style, int id, int x, int y, int width, int height,
                    const char* text = "");
    HWND m_hWnd = nullptr;
    HFONT m_hFont = nullptr;
};

// Handles every queued message of this thread, so posted work and paints happen now.
void PumpMessages();

// Keystrokes and clipboard, as the edit control would receive them.
void TypeChars(HWND edit, const std::string& chars);
void PressKey(HWND edit, UINT virtualKey);
void SetSelection(HWND edit, int start, int end);
void GetSelection(HWND edit, int& start, int& end);
std::string WindowText(HWND hWnd);
bool SetClipboardText(HWND owner, const std::string& text);
std::string GetClipboardText(HWND owner);

// Replaces the message-box seam for its lifetime and records what would have been shown.
class CMessageBoxRecorder
{
public:
    struct Call { HWND owner; std::string text; std::string caption; UINT type; };
    CMessageBoxRecorder();
    ~CMessageBoxRecorder();
    std::vector<Call> m_calls;
};

// Replaces the shell-open seam for its lifetime; records each call and answers m_nResult.
class CShellRecorder
{
public:
    struct Call { std::string verb; std::string file; INT show; };
    explicit CShellRecorder(INT_PTR result = 42);
    ~CShellRecorder();
    std::vector<Call> m_calls;
    INT_PTR m_nResult;
};
