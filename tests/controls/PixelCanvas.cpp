#include "PixelCanvas.h"
#include <algorithm>

CPixelCanvas::CPixelCanvas(int width, int height, COLORREF fill)
    : m_hDC(::CreateCompatibleDC(nullptr)), m_rect{0, 0, width, height}
{
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    m_hBitmap = ::CreateDIBSection(m_hDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_pBits = static_cast<const DWORD*>(bits);
    m_hOldBitmap = ::SelectObject(m_hDC, m_hBitmap);
    HBRUSH brush = ::CreateSolidBrush(fill);
    ::FillRect(m_hDC, &m_rect, brush);
    ::DeleteObject(brush);
}

CPixelCanvas::~CPixelCanvas()
{
    ::SelectObject(m_hDC, m_hOldBitmap);
    ::DeleteDC(m_hDC);
    ::DeleteObject(m_hBitmap);
}

COLORREF CPixelCanvas::Pixel(int x, int y) const
{
    ::GdiFlush();
    DWORD bgrx = m_pBits[y * m_rect.right + x];
    return RGB(GetBValue(bgrx), GetGValue(bgrx), GetRValue(bgrx));
}

int CPixelCanvas::Count(COLORREF colour, RECT* bounds, int* longestRun) const
{
    int count = 0, longest = 0;
    RECT box = {m_rect.right, m_rect.bottom, 0, 0};
    for (LONG y = 0; y < m_rect.bottom; ++y)
        for (LONG x = 0, run = 0; x < m_rect.right; ++x)
        {
            run = Pixel(x, y) == colour ? run + 1 : 0;
            if (!run)
                continue;
            ++count;
            longest = std::max(longest, int(run));
            box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                   std::max(box.bottom, y + 1)};
        }
    if (bounds)
        *bounds = count ? box : RECT{};
    if (longestRun)
        *longestRun = longest;
    return count;
}
