#include "engine/GreatCircle.h"

#include <cmath>

using locatrix::kTruePi;

namespace {

double Radians(double degrees) { return degrees / 180 * kTruePi; }
double Degrees(double radians) { return radians / kTruePi * 180; }

// Latitude where the great circle through a and b meets longitude 180; b's longitude is
// taken past 180 so that both lie on one side of the cut.
double CrossingLatitude(const LatLon& a, const LatLon& b)
{
    const double k = kTruePi / 180;
    const double la = a.Longitude < 0 ? a.Longitude + 360 : a.Longitude;
    const double lb = b.Longitude < 0 ? b.Longitude + 360 : b.Longitude;
    const double d = std::sin((la - lb) * k);
    // Along a meridian, over a pole: no longitude between them; the middle will do.
    if (std::fabs(d) < 1e-12)
        return (a.Latitude + b.Latitude) / 2;
    const double t = (std::tan(a.Latitude * k) * std::sin((180 - lb) * k)
                      - std::tan(b.Latitude * k) * std::sin((180 - la) * k)) / d;
    return std::atan(t) / k;
}

} // namespace

// Sine and cosine of an angle in degrees, reduced in degrees first: whole quarter turns give
// exact zeros and ones (pi in radians is not exact, so sin of 180 degrees would not be 0).
void CGreatCircle::SinCos(double degrees, double& s, double& c)
{
    double r = std::remainder(degrees, 360.0);
    const double quarters = std::nearbyint(r / 90);
    r = Radians(r - quarters * 90);
    const double sr = std::sin(r), cr = std::cos(r);
    switch (static_cast<int>(quarters) & 3) {
    case 0: s = sr; c = cr; break;
    case 1: s = cr; c = -sr; break;
    case 2: s = -sr; c = -cr; break;
    default: s = -cr; c = sr; break;
    }
    // No negative zeros out of a quarter turn: they would flip atan2 across the meridian.
    s += 0.0;
    c += 0.0;
}

// Into [0, 360): a tiny negative angle would otherwise come out as 360.
double CGreatCircle::Turn(double degrees)
{
    double d = std::fmod(degrees, 360.0);
    if (d < 0)
        d += 360;
    return d >= 360 ? 0.0 : d;
}

CGreatCircle::CGreatCircle(const LatLon& from, const LatLon& to)
{
    double sinPhi1, cosPhi1, sinPhi2, cosPhi2, sinDPhi, cosDPhi, sinD, cosD, sinHalfD, cosHalfD;
    SinCos(from.Latitude, sinPhi1, cosPhi1);
    SinCos(to.Latitude, sinPhi2, cosPhi2);
    // Differences first, in degrees: close inputs give exact differences.
    SinCos(to.Latitude - from.Latitude, sinDPhi, cosDPhi);
    SinCos(to.Longitude - from.Longitude, sinD, cosD);
    SinCos((to.Longitude - from.Longitude) / 2, sinHalfD, cosHalfD);
    // East and north components of the direction of travel at the start, and the cosine of
    // the central angle; 1 - cos written as 2 sin^2 of the half, so that short paths do not
    // lose their bits in a difference of nearly equal terms.
    const double versine = 2 * sinHalfD * sinHalfD;
    const double east = cosPhi2 * sinD;
    const double north = sinDPhi + sinPhi1 * cosPhi2 * versine;
    const double along = cosDPhi - cosPhi1 * cosPhi2 * versine;
    m_dAngle = std::atan2(std::sqrt(east * east + north * north), along);
    m_dBearing = Turn(Degrees(std::atan2(east, north)));
}

CGreatCircle::~CGreatCircle() = default;

double CGreatCircle::GetBearing() const { return m_dBearing; }
double CGreatCircle::GetLongBearing() const { return Turn(m_dBearing + 180); }
double CGreatCircle::GetAngle() const { return m_dAngle; }
double CGreatCircle::GetLongAngle() const { return 2 * kTruePi - m_dAngle; }

LatLon CGreatCircle::Destination(const LatLon& start, double bearing, double angle)
{
    // In three dimensions: the start, turned by angle towards the unit vector of travel.
    double sinPhi, cosPhi, sinLambda, cosLambda, sinTheta, cosTheta;
    SinCos(start.Latitude, sinPhi, cosPhi);
    SinCos(start.Longitude, sinLambda, cosLambda);
    SinCos(bearing, sinTheta, cosTheta);
    const double c = std::cos(angle), s = std::sin(angle);
    // Start (cosPhi cosLambda, cosPhi sinLambda, sinPhi); north (-sinPhi cosLambda,
    // -sinPhi sinLambda, cosPhi); east (-sinLambda, cosLambda, 0).
    const double x = c * cosPhi * cosLambda + s * (cosTheta * -sinPhi * cosLambda - sinTheta * sinLambda);
    const double y = c * cosPhi * sinLambda + s * (cosTheta * -sinPhi * sinLambda + sinTheta * cosLambda);
    const double z = c * sinPhi + s * cosTheta * cosPhi;
    LatLon p;
    p.Latitude = Degrees(std::atan2(z, std::sqrt(x * x + y * y)));
    p.Longitude = Degrees(std::atan2(y, x));
    return p;
}

std::vector<LatLon> CGreatCircle::Sample(const LatLon& start, double bearing, double angle, double maxStep)
{
    double steps = std::ceil(angle / maxStep);
    if (!(steps >= 1))
        steps = 1;
    if (steps > 100000)
        steps = 100000;
    const int n = static_cast<int>(steps);
    std::vector<LatLon> points;
    points.reserve(n + 1);
    points.push_back(start);
    for (int i = 1; i <= n; ++i)
        points.push_back(Destination(start, bearing, angle * i / n));
    return points;
}

std::vector<std::vector<LatLon>> CGreatCircle::SplitAtAntimeridian(const std::vector<LatLon>& points)
{
    std::vector<std::vector<LatLon>> parts(1);
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (i > 0 && std::fabs(points[i].Longitude - points[i - 1].Longitude) > 180) {
            const double latitude = CrossingLatitude(points[i - 1], points[i]);
            const double side = points[i - 1].Longitude > 0 ? 180 : -180;
            parts.back().push_back(LatLon{latitude, side});
            parts.emplace_back();
            parts.back().push_back(LatLon{latitude, -side});
        }
        parts.back().push_back(points[i]);
    }
    return parts;
}
