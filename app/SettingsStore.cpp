#include "SettingsStore.h"
#include "framework/RegKey.h"
#include <cstring>

const char kSettingsKeyPath[] = "SOFTWARE\\Norvane\\Locatrix";

namespace
{
// Text data is at most 15 characters and their NUL, both ways.
const DWORD kTextBytes = 16;

// The list index a stored number selects, or -1 when the number is ignored.
int SelectionFor(const char* name, DWORD value)
{
    // The locator length list has three entries and starts at the first; 0 and anything past
    // the last entry leave it there.
    if (std::strcmp(name, "LocatorChars") == 0)
        return value == 1 || value == 2 ? static_cast<int>(value) : -1;
    return value != 0 ? 1 : 0;
}
}

void LoadSettings(const std::string& keyPath, const std::vector<TextSetting>& texts,
                  const std::vector<ListSetting>& lists)
{
    CRegKey key;
    if (key.Open(HKEY_CURRENT_USER, keyPath.c_str(), KEY_READ) != ERROR_SUCCESS)
        return;

    for (const TextSetting& text : texts)
    {
        char buffer[kTextBytes] = {};
        DWORD size = sizeof(buffer);
        if (key.QueryValue(text.name, buffer, &size) != ERROR_SUCCESS)
            continue;
        // Only a hand-edited value fills all 16 bytes without a NUL; it is not ours, skip it.
        if (!std::memchr(buffer, '\0', sizeof(buffer)))
            continue;
        text.box->SetWindowText(buffer);
    }

    for (const ListSetting& list : lists)
    {
        DWORD value = 0;
        DWORD size = sizeof(value);
        if (key.QueryValue(list.name, &value, &size) != ERROR_SUCCESS)
            continue;
        int index = SelectionFor(list.name, value);
        if (index >= 0)
            list.list->SetCurSel(index);
    }
}

void SaveSettings(const std::string& keyPath, const std::vector<SavedText>& texts,
                  const std::vector<ListSetting>& lists)
{
    CRegKey key;
    if (key.Open(HKEY_CURRENT_USER, keyPath.c_str(), KEY_WRITE) != ERROR_SUCCESS &&
        key.Create(HKEY_CURRENT_USER, keyPath.c_str(), KEY_WRITE) != ERROR_SUCCESS)
        return; // nothing is saved; the command still shows its results

    for (const SavedText& text : texts)
    {
        char buffer[kTextBytes] = {};
        text.text.copy(buffer, kTextBytes - 1);
        DWORD size = static_cast<DWORD>(std::strlen(buffer)) + 1;
        key.SetValue(text.name, REG_SZ, buffer, size);
    }

    for (const ListSetting& list : lists)
    {
        DWORD value = static_cast<DWORD>(list.list->GetCurSel());
        key.SetValue(list.name, REG_DWORD, &value, sizeof(value));
    }
}
