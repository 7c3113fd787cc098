#include "TestHost.h"
#include "framework/MessageBoxSeam.h"
#include "framework/ShellSeam.h"
#include <commctrl.h>

namespace
{
const char kHostClass[] = "LocatrixTestHost";

void RegisterHostClass()
{
    static bool registered = false;
    if (registered)
        return;
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kHostClass;
    ::RegisterClassA(&wc);
    registered = true;
}

CMessageBoxRecorder* g_pMessageBoxRecorder = nullptr;
CShellRecorder* g_pShellRecorder = nullptr;

int RecordMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type)
{
    g_pMessageBoxRecorder->m_calls.push_back({owner, text, caption, type});
    return IDOK;
}

HINSTANCE RecordShellExecute(HWND, const char* verb, const char* file, const char*, const char*, INT show)
{
    g_pShellRecorder->m_calls.push_back({verb ? verb : "", file ? file : "", show});
    return reinterpret_cast<HINSTANCE>(g_pShellRecorder->m_nResult);
}
}

CTestHost::CTestHost(int width, int height)
{
    RegisterHostClass();
    m_hWnd = ::CreateWindowExA(0, kHostClass, "Locatrix test", WS_POPUP | WS_CAPTION | WS_VISIBLE,
                               20, 20, width, height, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof(metrics);
    ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    m_hFont = ::CreateFontIndirectA(&metrics.lfMessageFont);
    ::SetForegroundWindow(m_hWnd);
    PumpMessages();
}

CTestHost::~CTestHost()
{
    ::DestroyWindow(m_hWnd);
    ::DeleteObject(m_hFont);
    PumpMessages();
}

HWND CTestHost::AddControl(const char* className, DWORD style, int id, int x, int y, int width, int height,
                           const char* text)
{
    HWND control = ::CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                                     m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                     ::GetModuleHandleA(nullptr), nullptr);
    ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_hFont), FALSE);
    return control;
}

void PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

void TypeChars(HWND edit, const std::string& chars)
{
    for (char ch : chars)
        ::SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(ch)), 1);
}

void PressKey(HWND edit, UINT virtualKey)
{
    ::SendMessageA(edit, WM_KEYDOWN, virtualKey, 1);
    ::SendMessageA(edit, WM_KEYUP, virtualKey, 0xC0000001);
}

void SetSelection(HWND edit, int start, int end)
{
    ::SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}

void GetSelection(HWND edit, int& start, int& end)
{
    DWORD first = 0, last = 0;
    ::SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
    start = static_cast<int>(first);
    end = static_cast<int>(last);
}

std::string WindowText(HWND hWnd)
{
    char buffer[1024] = {};
    ::GetWindowTextA(hWnd, buffer, sizeof(buffer));
    return buffer;
}

bool SetClipboardText(HWND owner, const std::string& text)
{
    if (!::OpenClipboard(owner))
        return false;
    ::EmptyClipboard();
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    char* data = static_cast<char*>(::GlobalLock(memory));
    memcpy(data, text.c_str(), text.size() + 1);
    ::GlobalUnlock(memory);
    bool ok = ::SetClipboardData(CF_TEXT, memory) != nullptr;
    ::CloseClipboard();
    return ok;
}

std::string GetClipboardText(HWND owner)
{
    std::string text;
    if (!::OpenClipboard(owner))
        return text;
    if (HANDLE memory = ::GetClipboardData(CF_TEXT))
    {
        if (const char* data = static_cast<const char*>(::GlobalLock(memory)))
            text = data;
        ::GlobalUnlock(memory);
    }
    ::CloseClipboard();
    return text;
}

CMessageBoxRecorder::CMessageBoxRecorder()
{
    g_pMessageBoxRecorder = this;
    SetMessageBoxFunction(RecordMessageBox);
}

CMessageBoxRecorder::~CMessageBoxRecorder()
{
    SetMessageBoxFunction(nullptr);
    g_pMessageBoxRecorder = nullptr;
}

CShellRecorder::CShellRecorder(INT_PTR result)
    : m_nResult(result)
{
    g_pShellRecorder = this;
    SetShellExecuteFunction(RecordShellExecute);
}

CShellRecorder::~CShellRecorder()
{
    SetShellExecuteFunction(nullptr);
    g_pShellRecorder = nullptr;
}
