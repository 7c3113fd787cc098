// The great-circle map as any renderer draws it: the azimuthal equidistant projection centred
// on one place, fitted into a frame (its centre and the radius of its rim, in the frame's own
// units: pixels for a picture), with the fields' edges and names, the coastlines, the short and
// the long path to the other place, and the bearings round the rim. A line is cut where two
// neighbours land far apart: near the antipode the projection pulls them across the map.
#pragma once

#include "engine/AzimuthalMap.h"
#include "engine/Place.h"

#include <string>
#include <vector>

struct MapFrame {
    double centreX;
    double centreY;    // y grows downwards, as on a screen
    double rimRadius;  // where the antipode is, all round
};

struct MapLabel {
    MapPoint at;
    std::string text;
};

struct MapTick {
    MapPoint inner;
    MapPoint outer;  // on the rim
};

using MapLine = std::vector<MapPoint>;  // one unbroken stroke

class CMapScene {
public:
    CMapScene(const Place& centre, const Place& other, const MapFrame& frame);

    // Where a position lands in the frame.
    MapPoint ToFrame(const LatLon& point) const;

    const MapFrame& GetFrame() const { return m_frame; }
    // The two places: where each lands, and its name.
    const MapLabel& GetCentre() const { return m_centre; }
    const MapLabel& GetOther() const { return m_other; }
    // The fields' edges: meridians every 20 degrees, parallels every 10.
    const std::vector<MapLine>& GetGraticule() const { return m_graticule; }
    // The fields' names at their centres, column by column from the west, where they can be
    // read: not in the squeezed ring round the rim.
    const std::vector<std::vector<MapLabel>>& GetFieldNames() const { return m_fieldNames; }
    const std::vector<MapLine>& GetCoastlines() const { return m_coastlines; }
    const std::vector<MapLine>& GetPath(bool longPath) const { return longPath ? m_longPath : m_shortPath; }
    // A tick every 10 degrees of bearing, 5 units long and 10 at every 30 degrees, which have
    // their bearing as a label 16 units outside the rim.
    const std::vector<MapTick>& GetRimTicks() const { return m_rimTicks; }
    const std::vector<MapLabel>& GetRimLabels() const { return m_rimLabels; }

private:
    void AddLine(const std::vector<LatLon>& points, std::vector<MapLine>& lines) const;

    MapFrame m_frame;
    CAzimuthalMap m_projection;
    MapLabel m_centre;
    MapLabel m_other;
    std::vector<MapLine> m_graticule;
    std::vector<std::vector<MapLabel>> m_fieldNames;
    std::vector<MapLine> m_coastlines;
    std::vector<MapLine> m_shortPath;
    std::vector<MapLine> m_longPath;
    std::vector<MapTick> m_rimTicks;
    std::vector<MapLabel> m_rimLabels;
};
