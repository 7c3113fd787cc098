// Which earth distances and bearings are worked out on. Loggers differ: the window uses the
// sphere on which a nautical mile is a minute of arc (6366.707 km), QLog a 6371 km sphere, VHF
// contests score on 6371.291 km, JTDX on the WGS84 ellipsoid. On a sphere the path is the great
// circle; on the ellipsoid, the geodesic.
#pragma once

#include "engine/LocatorCodec.h"

struct EarthPath {
    double km;
    double bearing;  // degrees clockwise from north at the start, in [0, 360)
};

class CEarth {
public:
    // A sphere; radiusKm 0: the nautical-mile sphere.
    explicit CEarth(double radiusKm = 0);
    static CEarth Wgs84();

    bool IsWgs84() const;
    // The sphere's radius; 0 for the ellipsoid.
    double GetRadiusKm() const;

    // The short path, or the long one: the other way round to the same end.
    EarthPath Path(const LatLon& from, const LatLon& to, bool longPath) const;

private:
    double m_dRadiusKm;  // 0: the WGS84 ellipsoid
};
