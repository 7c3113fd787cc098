// The locator codec and CLocatorSquare: worked examples, the grid's edges, the text rules, and
// the square every position encodes to.
#include "engine/LocatorCodec.h"
#include "engine/LocatorSquare.h"
#include "tests/support/SplitMix.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <string>

namespace {

TEST(Codec, Encodes)
{
    const struct { double lat, lon; const char* text; } cases[] = {
        {0, 0, "JJ00AA00AA"},
        // The 1e-7 added after scaling lifts a position a hair below a grid line into the next square.
        {-0.0000005, -0.0000015, "JJ00AA00AA"},
        {-0.0000015, -0.0000025, "II99XX99XX"},
        // No field letter "S": the pole, the date line, and positions the 1e-7 lifts to them.
        {90, 0, "JR09AX09AX"},
        {90 - 5e-7, 180 - 1e-6, "RR99XX99XX"},
        // Below the first row: that row, not a mix of truncation and floor.
        {-90.000002, 0, "JA00AA00AA"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EncodeLocator(c.lat, c.lon), c.text) << c.lat << " " << c.lon;
}

TEST(Codec, ChecksEachCharacterAgainstItsPairsRange)
{
    // The grid's corners, odd lengths, and whatever follows the tenth character.
    for (const char* text : {"AA00AA", "RR99XX99XX", "JO62QM5", "JO62QM55A", "JO62QM55AA??"})
        EXPECT_TRUE(IsValidLocator(text)) << text;
    // Each of the ten positions with the character just below and just above its range.
    const std::string top = "RR99XX99XX";
    for (std::size_t k = 0; k < top.size(); ++k) {
        for (const char c : {static_cast<char>(top[k] == '9' ? '0' - 1 : 'A' - 1), static_cast<char>(top[k] + 1)}) {
            std::string text = "JO62QM55AA";
            text[k] = c;
            EXPECT_FALSE(IsValidLocator(text)) << text;
        }
    }
    for (const char* text : {"", "JO62Q", "jo62qm", "JO62Q\xC1"})
        EXPECT_FALSE(IsValidLocator(text)) << text;
}

TEST(Codec, PadsAndDecodesToTheLastBit)
{
    // 6 characters gain "55AA", 7 stand for their 6-character square, 8 gain "LL", others stay;
    // the decoder ignores what follows the tenth and reads missing positions as "A".
    const char* const cases[][3] = {
        {"JO62QM", "JO62QM55AA", "52.520833333333343 13.375"},  // the last bit depends on the order of summation
        {"JO62QM7", "JO62QM55AA", "52.520833333333343 13.375"},
        {"JO62QM55", "JO62QM55LL", "52.522743055555566 13.378819444444446"},
        {"JO62QM55L", "JO62QM55L", "52.520833333333343 13.378819444444446"},
        {"RR99XX99XX", "RR99XX99XX", "89.999826388888891 179.99965277777778"},
        {"JO62QM55AAZZ", "JO62QM55AAZZ", "52.520833333333343 13.375"},
    };
    for (const auto& c : cases) {
        std::string text = c[0];
        PadLocator(text);
        EXPECT_EQ(text, c[1]) << c[0];
        const LatLon p = DecodeLocator(text);
        char exact[64];
        std::snprintf(exact, sizeof exact, "%.17g %.17g", p.Latitude, p.Longitude);
        EXPECT_STREQ(exact, c[2]) << c[0];
    }
}

TEST(LocatorSquare, TakesEitherCaseAndSaysWhyItRefuses)
{
    CLocatorSquare square;
    std::string why;
    ASSERT_TRUE(square.SetLocator("jo62Qm55", why)) << why;
    EXPECT_EQ(square.GetLocator(), "JO62QM55");
    const char* const cases[][2] = {
        {"JO62QM55AA00X", "a locator has 2, 4, 6, 8, 10 or 12 characters, not 13"},
        {"SA", "character 1 of a locator must be A to R"},
        {"JO62QM5a", "character 8 of a locator must be 0 to 9"},
        {"JO62\xC4" "A", "character 5 of a locator must be A to X"},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(square.SetLocator(c[0], why)) << c[0];
        EXPECT_EQ(why, c[1]) << c[0];
        EXPECT_EQ(square.GetLocator(), "JO62QM55") << "unchanged after " << c[0];
    }
}

TEST(Codec, EveryPositionLiesInTheSquaresItEncodesTo)
{
    SplitMix rng{20240601};
    // EncodeLocator's added 1e-7 moves its grid lines down by 2e-6 degree of longitude and 1e-6 of latitude.
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
        ASSERT_TRUE(text.size() == 10 && IsValidLocator(text)) << text;
        const LatLon corner = DecodeLocator(text);
        ASSERT_TRUE(corner.Latitude - latShift <= lat && lat < corner.Latitude + 1.0 / 5760
                    && corner.Longitude - lonShift <= lon && lon < corner.Longitude + 1.0 / 2880)
            << text << " " << lat << " " << lon;
        if (i % 4 == 0)
            continue;  // a position within a unit of the last place of a line may lie in either square
        // The square of 2 to 12 characters holds the position; its height, half its width, and twice
        // the way to its centre from the south and once from the west are the height its length gives.
        static const double kHeights[] = {10, 1, 1.0 / 24, 1.0 / 240, 1.0 / 5760, 1.0 / 57600};
        const int pairs = 1 + i % 6;
        const std::string exact = CLocatorSquare::Encode(lat, lon, 2 * pairs);
        CLocatorSquare square;
        std::string why;
        ASSERT_TRUE(square.SetLocator(exact, why) && exact.size() == 2u * pairs) << exact << ": " << why;
        ASSERT_TRUE(lat >= square.GetSouth() - latShift && lat < square.GetNorth() - 1e-6
                    && lon >= square.GetWest() - lonShift && lon < square.GetEast() - 2e-6)
            << lat << " " << lon << " " << exact;
        ASSERT_EQ(exact, text.substr(0, std::min<std::size_t>(exact.size(), 10)) + (pairs == 6 ? exact.substr(10) : ""));
        const LatLon centre = square.GetCentre();
        for (double h : {square.GetNorth() - square.GetSouth(), square.GetHeight(),
                         (square.GetEast() - square.GetWest()) / 2, square.GetWidth() / 2,
                         2 * (centre.Latitude - square.GetSouth()), centre.Longitude - square.GetWest()})
            ASSERT_NEAR(h, kHeights[pairs - 1], 1e-11) << exact;
    }
    // The north pole and the date line: CLocatorSquare's edge squares.
    EXPECT_EQ(CLocatorSquare::Encode(90, 180, 12), "RR99XX99XX99");
}


// A grid line as NMEA states it: signed finest steps from the equator or the prime meridian
// (perMinute of them to a minute of arc), as minutes with six decimals. Only a line at a
// whole number of thousandths of a step divides out exactly; others have no decimal text.
bool EdgeAsMinutes(long steps, long perMinute, DecimalAngle& angle)
{
    const long magnitude = steps < 0 ? -steps : steps;
    const long long millionths = static_cast<long long>(magnitude % perMinute) * 1000000;
    if (millionths % perMinute != 0)
        return false;
    char decimals[8];
    std::snprintf(decimals, sizeof decimals, "%06lld", millionths / perMinute);
    angle.negative = steps < 0;
    angle.whole = magnitude / perMinute;
    angle.decimals = decimals;
    angle.unitsPerDegree = 60;
    return true;
}

// Every corner of a random sample of squares of each length, given exactly as decimal minutes,
// lies in the square whose south-west corner it is; a millionth of a minute less, in the square
// to the south-west of it. The window's encoder agrees on every corner at 6, 8 and 10 characters.
TEST(Codec, SquaresHoldTheirSouthAndWestEdgesExactly)
{
    static const long kPairStep[6] = {576000, 57600, 2400, 240, 10, 1};  // finest squares in one of each pair
    SplitMix rng{20261207};
    int corners = 0;
    for (int chars = 2; chars <= 12; chars += 2) {
        const long step = kPairStep[chars / 2 - 1];
        const long across = 18L * 576000 / step;
        for (int i = 0; i < 400; ++i) {
            // A corner of a square, in finest squares from the grid's south-west corner.
            const long x = rng.Below(static_cast<int>(across)) * step;
            const long y = rng.Below(static_cast<int>(across)) * step;
            DecimalAngle lon, lat;
            if (!EdgeAsMinutes(x - 180L * 28800, 480, lon) || !EdgeAsMinutes(y - 90L * 57600, 960, lat))
                continue;
            ++corners;
            const std::string text = CLocatorSquare::Encode(lat, lon, chars);
            CLocatorSquare square;
            std::string why;
            ASSERT_TRUE(square.SetLocator(text, why) && text.size() == static_cast<std::size_t>(chars)) << text;
            EXPECT_EQ(square.GetWest(), x / 28800.0 - 180) << text;
            EXPECT_EQ(square.GetSouth(), y / 57600.0 - 90) << text;
            const double latitude = (lat.negative ? -1 : 1) * (lat.whole + std::atof(("0." + lat.decimals).c_str())) / 60;
            const double longitude = (lon.negative ? -1 : 1) * (lon.whole + std::atof(("0." + lon.decimals).c_str())) / 60;
            if (chars >= 6 && chars <= 10) {
                EXPECT_EQ(EncodeLocator(latitude, longitude, chars), text) << latitude << " " << longitude;
            }

            // A millionth of a minute south and west of the corner: the square beyond both edges.
            if (x == 0 || y == 0)
                continue;
            DecimalAngle below[2] = {lat, lon};
            for (DecimalAngle& a : below) {
                long long millionths = (a.whole * 1000000LL + std::atoll(a.decimals.c_str())) * (a.negative ? -1 : 1) - 1;
                a.negative = millionths < 0;
                millionths = millionths < 0 ? -millionths : millionths;
                char decimals[8];
                std::snprintf(decimals, sizeof decimals, "%06lld", millionths % 1000000);
                a.whole = static_cast<long>(millionths / 1000000);
                a.decimals = decimals;
            }
            ASSERT_TRUE(square.SetLocator(CLocatorSquare::Encode(below[0], below[1], chars), why));
            EXPECT_EQ(square.GetEast(), x / 28800.0 - 180) << text;
            EXPECT_EQ(square.GetNorth(), y / 57600.0 - 90) << text;
        }
    }
    EXPECT_GT(corners, 1000);  // most corners have a decimal text
}

} // namespace
