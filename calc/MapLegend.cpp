#include "calc/MapLegend.h"

#include "base/Characters.h"
#include "base/NumberText.h"
#include "calc/Commands.h"
#include "calc/Form.h"
#include "calc/PathReport.h"
#include "engine/GreatCircle.h"
#include "engine/PathCalc.h"
#include "engine/PathTrace.h"
#include "map/MapViewSvg.h"

#include <cmath>

using namespace locatrix;

namespace {

PathFigures Shown(double bearing, double nauticalMiles, double statuteMiles, double kilometers)
{
    const int decimals = DecimalsShown(Box::Bearing);
    return PathFigures{FormatShown(bearing, decimals), FormatShown(statuteMiles, decimals),
                       FormatShown(kilometers, decimals), FormatShown(nauticalMiles, decimals)};
}

Place Centred(std::string locator)
{
    ToUpper(locator);
    std::string padded = locator;
    PadLocator(padded);
    return Place{locator, DecodeLocator(padded)};
}

} // namespace

bool CMapLegend::SetLocations(const std::string& local, const std::string& distant)
{
    CPathCalc path;
    if (!path.SetLocations(local, distant))
        return false;
    m_local = Centred(local);
    m_distant = Centred(distant);
    m_short = Shown(path.GetBearing(), path.GetNauticalMiles(), path.GetStatuteMiles(), path.GetKilometers());
    m_dKilometers = path.GetKilometers();

    // The same formulas for the other way round the circle: half a turn more bearing, a whole
    // turn less arc, and statute miles and kilometres from the rounded nautical miles.
    BearingTrace t;
    TraceBearing(m_local.point, m_distant.point, t);
    const double back = t.t < kHalfTurn ? t.t + kHalfTurn : t.t - kHalfTurn;
    const double bearing = CPathCalc::RoundValue(back * kTenthDegreesPerRadian) * 0.1;
    const double nauticalMiles = CPathCalc::RoundValue((kFullTurn - t.c.d) * kTenthMinutesPerRadian) * 0.1;
    m_long = Shown(bearing, nauticalMiles, CPathCalc::RoundValue(nauticalMiles * kTenthStatuteMilesPerNauticalMile) * 0.1,
                   CPathCalc::RoundValue(nauticalMiles * kTenthKilometresPerNauticalMile) * 0.1);
    return true;
}

std::string CMapLegend::Line(bool longPath) const
{
    const PathFigures& f = GetFigures(longPath);
    return std::string(longPath ? "Long path: " : "Short path: ") + f.bearing + "\260, " + f.kilometers + " km, "
         + f.statuteMiles + " mi, " + f.nauticalMiles + " nmi";
}

std::string CMapLegend::PointText(const LatLon& point) const
{
    const CGreatCircle path(m_local.point, point);
    const double km = path.GetAngle() * kNauticalMileSphereKm;
    return EncodeLocator(point.Latitude, point.Longitude).substr(0, 6) + ": "
         + CPathReport::Bearing(path.GetBearing(), 1) + "\260, " + FormatShown(km, 1) + " km ("
         + FormatShown(km / kKmPerStatuteMile, 1) + " mi) from " + m_local.name;
}

std::string CMapLegend::Text() const
{
    return m_local.name + " to " + m_distant.name + "\r\n" + Line(false) + "\r\n" + Line(true) + "\r\n";
}

std::string CMapLegend::Svg(double radiusKm, int width, int height) const
{
    const CMapView view = CMapViewSvg::View(m_local, m_distant, radiusKm, width, height);
    return CMapViewSvg::Draw(view, width, height,
                             MapSvgLegend{m_local.name + " to " + m_distant.name, Line(false), Line(true)});
}
