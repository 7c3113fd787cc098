#pragma once
#include <windows.h>
#include <string>

// Every message box of the program goes through here, so tests can watch what would be shown
// without blocking on a modal box.
using MessageBoxFn = int (*)(HWND owner, const std::string& text, const std::string& caption, UINT type);

int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type);
// Replaces the function behind ShowMessageBox (null restores MessageBoxA); returns the previous one.
MessageBoxFn SetMessageBoxFunction(MessageBoxFn fn);

// A box owned by the active window with the application's name as caption.
int AfxMessageBox(const std::string& text, UINT type = MB_OK, UINT helpContext = 0);
