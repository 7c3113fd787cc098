// The locator codec, including the grid's edges and 7-character texts.
#include "LocatorCodec.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>

namespace {

std::string Fixed(double v)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%f", v);
    return buffer;
}

// A small deterministic generator: the same positions on every runtime.
struct SplitMix {
    std::uint64_t state;
    std::uint64_t Next()
    {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [lo, hi).
    double Uniform(double lo, double hi) { return lo + (hi - lo) * ((Next() >> 11) * 0x1p-53); }
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
};

TEST(Codec, EncodesTheWorkedExamples)
{
    EXPECT_EQ(EncodeLocator(0, 0), "JJ00AA00AA");
    EXPECT_EQ(EncodeLocator(52.5, 13.4), "JO62QM80AA");
    EXPECT_EQ(EncodeLocator(52.5, 13.4).substr(0, 6), "JO62QM");
    EXPECT_EQ(EncodeLocator(-90, -180), "AA00AA00AA");
    EXPECT_EQ(EncodeLocator(-33.8688, 151.2093), "QF56OD51CL");
    EXPECT_EQ(EncodeLocator(52.520833333333343, 13.375), "JO62QM55AA");
    // The 1e-7 after scaling lifts a position a hair below a grid line into the next square.
    EXPECT_EQ(EncodeLocator(0, -0.0000015), "JJ00AA00AA");
    EXPECT_EQ(EncodeLocator(0, -0.0000025), "IJ90XA90XA");
}

TEST(Codec, NeverProducesTheFieldLetterS)
{
    EXPECT_EQ(EncodeLocator(90, 180), "RR99XX99XX");
    EXPECT_EQ(EncodeLocator(90, 0), "JR09AX09AX");
    EXPECT_EQ(EncodeLocator(0, 180), "RJ90XA90XA");
    EXPECT_EQ(EncodeLocator(1000, 1e300), "RR99XX99XX");
    // The 1e-7 already reaches 18 (the "S") a micro-degree below the edge: scaled value.
    EXPECT_EQ(EncodeLocator(90 - 5e-7, 180 - 1e-6), "RR99XX99XX");
    EXPECT_EQ(EncodeLocator(89.99999, 179.99998), "RR99XX99XX");
    // Below the first row or column: the first one, not a mix of truncation and floor.
    EXPECT_EQ(EncodeLocator(-90.5, -180.5), "AA00AA00AA");
    EXPECT_EQ(EncodeLocator(-90.000002, 0), "JA00AA00AA");
    EXPECT_EQ(EncodeLocator(0, -1e300), "AJ00AA00AA");
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(EncodeLocator(inf, -inf), "AR09AX09AX");
    EXPECT_EQ(EncodeLocator(nan, nan), "AA00AA00AA");
    // Everything inside the grid is encoded by the plain steps.
    EXPECT_EQ(EncodeLocator(-89.999999, -179.999999), "AA00AA00AA");
    EXPECT_EQ(EncodeLocator(89.999, 179.999), "RR99XX99VS");
}

TEST(Codec, ChecksTheFirstSixCharacters)
{
    EXPECT_TRUE(IsValidLocator("JO62QM"));
    EXPECT_TRUE(IsValidLocator("ZZ99ZZ"));
    EXPECT_TRUE(IsValidLocator("JO62QM??"));  // nothing after the sixth is examined
    EXPECT_FALSE(IsValidLocator("J062QM"));
    EXPECT_FALSE(IsValidLocator("JO62Q"));
    EXPECT_FALSE(IsValidLocator(""));
    EXPECT_FALSE(IsValidLocator("jo62qm"));
    EXPECT_FALSE(IsValidLocator("JO6AQM"));
    EXPECT_FALSE(IsValidLocator("JO62Q5"));
    EXPECT_FALSE(IsValidLocator("JO62Q@"));
    EXPECT_FALSE(IsValidLocator("JO62Q["));
    EXPECT_FALSE(IsValidLocator("JO/2QM"));
    EXPECT_FALSE(IsValidLocator("JO6:QM"));
    EXPECT_FALSE(IsValidLocator(std::string("JO62Q\xC1", 6)));
}

TEST(Codec, PadsSixSevenAndEightCharacters)
{
    struct Case { const char* in; const char* out; };
    const Case cases[] = {
        {"JO62QM", "JO62QM55AA"},
        {"JO62QM5", "JO62QM55AA"},     // a 7-character text is its 6-character square
        {"JO62QM7", "JO62QM55AA"},
        {"JO62QM55", "JO62QM55LL"},
        {"JO62QM55L", "JO62QM55L"},
        {"JO62QM55AB", "JO62QM55AB"},
        {"JO62QM55ABC", "JO62QM55ABC"},
        {"JO62Q", "JO62Q"},
        {"", ""},
    };
    for (const Case& c : cases) {
        std::string text = c.in;
        PadLocator(text);
        EXPECT_EQ(text, c.out) << c.in;
    }
}

TEST(Codec, DecodesTheWorkedExamples)
{
    LatLon p = DecodeLocator("JO62QM55AA");
    EXPECT_EQ(Fixed(p.Latitude), "52.520833");
    EXPECT_EQ(p.Longitude, 13.375);
    EXPECT_EQ(p.Latitude, 52.520833333333343);  // the last bit of the stated order of summation

    std::string text = "JO62QM55";
    PadLocator(text);
    p = DecodeLocator(text);
    EXPECT_EQ(Fixed(p.Latitude), "52.522743");
    EXPECT_EQ(Fixed(p.Longitude), "13.378819");

    p = DecodeLocator("RR99XX99XX");
    EXPECT_EQ(Fixed(p.Latitude), "89.999826");
    EXPECT_EQ(Fixed(p.Longitude), "179.999653");
    EXPECT_NEAR(p.Latitude, 90 - 1.0 / 5760, 1e-12);
    EXPECT_NEAR(p.Longitude, 180 - 1.0 / 2880, 1e-12);

    p = DecodeLocator("AA00AA00AA");
    EXPECT_EQ(p.Latitude, -90.0);
    EXPECT_EQ(p.Longitude, -180.0);

    // A 9-character text: its missing tenth counts as "A".
    const LatLon nine = DecodeLocator("JO62QM55L");
    const LatLon ten = DecodeLocator("JO62QM55LA");
    EXPECT_EQ(nine.Latitude, ten.Latitude);
    EXPECT_EQ(nine.Longitude, ten.Longitude);

    // Characters after the tenth are ignored.
    p = DecodeLocator("JO62QM55AAZZ");
    EXPECT_EQ(p.Latitude, 52.520833333333343);  // the last bit of the stated order of summation
    EXPECT_EQ(p.Longitude, 13.375);

    // No case folding: a lower-case letter counts 32 steps too high.
    p = DecodeLocator("jO62QM55AA");
    EXPECT_EQ(p.Longitude, 13.375 + 32 * 20);
}

TEST(Codec, DecodesShortAndOddTextsAsTheStepsSay)
{
    // Missing letter positions count as "A", missing digit positions as 17.
    LatLon p = DecodeLocator("");
    EXPECT_EQ(p.Longitude, 17 * (1.0 / 120) + 0 * 20 + 2 * 17 - 180);
    EXPECT_EQ(p.Latitude, 17 * (1.0 / 240) + 0 * 10 + 17 - 90);
    p = DecodeLocator("JO62QM5");  // unpadded: element 7 becomes 17 steps of 15"
    EXPECT_NEAR(p.Latitude, 52 + 12.0 / 24 + 17.0 / 240, 1e-12);
    // Bytes of 128 and more are negative as signed bytes.
    p = DecodeLocator(std::string("\xFF", 1));
    EXPECT_EQ(p.Longitude, 17 * (1.0 / 120) + (-1 - 65) * 20 + 2 * 17 - 180);
}

TEST(Codec, EveryEncodedPositionDecodesInsideItsOwnSquare)
{
    SplitMix rng{20240601};
    // The added 1e-7 moves the grid lines down by 2e-6 degree of longitude and 1e-6 of latitude.
    const double lonShift = 0.0000001 / 0.05 + 1e-12;
    const double latShift = 0.0000001 / 0.1 + 1e-12;
    for (int i = 0; i < 200000; ++i) {
        double lat = rng.Uniform(-90, 90);
        double lon = rng.Uniform(-180, 180);
        if (i % 4 == 0) {
            // On and next to the grid lines of the 10-character squares.
            lat = std::floor(lat * 5760) / 5760 + (rng.Below(3) - 1) * 1e-9;
            lon = std::floor(lon * 2880) / 2880 + (rng.Below(3) - 1) * 1e-9;
            if (lat < -90 || lat >= 90 - 1e-6 || lon < -180 || lon >= 180 - 2e-6)
                continue;
        }
        const std::string text = EncodeLocator(lat, lon);
        ASSERT_EQ(text.size(), 10u);
        ASSERT_TRUE(IsValidLocator(text)) << text;
        ASSERT_TRUE(text[0] <= 'R' && text[1] <= 'R' && text[4] <= 'X' && text[5] <= 'X'
                    && text[8] >= 'A' && text[8] <= 'X' && text[9] >= 'A' && text[9] <= 'X'
                    && text[6] >= '0' && text[6] <= '9' && text[7] >= '0' && text[7] <= '9')
            << text;
        const LatLon corner = DecodeLocator(text);
        ASSERT_LE(corner.Latitude - latShift, lat) << text << " " << lat;
        ASSERT_LT(lat, corner.Latitude + 1.0 / 5760) << text << " " << lat;
        ASSERT_LE(corner.Longitude - lonShift, lon) << text << " " << lon;
        ASSERT_LT(lon, corner.Longitude + 1.0 / 2880) << text << " " << lon;
    }
}

TEST(Codec, SixAndEightCharacterLocatorsDecodeToTheStatedPoints)
{
    SplitMix rng{7};
    for (int a = 0; a < 18; ++a) {
        for (int b = 0; b < 18; ++b) {
            for (int n = 0; n < 100; ++n) {
                std::string six;
                six += static_cast<char>('A' + a);
                six += static_cast<char>('A' + b);
                six += static_cast<char>('0' + n / 10);
                six += static_cast<char>('0' + n % 10);
                six += static_cast<char>('A' + rng.Below(24));
                six += static_cast<char>('A' + rng.Below(24));
                const double west = a * 20 + (n / 10) * 2 + (six[4] - 'A') / 12.0 - 180;
                const double south = b * 10 + n % 10 + (six[5] - 'A') / 24.0 - 90;

                std::string padded = six;
                PadLocator(padded);
                LatLon p = DecodeLocator(padded);
                // The exact centre of the 5' by 2.5' square.
                ASSERT_NEAR(p.Longitude, west + 1.0 / 24, 1e-9) << six;
                ASSERT_NEAR(p.Latitude, south + 1.0 / 48, 1e-9) << six;
                // The centre encodes back to the same square.
                ASSERT_EQ(EncodeLocator(p.Latitude, p.Longitude).substr(0, 6), six);

                std::string eight = six;
                eight += static_cast<char>('0' + rng.Below(10));
                eight += static_cast<char>('0' + rng.Below(10));
                const double west8 = west + (eight[6] - '0') / 120.0;
                const double south8 = south + (eight[7] - '0') / 240.0;
                padded = eight;
                PadLocator(padded);
                p = DecodeLocator(padded);
                // 11/24 of the square's width and height from its south-west corner.
                ASSERT_NEAR(p.Longitude, west8 + 11.0 / 24 / 120, 1e-9) << eight;
                ASSERT_NEAR(p.Latitude, south8 + 11.0 / 24 / 240, 1e-9) << eight;
                ASSERT_EQ(EncodeLocator(p.Latitude, p.Longitude).substr(0, 8), eight);
            }
        }
    }
}

} // namespace
