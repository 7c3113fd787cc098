// The azimuthal equidistant projection centred on one position: every point lies in the
// direction of its initial bearing from the centre, as far out as its great-circle distance.
// The antipode is the rim, pi from the centre.
#pragma once

#include "engine/LocatorCodec.h"

struct MapPoint {
    double X;  // east, radians of arc
    double Y;  // north, radians of arc
};

class CAzimuthalMap {
public:
    explicit CAzimuthalMap(const LatLon& centre);
    virtual ~CAzimuthalMap();

    MapPoint Project(const LatLon& point) const;
    const LatLon& GetCentre() const { return m_centre; }

private:
    LatLon m_centre;
};
