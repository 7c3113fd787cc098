#pragma once
#include <windows.h>

// Owns one open registry key and closes it.
class CRegKey
{
public:
    CRegKey() = default;
    ~CRegKey() { Close(); }
    CRegKey(const CRegKey&) = delete;
    CRegKey& operator=(const CRegKey&) = delete;

    LONG Open(HKEY root, const char* path, REGSAM access);
    LONG Create(HKEY root, const char* path, REGSAM access);
    // Raw value data. size: in the buffer's, out the data's; type, when asked, the stored type.
    LONG QueryValue(const char* name, void* data, DWORD* size, DWORD* type = nullptr) const;
    LONG SetValue(const char* name, DWORD type, const void* data, DWORD size);
    void Close();

    HKEY m_hKey = nullptr;
};
