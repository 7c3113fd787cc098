// A locator of 2 to 12 characters as the square it names: its bounds, centre and size.
// Pairs: letters A-R, digits, letters A-X, digits, letters A-X, digits; either case.
#pragma once

#include "engine/LocatorCodec.h"

#include <string>

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

    // The locator of chars characters (2 to 12, even) of the square holding the position;
    // positions off the grid go to its edge squares, NaN to the first.
    static std::string Encode(double latitude, double longitude, int chars);

private:
    // Both axes counted in steps of the 12-character square: 1/28800 degree of longitude,
    // 1/57600 degree of latitude, so every edge is one exact division.
    std::string m_strLocator;
    long m_nWest;
    long m_nSouth;
    long m_nStep;
};
