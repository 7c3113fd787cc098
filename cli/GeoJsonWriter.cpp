#include "cli/GeoJsonWriter.h"

#include "base/NumberText.h"
#include "cli/RecordWriter.h"
#include "engine/GreatCircle.h"
#include "engine/LocatorSquare.h"

#include <cmath>

namespace cli {

namespace {

const int kDecimals = 6;  // about 0.1 m

std::string Position(double longitude, double latitude)
{
    return "[" + FormatShown(longitude, kDecimals) + "," + FormatShown(latitude, kDecimals) + "]";
}

std::string Line(const std::vector<LatLon>& points)
{
    std::string out = "[";
    for (std::size_t i = 0; i < points.size(); ++i)
        out += (i ? "," : "") + Position(points[i].Longitude, points[i].Latitude);
    return out + "]";
}

std::string Feature(const std::string& geometry, const CRecordWriter& properties)
{
    return "{\"type\":\"Feature\",\"geometry\":" + geometry + ",\"properties\":" + properties.Json() + "}";
}

// Latitude where the great circle through a and b meets longitude 180; b's longitude is
// taken past 180 so that both lie on one side of the cut.
double CrossingLatitude(const LatLon& a, const LatLon& b)
{
    const double k = locatrix::kTruePi / 180;
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

std::vector<std::vector<LatLon>> CGeoJsonWriter::SplitAtAntimeridian(const std::vector<LatLon>& points)
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

std::string CGeoJsonWriter::Square(const CLocatorSquare& s, const CRecordWriter& properties)
{
    const std::string ring = "[[" + Position(s.GetWest(), s.GetSouth()) + "," + Position(s.GetEast(), s.GetSouth()) + ","
                           + Position(s.GetEast(), s.GetNorth()) + "," + Position(s.GetWest(), s.GetNorth()) + ","
                           + Position(s.GetWest(), s.GetSouth()) + "]]";
    return Feature("{\"type\":\"Polygon\",\"coordinates\":" + ring + "}", properties);
}

std::string CGeoJsonWriter::LineFeature(const std::vector<LatLon>& points, const CRecordWriter& properties)
{
    const std::vector<std::vector<LatLon>> parts = SplitAtAntimeridian(points);
    if (parts.size() == 1)
        return Feature("{\"type\":\"LineString\",\"coordinates\":" + Line(parts[0]) + "}", properties);
    std::string lines = "[";
    for (std::size_t i = 0; i < parts.size(); ++i)
        lines += (i ? "," : "") + Line(parts[i]);
    return Feature("{\"type\":\"MultiLineString\",\"coordinates\":" + lines + "]}", properties);
}

std::string CGeoJsonWriter::PointFeature(const LatLon& point, const CRecordWriter& properties)
{
    return Feature("{\"type\":\"Point\",\"coordinates\":" + Position(point.Longitude, point.Latitude) + "}", properties);
}

std::string CGeoJsonWriter::Collection(const std::vector<std::string>& features)
{
    std::string out = "{\"type\":\"FeatureCollection\",\"features\":[";
    for (std::size_t i = 0; i < features.size(); ++i)
        out += (i ? ",\n" : "\n") + features[i];
    return out + "\n]}\n";
}

} // namespace cli
