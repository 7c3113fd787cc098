// The map's legend against the calculator: the short path as the result boxes show it, the long
// path the rest of the same circle on the same sphere.
#include "calc/Commands.h"
#include "calc/MapLegend.h"
#include "calc/PathReport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

double Number(const std::string& text) { return std::atof(text.c_str()); }

TEST(MapLegend, ShortPathAsTheBoxesLongPathTheRestOfTheCircle)
{
    const char* pairs[][2] = {{"JO62QM", "KO85TS"}, {"JO62QM", "FN20XR"}, {"QF56OD", "JO01AA"},
                              {"FN20xr", "JO62qm55"}, {"JO62QM", "JO62QM"}, {"AA00AA", "RR99XX"},
                              {"JO62QM", "BD07MK"}};
    for (const auto& pair : pairs) {
        SCOPED_TRACE(std::string(pair[0]) + " " + pair[1]);
        CForm form;
        form.Text(Box::Location1) = pair[0];
        form.Text(Box::Location2) = pair[1];
        ASSERT_EQ(CalculateDistance(form).kind, Outcome::kDone);
        CMapLegend legend;
        ASSERT_TRUE(legend.SetLocations(pair[0], pair[1]));
        const PathFigures& s = legend.GetFigures(false);
        EXPECT_EQ(s.bearing, form.Text(Box::Bearing));
        EXPECT_EQ(s.kilometers, form.Text(Box::Kilometers));
        EXPECT_EQ(s.statuteMiles, form.Text(Box::StatuteMiles));
        EXPECT_EQ(s.nauticalMiles, form.Text(Box::NauticalMiles));

        // Round the whole circle: 21600 nautical miles, each half rounded once.
        const PathFigures& l = legend.GetFigures(true);
        EXPECT_NEAR(Number(s.nauticalMiles) + Number(l.nauticalMiles), 21600, 0.1001);
        const double turn = std::fmod(Number(l.bearing) - Number(s.bearing) + 720, 360);
        EXPECT_TRUE(std::fabs(turn - 180) <= 0.1001) << l.bearing << " against " << s.bearing;
        EXPECT_EQ(l.kilometers.find('.'), l.kilometers.size() - 2);
        // The toolbox's long path on the window's sphere, with the true circle constant.
        const CPathReport report(legend.GetLocal(), legend.GetDistant(), CEarth());
        EXPECT_NEAR(Number(l.kilometers), report.GetKm(true), 0.2);
        EXPECT_NEAR(Number(l.statuteMiles), report.GetKm(true) / 1.609344, 0.2);
    }
    CMapLegend legend;
    ASSERT_TRUE(legend.SetLocations("jo62qm", "KO85TS"));
    EXPECT_EQ(legend.GetLocal().name, "JO62QM");
    EXPECT_EQ(legend.Line(false), "Short path: 67.4\260, 1610.1 km, 1000.5 mi, 869.4 nmi");
    EXPECT_EQ(legend.Text().substr(0, 18), "JO62QM to KO85TS\r\n");
}

TEST(MapLegend, RefusesWhatTheCalculatorRefuses)
{
    CMapLegend legend;
    ASSERT_TRUE(legend.SetLocations("JO62QM", "KO85TS"));
    for (const char* distant : {"KO85", "ZZ00AA", "", "JO62Q!"})
        EXPECT_FALSE(legend.SetLocations("JO62QM", distant)) << distant;
    // A refusal keeps what was there.
    EXPECT_EQ(legend.GetDistant().name, "KO85TS");
}

} // namespace
