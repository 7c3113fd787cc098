// CPathCalc and RoundValue: bearing and distances to the tenth, the arc cosines' edges, and the
// rounding against the slower formula it stands for.
#include "engine/PathCalc.h"
#include "tests/support/SplitMix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

// Bearing, nautical miles, statute miles, kilometres as the window shows them.
std::string Shown(const CPathCalc& path)
{
    char s[100];
    std::snprintf(s, sizeof s, "%.1f %.1f %.1f %.1f", path.GetBearing(), path.GetNauticalMiles(),
                  path.GetStatuteMiles(), path.GetKilometers());
    return s;
}

std::string Results(const std::string& a, const std::string& b)
{
    CPathCalc path;
    return path.SetLocations(a, b) ? Shown(path) : "refused";
}

TEST(PathCalc, ShowsBearingAndDistancesToTheTenth)
{
    const char* const cases[][3] = {
        {"JO62QM", "JO62QM", "0.0 0.0 0.0 0.0"},
        {"JJ00AA", "JJ10AA", "90.0 120.0 138.1 222.2"},
        {"JJ00AA", "JJ01AA", "0.0 60.0 69.0 111.1"},
        {"JJ01AA", "JJ00AA", "180.0 60.0 69.0 111.1"},
        {"JO62QM", "KO85TS", "67.4 869.4 1000.5 1610.1"},
        // Statute miles and kilometres come from the rounded nautical miles (else 4399.6).
        {"KB09NN", "OG33JM", "95.5 3823.1 4399.5 7080.4"},
        // Not reduced modulo 360: rounds up from 359.95.
        {"JJ00AA00AA", "IK91XA90KA", "360.0 660.0 759.5 1222.3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Results(c[0], c[1]), c[2]) << c[0] << " " << c[1];
    // Nearly antipodal: the law-of-cosines argument comes out a hair below -1 for some of
    // these (natively and under Wine); unclamped, its arc cosine was NaN and the window showed 0.0.
    const char* const pairs[][2] = {{"OB40OH", "FQ49OQ"}, {"OK73IR", "FH76IG"}, {"HQ57KE", "QB52KT"},
                                    {"QI04BC", "HJ05BV"}, {"NN68WH", "EE61WQ"}, {"HE43IQ", "QN46IH"},
                                    {"OI68VA08EO", "FJ61VX01EK"}};
    for (const auto& pair : pairs) {
        const std::string shown = Results(pair[0], pair[1]);
        EXPECT_EQ(shown.substr(shown.find(' ') + 1), "10800.0 12428.4 20001.6") << pair[0] << " " << pair[1];
    }
    // A hair off a meridian: the bearing's argument is 23 units of the last place below -1.
    EXPECT_EQ(Results("AA05EP59RO", "AA00EB51SG"), "180.0 337.1 387.9 624.3");
    // A unit of the last place beyond +1 going west (natively): the full turn, not 0.0.
    EXPECT_EQ(Results("RK99WW29FW", "RR99WX25EK").substr(0, 12), "360.0 4201.4");
}

TEST(PathCalc, SetLocationsChecksUpperCasesAndPads)
{
    // 7 characters are the 6-character square, 8 gain "LL", 9 an "A", more than 10 count their first ten.
    const char* const same[][2] = {{"jo62qm", "JO62QM"}, {"JO62QM5", "JO62QM"}, {"JO62QM55", "JO62QM55LL"},
                                   {"JO62QM55L", "JO62QM55LA"}, {"JO62QM55AAXYZ", "JO62QM"}};
    for (const auto& s : same) {
        EXPECT_EQ(Results(s[0], "FN20XR"), Results(s[1], "FN20XR")) << s[0];
        EXPECT_EQ(Results("FN20XR", s[0]), Results("FN20XR", s[1])) << s[0];
    }
    // Too short, or a letter beyond its pair's range in any of the ten characters read.
    for (const char* bad : {"JO62Q", " JO62QM", "K085TS", "JO6AQM", "jn77ya", "JO62QM55YA", "JO62QMA5"}) {
        EXPECT_EQ(Results(bad, "JJ00AA"), "refused") << bad;
        EXPECT_EQ(Results("JJ00AA", bad), "refused") << bad;
    }
    // A refused pair leaves the stored one; a new pair replaces every result already worked out.
    CPathCalc path;
    ASSERT_TRUE(path.SetLocations("JO62QM", "KO85TS"));
    EXPECT_FALSE(path.SetLocations("FN20XR", "JO62Q"));
    EXPECT_EQ(Shown(path), "67.4 869.4 1000.5 1610.1");
    ASSERT_TRUE(path.SetLocations("FN20XR", "JO62QM"));
    EXPECT_EQ(Shown(path), Results("FN20XR", "JO62QM"));
}

// RoundValue as first written: tolerance 10^(trunc(log10|x|) - 15), remainder by fmod.
double ReferenceRound(double x)
{
    if (x == 0 || std::isnan(x))
        return 0;
    const double u = x < 0 ? -1.0 : 1.0;
    const double lg = std::log10(std::fabs(x));
    const double e = std::pow(10.0, (std::isfinite(lg) ? static_cast<int>(lg) : 0) - 15);
    const double g = std::fmod(x, u);
    return u * g - 0.5 > -e ? x - g + u : x - g;
}

// Bit for bit what the slower formula gives: the odd values, any value, halves of every size,
// the tolerance's edge around them (in eighths of 1e-15 of the value), and the doubles either side.
TEST(PathCalc, RoundValueRoundsHalvesAwayFromZeroWithATolerance)
{
    SplitMix r{20261207};
    long differing = 0;
    auto check = [&](double v) {
        const double expected = ReferenceRound(v);
        const double got = CPathCalc::RoundValue(v);
        const bool same = std::memcmp(&got, &expected, sizeof got) == 0 || (std::isnan(got) && std::isnan(expected));
        if (!same && ++differing <= 10)
            ADD_FAILURE() << "RoundValue(" << std::hexfloat << v << ") = " << got << ", formerly " << expected;
    };
    for (double v : {0.0, -0.0, kNaN, kInf, -kInf, 1e300, 4.9e-324})
        check(v);
    for (int i = 0; i < 100000; ++i) {
        check(r.Uniform(-1e5, 1e5));
        const double half = std::floor(std::ldexp(r.Unit(), r.Below(56))) + 0.5;
        const double offset = (r.Below(41) - 20) * 1e-15 * std::fmax(1.0, half) / 8;
        const double x = (half + offset) * (r.Below(2) ? 1 : -1);
        for (double v : {x, std::nextafter(x, kInf), std::nextafter(x, -kInf)})
            check(v);
    }
    EXPECT_EQ(differing, 0);
}

} // namespace
