// CGreatCircle: paths whose bearing and length are known exactly, a reference in extended
// precision, and the way back through Destination. (The map's projection on top of it is
// checked where the map is drawn.)
#include "engine/GreatCircle.h"

#include "tests/support/SplitMix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

const double kPi = locatrix::kTruePi;

// Bearings 359.9999... and 0 are neighbours.
double BearingError(double bearing, double expected)
{
    const double d = std::fabs(bearing - expected);
    return d > 180 ? 360 - d : d;
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
    // East and north components of v at u: those of the direction of travel.
    const long double east = v[1] * cosl(l1) - v[0] * sinl(l1);
    const long double north = v[2] * cosl(p1) - (v[0] * cosl(l1) + v[1] * sinl(l1)) * sinl(p1);
    bearing = atan2l(east, north) / pi * 180;
    angle = atan2l(sqrtl(cross[0] * cross[0] + cross[1] * cross[1] + cross[2] * cross[2]), dot);
}

// Anywhere, within a few metres, and within a few metres of the antipode; then the edges: from
// a pole, no path, antipodes (any bearing) and a hair off them.
TEST(GreatCircle, AgreesWithAnExtendedPrecisionReferenceAndDestinationGoesBack)
{
    auto check = [](const LatLon& a, const LatLon& b, double bearingTolerance) {
        SCOPED_TRACE(testing::Message() << a.Latitude << " " << a.Longitude << " to " << b.Latitude << " "
                                        << b.Longitude);
        const CGreatCircle path(a, b);
        long double bearing, angle;
        Reference(a, b, bearing, angle);
        ASSERT_NEAR(path.GetAngle(), static_cast<double>(angle), 1.6e-15);
        ASSERT_NEAR(path.GetLongAngle(), 2 * kPi - static_cast<double>(angle), 1e-14);
        // Near the antipode (a tolerance below 0) the bearing hangs on the last bits of the inputs:
        // a few units in the last place, divided by the distance from the antipode.
        const double tolerance = bearingTolerance < 0 ? 5e-14 / (kPi - path.GetAngle()) : bearingTolerance;
        ASSERT_LT(BearingError(path.GetBearing(), static_cast<double>(bearing)), tolerance);
        ASSERT_TRUE(path.GetBearing() >= 0 && path.GetBearing() < 360 && path.GetLongBearing() >= 0);
        ASSERT_NEAR(BearingError(path.GetLongBearing(), path.GetBearing()), 180, 1e-12);
        const LatLon back = CGreatCircle::Destination(a, path.GetBearing(), path.GetAngle());
        ASSERT_LT(CGreatCircle(b, back).GetAngle(), 1e-12);
        ASSERT_TRUE(back.Longitude >= -180 && back.Longitude <= 180);
    };
    SplitMix random{3};
    for (int i = 0; i < 30000; ++i) {
        const LatLon a{random.Uniform(-89.9, 89.9), random.Uniform(-180, 180)};
        LatLon b{random.Uniform(-90, 90), random.Uniform(-180, 180)};
        const double hair = random.Uniform(-1e-4, 1e-4);
        if (i % 3 == 1)
            b = LatLon{a.Latitude + hair, a.Longitude + random.Uniform(-1e-4, 1e-4)};
        else if (i % 3 == 2)
            b = LatLon{-a.Latitude + hair, a.Longitude + 180 + random.Uniform(-1e-4, 1e-4)};
        check(a, b, i % 3 == 2 ? -1 : 1e-9);
    }
    check({90, 0}, {0, 0}, 1e-9);
    check({30, 40}, {-30, -140}, -1);
    check({0, 0}, {-1e-9, 180}, -1);
    check({40, -30}, {40, -30}, 360);  // no path: north
    EXPECT_EQ(CGreatCircle({40, -30}, {40, -30}).GetBearing(), 0.0);
}

// Sampled paths cut where they cross longitude 180: every part stays on one side, the cut ends
// meet at one latitude on the great circle, and a path that stays on one side is left whole.
TEST(GreatCircle, PathsAreCutAtTheAntimeridian)
{
    SplitMix random{11};
    for (int i = 0; i < 2000; ++i) {
        const LatLon a{random.Uniform(-80, 80), random.Uniform(-180, 180)};
        const LatLon b{random.Uniform(-80, 80), random.Uniform(-180, 180)};
        const CGreatCircle path(a, b);
        const std::vector<LatLon> line = CGreatCircle::Sample(a, path.GetBearing(), path.GetAngle(), 0.05);
        const std::vector<std::vector<LatLon>> parts = CGreatCircle::SplitAtAntimeridian(line);
        std::size_t points = 0;
        for (std::size_t k = 0; k < parts.size(); ++k) {
            const std::vector<LatLon>& part = parts[k];
            points += part.size();
            for (std::size_t j = 1; j < part.size(); ++j)
                ASSERT_LE(std::fabs(part[j].Longitude - part[j - 1].Longitude), 180) << i;
            if (k == 0)
                continue;
            const LatLon end = parts[k - 1].back(), start = part.front();
            ASSERT_EQ(std::fabs(end.Longitude), 180.0);
            ASSERT_EQ(start.Longitude, -end.Longitude);
            ASSERT_EQ(start.Latitude, end.Latitude);
            // On the great circle through the path's ends: its angle to both adds up.
            const double through = CGreatCircle(a, end).GetAngle() + CGreatCircle(end, b).GetAngle();
            ASSERT_NEAR(through, path.GetAngle(), 1e-9) << i;
        }
        ASSERT_EQ(points, line.size() + 2 * (parts.size() - 1));
        if (parts.size() == 1) {
            ASSERT_EQ(parts[0].size(), line.size());
        }
    }
}

} // namespace
