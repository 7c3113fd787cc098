#pragma once
#include <windows.h>
#include <string>

// A settings key of the test's own under HKEY_CURRENT_USER (ctest runs the cases side by side
// in one Wine prefix), gone before and after the test.
class CScratchKey
{
public:
    CScratchKey();
    ~CScratchKey();
    CScratchKey(const CScratchKey&) = delete;
    CScratchKey& operator=(const CScratchKey&) = delete;

    bool Exists() const;
    std::string Text(const char* name) const; // "<missing>" when it cannot be read
    DWORD Number(const char* name) const;     // 0xDEADBEEF when it cannot be read
    void Set(const char* name, const std::string& text);
    void Set(const char* name, DWORD number);
    // From now on everyone may read the key and nobody may write it.
    void Lock();

    const std::string m_strPath;
};
