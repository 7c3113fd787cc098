#pragma once
#include <windows.h>

// A 32-bit bitmap in a memory DC, so painted colours read back exactly, whatever the display depth.
class CPixelCanvas
{
public:
    CPixelCanvas(int width, int height, COLORREF fill);
    ~CPixelCanvas();
    CPixelCanvas(const CPixelCanvas&) = delete;
    CPixelCanvas& operator=(const CPixelCanvas&) = delete;

    COLORREF Pixel(int x, int y) const;
    // How many pixels hold exactly this colour, the box around them (empty when none) and the
    // longest horizontal run of them.
    int Count(COLORREF colour, RECT* bounds = nullptr, int* longestRun = nullptr) const;

    HDC m_hDC;
    RECT m_rect;

private:
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOldBitmap;
    const DWORD* m_pBits;
};
