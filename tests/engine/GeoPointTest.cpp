// CGeoPoint: the three notations, their ranges and refusals.
#include "GeoPoint.h"

#include <cmath>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

namespace {

std::string Format(const char* format, double v)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, v);
    return buffer;
}

// The parts as the window shows them: "%.0f", "%.0f", "%.2f".
std::string LatitudeParts(CGeoPoint& p)
{
    return Format("%.0f", p.GetLatitudeDegree()) + " " + Format("%.0f", p.GetLatitudeMinute()) + " "
        + Format("%.2f", p.GetLatitudeSecond());
}

std::string LongitudeParts(CGeoPoint& p)
{
    return Format("%.0f", p.GetLongitudeDegree()) + " " + Format("%.0f", p.GetLongitudeMinute()) + " "
        + Format("%.2f", p.GetLongitudeSecond());
}

// Every field, bit for bit, to show that a refusal changed nothing.
struct Snapshot {
    double v[8];
    std::string locator;
    explicit Snapshot(CGeoPoint& p)
        : v{p.GetLatitude(), p.GetLongitude(), p.GetLatitudeDegree(), p.GetLatitudeMinute(),
            p.GetLatitudeSecond(), p.GetLongitudeDegree(), p.GetLongitudeMinute(), p.GetLongitudeSecond()}
    {
    }
    bool operator==(const Snapshot& o) const
    {
        for (int i = 0; i < 8; ++i)
            if (std::memcmp(&v[i], &o.v[i], sizeof v[i]) != 0)
                return false;
        return true;
    }
};

TEST(GeoPoint, StartsAtZeroAndEncodesTheEquatorCrossing)
{
    CGeoPoint p;
    EXPECT_EQ(p.GetLatitude(), 0.0);
    EXPECT_EQ(p.GetLongitude(), 0.0);
    EXPECT_EQ(p.GetLatitudeDegree() + p.GetLatitudeMinute() + p.GetLatitudeSecond(), 0.0);
    EXPECT_EQ(p.GetLongitudeDegree() + p.GetLongitudeMinute() + p.GetLongitudeSecond(), 0.0);
    EXPECT_EQ(p.GetLocator(), "JJ00AA00AA");
}

TEST(GeoPoint, TakesDegreesMinutesSecondsWithHemisphereLetters)
{
    CGeoPoint p;
    ASSERT_TRUE(p.SetLatitudeDMS(52, 31, 15, 'N'));
    ASSERT_TRUE(p.SetLongitudeDMS(13, 22, 30, 'E'));
    EXPECT_EQ(Format("%f", p.GetLatitude()), "52.520833");
    EXPECT_EQ(Format("%f", p.GetLongitude()), "13.375000");
    EXPECT_EQ(p.GetLocator(), "JO62QM55AA");
    // Stored as given, not derived.
    EXPECT_EQ(p.GetLatitudeDegree(), 52.0);
    EXPECT_EQ(p.GetLatitudeMinute(), 31.0);
    EXPECT_EQ(p.GetLatitudeSecond(), 15.0);

    ASSERT_TRUE(p.SetLatitudeDMS(52, 31, 15, 'S'));
    EXPECT_EQ(Format("%f", p.GetLatitude()), "-52.520833");
    EXPECT_EQ(p.GetLatitudeDegree(), 52.0);
    // (sec/3600 + min/60) + deg, in that order.
    EXPECT_EQ(p.GetLatitude(), -((15 * (1.0 / 3600) + 31 * (1.0 / 60)) + 52));

    ASSERT_TRUE(p.SetLongitudeDMS(179, 59, 59.99, 'W'));
    EXPECT_EQ(Format("%f", p.GetLongitude()), "-179.999997");
    // Any letter but S (W) means north (east).
    ASSERT_TRUE(p.SetLatitudeDMS(1, 0, 0, 's'));
    EXPECT_EQ(p.GetLatitude(), 1.0);
    ASSERT_TRUE(p.SetLongitudeDMS(1, 0, 0, 'S'));
    EXPECT_EQ(p.GetLongitude(), 1.0);
}

TEST(GeoPoint, RefusesDegreesMinutesSecondsOutOfRangeAndChangesNothing)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    CGeoPoint p;
    ASSERT_TRUE(p.SetLatitudeDMS(10, 20, 30, 'N'));
    ASSERT_TRUE(p.SetLongitudeDMS(40, 50, 5, 'W'));
    const Snapshot before(p);
    EXPECT_FALSE(p.SetLatitudeDMS(90, 0, 0, 'N'));
    EXPECT_FALSE(p.SetLatitudeDMS(-5, 0, 0, 'N'));
    EXPECT_FALSE(p.SetLatitudeDMS(0, 60, 0, 'N'));
    EXPECT_FALSE(p.SetLatitudeDMS(0, -1, 0, 'N'));
    EXPECT_FALSE(p.SetLatitudeDMS(0, 0, 60, 'N'));
    EXPECT_FALSE(p.SetLatitudeDMS(0, 0, -0.01, 'N'));
    EXPECT_FALSE(p.SetLatitudeDMS(nan, 0, 0, 'N'));
    EXPECT_FALSE(p.SetLatitudeDMS(0, nan, 0, 'N'));
    EXPECT_FALSE(p.SetLatitudeDMS(0, 0, nan, 'N'));
    EXPECT_FALSE(p.SetLongitudeDMS(180, 0, 0, 'E'));
    EXPECT_FALSE(p.SetLongitudeDMS(-0.5, 0, 0, 'E'));
    EXPECT_FALSE(p.SetLongitudeDMS(0, 60, 0, 'E'));
    EXPECT_FALSE(p.SetLongitudeDMS(0, 0, 60, 'E'));
    EXPECT_FALSE(p.SetLongitudeDMS(nan, 0, 0, 'E'));
    EXPECT_TRUE(before == Snapshot(p));
    EXPECT_TRUE(p.SetLatitudeDMS(89.999, 59.999, 59.999, 'N'));
    EXPECT_TRUE(p.SetLongitudeDMS(179.999, 0, 0, 'E'));
}

TEST(GeoPoint, DecimalSettersTestTheRealValue)
{
    CGeoPoint p;
    ASSERT_TRUE(p.SetLatitude(12.5));
    ASSERT_TRUE(p.SetLongitude(-45.25));
    const Snapshot before(p);
    EXPECT_FALSE(p.SetLatitude(90.5));
    EXPECT_FALSE(p.SetLatitude(-90.9));
    EXPECT_FALSE(p.SetLatitude(91));
    EXPECT_FALSE(p.SetLatitude(90.00000000000001));
    EXPECT_FALSE(p.SetLongitude(-180.7));
    EXPECT_FALSE(p.SetLongitude(180.5));
    EXPECT_FALSE(p.SetLatitude(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(p.SetLongitude(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(p.SetLatitude(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(p.SetLongitude(-std::numeric_limits<double>::infinity()));
    EXPECT_TRUE(before == Snapshot(p));

    EXPECT_TRUE(p.SetLatitude(90));
    EXPECT_TRUE(p.SetLatitude(-90));
    EXPECT_TRUE(p.SetLongitude(180));
    EXPECT_TRUE(p.SetLongitude(-180));
    EXPECT_EQ(LongitudeParts(p), "180 0 0.00");
    EXPECT_EQ(p.GetLocator(), "AA00AA00AA");
}

TEST(GeoPoint, DerivesPartsFromDecimalDegrees)
{
    CGeoPoint p;
    ASSERT_TRUE(p.SetLatitude(-13.375));
    EXPECT_EQ(p.GetLatitude(), -13.375);
    EXPECT_EQ(LatitudeParts(p), "13 22 30.00");
    EXPECT_EQ(p.GetLatitudeDegree(), 13.0);  // the sign stays in the decimal field only

    ASSERT_TRUE(p.SetLatitude(-33.8688));
    ASSERT_TRUE(p.SetLongitude(151.2093));
    EXPECT_EQ(LatitudeParts(p), "33 52 7.68");
    EXPECT_EQ(LongitudeParts(p), "151 12 33.48");
    EXPECT_EQ(p.GetLocator(), "QF56OD51CL");

    // The hundredths go up from a quarter of a hundredth on: 0.0075 added, then cut.
    ASSERT_TRUE(p.SetLatitude(0.5 / 3600 + 0.0024 / 3600));
    EXPECT_EQ(LatitudeParts(p), "0 0 0.50");
    ASSERT_TRUE(p.SetLatitude(0.5 / 3600 + 0.0026 / 3600));
    EXPECT_EQ(LatitudeParts(p), "0 0 0.51");
    ASSERT_TRUE(p.SetLatitude(0.5 / 3600 + 0.0020 / 3600));
    EXPECT_EQ(LatitudeParts(p), "0 0 0.50");
    ASSERT_TRUE(p.SetLatitude(10 + 59.0 / 60 + 59.99 / 3600));
    EXPECT_EQ(LatitudeParts(p), "10 59 59.99");

    // Minus zero is the equator: its parts carry no sign that "%.0f" would show.
    ASSERT_TRUE(p.SetLatitude(-0.0));
    EXPECT_EQ(LatitudeParts(p), "0 0 0.00");
    EXPECT_FALSE(std::signbit(p.GetLatitudeDegree()));
}

TEST(GeoPoint, SecondsNeverShowSixty)
{
    CGeoPoint p;
    ASSERT_TRUE(p.SetLatitude(10.999999));
    EXPECT_EQ(p.GetLatitudeDegree(), 11.0);
    EXPECT_EQ(p.GetLatitudeMinute(), 0.0);
    EXPECT_EQ(p.GetLatitudeSecond(), 0.0);
    EXPECT_EQ(p.GetLatitude(), 10.999999);

    // Carry into the minutes only.
    ASSERT_TRUE(p.SetLongitude(-(20 + 30.0 / 60 + 59.996 / 3600)));
    EXPECT_EQ(LongitudeParts(p), "20 31 0.00");
    // Carry through the minutes into the degrees, up to the pole and the date line.
    ASSERT_TRUE(p.SetLatitude(-89.9999999));
    EXPECT_EQ(LatitudeParts(p), "90 0 0.00");
    ASSERT_TRUE(p.SetLongitude(179.9999999));
    EXPECT_EQ(LongitudeParts(p), "180 0 0.00");

    // From the locator too: no seconds of 60 for any 10-character square.
    for (char c = 'A'; c <= 'X'; ++c) {
        for (char d = '0'; d <= '9'; ++d) {
            std::string text = "JO62QM";
            text += d;
            text += d;
            text += c;
            text += c;
            ASSERT_TRUE(p.SetLocator(text));
            ASSERT_LT(p.GetLatitudeSecond(), 59.995) << text;
            ASSERT_LT(p.GetLongitudeSecond(), 59.995) << text;
            ASSERT_LT(p.GetLatitudeMinute(), 60.0) << text;
        }
    }
}

TEST(GeoPoint, TakesALocator)
{
    CGeoPoint p;
    ASSERT_TRUE(p.SetLocator("JO62QM"));
    EXPECT_EQ(Format("%f", p.GetLatitude()), "52.520833");
    EXPECT_EQ(p.GetLongitude(), 13.375);
    EXPECT_EQ(LatitudeParts(p), "52 31 15.00");
    EXPECT_EQ(LongitudeParts(p), "13 22 30.00");

    // Trimmed, cut to ten, padded.
    CGeoPoint q;
    ASSERT_TRUE(q.SetLocator(" \tJO62QM \r\n"));
    EXPECT_EQ(q.GetLatitude(), p.GetLatitude());
    EXPECT_EQ(q.GetLongitude(), p.GetLongitude());
    ASSERT_TRUE(q.SetLocator("JO62QM55AAZZ"));
    EXPECT_EQ(q.GetLatitude(), p.GetLatitude());
    EXPECT_EQ(q.GetLongitude(), p.GetLongitude());
    ASSERT_TRUE(q.SetLocator("JO62QM55"));
    EXPECT_EQ(Format("%f", q.GetLatitude()), "52.522743");
    EXPECT_EQ(Format("%f", q.GetLongitude()), "13.378819");
    // Seven characters are the 6-character square.
    ASSERT_TRUE(q.SetLocator("JO62QM9"));
    EXPECT_EQ(q.GetLatitude(), p.GetLatitude());
    EXPECT_EQ(q.GetLongitude(), p.GetLongitude());
    EXPECT_EQ(q.GetLocator(), "JO62QM55AA");
    // The locator of a decoded 10-character square is that square.
    ASSERT_TRUE(q.SetLocator("QF56OD51CL"));
    EXPECT_EQ(q.GetLocator(), "QF56OD51CL");
}

TEST(GeoPoint, RefusesShortLocatorsAndChangesNothing)  // also after trimming
{
    CGeoPoint p;
    ASSERT_TRUE(p.SetLocator("KO85TS"));
    const Snapshot before(p);
    EXPECT_FALSE(p.SetLocator("JO62Q"));
    EXPECT_FALSE(p.SetLocator(""));
    EXPECT_FALSE(p.SetLocator("  JO62  "));
    EXPECT_FALSE(p.SetLocator("      "));
    EXPECT_FALSE(p.SetLocator("\tJO62Q\n"));
    EXPECT_TRUE(before == Snapshot(p));
    EXPECT_EQ(p.GetLocator(), "KO85TS55AA");
}

} // namespace
