#include "framework/MemoryDC.h"

CMemoryDC::CMemoryDC(HDC compatibleWith, int width, int height)
    : m_hDC(::CreateCompatibleDC(compatibleWith)),
      m_hBitmap(::CreateCompatibleBitmap(compatibleWith, width, height)),
      m_hOldBitmap(nullptr)
{
    if (m_hDC && m_hBitmap)
        m_hOldBitmap = ::SelectObject(m_hDC, m_hBitmap);
}

CMemoryDC::~CMemoryDC()
{
    if (m_hOldBitmap)
        ::SelectObject(m_hDC, m_hOldBitmap);
    if (m_hDC)
        ::DeleteDC(m_hDC);
    if (m_hBitmap)
        ::DeleteObject(m_hBitmap);
}

std::vector<std::uint8_t> CMemoryDC::ReadPixels(int width, int height) const
{
    std::vector<std::uint8_t> bgrx;
    if (!m_hOldBitmap || width <= 0 || height <= 0)
        return bgrx;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    bgrx.resize(static_cast<std::size_t>(width) * height * 4);
    ::GdiFlush();
    ::SelectObject(m_hDC, m_hOldBitmap);
    const int rows = ::GetDIBits(m_hDC, m_hBitmap, 0, height, bgrx.data(), &info, DIB_RGB_COLORS);
    ::SelectObject(m_hDC, m_hBitmap);
    if (rows != height)
        bgrx.clear();
    return bgrx;
}
