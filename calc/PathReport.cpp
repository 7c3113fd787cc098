#include "calc/PathReport.h"

#include "base/NumberText.h"
#include "engine/Geodesic.h"
#include "formats/GeoJsonWriter.h"

#include <vector>

namespace {

const double kSampleKm = 100;  // GeoJSON lines: no two neighbours farther apart

CRecordWriter Role(const std::string& role, const std::string& name)
{
    CRecordWriter r;
    r.AddText("role", role);
    r.AddText("name", name);
    return r;
}

} // namespace

CPathReport::CPathReport(const Place& from, const Place& to, const CEarth& earth)
    : m_from(from), m_to(to), m_earth(earth), m_circle(from.point, to.point),
      m_paths{earth.Path(from.point, to.point, false), earth.Path(from.point, to.point, true)}
{
}

double CPathReport::GetKm(bool longPath) const
{
    return m_paths[longPath ? 1 : 0].km;
}

double CPathReport::RotatorBearing(bool longPath) const
{
    double bearing = 0;
    ReadDecimal(Bearing(m_paths[longPath ? 1 : 0].bearing, 1), bearing);
    return bearing;
}

std::string CPathReport::Bearing(double degrees, int decimals)
{
    std::string text = FormatShown(degrees, decimals);
    if (text.compare(0, 3, "360") == 0)
        text = FormatShown(0.0, decimals);
    return text;
}

std::string CPathReport::Summary(bool longPath, int decimals) const
{
    CRecordWriter figures;
    AddFigures(figures, longPath, "", decimals);
    return figures.Value(0) + " deg, " + figures.Value(1) + " km, " + figures.Value(2) + " mi, " + figures.Value(3) + " nmi";
}

std::string CPathReport::Text(int decimals) const
{
    return m_from.name + " to " + m_to.name + "\nshort path: " + Summary(false, decimals)
         + "\nlong path: " + Summary(true, decimals) + "\n";
}

CRecordWriter CPathReport::Record(int decimals) const
{
    CRecordWriter r;
    r.AddText("from", m_from.name);
    r.AddText("to", m_to.name);
    r.AddNumber("from_lat_deg", m_from.point.Latitude, 6);
    r.AddNumber("from_lon_deg", m_from.point.Longitude, 6);
    r.AddNumber("to_lat_deg", m_to.point.Latitude, 6);
    r.AddNumber("to_lon_deg", m_to.point.Longitude, 6);
    if (m_earth.IsWgs84())
        r.AddText("earth", "wgs84");
    else
        r.AddNumber("radius_km", m_earth.GetRadiusKm(), 3);
    AddFigures(r, false, "short_", decimals);
    AddFigures(r, true, "long_", decimals);
    return r;
}

void CPathReport::AddFigures(CRecordWriter& r, bool longPath, const std::string& p, int decimals) const
{
    const double km = GetKm(longPath);
    r.AddNumberText(p + "bearing_deg", Bearing(m_paths[longPath ? 1 : 0].bearing, decimals));
    r.AddNumber(p + "km", km, decimals);
    r.AddNumber(p + "mi", km / locatrix::kKmPerStatuteMile, decimals);
    r.AddNumber(p + "nmi", km / locatrix::kKmPerNauticalMile, decimals);
}

std::string CPathReport::GeoJson(int decimals) const
{
    // The sample step in radians: kSampleKm on this sphere (on the ellipsoid, on its equator).
    const double radiusKm = m_earth.IsWgs84() ? locatrix::kWgs84SemiMajorMetres / 1000 : m_earth.GetRadiusKm();
    const double step = kSampleKm / (m_circle.GetLongAngle() * radiusKm) * m_circle.GetLongAngle();
    std::vector<std::string> features = {
        CGeoJsonWriter::PointFeature(m_from.point, Role("from", m_from.name)),
        CGeoJsonWriter::PointFeature(m_to.point, Role("to", m_to.name)),
    };
    for (bool longPath : {false, true}) {
        const CGreatCircle& c = m_circle;
        CRecordWriter properties = Role(longPath ? "long path" : "short path", m_from.name + " to " + m_to.name);
        AddFigures(properties, longPath, "", decimals);
        features.push_back(CGeoJsonWriter::LineFeature(
            CGreatCircle::Sample(m_from.point, longPath ? c.GetLongBearing() : c.GetBearing(),
                                 longPath ? c.GetLongAngle() : c.GetAngle(), step),
            properties));
    }
    return CGeoJsonWriter::Collection(features);
}
