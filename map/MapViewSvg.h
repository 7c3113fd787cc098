// The window's map as an SVG picture of a size in pixels: the same view (land, grid, range
// rings, both paths, the stations) over its legend. The window saves it and the command line
// writes it through here, so a pair at one size and radius is one document, byte for byte.
#pragma once

#include "map/MapView.h"

#include <optional>
#include <string>

// The legend's lines in code page 1252, as the window shows them.
struct MapSvgLegend {
    std::string title;     // "JO62QM to KO85TS"
    std::string shortPath;
    std::string longPath;
};

class CMapViewSvg {
public:
    static const int kSmallestSide = 100;
    static const int kLargestSide = 10000;

    // The view in a picture of width x height pixels (each from kSmallestSide to kLargestSide):
    // the circle above the legend.
    static CMapView View(const Place& centre, const std::optional<Place>& other, double radiusKm, int width,
                         int height);
    static std::string Draw(const CMapView& view, int width, int height, const MapSvgLegend& legend);

    // Code page 1252 text as UTF-8, with &, <, > and " as entities.
    static std::string Text(const std::string& text);
};
