// The world's coastlines (Natural Earth 1:110m land, public domain), built into the program:
// polylines of longitude and latitude pairs in tenths of a degree, one after the other;
// kCoastlineLineSizes[i] is the number of points of line i. Made by generated/make-coastlines.js.
#pragma once

#include <cstddef>

extern const short kCoastlinePoints[];
extern const unsigned short kCoastlineLineSizes[];
extern const std::size_t kCoastlineLineCount;
