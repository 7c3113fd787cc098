#pragma once
#include "framework/ComboBox.h"
#include <string>
#include <vector>

// The per-user key that remembers the calculator's inputs between runs.
extern const char kSettingsKeyPath[];

// A text value and the box it is loaded into.
struct TextSetting
{
    const char* name;
    CWnd* box;
};

// A number value and the list whose selection it holds.
struct ListSetting
{
    const char* name;
    CComboBox* list;
};

// A text value as a command read it from its box.
struct SavedText
{
    const char* name;
    std::string text;
};

// Reads the key once: the texts in the given order (each set through its box, so the box's own
// input rules apply), then the lists. "LocatorChars" selects only index 1 or 2; any other list
// value selects index 1 when it is non-zero. What cannot be read leaves its field as it is.
void LoadSettings(const std::string& keyPath, const std::vector<TextSetting>& texts,
                  const std::vector<ListSetting>& lists);

// Writes one command's group: the texts (at most 15 characters each), then the lists' current
// selections. Registry failures are silent.
void SaveSettings(const std::string& keyPath, const std::vector<SavedText>& texts,
                  const std::vector<ListSetting>& lists);
