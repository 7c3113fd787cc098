// One end of a path: a locator of 2 to 12 characters (standing for its centre) or a position
// LAT,LON in signed decimal degrees.
#pragma once

#include "engine/LocatorCodec.h"

#include <string>

struct Place {
    std::string name;   // the locator in upper case, or LAT,LON as given
    LatLon point;
};

// False, with why naming what is wrong, for anything else.
bool ReadPlace(const std::string& text, Place& place, std::string& why);
// A locator only.
bool ReadLocatorPlace(const std::string& text, Place& place, std::string& why);
// Squares of one size that meet on a grid line or a corner, listed with commas ("FM19,FM29",
// 2 or 4 of them, as ADIF's VUCC_GRIDS holds them): the centre of the area they cover.
bool ReadSquaresPlace(const std::string& list, Place& place, std::string& why);
