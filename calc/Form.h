// The calculator window's state as data: the texts of its boxes and the choices of its lists.
// The window and the command line both fill one, run a command on it and show what it holds.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

enum class Box {
    LatitudeDegree, LatitudeMinute, LatitudeSecond,
    LongitudeDegree, LongitudeMinute, LongitudeSecond,
    LatitudeDecimal, LongitudeDecimal,
    Locator,
    Location1, Location2,
    Bearing, StatuteMiles, Kilometers, NauticalMiles,
};
constexpr int kBoxCount = 15;

enum class List { LatitudeWorld, LongitudeWorld, LocatorChars };
constexpr int kListCount = 3;

// Named values of the settings store: texts, then list choices.
struct SettingValues {
    std::vector<std::pair<std::string, std::string>> texts;
    std::vector<std::pair<std::string, std::uint32_t>> numbers;
};

class CForm {
public:
    // Every box empty, every list at its first entry.
    CForm();

    std::string& Text(Box box) { return m_strTexts[static_cast<int>(box)]; }
    const std::string& Text(Box box) const { return m_strTexts[static_cast<int>(box)]; }
    // A list's chosen index; -1 when nothing is chosen.
    int& Choice(List list) { return m_nChoices[static_cast<int>(list)]; }
    int Choice(List list) const { return m_nChoices[static_cast<int>(list)]; }

private:
    std::array<std::string, kBoxCount> m_strTexts;
    std::array<int, kListCount> m_nChoices;
};

// The entries of a list, in the order it shows them.
const std::vector<std::string>& ListEntries(List list);

// The name the settings store keeps a box or list under; nullptr for a result box.
const char* SettingName(Box box);
const char* SettingName(List list);

// The remembered values' names, in the order they are read at start.
std::vector<std::string> RememberedTextNames();
std::vector<std::string> RememberedNumberNames();

// Puts what the store gave back into the form: texts as they are (the boxes apply their own
// rules when they show them), numbers by each list's rule. Values not given stay as they are.
void Restore(CForm& form, const SettingValues& stored);

// The pattern of the locator box for the longest locator, and for the chosen length ('*' a letter, '#' a digit): six,
// eight or ten characters; nullptr with no length chosen, when the box keeps the one it has.
const char* LongestLocatorMask();
const char* LocatorMask(int lengthChoice);
// Whether a box with the pattern holds the text as it is: a letter for each '*', a digit for each '#'.
bool FitsPattern(const std::string& text, const char* pattern);
