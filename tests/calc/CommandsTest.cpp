// The calculator's commands on forms: each case fills a form, runs one command and compares
// the whole outcome and the whole form afterwards, so a box that should have stayed as it was
// is checked as well as the ones that change.
#include "calc/Commands.h"
#include "base/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <set>
#include <string>
#include <utility>

namespace {

const char* const kBoxNames[kBoxCount] = {"latD", "latM", "latS", "lonD", "lonM", "lonS", "lat", "lon",
                                          "loc",  "loc1", "loc2", "bearing", "miles", "km", "nm"};

using Texts = std::initializer_list<std::pair<Box, const char*>>;

CForm Fill(Texts texts, int latitudeWorld = 0, int longitudeWorld = 0, int locatorChars = 0)
{
    CForm form;
    for (const auto& [box, text] : texts)
        form.Text(box) = text;
    form.Choice(List::LatitudeWorld) = latitudeWorld;
    form.Choice(List::LongitudeWorld) = longitudeWorld;
    form.Choice(List::LocatorChars) = locatorChars;
    return form;
}

// "box=text ..." for the boxes that hold text, then the three lists' entries.
std::string Describe(const CForm& form)
{
    std::string out;
    for (int i = 0; i < kBoxCount; ++i)
        if (!form.Text(static_cast<Box>(i)).empty())
            out += std::string(kBoxNames[i]) + "=" + form.Text(static_cast<Box>(i)) + " ";
    for (List list : {List::LatitudeWorld, List::LongitudeWorld, List::LocatorChars})
        out += (form.Choice(list) < 0 ? std::string("-") : ListEntries(list).at(form.Choice(list))) +
               (list == List::LocatorChars ? "" : " ");
    return out;
}

std::string Describe(const Outcome& outcome, const CForm& after)
{
    switch (outcome.kind) {
    case Outcome::kComplaint:
        return outcome.text + " @" + kBoxNames[static_cast<int>(outcome.focus)];
    case Outcome::kRefused:
        return "refused: " + outcome.text;
    default:
        std::string saved = "saved";
        const SettingValues values = SavedValues(after, outcome);
        for (const auto& [name, text] : values.texts)
            saved += " " + name + "=" + text;
        for (const auto& [name, number] : values.numbers)
            saved += " " + name + "=" + std::to_string(number);
        return saved;
    }
}

struct Case {
    Outcome (*pfnCommand)(CForm&);
    CForm form;
    const char* outcome;
    const char* after;
};

void Check(std::initializer_list<Case> cases)
{
    for (const Case& c : cases) {
        CForm form = c.form;
        const std::string before = Describe(form);
        const Outcome outcome = c.pfnCommand(form);
        EXPECT_EQ(c.outcome, Describe(outcome, form)) << before;
        EXPECT_EQ(c.after, Describe(form)) << before;
    }
}

const Texts kBerlinDms = {{Box::LatitudeDegree, "52"}, {Box::LatitudeMinute, "31"}, {Box::LatitudeSecond, "15"},
                          {Box::LongitudeDegree, "13"}, {Box::LongitudeMinute, "22"}, {Box::LongitudeSecond, "30"},
                          {Box::Locator, "AA00AA"}};

TEST(Commands, DegreesMinutesSeconds)
{
    Check({
        {CalculateDms, Fill(kBerlinDms),
         "saved LatitudeDegree=52 LatitudeMinute=31 LatitudeSecond=15 LongitudeDegree=13 LongitudeMinute=22 "
         "LongitudeSecond=30 LatitudeWorld=0 LongitudeWorld=0 LocatorChars=0",
         "latD=52 latM=31 latS=15 lonD=13 lonM=22 lonS=30 lat=52.520833 lon=13.375000 loc=JO62QM N E 6"},
        // The locator as long as the length list says; each hemisphere from its own list.
        {CalculateDms, Fill(kBerlinDms, 1, 0, 2),
         "saved LatitudeDegree=52 LatitudeMinute=31 LatitudeSecond=15 LongitudeDegree=13 LongitudeMinute=22 "
         "LongitudeSecond=30 LatitudeWorld=1 LongitudeWorld=0 LocatorChars=2",
         "latD=52 latM=31 latS=15 lonD=13 lonM=22 lonS=30 lat=-52.520833 lon=13.375000 loc=JD67QL55AA S E 10"},
        {CalculateDms, Fill(kBerlinDms, 0, 1),
         "saved LatitudeDegree=52 LatitudeMinute=31 LatitudeSecond=15 LongitudeDegree=13 LongitudeMinute=22 "
         "LongitudeSecond=30 LatitudeWorld=0 LongitudeWorld=1 LocatorChars=0",
         "latD=52 latM=31 latS=15 lonD=13 lonM=22 lonS=30 lat=52.520833 lon=-13.375000 loc=IO32HM N W 6"},
        // Missing seconds count as zero: shown as 0.00, saved as 0.
        {CalculateDms,
         Fill({{Box::LatitudeDegree, "52"}, {Box::LatitudeMinute, "31"}, {Box::LongitudeDegree, "13"},
               {Box::LongitudeMinute, "22"}}, 0, 0, 1),
         "saved LatitudeDegree=52 LatitudeMinute=31 LatitudeSecond=0 LongitudeDegree=13 LongitudeMinute=22 "
         "LongitudeSecond=0 LatitudeWorld=0 LongitudeWorld=0 LocatorChars=1",
         "latD=52 latM=31 latS=0.00 lonD=13 lonM=22 lonS=0.00 lat=52.516667 lon=13.366667 loc=JO62QM44 N E 8"},
        // No minus zero is shown: not for minus zero parts, nor for a position that rounds to zero.
        {CalculateDms,
         Fill({{Box::LatitudeDegree, "-0"}, {Box::LatitudeMinute, "-0"}, {Box::LatitudeSecond, "-0"},
               {Box::LongitudeDegree, "-0"}, {Box::LongitudeMinute, "-0"}, {Box::LongitudeSecond, "-0"}}),
         "saved LatitudeDegree=-0 LatitudeMinute=-0 LatitudeSecond=-0 LongitudeDegree=-0 LongitudeMinute=-0 "
         "LongitudeSecond=-0 LatitudeWorld=0 LongitudeWorld=0 LocatorChars=0",
         "latD=-0 latM=-0 latS=-0 lonD=-0 lonM=-0 lonS=-0 lat=0.000000 lon=0.000000 loc=JJ00AA N E 6"},
        {CalculateDms,
         Fill({{Box::LatitudeDegree, "0"}, {Box::LatitudeMinute, "0"}, {Box::LatitudeSecond, "0.0001"},
               {Box::LongitudeDegree, "0"}, {Box::LongitudeMinute, "0"}, {Box::LongitudeSecond, "0.0001"}}, 1, 1),
         "saved LatitudeDegree=0 LatitudeMinute=0 LatitudeSecond=0.0001 LongitudeDegree=0 LongitudeMinute=0 "
         "LongitudeSecond=0.0001 LatitudeWorld=1 LongitudeWorld=1 LocatorChars=0",
         "latD=0 latM=0 latS=0.0001 lonD=0 lonM=0 lonS=0.0001 lat=0.000000 lon=0.000000 loc=JJ00AA S W 6"},
    });
}

TEST(Commands, PositionsOffTheGlobeAreRefused)
{
    // Parts that pass their checks but add up to more than 90 (180); locators with letters
    // off the grid. Refused like any position the engine refuses: nothing shown or saved.
    Check({
        {CalculateDms,
         Fill({{Box::LatitudeDegree, "89.5"}, {Box::LatitudeMinute, "59"}, {Box::LongitudeDegree, "0"},
               {Box::LongitudeMinute, "0"}}),
         "refused: Latitude not accepted", "latD=89.5 latM=59 latS=0.00 lonD=0 lonM=0 lonS=0.00 N E 6"},
        {CalculateDms,
         Fill({{Box::LatitudeDegree, "89"}, {Box::LatitudeMinute, "59"}, {Box::LatitudeSecond, "59"},
               {Box::LongitudeDegree, "179.99"}, {Box::LongitudeMinute, "59"}, {Box::LongitudeSecond, "59"}}, 1, 1),
         "refused: Longitude not accepted",
         "latD=89 latM=59 latS=59 lonD=179.99 lonM=59 lonS=59 S W 6"},
        {CalculateLocator, Fill({{Box::Locator, "ZZ99ZZ"}, {Box::LatitudeDecimal, "1"}}),
         "refused: Locator not accepted", "lat=1 loc=ZZ99ZZ N E 6"},
        {CalculateDistance, Fill({{Box::Location1, "JN77YA"}, {Box::Location2, "JN77XA"}}),
         "refused: Locations not accepted", "loc1=JN77YA loc2=JN77XA N E 6"},
    });
}

TEST(Commands, DegreesMinutesSecondsChecksInOrder)
{
    // Each check wins over those after it and leaves the rest of the form alone, except that
    // a missing latitude second has already become zero.
    Check({
        {CalculateDms, Fill({{Box::LatitudeDegree, "90"}, {Box::Locator, "AA00AA"}}),
         "Please enter Latitude Degrees @latD", "latD=90 loc=AA00AA N E 6"},
        {CalculateDms, Fill({{Box::LatitudeDegree, "-90"}}), "Please enter Latitude Degrees @latD", "latD=-90 N E 6"},
        {CalculateDms, Fill({{Box::LatitudeDegree, "429496729600005"}, {Box::LatitudeMinute, "1"}}),
         "Please enter Latitude Degrees @latD", "latD=429496729600005 latM=1 N E 6"},
        {CalculateDms, Fill({{Box::LatitudeDegree, "89"}, {Box::LongitudeDegree, "180"}}),
         "Please enter Latitude Minutes @latM", "latD=89 lonD=180 N E 6"},
        {CalculateDms, Fill({{Box::LatitudeDegree, "89"}, {Box::LatitudeMinute, "60"}}),
         "Please enter Latitude Minutes @latM", "latD=89 latM=60 N E 6"},
        {CalculateDms, Fill({{Box::LatitudeDegree, "89"}, {Box::LatitudeMinute, "59"}, {Box::LongitudeMinute, "60"}}),
         "Please enter Longitude Degrees @lonD", "latD=89 latM=59 latS=0.00 lonM=60 N E 6"},
        {CalculateDms,
         Fill({{Box::LatitudeDegree, "89"}, {Box::LatitudeMinute, "59"}, {Box::LongitudeDegree, "179"},
               {Box::LongitudeMinute, "60"}, {Box::Locator, "AA00AA"}}),
         "Please enter Longitude Minutes @lonM", "latD=89 latM=59 latS=0.00 lonD=179 lonM=60 loc=AA00AA N E 6"},
        // Seconds of 60 or more: checked right after the same side's minutes, on the whole part.
        {CalculateDms,
         Fill({{Box::LatitudeDegree, "52"}, {Box::LatitudeMinute, "31"}, {Box::LatitudeSecond, "75"},
               {Box::Locator, "AA00AA"}}),
         "Please enter Latitude Seconds @latS", "latD=52 latM=31 latS=75 loc=AA00AA N E 6"},
        {CalculateDms,
         Fill({{Box::LatitudeDegree, "52"}, {Box::LatitudeMinute, "31"}, {Box::LongitudeDegree, "13"},
               {Box::LongitudeMinute, "22"}, {Box::LongitudeSecond, "60.00"}}),
         "Please enter Longitude Seconds @lonS", "latD=52 latM=31 latS=0.00 lonD=13 lonM=22 lonS=60.00 N E 6"},
        // Just below 60 is a second.
        {CalculateDms,
         Fill({{Box::LatitudeDegree, "52"}, {Box::LatitudeMinute, "31"}, {Box::LatitudeSecond, "59.99"},
               {Box::LongitudeDegree, "13"}, {Box::LongitudeMinute, "22"}, {Box::LongitudeSecond, "59.99"}}),
         "saved LatitudeDegree=52 LatitudeMinute=31 LatitudeSecond=59.99 LongitudeDegree=13 LongitudeMinute=22 "
         "LongitudeSecond=59.99 LatitudeWorld=0 LongitudeWorld=0 LocatorChars=0",
         "latD=52 latM=31 latS=59.99 lonD=13 lonM=22 lonS=59.99 lat=52.533331 lon=13.383331 loc=JO62QM N E 6"},
        // Whole parts pass the checks; the engine refuses a negative part after the locator was
        // emptied, and nothing is shown or saved.
        {CalculateDms,
         Fill({{Box::LatitudeDegree, "-5"}, {Box::LatitudeMinute, "0"}, {Box::LongitudeDegree, "0"},
               {Box::LongitudeMinute, "0"}, {Box::Locator, "AA00AA"}, {Box::LatitudeDecimal, "1"}}),
         "refused: Latitude not accepted", "latD=-5 latM=0 latS=0.00 lonD=0 lonM=0 lonS=0.00 lat=1 N E 6"},
    });
}

TEST(Commands, DecimalDegrees)
{
    Check({
        {CalculateDecimal, Fill({{Box::LatitudeDecimal, "-33.8688"}, {Box::LongitudeDecimal, "151.2093"}}, 0, 1, 2),
         "saved LatitudeDecimal=-33.8688 LongitudeDecimal=151.2093 LocatorChars=2",
         "latD=33 latM=52 latS=7.68 lonD=151 lonM=12 lonS=33.48 lat=-33.8688 lon=151.2093 loc=QF56OD51CL S E 10"},
        // The bounds pass; the letters follow the signs, -0 included.
        {CalculateDecimal, Fill({{Box::LatitudeDecimal, "90"}, {Box::LongitudeDecimal, "-180"}}, 1),
         "saved LatitudeDecimal=90 LongitudeDecimal=-180 LocatorChars=0",
         "latD=90 latM=0 latS=0.00 lonD=180 lonM=0 lonS=0.00 lat=90 lon=-180 loc=AR09AX N W 6"},
        {CalculateDecimal, Fill({{Box::LatitudeDecimal, "-0"}, {Box::LongitudeDecimal, "-0.0000001"}}, 1, 0, 1),
         "saved LatitudeDecimal=-0 LongitudeDecimal=-0.0000001 LocatorChars=1",
         "latD=0 latM=0 latS=0.00 lonD=0 lonM=0 lonS=0.00 lat=-0 lon=-0.0000001 loc=JJ00AA00 N W 8"},
        // The whole value is checked, not its whole part: 90.5 is no latitude.
        {CalculateDecimal, Fill({{Box::LatitudeDecimal, "90.5"}, {Box::Locator, "AA00AA"}}),
         "Please enter Latitude @lat", "lat=90.5 loc=AA00AA N E 6"},
        {CalculateDecimal, Fill({{Box::LongitudeDecimal, "1"}}), "Please enter Latitude @lat", "lon=1 N E 6"},
        {CalculateDecimal, Fill({{Box::LatitudeDecimal, "0"}, {Box::LongitudeDecimal, "-180.5"}}),
         "Please enter Longitude @lon", "lat=0 lon=-180.5 N E 6"},
        {CalculateDecimal, Fill({{Box::LatitudeDecimal, "0"}}), "Please enter Longitude @lon", "lat=0 N E 6"},
    });
}

TEST(Commands, LocatorAndDistance)
{
    const Texts results = {{Box::Bearing, "1"}, {Box::StatuteMiles, "2"}, {Box::Kilometers, "3"},
                           {Box::NauticalMiles, "4"}};
    auto pair = [&](const char* local, const char* distant) {
        CForm form = Fill(results);
        form.Text(Box::Location1) = local;
        form.Text(Box::Location2) = distant;
        return form;
    };
    Check({
        // The locator box keeps its text as typed; the hemispheres follow the position.
        {CalculateLocator, Fill({{Box::Locator, "JO62QM"}}, 1, 1, 1), "saved Locator=JO62QM LocatorChars=1",
         "latD=52 latM=31 latS=15.00 lonD=13 lonM=22 lonS=30.00 lat=52.520833 lon=13.375000 loc=JO62QM N E 8"},
        {CalculateLocator, Fill({{Box::Locator, "AA00AA"}}), "saved Locator=AA00AA LocatorChars=0",
         "latD=89 latM=58 latS=45.00 lonD=179 lonM=57 lonS=30.00 lat=-89.979167 lon=-179.958333 loc=AA00AA S W 6"},
        {CalculateLocator, Fill({{Box::Locator, "JO62Q"}, {Box::LatitudeDegree, "1"}}),
         "Please enter IARU Locator @loc", "latD=1 loc=JO62Q N E 6"},
        {CalculateLocator, Fill({{Box::Locator, " JO62Q "}}), "refused: Locator not accepted", "loc= JO62Q  N E 6"},

        {CalculateDistance, pair("JO62QM", "KO85TS"), "saved Location1=JO62QM Location2=KO85TS",
         "loc1=JO62QM loc2=KO85TS bearing=67.4 miles=1000.5 km=1610.1 nm=869.4 N E 6"},
        {CalculateDistance, pair("JO62Q", "KO85T"), "Please enter first location @loc1",
         "loc1=JO62Q loc2=KO85T bearing=1 miles=2 km=3 nm=4 N E 6"},
        {CalculateDistance, pair("KO85TS", "JO62Q"), "Please enter second location @loc2",
         "loc1=KO85TS loc2=JO62Q bearing=1 miles=2 km=3 nm=4 N E 6"},
        {CalculateDistance, pair("J062QM", "KO85TS"), "refused: Locations not accepted",
         "loc1=J062QM loc2=KO85TS N E 6"},
    });
}

TEST(Commands, ResetsClearTheirOwnSideOnly)
{
    CForm form = Fill({{Box::LatitudeDegree, "1"}, {Box::LatitudeMinute, "2"}, {Box::LatitudeSecond, "3"},
                       {Box::LongitudeDegree, "4"}, {Box::LongitudeMinute, "5"}, {Box::LongitudeSecond, "6"},
                       {Box::LatitudeDecimal, "7"}, {Box::LongitudeDecimal, "8"}, {Box::Locator, "AA00AA"},
                       {Box::Location1, "JO62QM"}, {Box::Location2, "KO85TS"}, {Box::Bearing, "9"},
                       {Box::StatuteMiles, "10"}, {Box::Kilometers, "11"}, {Box::NauticalMiles, "12"}},
                      1, 1, 2);
    CForm position = form;
    ResetPosition(position);
    EXPECT_EQ("loc1=JO62QM loc2=KO85TS bearing=9 miles=10 km=11 nm=12 N E 10", Describe(position));
    ResetDistance(form);
    EXPECT_EQ("latD=1 latM=2 latS=3 lonD=4 lonM=5 lonS=6 lat=7 lon=8 loc=AA00AA S W 10", Describe(form));
}

TEST(Commands, StoredValuesComeBackByTheListsRules)
{
    // The length list takes only 1 and 2; a world takes 0 and anything else as 1.
    const struct {
        std::uint32_t locatorChars, latitudeWorld, longitudeWorld;
        const char* shown;
    } rounds[] = {{1, 0, 1, "N W 8"}, {2, 5, 0x100, "S W 10"}, {3, 0xFFFFFFFF, 0, "S E 8"}, {0, 0, 0, "N E 8"}};
    for (const auto& round : rounds) {
        CForm form = Fill({}, 1, 1, 1);
        SettingValues stored;
        stored.texts = {{"LatitudeDegree", "123"}, {"LongitudeDecimal", "-1.5"}, {"Location2", "JO62QM55AAJO62Q"}};
        stored.numbers = {{"LatitudeWorld", round.latitudeWorld}, {"LongitudeWorld", round.longitudeWorld},
                          {"LocatorChars", round.locatorChars}};
        Restore(form, stored);
        EXPECT_EQ(std::string("latD=123 lon=-1.5 loc2=JO62QM55AAJO62Q ") + round.shown, Describe(form));
    }
    // Every remembered box has a name of its own that reads it back.
    std::set<std::string> described;
    for (const std::string& name : RememberedTextNames()) {
        CForm form;
        Restore(form, SettingValues{{{name, "x"}}, {}});
        described.insert(Describe(form));
    }
    EXPECT_EQ(11u, described.size());
    EXPECT_EQ(0u, described.count("N E 6"));
}

} // namespace

// WSJT-X's DX: the local box is taken only while empty or still WSJT-X's; 4-character grids go
// in as the sub-square at their centre; what the distance Calculate would refuse changes nothing.
TEST(Commands, DxFromAnotherProgram)
{
    CForm form;
    ASSERT_TRUE(TakeDx(form, "io91wm", "FN42", ""));
    EXPECT_EQ("IO91WM", form.Text(Box::Location1));
    EXPECT_EQ("FN42MM", form.Text(Box::Location2));
    EXPECT_TRUE(form.Text(Box::Bearing).empty()) << "taking a DX does not calculate; Calculate does";

    // The user's own local locator stays; WSJT-X's own grid from before is replaced.
    form.Text(Box::Location1) = "JO62QM";
    ASSERT_TRUE(TakeDx(form, "IO91WM", "PM95vq", "IO91WM"));
    EXPECT_EQ("JO62QM", form.Text(Box::Location1));
    EXPECT_EQ("PM95VQ", form.Text(Box::Location2));
    form.Text(Box::Location1) = "IO91WM";
    ASSERT_TRUE(TakeDx(form, "KO85", "FN42", "IO91WM"));
    EXPECT_EQ("KO85MM", form.Text(Box::Location1));

    const CForm before = form;
    for (const char* grid : {"", "FN4", "FN42M", "FN42MMX", "F142", "SS00", "FN42 M", "FN42MM5X"})
    {
        EXPECT_FALSE(TakeDx(form, "IO91WM", grid, "")) << grid;
        for (int box = 0; box < kBoxCount; ++box)
            EXPECT_EQ(before.Text(static_cast<Box>(box)), form.Text(static_cast<Box>(box))) << grid;
    }
    CForm empty;
    EXPECT_FALSE(TakeDx(empty, "", "FN42", "")) << "no own grid and no local locator";
    EXPECT_TRUE(empty.Text(Box::Location2).empty());
}

TEST(Commands, ShownBearingOfTheShortAndTheLongPath)
{
    CForm form;
    double bearing = -1;
    EXPECT_FALSE(ShownBearing(form, false, bearing));
    form.Text(Box::Location1) = "JO62QM";
    form.Text(Box::Location2) = "FN20XR";
    ASSERT_EQ(Outcome::kDone, CalculateDistance(form).kind);
    ASSERT_TRUE(ShownBearing(form, false, bearing));
    EXPECT_EQ(form.Text(Box::Bearing), FormatShown(bearing, 1));
    double longBearing = -1;
    ASSERT_TRUE(ShownBearing(form, true, longBearing));
    EXPECT_DOUBLE_EQ(std::fmod(bearing + 180, 360), longBearing);
    EXPECT_LT(longBearing, 360);
    for (const char* shown : {"", "abc", "360.0", "-0.5", "nan"})
    {
        form.Text(Box::Bearing) = shown;
        EXPECT_FALSE(ShownBearing(form, false, bearing)) << shown;
    }
}
