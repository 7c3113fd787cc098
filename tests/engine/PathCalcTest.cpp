// CPathCalc and RoundValue: bearing and distances to the tenth.
#include "LocatorCodec.h"
#include "PathCalc.h"
#include "PathTrace.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace {

std::string Tenth(double v)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.1f", v);
    return buffer;
}

// Bearing, nautical miles, statute miles, kilometres as the window shows them.
std::string Results(const std::string& a, const std::string& b)
{
    CPathCalc path;
    if (!path.SetLocations(a, b))
        return "refused";
    return Tenth(path.GetBearing()) + " " + Tenth(path.GetNauticalMiles()) + " "
        + Tenth(path.GetStatuteMiles()) + " " + Tenth(path.GetKilometers());
}

TEST(PathCalc, ConstantsComeFromTheProgramsCircleConstant)
{
    EXPECT_EQ(locatrix::kRadiansPerDegree, 0.017453292500000002);
    EXPECT_EQ(locatrix::kTenthDegreesPerRadian, 572.9577957855229);
    EXPECT_EQ(locatrix::kTenthMinutesPerRadian, 34377.46774713138);
    EXPECT_EQ(locatrix::kFullTurn, 6.2831853);
}

TEST(PathCalc, WorkedExamples)
{
    EXPECT_EQ(Results("JO62QM", "JO62QM"), "0.0 0.0 0.0 0.0");
    EXPECT_EQ(Results("JJ00AA", "JJ10AA"), "90.0 120.0 138.1 222.2");
    EXPECT_EQ(Results("JJ10AA", "JJ00AA"), "270.0 120.0 138.1 222.2");
    EXPECT_EQ(Results("JJ00AA", "JJ01AA"), "0.0 60.0 69.0 111.1");
    EXPECT_EQ(Results("JJ01AA", "JJ00AA"), "180.0 60.0 69.0 111.1");
    EXPECT_EQ(Results("JO62QM", "KO85TS"), "67.4 869.4 1000.5 1610.1");
    EXPECT_EQ(Results("KO85TS", "JO62QM"), "267.2 869.4 1000.5 1610.1");
    EXPECT_EQ(Results("JO62QM", "FN20XR"), "296.0 3444.8 3964.2 6379.8");
    // Not reduced modulo 360: rounds up from 359.95.
    EXPECT_EQ(Results("JJ00AA00AA", "IK91XA90KA").substr(0, 11), "360.0 660.0");
    EXPECT_EQ(Results("jo62qm", "ko85ts"), "67.4 869.4 1000.5 1610.1");
}

TEST(PathCalc, ResultsAreOneDecimalExactlyAsRounded)
{
    CPathCalc path;
    ASSERT_TRUE(path.SetLocations("JO62QM", "KO85TS"));
    EXPECT_EQ(path.GetNauticalMiles(), CPathCalc::RoundValue(path.GetNauticalMiles() * 10) * 0.1);
    // Statute miles and kilometres start from the rounded nautical miles.
    EXPECT_EQ(path.GetStatuteMiles(), CPathCalc::RoundValue(path.GetNauticalMiles() * 11.50779) * 0.1);
    EXPECT_EQ(path.GetKilometers(), CPathCalc::RoundValue(path.GetNauticalMiles() * 18.52) * 0.1);
    EXPECT_EQ(path.GetBearing(), 674 * 0.1);
    // Any order, any number of times.
    EXPECT_EQ(path.GetKilometers(), path.GetKilometers());
    EXPECT_EQ(Tenth(path.GetBearing()), "67.4");
}

TEST(PathCalc, SetLocationsChecksUpperCasesAndPads)
{
    CPathCalc path;
    ASSERT_TRUE(path.SetLocations("jo62qm", "ko85ts"));
    const std::string good = Tenth(path.GetBearing()) + Tenth(path.GetKilometers());
    EXPECT_FALSE(path.SetLocations("JO62Q", "KO85TS"));
    EXPECT_FALSE(path.SetLocations("JO62QM", "KO85T"));
    EXPECT_FALSE(path.SetLocations("JO6AQM", "KO85TS"));
    EXPECT_FALSE(path.SetLocations("JO62QM", "K085TS"));
    EXPECT_FALSE(path.SetLocations(" JO62QM", "KO85TS"));
    // Refused: both fields as they were.
    EXPECT_EQ(Tenth(path.GetBearing()) + Tenth(path.GetKilometers()), good);

    // 7 characters are the 6-character square, 8 are padded with LL, 9 decode
    // with an "A" for the missing tenth, more than 10 use the first ten.
    EXPECT_EQ(Results("JO62QM5", "KO85TS"), Results("JO62QM", "KO85TS"));
    EXPECT_EQ(Results("JO62QM55", "KO85TS"), Results("JO62QM55LL", "KO85TS"));
    EXPECT_EQ(Results("JO62QM55L", "KO85TS"), Results("JO62QM55LA", "KO85TS"));
    EXPECT_EQ(Results("JO62QM55AA", "KO85TS55AAXYZ"), Results("JO62QM", "KO85TS"));
    // Letters beyond the grid pass the check and are decoded as they stand.
    EXPECT_NE(Results("ZZ99ZZ", "JJ00AA"), "refused");
}

TEST(PathCalc, NearlyAntipodalLocatorsAreHalfTheWorldApart)
{
    // The law-of-cosines argument comes out a bit below -1 for some of these; unclamped,
    // its arc cosine was NaN and the window showed 0.0.
    const char* pairs[][2] = {{"OB40OH", "FQ49OQ"}, {"OK73IR", "FH76IG"}, {"HQ57KE", "QB52KT"},
                              {"QI04BC", "HJ05BV"}, {"NN68WH", "EE61WQ"}, {"HE43IQ", "QN46IH"},
                              {"OI68VA08EO", "FJ61VX01EK"}};
    int beyond = 0;
    for (const auto& pair : pairs) {
        std::string a = pair[0];
        std::string b = pair[1];
        PadLocator(a);
        PadLocator(b);
        locatrix::CentralAngleTrace t;
        locatrix::TraceCentralAngle(DecodeLocator(a), DecodeLocator(b), t);
        beyond += t.q < -1;
        CPathCalc path;
        ASSERT_TRUE(path.SetLocations(pair[0], pair[1]));
        EXPECT_EQ(Tenth(path.GetNauticalMiles()), "10800.0") << pair[0] << " " << pair[1];
        EXPECT_EQ(Tenth(path.GetKilometers()), "20001.6");
        EXPECT_EQ(Tenth(path.GetStatuteMiles()), "12428.4");
    }
    EXPECT_GT(beyond, 0) << "no pair exercises the clamp on this runtime";
}

TEST(PathCalc, PathsAHairOffAMeridianHaveABearing)
{
    // The bearing's arc cosine argument is 23 units of the last place below -1: due south.
    std::string a = "AA05EP59RO";
    std::string b = "AA00EB51SG";
    locatrix::BearingTrace t;
    locatrix::TraceBearing(DecodeLocator(a), DecodeLocator(b), t);
    EXPECT_LT(t.arg, -1.0);
    EXPECT_NE(t.delta, 0.0);
    EXPECT_EQ(Results(a, b), "180.0 337.1 387.9 624.3");
    // A unit of the last place beyond +1 going west (natively): the full turn, not 0.0.
    EXPECT_EQ(Results("RK99WW29FW", "RR99WX25EK").substr(0, 12), "360.0 4201.4");
}

TEST(PathCalc, NotANumberStaysNotANumberAndShowsAsZero)
{
    // Two points on the (program's) pole at different longitudes: zero distance, 0/0 in
    // the bearing's argument.
    std::string a = "AS00AA00AA";
    std::string b = "JS00AA00AA";
    locatrix::BearingTrace t;
    locatrix::TraceBearing(DecodeLocator(a), DecodeLocator(b), t);
    EXPECT_EQ(t.c.d, 0.0);
    EXPECT_TRUE(std::isnan(t.arg));
    EXPECT_TRUE(std::isnan(t.t));
    EXPECT_EQ(Results(a, b), "0.0 0.0 0.0 0.0");
}

TEST(PathCalc, RoundValueRoundsHalvesAwayFromZeroWithATolerance)
{
    EXPECT_EQ(CPathCalc::RoundValue(2.5), 3.0);
    EXPECT_EQ(CPathCalc::RoundValue(-2.5), -3.0);
    EXPECT_EQ(CPathCalc::RoundValue(2.4999999999999996), 3.0);
    EXPECT_EQ(CPathCalc::RoundValue(2.49999999999999), 2.0);
    EXPECT_EQ(CPathCalc::RoundValue(3.0), 3.0);
    EXPECT_EQ(CPathCalc::RoundValue(-0.3), 0.0);
    EXPECT_EQ(CPathCalc::RoundValue(0.7), 1.0);
    EXPECT_EQ(CPathCalc::RoundValue(-0.7), -1.0);
    EXPECT_EQ(CPathCalc::RoundValue(8693.5), 8694.0);
    EXPECT_EQ(CPathCalc::RoundValue(8693.499999999), 8693.0);
    // The tolerance grows with the magnitude: 1e-11 at 8693, so this is a half.
    EXPECT_EQ(CPathCalc::RoundValue(8693.4999999999991), 8694.0);
    EXPECT_EQ(CPathCalc::RoundValue(0.0), 0.0);
    EXPECT_EQ(CPathCalc::RoundValue(-0.0), 0.0);
    EXPECT_EQ(CPathCalc::RoundValue(std::numeric_limits<double>::quiet_NaN()), 0.0);
    EXPECT_EQ(CPathCalc::RoundValue(1e300), 1e300);
    EXPECT_EQ(CPathCalc::RoundValue(4.9e-324), 0.0);
    // No finite logarithm: the remainder is NaN, and so is the result.
    EXPECT_TRUE(std::isnan(CPathCalc::RoundValue(std::numeric_limits<double>::infinity())));
}

} // namespace
