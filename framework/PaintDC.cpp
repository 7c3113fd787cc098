#include "framework/PaintDC.h"

CPaintDC::CPaintDC(HWND hWnd)
    : m_hDC(nullptr), m_ps(), m_hWnd(hWnd)
{
    m_hDC = ::BeginPaint(hWnd, &m_ps);
}

CPaintDC::~CPaintDC()
{
    ::EndPaint(m_hWnd, &m_ps);
}
