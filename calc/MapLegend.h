// What the map says about a pair of locators the calculator took: its two places, and the short
// and the long path's bearing and distances. The short path's figures are the very texts of the
// result boxes; the long path is the rest of the same great circle, on the same sphere, with
// the same constants and rounding, so the two always add up to the circle.
#pragma once

#include "engine/Place.h"

#include <string>

struct PathFigures {
    std::string bearing;       // degrees
    std::string statuteMiles;
    std::string kilometers;
    std::string nauticalMiles;
};

class CMapLegend {
public:
    // False when the calculator would refuse the pair (it shows no result then either).
    bool SetLocations(const std::string& local, const std::string& distant);

    // Centred where the calculation puts each locator; named as typed, in capitals.
    const Place& GetLocal() const { return m_local; }
    const Place& GetDistant() const { return m_distant; }
    const PathFigures& GetFigures(bool longPath) const { return longPath ? m_long : m_short; }
    double GetKilometers() const { return m_dKilometers; }

    // "Short path: 67.4\260, 1610.1 km, 1000.5 mi, 869.4 nmi" (code page 1252's degree sign).
    std::string Line(bool longPath) const;
    // Both places and both lines, for the clipboard and screen readers.
    std::string Text() const;
    // A point of the map as the status line tells it: "JO62RM: 85.6\260, 5.9 km (3.7 mi) from
    // JO62QM", its 6-character locator, bearing and distance from the local station.
    std::string PointText(const LatLon& point) const;
    // The map at a radius as an SVG picture of width x height pixels (each from
    // CMapViewSvg::kSmallestSide to kLargestSide): what the window saves and the command line writes.
    std::string Svg(double radiusKm, int width, int height) const;

private:
    Place m_local;
    Place m_distant;
    PathFigures m_short;
    PathFigures m_long;
    double m_dKilometers = 0;
};
