#include "engine/Earth.h"

#include "engine/Geodesic.h"
#include "engine/GreatCircle.h"

CEarth::CEarth(double radiusKm) : m_dRadiusKm(radiusKm > 0 ? radiusKm : locatrix::kNauticalMileSphereKm) {}

CEarth CEarth::Wgs84()
{
    CEarth earth;
    earth.m_dRadiusKm = 0;
    return earth;
}

bool CEarth::IsWgs84() const { return m_dRadiusKm == 0; }
double CEarth::GetRadiusKm() const { return m_dRadiusKm; }

EarthPath CEarth::Path(const LatLon& from, const LatLon& to, bool longPath) const
{
    if (IsWgs84()) {
        const CGeodesic geodesic(from, to, longPath);
        return EarthPath{geodesic.GetMetres() / 1000, geodesic.GetInitialAzimuth()};
    }
    const CGreatCircle circle(from, to);
    return longPath ? EarthPath{circle.GetLongAngle() * m_dRadiusKm, circle.GetLongBearing()}
                    : EarthPath{circle.GetAngle() * m_dRadiusKm, circle.GetBearing()};
}
