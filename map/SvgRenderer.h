// The great-circle map as an SVG picture of 800 x 900 pixels: the scene in a rim of 350 pixels
// round (400, 440), a title above it and the paths' figures below.
#pragma once

#include "map/MapScene.h"

#include <string>
#include <vector>

class CSvgRenderer {
public:
    static const int kWidth = 800;
    static const int kHeight = 900;
    static const int kRimRadius = 350;

    // The frame to make the scene for.
    static MapFrame Frame();

    // shortPath and longPath: each path's figures, "296.0 deg, 1610.6 km, ...".
    static std::string Draw(const CMapScene& scene, const std::string& shortPath, const std::string& longPath);

    // Text for SVG: &, <, > and " as entities.
    static std::string Escaped(const std::string& text);
    // An SVG path's data: each stroke a move and its lines, to a tenth of a unit.
    static std::string PathData(const std::vector<MapLine>& lines);
};
