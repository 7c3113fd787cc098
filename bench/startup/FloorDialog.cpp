// The floor for Locatrix's start-up time: a dialog program that does nothing of its own, built
// the same way (same compiler, flags, static runtime and manifest). It shows dialog 102 modally:
// linked with the program's resources that is the calculator's own window, with no code behind
// it; linked with FloorDialog.rc it is a bare window with one button.
#include <windows.h>

namespace
{
INT_PTR CALLBACK FloorProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM)
{
    if (msg == WM_INITDIALOG)
        return TRUE;
    if (msg == WM_COMMAND && LOWORD(wParam) == IDCANCEL)
    {
        ::EndDialog(hWnd, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    return static_cast<int>(::DialogBoxParamA(instance, MAKEINTRESOURCEA(102), nullptr, FloorProc, 0));
}
