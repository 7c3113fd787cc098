#pragma once
#include <windows.h>

// Owns one brush handle and deletes it.
class CBrush
{
public:
    CBrush() = default;
    ~CBrush() { DeleteObject(); }
    CBrush(const CBrush&) = delete;
    CBrush& operator=(const CBrush&) = delete;

    BOOL CreateSolidBrush(COLORREF colour);
    BOOL DeleteObject();

    HBRUSH m_hObject = nullptr;
    operator HBRUSH() const { return m_hObject; }
};
