// Locator codec: IARU locators to positions and back, and the two text rules
// (the check of the first six characters, the completion of short locators).
#pragma once

#include <string>

struct LatLon {
    double Latitude;
    double Longitude;
};

// Ten characters, always; 6- and 8-character forms are its prefixes. Positions beyond
// the grid go to the first or last row/column instead of the non-existent "S".
std::string EncodeLocator(double latitude, double longitude);

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
