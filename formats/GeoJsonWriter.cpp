#include "formats/GeoJsonWriter.h"

#include "base/NumberText.h"
#include "engine/GreatCircle.h"
#include "engine/LocatorSquare.h"
#include "formats/RecordWriter.h"


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

} // namespace

std::string CGeoJsonWriter::Square(const CLocatorSquare& s, const CRecordWriter& properties)
{
    const std::string ring = "[[" + Position(s.GetWest(), s.GetSouth()) + "," + Position(s.GetEast(), s.GetSouth()) + ","
                           + Position(s.GetEast(), s.GetNorth()) + "," + Position(s.GetWest(), s.GetNorth()) + ","
                           + Position(s.GetWest(), s.GetSouth()) + "]]";
    return Feature("{\"type\":\"Polygon\",\"coordinates\":" + ring + "}", properties);
}

std::string CGeoJsonWriter::LineFeature(const std::vector<LatLon>& points, const CRecordWriter& properties)
{
    const std::vector<std::vector<LatLon>> parts = CGreatCircle::SplitAtAntimeridian(points);
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
