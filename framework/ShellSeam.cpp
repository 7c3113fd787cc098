#include "ShellSeam.h"
#include <shellapi.h>

namespace
{
HINSTANCE RealShellExecute(HWND owner, const char* verb, const char* file,
                           const char* parameters, const char* directory, INT show)
{
    return ::ShellExecuteA(owner, verb, file, parameters, directory, show);
}

ShellExecuteFn g_pfnShellExecute = RealShellExecute;
}

HINSTANCE ShellOpen(const char* verb, const std::string& file, INT show)
{
    return g_pfnShellExecute(nullptr, verb, file.c_str(), nullptr, nullptr, show);
}

ShellExecuteFn SetShellExecuteFunction(ShellExecuteFn fn)
{
    ShellExecuteFn previous = g_pfnShellExecute;
    g_pfnShellExecute = fn ? fn : RealShellExecute;
    return previous;
}
