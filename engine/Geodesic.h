// The shortest path between two positions on the WGS84 ellipsoid (the geodesic): its length
// and the azimuths at both ends. Worked out on the auxiliary sphere of reduced latitudes, with
// the distance and longitude integrals summed by Gauss-Legendre quadrature to full double
// precision, and the start azimuth found by Newton's method held inside a bracket that
// bisection shrinks where Newton strays, so that it converges near the antipode as well.
#pragma once

#include "engine/LocatorCodec.h"

namespace locatrix {
constexpr double kWgs84SemiMajorMetres = 6378137;
constexpr double kWgs84Flattening = 1 / 298.257223563;
} // namespace locatrix

class CGeodesic {
public:
    // longPath: the geodesic that leaves the other way round and reaches the far end from
    // its far side, as the long path on a sphere does. A meridian or the equator closes on
    // itself, and the long way is the rest of it; between two places on the equator it is
    // the equator the other way, even where the short way goes over a pole.
    CGeodesic(const LatLon& from, const LatLon& to, bool longPath = false);
    virtual ~CGeodesic();

    double GetMetres() const;
    // Degrees clockwise from north, in [0, 360): the direction of travel at the start and on
    // arrival. From or to a pole, north is the direction of the meridian of its given longitude.
    double GetInitialAzimuth() const;
    double GetFinalAzimuth() const;

private:
    double m_dMetres;
    double m_dAzimuth1;
    double m_dAzimuth2;
};
