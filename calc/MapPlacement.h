// Where the map window was, how big and at which radius, as settings: kept as numbers of their
// own beside the calculator's. What comes back is checked: a size that is no window's, or a
// place whose title bar is on no screen, gives the system's default placement instead.
#pragma once

#include "calc/Form.h"

#include <optional>
#include <vector>

struct ScreenRect {
    int left, top, right, bottom;
};

struct MapPlacement {
    std::optional<ScreenRect> window;  // none: the default placement
    double radiusKm = 0;               // 0: none stored
};

// The names of the values under the settings key.
std::vector<std::string> MapPlacementNames();

// screens: the work areas of the screens there are now; smallest: the window's least size.
MapPlacement ReadMapPlacement(const SettingValues& stored, const std::vector<ScreenRect>& screens, int smallestWidth,
                              int smallestHeight);
SettingValues MapPlacementValues(const ScreenRect& window, double radiusKm);
