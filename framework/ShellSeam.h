#pragma once
#include <windows.h>
#include <string>

// Opening an address in the user's browser goes through here, so tests can count and inspect
// what would be opened without launching anything.
using ShellExecuteFn = HINSTANCE (*)(HWND owner, const char* verb, const char* file,
                                     const char* parameters, const char* directory, INT show);

// ShellExecuteA with no owner, parameters or directory. verb may be null (the default action).
HINSTANCE ShellOpen(const char* verb, const std::string& file, INT show);
// Replaces the function behind ShellOpen (null restores ShellExecuteA); returns the previous one.
ShellExecuteFn SetShellExecuteFunction(ShellExecuteFn fn);
