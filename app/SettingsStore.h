#pragma once
#include "calc/Form.h"
#include <string>
#include <vector>

// The per-user key that remembers the calculator's inputs between runs.
extern const char kSettingsKeyPath[];

// Reads the key once, the texts in the given order, then the numbers. A value that is missing
// or does not fit (a text of more than 15 characters) is left out of the answer.
SettingValues LoadSettings(const std::string& keyPath, const std::vector<std::string>& textNames,
                           const std::vector<std::string>& numberNames);

// Numbers stored as such (REG_DWORD) only, for values that came later than the calculator's.
SettingValues LoadNumbers(const std::string& keyPath, const std::vector<std::string>& names);

// Writes one command's group: the texts (at most 15 characters each), then the numbers.
// Registry failures are silent.
void SaveSettings(const std::string& keyPath, const SettingValues& values);
