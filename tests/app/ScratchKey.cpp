#include "ScratchKey.h"
#include <gtest/gtest.h>
#include <sddl.h>

namespace
{
void SetAccess(const std::string& path, const char* accessList)
{
    PSECURITY_DESCRIPTOR security = nullptr;
    HKEY key = nullptr;
    if (::ConvertStringSecurityDescriptorToSecurityDescriptorA(accessList, SDDL_REVISION_1, &security, nullptr) &&
        ::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, WRITE_DAC, &key) == ERROR_SUCCESS)
    {
        ::RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, security);
        ::RegCloseKey(key);
    }
    ::LocalFree(security);
}

void Delete(const std::string& path)
{
    SetAccess(path, "D:(A;;KA;;;WD)"); // a locked key has to be opened up before it can go
    ::RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str());
}
}

CScratchKey::CScratchKey()
    : m_strPath("SOFTWARE\\Norvane\\LocatrixTest\\" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "." +
                std::to_string(::GetCurrentProcessId()))
{
    Delete(m_strPath);
}

CScratchKey::~CScratchKey()
{
    Delete(m_strPath);
}

bool CScratchKey::Exists() const
{
    HKEY key = nullptr;
    bool exists = ::RegOpenKeyExA(HKEY_CURRENT_USER, m_strPath.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS;
    ::RegCloseKey(key);
    return exists;
}

std::string CScratchKey::Text(const char* name) const
{
    char text[64] = {};
    DWORD size = sizeof(text);
    return ::RegGetValueA(HKEY_CURRENT_USER, m_strPath.c_str(), name, RRF_RT_REG_SZ, nullptr, text, &size) ==
                   ERROR_SUCCESS ? text : "<missing>";
}

DWORD CScratchKey::Number(const char* name) const
{
    DWORD number = 0xDEADBEEF, size = sizeof(number);
    ::RegGetValueA(HKEY_CURRENT_USER, m_strPath.c_str(), name, RRF_RT_REG_DWORD, nullptr, &number, &size);
    return number;
}

void CScratchKey::Set(const char* name, const std::string& text)
{
    ASSERT_EQ(ERROR_SUCCESS, ::RegSetKeyValueA(HKEY_CURRENT_USER, m_strPath.c_str(), name, REG_SZ, text.c_str(),
                                               static_cast<DWORD>(text.size() + 1)));
}

void CScratchKey::Set(const char* name, DWORD number)
{
    ASSERT_EQ(ERROR_SUCCESS,
              ::RegSetKeyValueA(HKEY_CURRENT_USER, m_strPath.c_str(), name, REG_DWORD, &number, sizeof(number)));
}

void CScratchKey::Lock()
{
    SetAccess(m_strPath, "D:P(A;;KR;;;WD)");
}
