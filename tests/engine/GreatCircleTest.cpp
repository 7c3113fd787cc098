// CGreatCircle and CAzimuthalMap: paths whose bearing and length are known exactly, and the
// way there and back again through Destination, which works in three-dimensional vectors.
#include "AzimuthalMap.h"
#include "GreatCircle.h"

#include "SplitMix.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const double kPi = locatrix::kTruePi;

// Bearings 359.9999... and 0 are neighbours.
double BearingError(double bearing, double expected)
{
    const double d = std::fabs(bearing - expected);
    return d > 180 ? 360 - d : d;
}

TEST(GreatCircle, PathsKnownExactly)
{
    struct Case {
        LatLon from, to;
        double bearing, angleDegrees;
    } const cases[] = {
        {{0, 0}, {0, 90}, 90, 90},              // along the equator
        {{0, 90}, {0, 0}, 270, 90},
        {{0, 0}, {0, 179.9}, 90, 179.9},
        {{10, 20}, {50, 20}, 0, 40},            // along a meridian
        {{-45, 100}, {-90, 0}, 180, 45},        // to a pole
        {{90, 0}, {0, 0}, 180, 90},             // from a pole, along its meridian
        {{0, 170}, {0, -170}, 90, 20},          // over the antimeridian
        {{40, -30}, {40, -30}, 0, 0},           // no path
        {{30, 40}, {-30, -140}, -1, 180},       // antipodes: any bearing
        {{0, 0}, {-1e-9, 180}, 180, 180 - 1e-9}, // a hair off the antipode, over a pole
        {{52, 13}, {52 + 1e-9, 13}, 0, 1e-9},   // a hair of a path
        {{0, 13}, {0, 13 - 1e-9}, 270, 1e-9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from.Latitude << " " << c.from.Longitude << " to " << c.to.Latitude
                                        << " " << c.to.Longitude);
        const CGreatCircle path(c.from, c.to);
        const double angle = c.angleDegrees / 180 * kPi;
        EXPECT_NEAR(path.GetAngle(), angle, 1e-15 + angle * 1e-12);
        EXPECT_NEAR(path.GetLongAngle(), 2 * kPi - angle, 1e-12);
        if (c.bearing >= 0) {
            EXPECT_NEAR(BearingError(path.GetBearing(), c.bearing), 0, 1e-9);
            EXPECT_NEAR(BearingError(path.GetLongBearing(), std::fmod(c.bearing + 180, 360)), 0, 1e-9);
        }
        EXPECT_TRUE(path.GetBearing() >= 0 && path.GetBearing() < 360);
    }
}

TEST(GreatCircle, DestinationIsTheOtherEnd)
{
    SplitMix random{5};
    for (int i = 0; i < 30000; ++i) {
        const LatLon a{random.Uniform(-89, 89), random.Uniform(-180, 180)};
        const double bearing = random.Uniform(0, 360);
        // Anywhere, within a few metres, and within a few metres of the antipode.
        const double angle = i % 3 == 0 ? random.Uniform(1e-7, 1e-6) : random.Uniform(1e-6, kPi - 1e-6);
        const LatLon b = CGreatCircle::Destination(a, bearing, angle);
        const CGreatCircle back(a, b);
        ASSERT_NEAR(back.GetAngle(), angle, 2e-15 * (1 + angle)) << i;
        // Very near either end the bearing hangs on the last bits of the point reached.
        ASSERT_LT(BearingError(back.GetBearing(), bearing), 1e-9 + 1e-13 / std::fmin(angle, kPi - angle)) << i;
        ASSERT_TRUE(b.Longitude >= -180 && b.Longitude <= 180);
    }
}

TEST(AzimuthalMap, PointsLieInTheirDirectionAsFarOutAsTheirDistance)
{
    struct Case {
        LatLon centre, point;
        double x, y;
    } const cases[] = {
        {{52, 13}, {52, 13}, 0, 0},                  // the centre
        {{0, 0}, {0, 90}, kPi / 2, 0},               // the four bearings, a quarter round
        {{0, 0}, {90, 0}, 0, kPi / 2},
        {{0, 0}, {0, 45}, kPi / 4, 0},
        {{40, 10}, {-40, -170}, 0, -kPi},            // the antipode, on the rim
        {{90, 0}, {0, 0}, 0, -kPi / 2},              // from the pole: its meridian runs down
    };
    for (const Case& c : cases) {
        const MapPoint p = CAzimuthalMap(c.centre).Project(c.point);
        const double r = std::hypot(p.X, p.Y);
        EXPECT_NEAR(r, std::hypot(c.x, c.y), 1e-12) << c.point.Latitude << " " << c.point.Longitude;
        if (r < 3) {  // the direction of the antipode is any
            EXPECT_NEAR(std::hypot(p.X - c.x, p.Y - c.y), 0, 1e-12) << c.point.Latitude << " " << c.point.Longitude;
        }
    }
}

} // namespace
