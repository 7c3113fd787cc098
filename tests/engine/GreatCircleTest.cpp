// CGreatCircle and CAzimuthalMap: paths whose bearing and length are known exactly, a reference
// in extended precision, and the way back through Destination.
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

// Bearing (degrees) and central angle (radians) from three-dimensional vectors in long double:
// a different method from the one under test, and more bits.
void Reference(const LatLon& a, const LatLon& b, long double& bearing, long double& angle)
{
    const long double pi = 3.14159265358979323846264338327950288L;
    const long double p1 = a.Latitude / 180.0L * pi, l1 = a.Longitude / 180.0L * pi;
    const long double p2 = b.Latitude / 180.0L * pi, l2 = b.Longitude / 180.0L * pi;
    const long double u[3] = {cosl(p1) * cosl(l1), cosl(p1) * sinl(l1), sinl(p1)};
    const long double v[3] = {cosl(p2) * cosl(l2), cosl(p2) * sinl(l2), sinl(p2)};
    const long double cross[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
    const long double dot = u[0] * v[0] + u[1] * v[1] + u[2] * v[2];
    // The direction of travel is v less its part along u; east and north are its components.
    const long double east = (v[1] - dot * u[1]) * cosl(l1) - (v[0] - dot * u[0]) * sinl(l1);
    const long double north = (v[2] - dot * u[2]) * cosl(p1) - ((v[0] - dot * u[0]) * cosl(l1)
                              + (v[1] - dot * u[1]) * sinl(l1)) * sinl(p1);
    bearing = atan2l(east, north) / pi * 180;
    angle = atan2l(sqrtl(cross[0] * cross[0] + cross[1] * cross[1] + cross[2] * cross[2]), dot);
}

TEST(GreatCircle, AgreesWithAnExtendedPrecisionReferenceAndDestinationGoesBack)
{
    SplitMix random{3};
    for (int i = 0; i < 30000; ++i) {
        const LatLon a{random.Uniform(-89.9, 89.9), random.Uniform(-180, 180)};
        // Anywhere, within a few metres, and within a few metres of the antipode.
        LatLon b{random.Uniform(-90, 90), random.Uniform(-180, 180)};
        const int kind = i % 3;
        const double hair = random.Uniform(-1e-4, 1e-4);
        if (kind == 1)
            b = LatLon{a.Latitude + hair, a.Longitude + random.Uniform(-1e-4, 1e-4)};
        else if (kind == 2)
            b = LatLon{-a.Latitude + hair, a.Longitude + 180 + random.Uniform(-1e-4, 1e-4)};
        const CGreatCircle path(a, b);
        long double bearing, angle;
        Reference(a, b, bearing, angle);
        ASSERT_NEAR(path.GetAngle(), static_cast<double>(angle), 1.6e-15) << i;
        // Near the antipode the bearing hangs on the last bits of the inputs: a few units in the
        // last place, divided by the distance from the antipode.
        const double tolerance = kind == 2 ? 5e-14 / (kPi - path.GetAngle()) : 1e-9;
        ASSERT_LT(BearingError(path.GetBearing(), static_cast<double>(bearing)), tolerance) << i << " kind " << kind;
        const LatLon back = CGreatCircle::Destination(a, path.GetBearing(), path.GetAngle());
        ASSERT_LT(CGreatCircle(b, back).GetAngle(), 1e-12) << i << " kind " << kind;
        ASSERT_TRUE(back.Longitude >= -180 && back.Longitude <= 180);
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
