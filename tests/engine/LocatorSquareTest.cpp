// CLocatorSquare: squares of 2 to 12 characters, their edges, and the encoder that every
// position's own square must hold.
#include "LocatorSquare.h"

#include "SplitMix.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

TEST(LocatorSquare, EdgesCentreAndSize)
{
    struct Case {
        const char* text;
        const char* upper;
        double south, west, height, width;
    } const cases[] = {
        {"JO", "JO", 50, 0, 10, 20},
        {"jo62", "JO62", 52, 12, 1, 2},
        {"JO62qm", "JO62QM", 52.5, 13 + 1.0 / 3, 1.0 / 24, 1.0 / 12},
        {"JO62QM55", "JO62QM55", 52.5 + 5.0 / 240, 13 + 1.0 / 3 + 5.0 / 120, 1.0 / 240, 1.0 / 120},
        {"AA00AA00AA", "AA00AA00AA", -90, -180, 1.0 / 5760, 1.0 / 2880},
        {"RR99XX99XX99", "RR99XX99XX99", 90 - 1.0 / 57600, 180 - 1.0 / 28800, 1.0 / 57600, 1.0 / 28800},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        CLocatorSquare square;
        std::string why;
        ASSERT_TRUE(square.SetLocator(c.text, why)) << why;
        EXPECT_EQ(square.GetLocator(), c.upper);
        EXPECT_NEAR(square.GetSouth(), c.south, 1e-12);
        EXPECT_NEAR(square.GetWest(), c.west, 1e-12);
        EXPECT_NEAR(square.GetNorth(), c.south + c.height, 1e-12);
        EXPECT_NEAR(square.GetEast(), c.west + c.width, 1e-12);
        EXPECT_NEAR(square.GetCentre().Latitude, c.south + c.height / 2, 1e-12);
        EXPECT_NEAR(square.GetCentre().Longitude, c.west + c.width / 2, 1e-12);
        EXPECT_NEAR(square.GetHeight(), c.height, 1e-15);
        EXPECT_NEAR(square.GetWidth(), c.width, 1e-15);
    }
}

TEST(LocatorSquare, RefusesAndSaysWhy)
{
    const char* const cases[][2] = {
        {"", "a locator has 2, 4, 6, 8, 10 or 12 characters, not 0"},
        {"JO6", "a locator has 2, 4, 6, 8, 10 or 12 characters, not 3"},
        {"JO62QM55AA00X", "a locator has 2, 4, 6, 8, 10 or 12 characters, not 13"},
        {"SA", "character 1 of a locator must be A to R"},
        {"J062", "character 2 of a locator must be A to R"},
        {"JOA2", "character 3 of a locator must be 0 to 9"},
        {"JO62YA", "character 5 of a locator must be A to X"},
        {"JO62QM5a", "character 8 of a locator must be 0 to 9"},
        {"JO62QM55AZ", "character 10 of a locator must be A to X"},
        {"JO62QM55AA0:", "character 12 of a locator must be 0 to 9"},
        {"JO62\xC4" "A", "character 5 of a locator must be A to X"},
    };
    for (const auto& c : cases) {
        CLocatorSquare square;
        std::string why;
        EXPECT_FALSE(square.SetLocator(c[0], why)) << c[0];
        EXPECT_EQ(why, c[1]) << c[0];
        EXPECT_EQ(square.GetLocator(), "JJ") << "unchanged after " << c[0];
    }
}

TEST(LocatorSquare, EveryPositionLiesInItsOwnSquare)
{
    SplitMix random{12};
    for (int i = 0; i < 20000; ++i) {
        const double lat = random.Uniform(-90, 90);
        const double lon = random.Uniform(-180, 180);
        for (int chars = 2; chars <= 12; chars += 2) {
            const std::string text = CLocatorSquare::Encode(lat, lon, chars);
            CLocatorSquare square;
            std::string why;
            ASSERT_TRUE(square.SetLocator(text, why)) << text << ": " << why;
            ASSERT_EQ(text.size(), static_cast<std::size_t>(chars));
            ASSERT_TRUE(lat >= square.GetSouth() && lat < square.GetNorth()) << lat << " " << text;
            ASSERT_TRUE(lon >= square.GetWest() && lon < square.GetEast()) << lon << " " << text;
        }
    }
    // Off the grid: the edge squares; the window's encoder agrees inside it.
    EXPECT_EQ(CLocatorSquare::Encode(90, 180, 12), "RR99XX99XX99");
    EXPECT_EQ(CLocatorSquare::Encode(-91, -200, 4), "AA00");
    EXPECT_EQ(CLocatorSquare::Encode(std::numeric_limits<double>::quiet_NaN(), 1e300, 6), "RA90XA");
    EXPECT_EQ(CLocatorSquare::Encode(52.5, 13.4, 10), EncodeLocator(52.5, 13.4));
}

} // namespace
