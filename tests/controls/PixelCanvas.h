#pragma once
#include <windows.h>
#include <algorithm>

// A 32-bit bitmap in a memory DC, so painted colours read back exactly, whatever the display depth.
struct CPixelCanvas
{
    CPixelCanvas(int width, int height, COLORREF fill) : m_rect{0, 0, width, height}
    {
        BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
        void* bits = nullptr;
        m_hBitmap = ::CreateDIBSection(m_hDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_hOldBitmap = ::SelectObject(m_hDC, m_hBitmap);
        ::SetDCBrushColor(m_hDC, fill);
        ::FillRect(m_hDC, &m_rect, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
    }
    ~CPixelCanvas()
    {
        ::SelectObject(m_hDC, m_hOldBitmap);
        ::DeleteDC(m_hDC);
        ::DeleteObject(m_hBitmap);
    }
    // How many pixels hold exactly this colour, and the box around them (empty when none).
    int Count(COLORREF colour, RECT* bounds = nullptr) const
    {
        int count = 0;
        RECT box = {m_rect.right, m_rect.bottom, 0, 0};
        for (LONG y = 0; y < m_rect.bottom; ++y)
            for (LONG x = 0; x < m_rect.right; ++x)
                if (::GetPixel(m_hDC, x, y) == colour && ++count)
                    box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                           std::max(box.bottom, y + 1)};
        if (bounds)
            *bounds = count ? box : RECT{};
        return count;
    }

    HDC m_hDC = ::CreateCompatibleDC(nullptr);
    RECT m_rect;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOldBitmap;
};
