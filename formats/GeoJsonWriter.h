// GeoJSON (RFC 7946) for a square and for a path, so that any GeoJSON viewer shows them.
#pragma once

#include "engine/LocatorCodec.h"

#include <string>
#include <vector>

class CLocatorSquare;
class CRecordWriter;

class CGeoJsonWriter {
public:
    // A Feature whose geometry is the square's Polygon (counter-clockwise from its
    // south-west corner) and whose properties are the record's fields.
    static std::string Square(const CLocatorSquare& square, const CRecordWriter& properties);

    // One line of a FeatureCollection: a LineString through the points, or a
    // MultiLineString when the line crosses the antimeridian, cut there on both sides.
    static std::string LineFeature(const std::vector<LatLon>& points, const CRecordWriter& properties);
    static std::string PointFeature(const LatLon& point, const CRecordWriter& properties);
    static std::string Collection(const std::vector<std::string>& features);
};
