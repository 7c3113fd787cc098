#include "calc/Commands.h"

#include "base/Characters.h"
#include "base/NumberText.h"
#include "engine/GeoPoint.h"
#include "engine/PathCalc.h"

#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <utility>

const char kLatitudeRefused[] = "Latitude not accepted";
const char kLongitudeRefused[] = "Longitude not accepted";
const char kLocatorRefused[] = "Locator not accepted";
const char kLocationsRefused[] = "Locations not accepted";

namespace {

const struct {
    Box box;
    const char* text;
} kComplaints[] = {
    {Box::Location1, "Please enter first location"},
    {Box::Location2, "Please enter second location"},
    {Box::LatitudeDegree, "Please enter Latitude Degrees"},
    {Box::LatitudeMinute, "Please enter Latitude Minutes"},
    {Box::LatitudeSecond, "Please enter Latitude Seconds"},
    {Box::LongitudeDegree, "Please enter Longitude Degrees"},
    {Box::LongitudeMinute, "Please enter Longitude Minutes"},
    {Box::LongitudeSecond, "Please enter Longitude Seconds"},
    {Box::LatitudeDecimal, "Please enter Latitude"},
    {Box::LongitudeDecimal, "Please enter Longitude"},
    {Box::Locator, "Please enter IARU Locator"},
};

// Output formats: decimals after the point.
const int kDecimalDegrees = 6;
const int kWholeParts = 0;
const int kSeconds = 2;
const int kDistances = 1;

// Degrees, minutes and seconds, checked in this order on the whole part of each text. A
// missing second is no complaint: it counts as zero. A second of 60 or more is one, so that
// 75 is never silently read as 0.
const struct {
    Box box;
    int limit;
    bool zeroWhenMissing;
} kDmsChecks[] = {
    {Box::LatitudeDegree, 90, false},  {Box::LatitudeMinute, 60, false},  {Box::LatitudeSecond, 60, true},
    {Box::LongitudeDegree, 180, false}, {Box::LongitudeMinute, 60, false}, {Box::LongitudeSecond, 60, true},
};

// Decimal degrees, checked in this order on the whole value: 90.5 is no latitude.
const struct {
    Box box;
    double limit;
} kDecimalChecks[] = {{Box::LatitudeDecimal, 90}, {Box::LongitudeDecimal, 180}};

// Locator boxes need at least a square's six characters.
const std::string::size_type kSquareChars = 6;

Outcome Done(SavedGroup saved, unsigned zeroedBoxes = 0)
{
    Outcome outcome;
    outcome.saved = saved;
    outcome.zeroedBoxes = zeroedBoxes;
    return outcome;
}

Outcome Complain(Box box)
{
    Outcome outcome;
    outcome.kind = Outcome::kComplaint;
    outcome.text = Complaint(box);
    outcome.focus = box;
    return outcome;
}

Outcome Refuse(const char* what)
{
    Outcome outcome;
    outcome.kind = Outcome::kRefused;
    outcome.text = what;
    return outcome;
}

void AddTexts(SettingValues& saved, const CForm& form, std::initializer_list<Box> boxes)
{
    saved.texts.reserve(boxes.size());
    for (Box box : boxes)
        saved.texts.emplace_back(SettingName(box), form.Text(box));
}

void AddChoices(SettingValues& saved, const CForm& form, std::initializer_list<List> lists)
{
    saved.numbers.reserve(lists.size());
    for (List list : lists)
        saved.numbers.emplace_back(SettingName(list), static_cast<std::uint32_t>(form.Choice(list)));
}

void Empty(CForm& form, std::initializer_list<Box> boxes)
{
    for (Box box : boxes)
        form.Text(box).clear();
}

// The locator box shows as much of the engine's ten characters as the chosen length allows.
void ShowLocator(CForm& form, const std::string& locator)
{
    const char* mask = LocatorMask(form.Choice(List::LocatorChars));
    form.Text(Box::Locator) = mask ? locator.substr(0, std::char_traits<char>::length(mask)) : locator;
}

// Index 1 of a hemisphere list is "S" or "W".
void ShowParts(CForm& form, double degrees, double minutes, double seconds, bool negative, Box degreeBox,
               Box minuteBox, Box secondBox, List hemisphere)
{
    form.Text(degreeBox) = FormatShown(degrees, kWholeParts);
    form.Text(minuteBox) = FormatShown(minutes, kWholeParts);
    form.Text(secondBox) = FormatShown(seconds, kSeconds);
    form.Choice(hemisphere) = negative ? 1 : 0;
}

void ShowLatitudeParts(CForm& form, const CGeoPoint& point, bool negative)
{
    ShowParts(form, point.GetLatitudeDegree(), point.GetLatitudeMinute(), point.GetLatitudeSecond(), negative,
              Box::LatitudeDegree, Box::LatitudeMinute, Box::LatitudeSecond, List::LatitudeWorld);
}

void ShowLongitudeParts(CForm& form, const CGeoPoint& point, bool negative)
{
    ShowParts(form, point.GetLongitudeDegree(), point.GetLongitudeMinute(), point.GetLongitudeSecond(), negative,
              Box::LongitudeDegree, Box::LongitudeMinute, Box::LongitudeSecond, List::LongitudeWorld);
}

} // namespace

const char* Complaint(Box box)
{
    for (const auto& complaint : kComplaints)
        if (complaint.box == box)
            return complaint.text;
    return "";
}

int DecimalsShown(Box box)
{
    switch (box) {
    case Box::LatitudeDecimal:
    case Box::LongitudeDecimal:
        return kDecimalDegrees;
    case Box::LatitudeDegree:
    case Box::LatitudeMinute:
    case Box::LongitudeDegree:
    case Box::LongitudeMinute:
        return kWholeParts;
    case Box::LatitudeSecond:
    case Box::LongitudeSecond:
        return kSeconds;
    case Box::Bearing:
    case Box::StatuteMiles:
    case Box::Kilometers:
    case Box::NauticalMiles:
        return kDistances;
    default:
        return -1;
    }
}

double CheckLimit(Box box)
{
    for (const auto& check : kDmsChecks)
        if (check.box == box)
            return check.limit;
    for (const auto& check : kDecimalChecks)
        if (check.box == box)
            return check.limit;
    return 0;
}

Outcome CalculateDms(CForm& form)
{
    // A missing seconds box counts as zero: shown as "0.00", saved as the "0" that was used.
    unsigned zeroed = 0;
    for (const auto& check : kDmsChecks) {
        const std::string& text = form.Text(check.box);
        if (!text.empty() && std::abs(IntegerValue(text)) < check.limit)
            continue;
        if (!text.empty() || !check.zeroWhenMissing)
            return Complain(check.box);
        zeroed |= 1u << static_cast<int>(check.box);
        form.Text(check.box) = FormatShown(0, kSeconds);
    }

    form.Text(Box::Locator).clear();
    const char latitudeWorld = form.Choice(List::LatitudeWorld) == 1 ? 'S' : 'N';
    const char longitudeWorld = form.Choice(List::LongitudeWorld) == 1 ? 'W' : 'E';
    CGeoPoint point;
    if (!point.SetLatitudeDMS(RealValue(form.Text(Box::LatitudeDegree)), RealValue(form.Text(Box::LatitudeMinute)),
                              RealValue(form.Text(Box::LatitudeSecond)), latitudeWorld))
        return Refuse(kLatitudeRefused);
    if (!point.SetLongitudeDMS(RealValue(form.Text(Box::LongitudeDegree)),
                               RealValue(form.Text(Box::LongitudeMinute)),
                               RealValue(form.Text(Box::LongitudeSecond)), longitudeWorld))
        return Refuse(kLongitudeRefused);

    form.Text(Box::LatitudeDecimal) = FormatShown(point.GetLatitude(), kDecimalDegrees);
    form.Text(Box::LongitudeDecimal) = FormatShown(point.GetLongitude(), kDecimalDegrees);
    ShowLocator(form, point.GetLocator());
    return Done(SavedGroup::Dms, zeroed);
}

Outcome CalculateDecimal(CForm& form)
{
    for (const auto& check : kDecimalChecks) {
        const std::string& text = form.Text(check.box);
        if (text.empty() || std::fabs(RealValue(text)) > check.limit)
            return Complain(check.box);
    }

    form.Text(Box::Locator).clear();
    const double latitude = RealValue(form.Text(Box::LatitudeDecimal));
    const double longitude = RealValue(form.Text(Box::LongitudeDecimal));
    CGeoPoint point;
    if (!point.SetLatitude(latitude))
        return Refuse(kLatitudeRefused);
    if (!point.SetLongitude(longitude))
        return Refuse(kLongitudeRefused);

    ShowLocator(form, point.GetLocator());
    ShowLatitudeParts(form, point, latitude < 0);
    ShowLongitudeParts(form, point, longitude < 0);
    return Done(SavedGroup::Decimal);
}

Outcome CalculateLocator(CForm& form)
{
    const std::string& locator = form.Text(Box::Locator);
    if (locator.size() < kSquareChars)
        return Complain(Box::Locator);
    CGeoPoint point;
    if (!point.SetLocator(locator))
        return Refuse(kLocatorRefused);

    form.Text(Box::LatitudeDecimal) = FormatShown(point.GetLatitude(), kDecimalDegrees);
    ShowLatitudeParts(form, point, point.GetLatitude() < 0);
    form.Text(Box::LongitudeDecimal) = FormatShown(point.GetLongitude(), kDecimalDegrees);
    ShowLongitudeParts(form, point, point.GetLongitude() < 0);
    return Done(SavedGroup::Locator);
}

Outcome CalculateDistance(CForm& form)
{
    for (Box box : {Box::Location1, Box::Location2})
        if (form.Text(box).size() < kSquareChars)
            return Complain(box);

    Empty(form, {Box::Bearing, Box::StatuteMiles, Box::Kilometers, Box::NauticalMiles});
    CPathCalc path;
    if (!path.SetLocations(form.Text(Box::Location1), form.Text(Box::Location2)))
        return Refuse(kLocationsRefused);
    form.Text(Box::Bearing) = FormatShown(path.GetBearing(), kDistances);
    form.Text(Box::StatuteMiles) = FormatShown(path.GetStatuteMiles(), kDistances);
    form.Text(Box::Kilometers) = FormatShown(path.GetKilometers(), kDistances);
    form.Text(Box::NauticalMiles) = FormatShown(path.GetNauticalMiles(), kDistances);

    return Done(SavedGroup::Distance);
}

void ResetPosition(CForm& form)
{
    Empty(form, {Box::LatitudeDecimal, Box::LongitudeDecimal, Box::LatitudeDegree, Box::LatitudeMinute,
                 Box::LatitudeSecond, Box::LongitudeDegree, Box::LongitudeMinute, Box::LongitudeSecond,
                 Box::Locator});
    form.Choice(List::LatitudeWorld) = 0;
    form.Choice(List::LongitudeWorld) = 0;
}

void ResetDistance(CForm& form)
{
    Empty(form, {Box::Location1, Box::Location2, Box::Bearing, Box::StatuteMiles, Box::Kilometers,
                 Box::NauticalMiles});
}

// WSJT-X mostly reports 4-character grids, which the locator boxes do not take: such a grid goes
// in as the sub-square that starts at its centre, as the engine pads a short locator with "55AA".
std::string GridForBox(std::string grid)
{
    ToUpper(grid);
    if (grid.size() == 4)
        grid += "MM";
    return grid;
}

bool TakeDx(CForm& form, const std::string& ownGridSent, const std::string& dxGridSent, const std::string& ownGridBefore)
{
    const std::string ownGrid = GridForBox(ownGridSent), dxGrid = GridForBox(dxGridSent);
    CForm taken = form;
    const std::string& local = form.Text(Box::Location1);
    if (local.empty() || local == ownGridBefore)
        taken.Text(Box::Location1) = ownGrid;
    taken.Text(Box::Location2) = dxGrid;
    for (Box box : {Box::Location1, Box::Location2})
        if (!FitsPattern(taken.Text(box), LongestLocatorMask()))
            return false;
    CForm trial = taken;
    if (CalculateDistance(trial).kind != Outcome::kDone)
        return false;
    form = taken;
    return true;
}

bool ShownBearing(const CForm& form, bool longPath, double& bearing)
{
    double shown = 0;
    if (!ReadDecimal(form.Text(Box::Bearing), shown) || !(shown >= 0 && shown < 360))
        return false;
    bearing = longPath ? std::fmod(shown + 180, 360.0) : shown;
    return true;
}

SettingValues SavedValues(const CForm& form, const Outcome& outcome)
{
    SettingValues saved;
    switch (outcome.saved) {
    case SavedGroup::Dms:
        AddTexts(saved, form,
                 {Box::LatitudeDegree, Box::LatitudeMinute, Box::LatitudeSecond, Box::LongitudeDegree,
                  Box::LongitudeMinute, Box::LongitudeSecond});
        for (Box box : {Box::LatitudeSecond, Box::LongitudeSecond})
            if (outcome.zeroedBoxes & (1u << static_cast<int>(box)))
                for (auto& [name, text] : saved.texts)
                    if (name == SettingName(box))
                        text = "0";
        AddChoices(saved, form, {List::LatitudeWorld, List::LongitudeWorld, List::LocatorChars});
        break;
    case SavedGroup::Decimal:
        AddTexts(saved, form, {Box::LatitudeDecimal, Box::LongitudeDecimal});
        AddChoices(saved, form, {List::LocatorChars});
        break;
    case SavedGroup::Locator:
        AddTexts(saved, form, {Box::Locator});
        AddChoices(saved, form, {List::LocatorChars});
        break;
    case SavedGroup::Distance:
        AddTexts(saved, form, {Box::Location1, Box::Location2});
        break;
    }
    return saved;
}
