// The great-circle map as SVG: azimuthal equidistant, centred on the first place, the whole
// world inside the rim, with coastlines, the 18 x 18 fields, both places, the short and the
// long path, and their bearings and distances written below.
#pragma once

#include "calc/PathReport.h"
#include "engine/AzimuthalMap.h"
#include "engine/Place.h"

#include <string>
#include <vector>

namespace cli {

class CSvgMap {
public:
    CSvgMap(const Place& from, const Place& to, double radiusKm, int decimals);

    std::string Draw() const;

    // Where a position lands on the picture, in pixels.
    MapPoint ToPixels(const LatLon& point) const;

    static const int kWidth = 800;
    static const int kHeight = 900;
    static const int kRimRadius = 350;

    // Text for SVG: &, <, > and " as entities.
    static std::string Escaped(const std::string& text);

private:
    // An SVG path through the positions, lifted where two neighbours land far apart on
    // the picture (a line passing the antipode, which is the whole rim).
    std::string Polyline(const std::vector<LatLon>& points) const;
    std::string Graticule() const;
    std::string Coasts() const;
    std::string Rim() const;
    std::string Marker(const Place& place, const char* colour) const;

    Place m_from;
    Place m_to;
    CPathReport m_report;
    int m_nDecimals;
    CAzimuthalMap m_map;
};

} // namespace cli
