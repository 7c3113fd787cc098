// Natural Earth's land built into the program (public domain; generated/Land110m.cpp and
// Land50m.cpp, made by generated/make-land.js): rings of quantised longitude and latitude
// steps, each ring its point count and then every point as its difference from the one before
// (the first from 0,0), x then y, each a zigzag varint of 7 bits a byte. A step x is longitude
// x * scaleX + translateX, a step y latitude y * scaleY + translateY.
#pragma once

#include <cstddef>

struct LandData {
    const unsigned char* bytes;
    std::size_t size;
    std::size_t ringCount;
    double scaleX;
    double scaleY;
    double translateX;
    double translateY;
};

extern const LandData kLand110m;  // 1:110m, for the whole world
extern const LandData kLand50m;   // 1:50m, for regions
