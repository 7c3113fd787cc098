#pragma once
#include <windows.h>

// BeginPaint in the constructor, EndPaint in the destructor.
class CPaintDC
{
public:
    explicit CPaintDC(HWND hWnd);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    HDC m_hDC;
    PAINTSTRUCT m_ps;
    operator HDC() const { return m_hDC; }

private:
    HWND m_hWnd;
};
