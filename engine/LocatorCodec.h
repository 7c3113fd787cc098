// Locator codec: IARU locators to positions and back, and the two text rules
// (the check of the first six characters, the completion of short locators).
#pragma once

#include <string>

struct LatLon {
    double Latitude;
    double Longitude;
};

// Ten characters unless asked for 2 to 12 (even); shorter forms are prefixes of longer ones.
// A square holds its south and west edges; the 1e-7 of a field added before anything is cut
// off keeps binary rounding from putting a position on an edge into the square below it.
// Positions beyond the grid go to the first or last row/column instead of the non-existent "S".
std::string EncodeLocator(double latitude, double longitude, int chars = 10);

// At least 6 characters, each of the first ten (as many as there are) in its pair's range:
// field letters "A"-"R", digits "0"-"9", square letters "A"-"X", upper case only.
// Characters after the tenth are not examined: no calculation uses them.
bool IsValidLocator(const std::string& text);

// 6 characters gain "55AA", 7 characters become their first six plus "55AA",
// 8 characters gain "LL"; other lengths stay as they are.
void PadLocator(std::string& text);

// South-west corner of the square the text names. Decodes whatever it is given:
// missing positions count as "A" (digits then as 17), characters after the tenth are ignored.
LatLon DecodeLocator(const std::string& text);
