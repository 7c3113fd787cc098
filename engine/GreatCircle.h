// The great circle from one position to another on a sphere: initial bearing and central
// angle for the short and the long path, and the points along it. Unlike CPathCalc (the
// window's formulas, kept as they are) this uses the full circle constant and atan2 forms,
// which stay accurate for very short paths and near the antipode.
#pragma once

#include "engine/LocatorCodec.h"

#include <vector>

namespace locatrix {
constexpr double kTruePi = 3.141592653589793;
// One nautical mile is one minute of arc: the sphere of the window's distances.
constexpr double kNauticalMileSphereKm = 1.852 * 60 * 180 / kTruePi;
constexpr double kKmPerStatuteMile = 1.609344;
constexpr double kKmPerNauticalMile = 1.852;
} // namespace locatrix

class CGreatCircle {
public:
    CGreatCircle(const LatLon& from, const LatLon& to);
    virtual ~CGreatCircle();

    // Degrees clockwise from north, in [0, 360). From a pole, north is the direction of
    // the meridian of the pole's given longitude.
    double GetBearing() const;
    double GetLongBearing() const;
    // Central angles in radians: the short path in [0, pi], the long path 2 pi minus it.
    double GetAngle() const;
    double GetLongAngle() const;

    // The point reached from start by going angle radians along the bearing (degrees).
    static LatLon Destination(const LatLon& start, double bearing, double angle);
    // Points from start along the bearing, angle radians in all, no two neighbours more than
    // maxStep apart; both ends included.
    static std::vector<LatLon> Sample(const LatLon& start, double bearing, double angle, double maxStep);
    // A line's parts after cutting it where it crosses longitude 180, each cut end on the
    // meridian at the latitude where the great circle between the neighbours crosses it.
    static std::vector<std::vector<LatLon>> SplitAtAntimeridian(const std::vector<LatLon>& points);

    // Sine and cosine of an angle in degrees, exact at whole quarter turns, never -0.
    static void SinCos(double degrees, double& s, double& c);
    // An angle in degrees into [0, 360).
    static double Turn(double degrees);

private:
    double m_dBearing;
    double m_dAngle;
};
