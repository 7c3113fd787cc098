#include "net/AzimuthRange.h"

#include <cmath>
#include <cstdio>

namespace {
// Limits are read from text with six decimals: a representation this close to one is inside.
constexpr double kEdge = 1e-9;

std::string Degrees(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}
}

bool CAzimuthRange::Set(double minAzimuth, double maxAzimuth)
{
    if (!std::isfinite(minAzimuth) || !std::isfinite(maxAzimuth) || !(minAzimuth < maxAzimuth) ||
        maxAzimuth - minAzimuth > 3600)
        return false;
    m_dMin = minAzimuth;
    m_dMax = maxAzimuth;
    return true;
}

bool CAzimuthRange::Nearest(double bearing, double heading, double& azimuth) const
{
    if (!std::isfinite(bearing))
        return false;
    if (!std::isfinite(heading))
        heading = (m_dMin + m_dMax) / 2;
    const double compass = Compass(bearing);
    // Every turn k with min <= compass + 360 k <= max, allowing for the edge.
    const double first = std::ceil((m_dMin - kEdge - compass) / 360);
    const double last = std::floor((m_dMax + kEdge - compass) / 360);
    if (first > last)
        return false;
    // The representation nearest to heading is the one in the turn nearest to it, held to the
    // turns that lie inside; on a tie (heading half way between two) the lower wins.
    double turn = std::ceil((heading - compass) / 360 - 0.5);
    turn = turn < first ? first : (turn > last ? last : turn);
    double value = compass + 360 * turn;
    azimuth = value < m_dMin ? m_dMin : (value > m_dMax ? m_dMax : value);
    return true;
}

std::string CAzimuthRange::Text() const
{
    return Degrees(m_dMin) + ".." + Degrees(m_dMax);
}

double CAzimuthRange::Compass(double azimuth)
{
    double compass = std::fmod(azimuth, 360.0);
    if (compass < 0)
        compass += 360;
    // A tiny negative value comes back as 360 from the addition.
    return compass >= 360 ? 0 : compass;
}

double CAzimuthRange::Separation(double first, double second)
{
    double difference = std::fabs(Compass(first) - Compass(second));
    return difference > 180 ? 360 - difference : difference;
}
