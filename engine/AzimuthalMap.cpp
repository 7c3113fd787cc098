#include "engine/AzimuthalMap.h"

#include "engine/GreatCircle.h"

#include <cmath>

CAzimuthalMap::CAzimuthalMap(const LatLon& centre) : m_centre(centre) {}

CAzimuthalMap::~CAzimuthalMap() = default;

MapPoint CAzimuthalMap::Project(const LatLon& point) const
{
    const CGreatCircle path(m_centre, point);
    const double theta = path.GetBearing() / 180 * locatrix::kTruePi;
    MapPoint p;
    p.X = path.GetAngle() * std::sin(theta);
    p.Y = path.GetAngle() * std::cos(theta);
    return p;
}
