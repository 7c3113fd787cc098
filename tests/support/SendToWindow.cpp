// Another program, sending texts and keys to a window of the test as automation tools and
// screen readers do, through the ...A or the ...W functions; the system carries each text over.
//   send_to_window STEP...   STEP = HWND:HOW:TEXT (the window in hex, TEXT as 4 hex digits per
//                            UTF-16 unit)
// HOW: s or S sets the text (WM_SETTEXT), r or R replaces the selection (EM_REPLACESEL), c or C
// sends one WM_CHAR per unit; lower case through the ...A functions (the text in the code page),
// upper case through the ...W ones; a asks oleacc about the window, as screen readers do. After
// each step one line, in the same hex: what the window holds, or after a, "role state name".
// Status 1 when a window does not answer within its time limit.
#include "tests/support/AccessibleControl.h"
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <cwctype>
#include <string>

namespace
{
const UINT kAnswerMs = 10000;

bool Send(HWND window, bool wide, UINT msg, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    return (wide ? ::SendMessageTimeoutW : ::SendMessageTimeoutA)(window, msg, wParam, lParam, SMTO_NORMAL,
                                                                  kAnswerMs, &result) != 0;
}

std::wstring FromHex(const wchar_t* hex)
{
    std::wstring text;
    for (size_t i = 0; i + 4 <= wcslen(hex); i += 4)
        text += static_cast<wchar_t>(std::wcstoul(std::wstring(hex + i, 4).c_str(), nullptr, 16));
    return text;
}

void PrintHex(const wchar_t* text, size_t length)
{
    for (size_t unit = 0; unit < length; ++unit)
        std::printf("%04X", static_cast<unsigned>(text[unit]));
    std::printf("\n");
}

bool Step(HWND window, wchar_t how, const std::wstring& text)
{
    const bool wide = std::iswupper(how) != 0;
    std::string narrow(text.size() * 2 + 1, '\0');
    narrow.resize(static_cast<size_t>(::WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()),
                                                            &narrow[0], static_cast<int>(narrow.size()), nullptr,
                                                            nullptr)));
    const LPARAM textParam = wide ? reinterpret_cast<LPARAM>(text.c_str()) : reinterpret_cast<LPARAM>(narrow.c_str());
    switch (std::towlower(how))
    {
    case L's':
        return Send(window, wide, WM_SETTEXT, 0, textParam);
    case L'r':
        return Send(window, wide, EM_REPLACESEL, TRUE, textParam);
    case L'a':
        return true;
    case L'c':
        for (size_t i = 0; i < (wide ? text.size() : narrow.size()); ++i)
            if (!Send(window, wide, WM_CHAR, wide ? text[i] : static_cast<unsigned char>(narrow[i]), 1))
                return false;
        return true;
    }
    return false;
}
}

int main()
{
    int count = 0;
    wchar_t** args = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    for (int i = 1; args && i < count; ++i)
    {
        wchar_t* rest = nullptr;
        HWND window = reinterpret_cast<HWND>(static_cast<uintptr_t>(std::wcstoull(args[i], &rest, 16)));
        if (rest[0] != L':' || !rest[1] || rest[2] != L':' || !Step(window, rest[1], FromHex(rest + 3)))
        {
            std::fprintf(stderr, "send_to_window: step %d (%ls) failed\n", i, args[i]);
            return 1;
        }
        if (rest[1] == L'a')
        {
            const std::wstring told = Described(ReadAccessibleControl(window));
            PrintHex(told.c_str(), told.size());
            continue;
        }
        wchar_t held[256] = {};
        DWORD_PTR length = 0;
        if (!::SendMessageTimeoutW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(held), SMTO_NORMAL, kAnswerMs,
                                   &length))
        {
            std::fprintf(stderr, "send_to_window: the window of step %d gave no text back\n", i);
            return 1;
        }
        PrintHex(held, length);
    }
    ::LocalFree(args);
    return 0;
}
