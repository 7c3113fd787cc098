// The great-circle map as the window draws it: the azimuthal equidistant projection centred on
// the local station, out to a chosen radius, fitted into a circle of a frame. Land as filled
// rings (fill them even-odd, together), the locator grid at the finest level whose cells are
// big enough to see with its names thinned out so that none overlaps another, range rings at a
// round spacing, bearings round the edge, both paths to the distant station and its marker.
// Everything is cut to the square round the circle, so no coordinate strays far beyond it.
#pragma once

#include "engine/Place.h"
#include "map/Land.h"
#include "map/MapScene.h"

#include <optional>
#include <string>
#include <vector>

struct MapViewStyle {
    double radiusKm;    // from the centre to the edge of the circle
    double charWidth;   // one character of the labels, in frame units, for the thinning
    double charHeight;
};

struct MapMarker {
    MapLabel label;
    bool inside;  // false: beyond the edge, and drawn on it in its direction
};

struct MapRangeRing {
    double radius;  // frame units
    MapLabel label; // "500 km (311 mi)"
};

class CMapView {
public:
    CMapView(const Place& centre, const std::optional<Place>& other, const MapFrame& frame, const MapViewStyle& style);

    const MapFrame& GetFrame() const { return m_frame; }
    double GetRadiusKm() const { return m_dRadiusKm; }
    // Where a position lands, and the position under a point of the frame (false outside the
    // circle).
    MapPoint ToFrame(const LatLon& point) const;
    bool FromFrame(const MapPoint& at, LatLon& point) const;

    const std::vector<MapLine>& GetLand() const { return m_land; }
    // 2 fields, 4 squares, 6 subsquares.
    int GetGridLevel() const { return m_nGridLevel; }
    const std::vector<MapLine>& GetGridLines() const { return m_gridLines; }
    const std::vector<MapLabel>& GetGridLabels() const { return m_gridLabels; }
    const std::vector<MapRangeRing>& GetRangeRings() const { return m_rangeRings; }
    const std::vector<MapTick>& GetTicks() const { return m_ticks; }
    const std::vector<MapLabel>& GetTickLabels() const { return m_tickLabels; }
    const MapMarker& GetCentre() const { return m_centre; }
    const std::optional<MapMarker>& GetOther() const { return m_other; }
    const std::vector<MapLine>& GetPath(bool longPath) const { return longPath ? m_longPath : m_shortPath; }
    // A line from the centre to the edge along a bearing in degrees.
    MapLine HeadingLine(double bearing) const;

    // The box a label takes, centred on its point.
    double LabelWidth(const std::string& text) const { return m_style.charWidth * text.size(); }

private:
    // Radians east and north of the centre, as CAzimuthalMap has it.
    MapPoint Project(const UnitVector& point) const;
    MapPoint Scaled(const MapPoint& radians) const;
    void AddLand();
    void AddGrid();
    void AddRangeRings();
    void AddTicks();
    void AddPath(const LatLon& start, double bearing, double length, std::vector<MapLine>& lines) const;
    // A line in frame units, cut where it jumps across the map and to the square round the circle.
    void AddClipped(const MapLine& line, std::vector<MapLine>& lines) const;

    MapFrame m_frame;
    MapViewStyle m_style;
    double m_dRadiusKm;
    double m_dAngle;          // radians of arc to the edge
    double m_dPixelsPerRadian;
    LatLon m_centrePoint;
    UnitVector m_centreVector;
    UnitVector m_east;
    UnitVector m_north;
    std::vector<MapLine> m_land;
    int m_nGridLevel = 2;
    std::vector<MapLine> m_gridLines;
    std::vector<MapLabel> m_gridLabels;
    std::vector<MapRangeRing> m_rangeRings;
    std::vector<MapTick> m_ticks;
    std::vector<MapLabel> m_tickLabels;
    MapMarker m_centre;
    std::optional<MapMarker> m_other;
    std::vector<MapLine> m_shortPath;
    std::vector<MapLine> m_longPath;
};

// The lines cut into dashes of a length with gaps between them, the pattern running on from
// one stroke into the next.
std::vector<MapLine> DashedLines(const std::vector<MapLine>& lines, double dash, double gap);
