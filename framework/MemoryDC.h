#pragma once
#include <windows.h>

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

private:
    HGDIOBJ m_hOldBitmap;
};
