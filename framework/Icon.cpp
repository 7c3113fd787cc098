#include "framework/Icon.h"

BOOL CIcon::Load(HINSTANCE instance, int id, int size)
{
    Destroy();
    m_hIcon = static_cast<HICON>(::LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    return m_hIcon != nullptr;
}

void CIcon::Destroy()
{
    if (m_hIcon)
        ::DestroyIcon(m_hIcon);
    m_hIcon = nullptr;
}
