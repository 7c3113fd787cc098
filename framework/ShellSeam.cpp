#include "framework/ShellSeam.h"
#include <shellapi.h>

namespace
{
// shell32 is loaded at the first opening, not imported: under Wine the import alone costs every
// start about ten milliseconds, for a call most runs never make. It stays loaded once it is.
HINSTANCE RealShellExecute(HWND owner, const char* verb, const char* file,
                           const char* parameters, const char* directory, INT show)
{
    static const auto shellExecute = reinterpret_cast<decltype(&::ShellExecuteA)>(
        reinterpret_cast<void*>(::GetProcAddress(::LoadLibraryA("shell32.dll"), "ShellExecuteA")));
    if (!shellExecute)
        return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_DLLNOTFOUND));
    return shellExecute(owner, verb, file, parameters, directory, show);
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
