#include "tests/support/TestHost.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <sddl.h>
#include <cstdio>

namespace
{
void SetAccess(const std::string& path, const char* accessList)
{
    PSECURITY_DESCRIPTOR security = nullptr;
    HKEY key = nullptr;
    if (::ConvertStringSecurityDescriptorToSecurityDescriptorA(accessList, SDDL_REVISION_1, &security, nullptr) &&
        ::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, WRITE_DAC, &key) == ERROR_SUCCESS)
    {
        ::RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, security);
        ::RegCloseKey(key);
    }
    ::LocalFree(security);
}

struct CHandle
{
    ~CHandle()
    {
        if (m_h)
            ::CloseHandle(m_h);
    }
    HANDLE m_h = nullptr;
};
}

CTestHost::CTestHost()
{
    static const ATOM hostClass = [] {
        INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
        ::InitCommonControlsEx(&controls);
        WNDCLASSA wc = {0, ::DefWindowProcA, 0, 0, ::GetModuleHandleA(nullptr), nullptr,
                        ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)),
                        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr, "LocatrixTestHost"};
        return ::RegisterClassA(&wc);
    }();
    m_hWnd = ::CreateWindowExA(0, MAKEINTATOM(hostClass), "Locatrix test", WS_POPUP | WS_CAPTION | WS_VISIBLE, 20, 20,
                               400, 300, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
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
                           const char* text, bool unicode)
{
    HMENU menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    style |= WS_CHILD | WS_VISIBLE;
    HWND control = unicode ? ::CreateWindowExW(0, Widened(className).c_str(), Widened(text).c_str(), style, x, y,
                                               width, height, m_hWnd, menu, nullptr, nullptr)
                           : ::CreateWindowExA(0, className, text, style, x, y, width, height, m_hWnd, menu, nullptr,
                                               nullptr);
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
        ::SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(ch), 1);
}

std::string WindowText(HWND hWnd)
{
    char buffer[1024] = {};
    ::GetWindowTextA(hWnd, buffer, sizeof(buffer));
    return buffer;
}

std::wstring Widened(const std::string& ascii)
{
    return std::wstring(ascii.begin(), ascii.end());
}

std::wstring WideWindowText(HWND hWnd)
{
    wchar_t buffer[1024] = {};
    ::GetWindowTextW(hWnd, buffer, 1024);
    return buffer;
}

std::vector<std::wstring> SendFromAnotherProcess(const std::vector<CForeignStep>& steps)
{
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command(self);
    command = L"\"" + command.substr(0, command.find_last_of(L"\\/")) + L"\\..\\support\\send_to_window.exe\"";
    for (const CForeignStep& step : steps)
    {
        wchar_t hex[24];
        std::swprintf(hex, 24, L" %llX:%c:", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(step.window)),
                      step.how);
        command += hex;
        for (wchar_t unit : step.text)
        {
            std::swprintf(hex, 24, L"%04X", static_cast<unsigned>(unit));
            command += hex;
        }
    }
    SECURITY_ATTRIBUTES inheritable = {sizeof(inheritable), nullptr, TRUE};
    CHandle output, input, process, thread;
    EXPECT_TRUE(::CreatePipe(&output.m_h, &input.m_h, &inheritable, 1 << 16));
    ::SetHandleInformation(output.m_h, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = input.m_h;
    startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION started = {};
    if (!::CreateProcessW(nullptr, &command[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                          &started))
    {
        ADD_FAILURE() << "cannot start " << std::string(command.begin(), command.end()) << ": error " << ::GetLastError();
        return {};
    }
    process.m_h = started.hProcess;
    thread.m_h = started.hThread;
    ::CloseHandle(input.m_h); // the pipe ends when the other process is done with it
    input.m_h = nullptr;
    // Its messages wait for this thread's answers; a hung exchange fails after a minute.
    const ULONGLONG deadline = ::GetTickCount64() + 60000;
    for (;;)
    {
        const ULONGLONG now = ::GetTickCount64();
        const DWORD woke = now >= deadline ? WAIT_TIMEOUT
                                           : ::MsgWaitForMultipleObjects(1, &process.m_h, FALSE,
                                                                         static_cast<DWORD>(deadline - now), QS_ALLINPUT);
        if (woke == WAIT_OBJECT_0)
            break;
        if (woke == WAIT_TIMEOUT)
        {
            ::TerminateProcess(process.m_h, 1);
            ADD_FAILURE() << "send_to_window did not end within a minute";
            return {};
        }
        PumpMessages();
    }
    std::string printed;
    char buffer[4096];
    DWORD got = 0;
    while (::ReadFile(output.m_h, buffer, sizeof(buffer), &got, nullptr) && got > 0)
        printed.append(buffer, got);
    DWORD status = 1;
    ::GetExitCodeProcess(process.m_h, &status);
    EXPECT_EQ(0u, status) << "send_to_window failed; it printed: " << printed;
    // A line per step, 4 hex digits per UTF-16 unit ("\r\n" ends a line of a Windows program).
    std::vector<std::wstring> held;
    size_t start = 0;
    for (size_t end; (end = printed.find('\n', start)) != std::string::npos; start = end + 1)
    {
        std::wstring text;
        for (size_t i = start; i + 4 <= end; i += 4)
            text += static_cast<wchar_t>(std::stoul(printed.substr(i, 4), nullptr, 16));
        held.push_back(text);
    }
    return held;
}

namespace
{
// The clipboard is the whole desktop's, and Wine's own clipboard keeper opens it now and then
// too: whoever finds it open waits a moment and asks again, for 5 seconds at most.
bool OpenClipboardInTurn(HWND owner)
{
    for (int attempt = 0; attempt < 500; ++attempt)
    {
        if (::OpenClipboard(owner))
            return true;
        ::Sleep(10);
    }
    return false;
}
}

void SetClipboardText(HWND owner, const std::string& text)
{
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    memcpy(::GlobalLock(memory), text.c_str(), text.size() + 1);
    ::GlobalUnlock(memory);
    CClipboardTurn turn;
    ASSERT_TRUE(OpenClipboardInTurn(owner));
    ::EmptyClipboard();
    EXPECT_TRUE(::SetClipboardData(CF_TEXT, memory));
    ::CloseClipboard();
}

std::string GetClipboardText(HWND owner)
{
    CClipboardTurn turn;
    std::string text;
    HANDLE memory = OpenClipboardInTurn(owner) ? ::GetClipboardData(CF_TEXT) : nullptr;
    if (const char* data = memory ? static_cast<const char*>(::GlobalLock(memory)) : nullptr)
    {
        text = data;
        ::GlobalUnlock(memory);
    }
    ::CloseClipboard();
    return text;
}

HWND ThreadToolTip()
{
    HWND found = nullptr;
    int count = 0;
    for (HWND tip = nullptr; (tip = ::FindWindowExA(nullptr, tip, TOOLTIPS_CLASSA, nullptr));)
        if (::GetWindowThreadProcessId(tip, nullptr) == ::GetCurrentThreadId() && ++count)
            found = tip;
    return count == 1 ? found : nullptr;
}

std::string ToolTipText(HWND tool, UINT_PTR id, RECT* rect)
{
    char text[80] = {};
    TTTOOLINFOA info = {TTTOOLINFOA_V2_SIZE, 0, tool, id, {}, nullptr, text, 0, nullptr};
    HWND tip = ThreadToolTip();
    if (!tip || !::SendMessageA(tip, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info)))
        return "";
    ::SendMessageA(tip, TTM_GETTEXTA, sizeof(text), reinterpret_cast<LPARAM>(&info));
    if (rect)
        *rect = info.rect;
    return text;
}

CScratchKey::CScratchKey()
    : m_strPath("SOFTWARE\\Norvane\\LocatrixTest\\" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "." +
                std::to_string(::GetCurrentProcessId()))
{
    Clear();
}

void CScratchKey::Clear() const
{
    SetAccess(m_strPath, "D:(A;;KA;;;WD)"); // a locked key has to be opened up before it can go
    ::RegDeleteTreeA(HKEY_CURRENT_USER, m_strPath.c_str());
}

void CScratchKey::Lock() const
{
    SetAccess(m_strPath, "D:P(A;;KR;;;WD)");
}

bool CScratchKey::Exists() const
{
    HKEY key = nullptr;
    const bool exists = ::RegOpenKeyExA(HKEY_CURRENT_USER, m_strPath.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS;
    ::RegCloseKey(key);
    return exists;
}

void CScratchKey::Put(const char* name, DWORD type, const void* data, DWORD size) const
{
    ASSERT_EQ(ERROR_SUCCESS, ::RegSetKeyValueA(HKEY_CURRENT_USER, m_strPath.c_str(), name, type, data, size));
}
