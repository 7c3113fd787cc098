#include "net/AzimuthRange.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {
CAzimuthRange Range(double minAzimuth, double maxAzimuth)
{
    CAzimuthRange range;
    EXPECT_TRUE(range.Set(minAzimuth, maxAzimuth));
    return range;
}

double Sent(const CAzimuthRange& range, double bearing, double heading)
{
    double azimuth = -9999;
    EXPECT_TRUE(range.Nearest(bearing, heading, azimuth)) << bearing << " on " << range.Text();
    return azimuth;
}
}

TEST(AzimuthRange, RotatorConventions)
{
    // South stop: 270 exists only as -90, wherever the antenna points.
    CAzimuthRange southStop = Range(-180, 180);
    for (double heading : {-170.0, 0.0, 90.0, 175.0})
        EXPECT_EQ(-90, Sent(southStop, 270, heading));
    // Both ends of a south-stop rotator point south: the nearer one is taken.
    EXPECT_EQ(180, Sent(southStop, 180, 100));
    EXPECT_EQ(-180, Sent(southStop, 180, -100));

    // Overlap: standing at 400, 10 degrees is 370 (30 away), not 10 (390 away).
    CAzimuthRange overlap = Range(0, 450);
    EXPECT_EQ(370, Sent(overlap, 10, 400));
    EXPECT_EQ(10, Sent(overlap, 10, 100));
    EXPECT_EQ(450, Sent(overlap, 90, 300));
    EXPECT_EQ(90, Sent(overlap, 90, 260));
    // Half way between two representations the lower wins: 45 and 405 from 225.
    EXPECT_EQ(45, Sent(overlap, 45, 225));

    // Plain 0..360: north is both ends.
    CAzimuthRange full = Range(0, 360);
    EXPECT_EQ(360, Sent(full, 0, 359));
    EXPECT_EQ(0, Sent(full, 360, 1));
    EXPECT_EQ(350, Sent(full, -10, 30));
    EXPECT_DOUBLE_EQ(123.4, Sent(full, 123.4 + 720, 0));

    // Less than a turn: what lies outside is refused and the output left alone.
    CAzimuthRange half = Range(0, 180);
    double azimuth = 42;
    EXPECT_FALSE(half.Nearest(270, 0, azimuth));
    EXPECT_FALSE(half.Nearest(NAN, 0, azimuth));
    EXPECT_FALSE(half.Nearest(INFINITY, 0, azimuth));
    EXPECT_EQ(42, azimuth);
    EXPECT_EQ("0..180", half.Text());
    EXPECT_EQ("-180..180", southStop.Text());
    EXPECT_EQ("10.5..20.25", Range(10.5, 20.25).Text());
    // An unknown heading counts as the middle of the range (225): 370 is nearer than 10.
    EXPECT_EQ(370, Sent(overlap, 10, NAN));
}

TEST(AzimuthRange, RefusedRangesLeaveTheRangeAsItWas)
{
    CAzimuthRange range = Range(-180, 180);
    EXPECT_FALSE(range.Set(10, 10));
    EXPECT_FALSE(range.Set(20, 10));
    EXPECT_FALSE(range.Set(NAN, 10));
    EXPECT_FALSE(range.Set(0, INFINITY));
    EXPECT_FALSE(range.Set(0, 3600.5));
    EXPECT_EQ(-180, range.Min());
    EXPECT_EQ(180, range.Max());
    EXPECT_TRUE(range.Set(-720, 2880));
}

TEST(AzimuthRange, CompassAndSeparation)
{
    EXPECT_EQ(270, CAzimuthRange::Compass(-90));
    EXPECT_EQ(10, CAzimuthRange::Compass(370));
    EXPECT_EQ(0, CAzimuthRange::Compass(720));
    EXPECT_EQ(0, CAzimuthRange::Compass(-1e-300));
    EXPECT_EQ(20, CAzimuthRange::Separation(350, 10));
    EXPECT_EQ(20, CAzimuthRange::Separation(370, -10));
    EXPECT_EQ(180, CAzimuthRange::Separation(0, 180));
}

// Every bearing on a quarter-degree grid from -720 to 720, against headings across and beyond
// each range, compared with a brute-force search over the turns.
TEST(AzimuthRange, NearestRepresentationExhaustively)
{
    const std::vector<std::pair<double, double>> ranges = {
        {-180, 180}, {0, 360}, {0, 450}, {-180, 270}, {90, 270}, {0, 180}, {-90, 450}, {0, 720}, {10.5, 20.25}, {359, 361}};
    long checked = 0, refused = 0;
    for (const auto& limits : ranges) {
        CAzimuthRange range = Range(limits.first, limits.second);
        for (double bearing = -720; bearing <= 720; bearing += 0.25) {
            const double compass = std::fmod(std::fmod(bearing, 360.0) + 360.0, 360.0);
            // Brute force: every turn that lands inside, and the nearest of them per heading.
            std::vector<double> inside;
            for (int turn = -4; turn <= 4; ++turn) {
                double candidate = compass + 360.0 * turn;
                if (candidate >= limits.first - 1e-9 && candidate <= limits.second + 1e-9)
                    inside.push_back(candidate);
            }
            for (double heading = limits.first - 40; heading <= limits.second + 40; heading += 2.5) {
                double azimuth = NAN;
                bool found = range.Nearest(bearing, heading, azimuth);
                ASSERT_EQ(!inside.empty(), found) << bearing << " on " << range.Text();
                ++checked;
                if (!found) {
                    ++refused;
                    continue;
                }
                double best = inside.front();
                for (double candidate : inside)
                    if (std::fabs(candidate - heading) < std::fabs(best - heading))
                        best = candidate;
                ASSERT_EQ(best, azimuth) << bearing << " from " << heading << " on " << range.Text();
                ASSERT_GE(azimuth, limits.first);
                ASSERT_LE(azimuth, limits.second);
                ASSERT_LT(CAzimuthRange::Separation(azimuth, bearing), 1e-9);
            }
        }
    }
    EXPECT_GT(checked, 1000000);
    EXPECT_GT(refused, 10000); // the ranges of less than a turn refuse most bearings
}
