#pragma once
#include <windows.h>

// Owns one icon loaded at a size of our choosing and destroys it (icons from LoadIcon are
// shared and need no owner).
class CIcon
{
public:
    CIcon() = default;
    ~CIcon() { Destroy(); }
    CIcon(const CIcon&) = delete;
    CIcon& operator=(const CIcon&) = delete;

    // The image of that size from the icon group, or the nearest one scaled to it.
    BOOL Load(HINSTANCE instance, int id, int size);
    void Destroy();

    HICON m_hIcon = nullptr;
    operator HICON() const { return m_hIcon; }
};
