#include "framework/RegKey.h"

LONG CRegKey::Open(HKEY root, const char* path, REGSAM access)
{
    Close();
    return ::RegOpenKeyExA(root, path, 0, access, &m_hKey);
}

LONG CRegKey::Create(HKEY root, const char* path, REGSAM access)
{
    Close();
    return ::RegCreateKeyExA(root, path, 0, nullptr, 0, access, nullptr, &m_hKey, nullptr);
}

LONG CRegKey::QueryValue(const char* name, void* data, DWORD* size, DWORD* type) const
{
    DWORD stored = 0;
    return ::RegQueryValueExA(m_hKey, name, nullptr, type ? type : &stored, static_cast<BYTE*>(data), size);
}

LONG CRegKey::SetValue(const char* name, DWORD type, const void* data, DWORD size)
{
    return ::RegSetValueExA(m_hKey, name, 0, type, static_cast<const BYTE*>(data), size);
}

void CRegKey::Close()
{
    if (m_hKey)
        ::RegCloseKey(m_hKey);
    m_hKey = nullptr;
}
