#include "calc/Form.h"

#include "base/Characters.h"

#include <iterator>

namespace {

// The remembered boxes, in the order they are read at start.
const struct {
    Box box;
    const char* name;
} kRememberedBoxes[] = {
    {Box::Locator, "Locator"},
    {Box::Location1, "Location1"},
    {Box::Location2, "Location2"},
    {Box::LatitudeDegree, "LatitudeDegree"},
    {Box::LatitudeMinute, "LatitudeMinute"},
    {Box::LatitudeSecond, "LatitudeSecond"},
    {Box::LongitudeDegree, "LongitudeDegree"},
    {Box::LongitudeMinute, "LongitudeMinute"},
    {Box::LongitudeSecond, "LongitudeSecond"},
    {Box::LongitudeDecimal, "LongitudeDecimal"},
    {Box::LatitudeDecimal, "LatitudeDecimal"},
};

// Indexed by List.
const char* const kListNames[kListCount] = {"LatitudeWorld", "LongitudeWorld", "LocatorChars"};

const char* const kLocatorMasks[] = {"**##**", "**##**##", "**##**##**"};

// The index a stored number chooses, or -1 when the list keeps its choice. The length list
// takes only its second and third entries; 0 and anything past them leave it at the first.
int StoredChoice(List list, std::uint32_t value)
{
    if (list == List::LocatorChars)
        return value == 1 || value == 2 ? static_cast<int>(value) : -1;
    return value != 0 ? 1 : 0;
}

} // namespace

CForm::CForm()
{
    m_nChoices.fill(0);
}

const std::vector<std::string>& ListEntries(List list)
{
    static const std::vector<std::string> entries[kListCount] = {{"N", "S"}, {"E", "W"}, {"6", "8", "10"}};
    return entries[static_cast<int>(list)];
}

const char* SettingName(Box box)
{
    for (const auto& remembered : kRememberedBoxes)
        if (remembered.box == box)
            return remembered.name;
    return nullptr;
}

const char* SettingName(List list)
{
    return kListNames[static_cast<int>(list)];
}

std::vector<std::string> RememberedTextNames()
{
    std::vector<std::string> names;
    for (const auto& remembered : kRememberedBoxes)
        names.push_back(remembered.name);
    return names;
}

std::vector<std::string> RememberedNumberNames()
{
    return std::vector<std::string>(std::begin(kListNames), std::end(kListNames));
}

void Restore(CForm& form, const SettingValues& stored)
{
    for (const auto& [name, text] : stored.texts)
        for (const auto& remembered : kRememberedBoxes)
            if (name == remembered.name)
                form.Text(remembered.box) = text;
    for (const auto& [name, value] : stored.numbers)
        for (int i = 0; i < kListCount; ++i)
            if (name == kListNames[i]) {
                const int choice = StoredChoice(static_cast<List>(i), value);
                if (choice >= 0)
                    form.Choice(static_cast<List>(i)) = choice;
            }
}

const char* LongestLocatorMask()
{
    return kLocatorMasks[std::size(kLocatorMasks) - 1];
}

const char* LocatorMask(int lengthChoice)
{
    if (lengthChoice < 0 || lengthChoice >= static_cast<int>(std::size(kLocatorMasks)))
        return nullptr;
    return kLocatorMasks[lengthChoice];
}

bool FitsPattern(const std::string& text, const char* pattern)
{
    if (text.size() > std::char_traits<char>::length(pattern))
        return false;
    for (std::string::size_type i = 0; i < text.size(); ++i)
        if (pattern[i] == '#' ? !IsDigit(text[i]) : !IsUpperLetter(text[i]))
            return false;
    return true;
}
