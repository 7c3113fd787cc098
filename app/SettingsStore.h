#pragma once
#include "calc/Form.h"
#include "net/RotatorSetting.h"
#include "net/WsjtxSetting.h"
#include <string>
#include <vector>

// The per-user key that remembers the calculator's inputs between runs.
extern const char kSettingsKeyPath[];

// The calculator's inputs are texts of at most 15 characters and their NUL.
constexpr unsigned long kInputTextBytes = 16;

// Reads the key once, the texts in the given order, then the numbers. A value that is missing
// or does not fit (a text of more than textBytes - 1 characters) is left out of the answer.
SettingValues LoadSettings(const std::string& keyPath, const std::vector<std::string>& textNames,
                           const std::vector<std::string>& numberNames, unsigned long textBytes = kInputTextBytes);

// Numbers stored as such (REG_DWORD) only, for values that came later than the calculator's.
SettingValues LoadNumbers(const std::string& keyPath, const std::vector<std::string>& names);

// Writes one command's group: the texts (at most textBytes - 1 characters each), then the
// numbers. Registry failures are silent.
void SaveSettings(const std::string& keyPath, const SettingValues& values, unsigned long textBytes = kInputTextBytes);

// The rotator and the WSJT-X feed, values of their own in the same key ("Rotator",
// "RotatorHost", "RotatorPort"; "FollowWsjtx", "WsjtxPort", "WsjtxGroup", "TurnWithWsjtx").
// What is missing or hostile means no rotator, and not following.
RotatorSetting LoadRotator(const std::string& keyPath);
void SaveRotator(const std::string& keyPath, const RotatorSetting& rotator);
WsjtxSetting LoadWsjtx(const std::string& keyPath);
void SaveWsjtx(const std::string& keyPath, const WsjtxSetting& wsjtx);
