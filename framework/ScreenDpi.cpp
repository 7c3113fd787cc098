#include "framework/ScreenDpi.h"

int ScreenDpi()
{
    HDC screen = ::GetDC(nullptr);
    const int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen)
        ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

int ScaleToScreen(int pixels)
{
    return ::MulDiv(pixels, ScreenDpi(), USER_DEFAULT_SCREEN_DPI);
}
