#include "framework/HighContrastSeam.h"

namespace
{
bool SystemHighContrast()
{
    HIGHCONTRASTA contrast = {sizeof(contrast), 0, nullptr};
    return ::SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

HighContrastFn g_pfnHighContrast = SystemHighContrast;
}

bool IsHighContrast()
{
    return g_pfnHighContrast();
}

HighContrastFn SetHighContrastFunction(HighContrastFn fn)
{
    HighContrastFn previous = g_pfnHighContrast;
    g_pfnHighContrast = fn ? fn : SystemHighContrast;
    return previous;
}
