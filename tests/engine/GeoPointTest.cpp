// CGeoPoint: the three notations, their ranges and refusals, and the parts as shown.
#include "engine/GeoPoint.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <string>

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

// All eight fields as the window shows them.
std::string Shown(CGeoPoint& p)
{
    char s[300];
    std::snprintf(s, sizeof s, "%f %f | %.0f %.0f %.2f | %.0f %.0f %.2f", p.GetLatitude(), p.GetLongitude(), p.GetLatitudeDegree(),
                  p.GetLatitudeMinute(), p.GetLatitudeSecond(), p.GetLongitudeDegree(), p.GetLongitudeMinute(),
                  p.GetLongitudeSecond());
    return s;
}

TEST(GeoPoint, TakesDegreesMinutesSecondsOrALocator)
{
    CGeoPoint p;
    ASSERT_TRUE(p.SetLatitudeDMS(52, 31, 15, 'N') && p.SetLongitudeDMS(13, 22, 30, 'E'));
    EXPECT_EQ(Shown(p) + " " + p.GetLocator(), "52.520833 13.375000 | 52 31 15.00 | 13 22 30.00 JO62QM55AA");
    // The same square as a locator: trimmed, cut to ten characters, upper-cased; seven
    // characters are their 6-character square.
    CGeoPoint square;
    ASSERT_TRUE(square.SetLocator("JO62QM"));
    EXPECT_EQ(Shown(square), Shown(p));
    for (const char* text : {" \tJO62QM \r\n", "JO62QM55AAZZ", "Jo62qM9"}) {
        CGeoPoint q;
        ASSERT_TRUE(q.SetLocator(text)) << text;
        EXPECT_EQ(Shown(q), Shown(square)) << text;
    }
}

TEST(GeoPoint, RefusesValuesOutOfRangeAndChangesNothing)
{
    CGeoPoint p;
    ASSERT_TRUE(p.SetLatitudeDMS(10, 20, 30, 'N'));
    ASSERT_TRUE(p.SetLongitudeDMS(40, 50, 5, 'W'));
    const std::string before = Shown(p);
    // Each part from 0 to below its limit (for longitudes 180 degrees instead of 90), not NaN;
    // the last: each part in range, but the sum beyond the pole or the date line.
    const double dms[][3] = {{90, 0, 0}, {-5, 0, 0}, {0, 60, 0}, {0, -1, 0}, {0, 0, 60}, {0, 0, -0.01}, {kNaN, 0, 0},
                             {89.5, 30, 0.001}};
    for (const auto& r : dms) {
        EXPECT_FALSE(p.SetLatitudeDMS(r[0], r[1], r[2], 'N')) << r[0] << " " << r[1] << " " << r[2];
        EXPECT_FALSE(p.SetLongitudeDMS(r[0] < 89 ? r[0] : r[0] + 90, r[1], r[2], 'E')) << r[0] << " " << r[1];
    }
    // Decimal degrees a hair beyond the pole; fewer than six characters once trimmed, or a letter
    // off the grid in the first ten (a seventh character is dropped before anything is read).
    EXPECT_FALSE(p.SetLatitude(-90.00000000000001) || p.SetLongitude(kNaN));
    for (const char* text : {"  JO62  ", "\tJO62Q\n", "JO62QM55YA", "JO62QMA5", " zz99zz "})
        EXPECT_FALSE(p.SetLocator(text)) << text;
    EXPECT_EQ(Shown(p), before);
    // A sum of exactly 90 (180) is the pole (the date line).
    EXPECT_TRUE(p.SetLatitudeDMS(89.5, 30, 0, 'S') && p.SetLongitudeDMS(179.5, 30, 0, 'W'));
    EXPECT_EQ(Shown(p), "-90.000000 -180.000000 | 90 30 0.00 | 180 30 0.00");
    // Decimal degrees up to and including the limits.
    EXPECT_TRUE(p.SetLatitude(90) && p.SetLongitude(180) && p.SetLatitude(-90) && p.SetLongitude(-180));
    EXPECT_EQ(p.GetLocator(), "AA00AA00AA");
}

TEST(GeoPoint, DerivesDegreesMinutesSecondsFromDecimalDegrees)
{
    const struct { double value; const char* parts; } cases[] = {
        {-13.375, "13 22 30.00"},  // the sign stays in the decimal degrees
        // The hundredths go up from a quarter of a hundredth on.
        {0.5024 / 3600, "0 0 0.50"},
        {0.5026 / 3600, "0 0 0.51"},
        // 60.00 seconds is the next minute: shown and fed back it would read as 0.
        {10.999999, "11 0 0.00"},
        {-(20 + 30.0 / 60 + 59.996 / 3600), "20 31 0.00"},
        {179.9999999, "180 0 0.00"},
        {-0.0, "0 0 0.00"},  // no "-0"
    };
    CGeoPoint p;
    for (const auto& c : cases) {
        ASSERT_TRUE(p.SetLongitude(c.value));
        const std::string shown = Shown(p);
        EXPECT_EQ(shown.substr(shown.rfind('|') + 2), c.parts) << c.value;
        EXPECT_EQ(p.GetLongitude(), c.value);
    }
}

} // namespace
