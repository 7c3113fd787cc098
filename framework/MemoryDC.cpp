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
