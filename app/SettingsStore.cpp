#include "app/SettingsStore.h"
#include "framework/RegKey.h"
#include <cstring>
#include <vector>

const char kSettingsKeyPath[] = "SOFTWARE\\Norvane\\Locatrix";

namespace
{
// A host name of 253 characters and its NUL, or a group.
const unsigned long kNetTextBytes = 256;

std::string TextOf(const SettingValues& values, const char* name, const std::string& missing = "")
{
    for (const auto& [valueName, text] : values.texts)
        if (valueName == name)
            return text;
    return missing;
}

DWORD NumberOf(const SettingValues& values, const char* name, DWORD missing)
{
    for (const auto& [valueName, number] : values.numbers)
        if (valueName == name)
            return number;
    return missing;
}

// Reads the key once, the texts, then the numbers: the calculator's of any type that fits, the
// later values only as REG_DWORD (dwordsOnly).
SettingValues Load(const std::string& keyPath, const std::vector<std::string>& textNames,
                   const std::vector<std::string>& numberNames, unsigned long textBytes, bool dwordsOnly)
{
    SettingValues values;
    CRegKey key;
    if (key.Open(HKEY_CURRENT_USER, keyPath.c_str(), KEY_READ) != ERROR_SUCCESS)
        return values;

    for (const std::string& name : textNames)
    {
        std::vector<char> buffer(textBytes, '\0');
        DWORD size = static_cast<DWORD>(buffer.size());
        if (key.QueryValue(name.c_str(), buffer.data(), &size) != ERROR_SUCCESS)
            continue;
        // Only a hand-edited value fills the whole buffer without a NUL; it is not ours, skip it.
        if (!std::memchr(buffer.data(), '\0', buffer.size()))
            continue;
        values.texts.emplace_back(name, buffer.data());
    }

    for (const std::string& name : numberNames)
    {
        DWORD value = 0, size = sizeof(value), type = REG_NONE;
        if (key.QueryValue(name.c_str(), &value, &size, &type) == ERROR_SUCCESS &&
            (!dwordsOnly || (type == REG_DWORD && size == sizeof(value))))
            values.numbers.emplace_back(name, value);
    }
    return values;
}
}

SettingValues LoadSettings(const std::string& keyPath, const std::vector<std::string>& textNames,
                           const std::vector<std::string>& numberNames, unsigned long textBytes)
{
    return Load(keyPath, textNames, numberNames, textBytes, false);
}

SettingValues LoadNumbers(const std::string& keyPath, const std::vector<std::string>& names)
{
    return Load(keyPath, {}, names, kInputTextBytes, true);
}

void SaveSettings(const std::string& keyPath, const SettingValues& values, unsigned long textBytes)
{
    CRegKey key;
    if (key.Open(HKEY_CURRENT_USER, keyPath.c_str(), KEY_WRITE) != ERROR_SUCCESS &&
        key.Create(HKEY_CURRENT_USER, keyPath.c_str(), KEY_WRITE) != ERROR_SUCCESS)
        return; // nothing is saved; the command still shows its results

    for (const auto& [name, text] : values.texts)
    {
        std::vector<char> buffer(textBytes, '\0');
        text.copy(buffer.data(), textBytes - 1);
        DWORD size = static_cast<DWORD>(std::strlen(buffer.data())) + 1;
        key.SetValue(name.c_str(), REG_SZ, buffer.data(), size);
    }

    for (const auto& [name, number] : values.numbers)
    {
        DWORD value = number;
        key.SetValue(name.c_str(), REG_DWORD, &value, sizeof(value));
    }
}

RotatorSetting LoadRotator(const std::string& keyPath)
{
    const SettingValues stored = LoadSettings(keyPath, {"RotatorHost"}, {"Rotator", "RotatorPort"}, kNetTextBytes);
    return StoredRotator(NumberOf(stored, "Rotator", 0), TextOf(stored, "RotatorHost"),
                         NumberOf(stored, "RotatorPort", 0));
}

void SaveRotator(const std::string& keyPath, const RotatorSetting& rotator)
{
    SaveSettings(keyPath,
                 {{{"RotatorHost", rotator.host}},
                  {{"Rotator", static_cast<DWORD>(rotator.kind)}, {"RotatorPort", static_cast<DWORD>(rotator.port)}}},
                 kNetTextBytes);
}

WsjtxSetting LoadWsjtx(const std::string& keyPath)
{
    const SettingValues stored =
        LoadSettings(keyPath, {"WsjtxGroup"}, {"FollowWsjtx", "WsjtxPort", "TurnWithWsjtx"}, kNetTextBytes);
    return StoredWsjtx(NumberOf(stored, "FollowWsjtx", 0), NumberOf(stored, "WsjtxPort", WsjtxSetting::kDefaultPort),
                       TextOf(stored, "WsjtxGroup"), NumberOf(stored, "TurnWithWsjtx", 0));
}

void SaveWsjtx(const std::string& keyPath, const WsjtxSetting& wsjtx)
{
    SaveSettings(keyPath,
                 {{{"WsjtxGroup", wsjtx.group}},
                  {{"FollowWsjtx", wsjtx.follow ? 1u : 0u},
                   {"WsjtxPort", static_cast<DWORD>(wsjtx.port)},
                   {"TurnWithWsjtx", wsjtx.turnAntenna ? 1u : 0u}}},
                 kNetTextBytes);
}
