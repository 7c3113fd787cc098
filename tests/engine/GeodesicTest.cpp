// CGeodesic where the answer is known another way: meridians against the meridian arc summed
// over geodetic latitude, the equator and its antipode. (Random pairs, both ways round and near
// the antipode, are geodesic_test.py's, against geographiclib.)
#include "engine/Geodesic.h"
#include "engine/GreatCircle.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const double kA = locatrix::kWgs84SemiMajorMetres;
const double kRadiansPerDegree = locatrix::kTruePi / 180;

// Metres along a meridian from the equator to a latitude: the radius of curvature
// a (1 - e^2) / (1 - e^2 sin^2)^(3/2) summed by Simpson's rule in long double.
double MeridianArc(double latitude)
{
    const long double f = locatrix::kWgs84Flattening, e2 = f * (2 - f);
    const int n = 2000;
    const long double h = latitude * kRadiansPerDegree / n;
    long double sum = 0;
    for (int i = 0; i <= n; ++i) {
        const long double s = sinl(i * h);
        const long double rho = kA * (1 - e2) / powl(1 - e2 * s * s, 1.5L);
        sum += rho * (i == 0 || i == n ? 1 : i % 2 ? 4 : 2);
    }
    return static_cast<double>(sum * h / 3);
}

double TurnError(double bearing, double expected)
{
    const double d = std::fabs(bearing - expected);
    return d > 180 ? 360 - d : d;
}

TEST(Geodesic, MeridiansAgainstTheMeridianArc)
{
    const struct {
        LatLon from, to;
        double metres;
        double azimuth;
        double longMetres;  // 0: the rest of the meridian
    } cases[] = {
        {{0, 13}, {52.5, 13}, MeridianArc(52.5), 0, 0},
        {{-33.9, -70}, {41.7, -70}, MeridianArc(41.7) + MeridianArc(33.9), 0, 0},
        {{89.5, 0}, {-10, 0}, MeridianArc(89.5) + MeridianArc(10), 180, 0},
        // Over a pole: the meridian on the other side.
        {{60, 10}, {70, -170}, 2 * MeridianArc(90) - MeridianArc(60) - MeridianArc(70), 0, 0},
        {{-90, 0}, {90, 0}, 2 * MeridianArc(90), 0, 0},
        // Antipodes on the equator: over a pole, shorter than half the equator, which is the
        // long way.
        {{0, 0}, {0, 180}, 2 * MeridianArc(90), 0, kA * locatrix::kTruePi},
    };
    for (const auto& c : cases) {
        const CGeodesic g(c.from, c.to);
        EXPECT_NEAR(g.GetMetres(), c.metres, 1e-6) << c.from.Latitude << " " << c.to.Latitude;
        EXPECT_LT(TurnError(g.GetInitialAzimuth(), c.azimuth), 1e-9) << c.from.Latitude << " " << c.to.Latitude;
        // A meridian closes on itself: the long way is the rest of it.
        EXPECT_NEAR(CGeodesic(c.from, c.to, true).GetMetres(),
                    c.longMetres > 0 ? c.longMetres : 4 * MeridianArc(90) - g.GetMetres(), 1e-6);
    }
}

TEST(Geodesic, TheEquatorUntilAPoleIsShorter)
{
    // Along the equator while the longitudes differ by up to (1 - f) 180 degrees.
    for (double lon : {1e-9, 10.0, 90.0, 179.0}) {
        const CGeodesic g({0, 5}, {0, 5 + lon});
        EXPECT_NEAR(g.GetMetres(), kA * lon * kRadiansPerDegree, 1e-6) << lon;
        EXPECT_EQ(g.GetInitialAzimuth(), 90) << lon;
        EXPECT_NEAR(CGeodesic({0, 5}, {0, 5 + lon}, true).GetMetres(), kA * (360 - lon) * kRadiansPerDegree, 1e-6);
    }
    // Beyond it a path away from the equator is shorter.
    const CGeodesic g({0, 0}, {0, 179.5});
    EXPECT_LT(g.GetMetres(), kA * 179.5 * kRadiansPerDegree - 100);
    EXPECT_GT(g.GetInitialAzimuth(), 1);
    EXPECT_LT(g.GetInitialAzimuth(), 89);
}

} // namespace
