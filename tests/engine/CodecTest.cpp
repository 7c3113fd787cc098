// The locator codec: worked examples, the grid's edges, the text rules, and two properties.
#include "LocatorCodec.h"
#include "SplitMix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

// Exact, so that the last bit of a sum shows.
std::string Exact(const LatLon& p)
{
    char s[64];
    std::snprintf(s, sizeof s, "%.17g %.17g", p.Latitude, p.Longitude);
    return s;
}

TEST(Codec, Encodes)
{
    const struct { double lat, lon; const char* text; } cases[] = {
        {0, 0, "JJ00AA00AA"},
        {52.5, 13.4, "JO62QM80AA"},
        {-33.8688, 151.2093, "QF56OD51CL"},
        {52.520833333333343, 13.375, "JO62QM55AA"},
        {89.999, 179.999, "RR99XX99VS"},
        // The 1e-7 added after scaling lifts a position a hair below a grid line into the next square.
        {-0.0000005, -0.0000015, "JJ00AA00AA"},
        {-0.0000015, -0.0000025, "II99XX99XX"},
        // No field letter "S": the pole, the date line, and positions the 1e-7 lifts to them.
        {90, 180, "RR99XX99XX"},
        {90, 0, "JR09AX09AX"},
        {90 - 5e-7, 180 - 1e-6, "RR99XX99XX"},
        {1000, kInf, "RR99XX99XX"},
        // Below the first row or column: that row or column, not a mix of truncation and floor.
        {-90, -180, "AA00AA00AA"},
        {-90.5, -180.5, "AA00AA00AA"},
        {-90.000002, 0, "JA00AA00AA"},
        {kNaN, -kInf, "AA00AA00AA"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EncodeLocator(c.lat, c.lon), c.text) << c.lat << " " << c.lon;
}

TEST(Codec, ChecksEachCharacterAgainstItsPairsRange)
{
    // The grid's corners in every position; nothing after the tenth character is read.
    for (const char* text : {"JO62QM", "AA00AA", "RR99XX", "AA00AA00AA", "RR99XX99XX", "JO62QM5", "JO62QM55A",
                             "JO62QM55AA??"})
        EXPECT_TRUE(IsValidLocator(text)) << text;
    // Each position with a character just outside its range, on either side.
    for (const char* text : {"", "JO62Q", "jo62qm", "@O62QM", "J062QM", "JO/2QM", "JO6:QM", "JO62[M", "JO62Q5",
                             "JO62Q\xC1", "SA00AA", "AS00AA", "ZZ99ZZ", "JO62YA", "JN77YA", "JO62QY", "JO62QM/5",
                             "JO62QMA5", "JO62QM5:", "JO62QM55YA", "JO62QM55AY", "JO62QM55@A", "JO62QM55ax"})
        EXPECT_FALSE(IsValidLocator(text)) << text;
}

TEST(Codec, PadsSixSevenAndEightCharacters)
{
    // A 7-character text has no square of its own: it stands for its 6-character one.
    const char* const cases[][2] = {{"JO62QM", "JO62QM55AA"}, {"JO62QM7", "JO62QM55AA"},
                                    {"JO62QM55", "JO62QM55LL"}, {"JO62QM55L", "JO62QM55L"},
                                    {"JO62QM55ABC", "JO62QM55ABC"}, {"JO62Q", "JO62Q"}};
    for (const auto& c : cases) {
        std::string text = c[0];
        PadLocator(text);
        EXPECT_EQ(text, c[1]) << c[0];
    }
}

TEST(Codec, Decodes)
{
    const char* const cases[][2] = {
        // The last bit of the latitude depends on the order of summation.
        {"JO62QM55AA", "52.520833333333343 13.375"},
        {"JO62QM55LL", "52.522743055555566 13.378819444444446"},
        {"RR99XX99XX", "89.999826388888891 179.99965277777778"},
        {"AA00AA00AA", "-90 -180"},
        {"JO62QM55AAZZ", "52.520833333333343 13.375"},  // after the tenth: ignored
        {"jO62QM55AA", "52.520833333333343 653.375"},    // no case folding
        // Missing positions count as "A", so digits as 17; bytes from 128 on are negative.
        {"", "-72.929166666666674 -145.85833333333335"},
        {"JO62QM55L", "52.520833333333343 13.378819444444446"},
        {"\xFF", "-72.929166666666674 -1465.8583333333333"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Exact(DecodeLocator(c[0])), c[1]) << c[0];
}

// Each position within its own range: "5Y" would decode to the same corner as "6A".
bool OnTheGrid(const std::string& text)
{
    static const char top[] = "RR99XX99XX";
    if (text.size() != 10)
        return false;
    for (int k = 0; k < 10; ++k)
        if (text[k] < (top[k] == '9' ? '0' : 'A') || text[k] > top[k])
            return false;
    return true;
}

TEST(Codec, EveryEncodedPositionDecodesInsideItsOwnSquare)
{
    SplitMix rng{20240601};
    // The added 1e-7 moves the grid lines down by 2e-6 degree of longitude and 1e-6 of latitude.
    const double lonShift = 2e-6 + 1e-12;
    const double latShift = 1e-6 + 1e-12;
    for (int i = 0; i < 200000; ++i) {
        double lat = rng.Uniform(-90, 90);
        double lon = rng.Uniform(-180, 180);
        if (i % 4 == 0) {  // on and next to the lines of the 10-character squares
            lat = std::floor(lat * 5760) / 5760 + (rng.Below(3) - 1) * 1e-9;
            lon = std::floor(lon * 2880) / 2880 + (rng.Below(3) - 1) * 1e-9;
            if (lat < -90 || lat >= 90 - 1e-6 || lon < -180 || lon >= 180 - 2e-6)
                continue;
        }
        const std::string text = EncodeLocator(lat, lon);
        ASSERT_TRUE(OnTheGrid(text)) << text;
        const LatLon corner = DecodeLocator(text);
        ASSERT_TRUE(corner.Latitude - latShift <= lat && lat < corner.Latitude + 1.0 / 5760
                    && corner.Longitude - lonShift <= lon && lon < corner.Longitude + 1.0 / 2880)
            << text << " " << lat << " " << lon;
    }
}

// The padded text decodes to the point, and the point encodes back into the text's square.
testing::AssertionResult DecodesTo(const std::string& text, double lon, double lat)
{
    std::string padded = text;
    PadLocator(padded);
    const LatLon p = DecodeLocator(padded);
    if (std::fabs(p.Longitude - lon) <= 1e-9 && std::fabs(p.Latitude - lat) <= 1e-9
        && EncodeLocator(p.Latitude, p.Longitude).compare(0, text.size(), text) == 0)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << text << " decodes to " << Exact(p);
}

TEST(Codec, SixAndEightCharacterLocatorsDecodeToFixedPointsInTheirSquares)
{
    SplitMix rng{7};
    for (int i = 0; i < 18 * 18 * 100; ++i) {
        const std::string eight = {char('A' + i / 1800), char('A' + i / 100 % 18), char('0' + i / 10 % 10),
                                   char('0' + i % 10), char('A' + rng.Below(24)), char('A' + rng.Below(24)),
                                   char('0' + rng.Below(10)), char('0' + rng.Below(10))};
        // South-west corners of the 6- and 8-character squares.
        const double west = (eight[0] - 'A') * 20 + (eight[2] - '0') * 2 + (eight[4] - 'A') / 12.0 - 180;
        const double south = (eight[1] - 'A') * 10 + (eight[3] - '0') + (eight[5] - 'A') / 24.0 - 90;
        const double west8 = west + (eight[6] - '0') / 120.0;
        const double south8 = south + (eight[7] - '0') / 240.0;
        // Six characters: the centre of the 5' by 2.5' square; eight: 11/24 of the way across theirs.
        ASSERT_TRUE(DecodesTo(eight.substr(0, 6), west + 1.0 / 24, south + 1.0 / 48));
        ASSERT_TRUE(DecodesTo(eight, west8 + 11.0 / 24 / 120, south8 + 11.0 / 24 / 240));
    }
}

} // namespace
