#include "app/SettingsStore.h"
#include "framework/RegKey.h"
#include <cstring>

const char kSettingsKeyPath[] = "SOFTWARE\\Norvane\\Locatrix";

namespace
{
// Text data is at most 15 characters and their NUL, both ways.
const DWORD kTextBytes = 16;
}

SettingValues LoadSettings(const std::string& keyPath, const std::vector<std::string>& textNames,
                           const std::vector<std::string>& numberNames)
{
    SettingValues values;
    CRegKey key;
    if (key.Open(HKEY_CURRENT_USER, keyPath.c_str(), KEY_READ) != ERROR_SUCCESS)
        return values;

    for (const std::string& name : textNames)
    {
        char buffer[kTextBytes] = {};
        DWORD size = sizeof(buffer);
        if (key.QueryValue(name.c_str(), buffer, &size) != ERROR_SUCCESS)
            continue;
        // Only a hand-edited value fills all 16 bytes without a NUL; it is not ours, skip it.
        if (!std::memchr(buffer, '\0', sizeof(buffer)))
            continue;
        values.texts.emplace_back(name, buffer);
    }

    for (const std::string& name : numberNames)
    {
        DWORD value = 0;
        DWORD size = sizeof(value);
        if (key.QueryValue(name.c_str(), &value, &size) == ERROR_SUCCESS)
            values.numbers.emplace_back(name, value);
    }
    return values;
}

void SaveSettings(const std::string& keyPath, const SettingValues& values)
{
    CRegKey key;
    if (key.Open(HKEY_CURRENT_USER, keyPath.c_str(), KEY_WRITE) != ERROR_SUCCESS &&
        key.Create(HKEY_CURRENT_USER, keyPath.c_str(), KEY_WRITE) != ERROR_SUCCESS)
        return; // nothing is saved; the command still shows its results

    for (const auto& [name, text] : values.texts)
    {
        char buffer[kTextBytes] = {};
        text.copy(buffer, kTextBytes - 1);
        DWORD size = static_cast<DWORD>(std::strlen(buffer)) + 1;
        key.SetValue(name.c_str(), REG_SZ, buffer, size);
    }

    for (const auto& [name, number] : values.numbers)
    {
        DWORD value = number;
        key.SetValue(name.c_str(), REG_DWORD, &value, sizeof(value));
    }
}

SettingValues LoadNumbers(const std::string& keyPath, const std::vector<std::string>& names)
{
    SettingValues values;
    CRegKey key;
    if (key.Open(HKEY_CURRENT_USER, keyPath.c_str(), KEY_READ) != ERROR_SUCCESS)
        return values;
    for (const std::string& name : names)
    {
        DWORD value = 0, size = sizeof(value), type = REG_NONE;
        if (key.QueryValue(name.c_str(), &value, &size, &type) == ERROR_SUCCESS && type == REG_DWORD &&
            size == sizeof(value))
            values.numbers.emplace_back(name, value);
    }
    return values;
}
