#pragma once
#include <windows.h>
#include <cstdint>
#include <vector>

// An off-screen device context compatible with another, holding a bitmap of the given size.
// The destructor selects the original bitmap back and deletes the context, then the bitmap.
class CMemoryDC
{
public:
    CMemoryDC(HDC compatibleWith, int width, int height);
    ~CMemoryDC();
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;

    HDC m_hDC;
    HBITMAP m_hBitmap;
    operator HDC() const { return m_hDC; }

    // The bitmap's pixels, top row first, four bytes each (blue, green, red, unused); empty if
    // they cannot be read. The bitmap is taken out of the context meanwhile, as reading requires.
    std::vector<std::uint8_t> ReadPixels(int width, int height) const;

private:
    HGDIOBJ m_hOldBitmap;
};
