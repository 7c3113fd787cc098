#include "framework/MessageBoxSeam.h"
#include "framework/WinApp.h"

namespace
{
int RealMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type)
{
    return ::MessageBoxA(owner, text.c_str(), caption.c_str(), type);
}

MessageBoxFn g_pfnMessageBox = RealMessageBox;
}

int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type)
{
    return g_pfnMessageBox(owner, text, caption, type);
}

MessageBoxFn SetMessageBoxFunction(MessageBoxFn fn)
{
    MessageBoxFn previous = g_pfnMessageBox;
    g_pfnMessageBox = fn ? fn : RealMessageBox;
    return previous;
}

int AfxMessageBox(const std::string& text, UINT type, UINT)
{
    return ShowMessageBox(::GetActiveWindow(), text, AfxGetAppName(), type);
}
