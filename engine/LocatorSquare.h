// A locator of 2 to 12 characters as the square it names: its bounds, centre and size.
// Pairs: letters A-R, digits, letters A-X, digits, letters A-X, digits; either case.
#pragma once

#include "engine/LocatorCodec.h"

#include <string>

// An angle as a decimal text gives it: whole units and the digits after the point, in
// degrees (unitsPerDegree 1, "52.5") or in minutes of arc (60, NMEA's "5231.25" as 3151.25').
struct DecimalAngle {
    bool negative = false;
    long whole = 0;
    std::string decimals;
    long unitsPerDegree = 1;
};

class CLocatorSquare {
public:
    CLocatorSquare();
    virtual ~CLocatorSquare();

    // Refused (false, nothing changed): why says what is wrong, naming the character.
    bool SetLocator(const std::string& text, std::string& why);

    const std::string& GetLocator() const { return m_strLocator; }
    double GetSouth() const;
    double GetWest() const;
    double GetNorth() const;
    double GetEast() const;
    LatLon GetCentre() const;
    double GetHeight() const;  // degrees of latitude
    double GetWidth() const;   // degrees of longitude

    // The locator of chars characters (2 to 12, even) of the square holding the position, as
    // EncodeLocator gives it; positions off the grid go to its edge squares, NaN to the first.
    static std::string Encode(double latitude, double longitude, int chars);
    // The same for a position exactly as decimal texts give it: no rounding decides the
    // square of a position on or near an edge.
    static std::string Encode(const DecimalAngle& latitude, const DecimalAngle& longitude, int chars);

private:
    // Both axes counted in steps of the 12-character square: 1/28800 degree of longitude,
    // 1/57600 degree of latitude, so every edge is one exact division.
    std::string m_strLocator;
    long m_nWest;
    long m_nSouth;
    long m_nStep;
};
