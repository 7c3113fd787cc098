#include "engine/Place.h"

#include "base/NumberText.h"
#include "base/Characters.h"
#include "engine/LocatorSquare.h"

#include <algorithm>
#include <cmath>
#include <vector>

bool ReadLocatorPlace(const std::string& text, Place& place, std::string& why)
{
    CLocatorSquare square;
    if (!square.SetLocator(text, why))
        return false;
    place.name = square.GetLocator();
    place.point = square.GetCentre();
    return true;
}

bool ReadSquaresPlace(const std::string& list, Place& place, std::string& why)
{
    std::vector<CLocatorSquare> squares;
    std::string name;
    for (std::string::size_type at = 0; at <= list.size();) {
        std::string::size_type comma = list.find(',', at);
        if (comma == std::string::npos)
            comma = list.size();
        std::string text = list.substr(at, comma - at);
        while (!text.empty() && IsBlank(text.back()))
            text.pop_back();
        text.erase(0, text.find_first_not_of(" \t"));
        CLocatorSquare square;
        if (!square.SetLocator(text, why))
            return false;
        if (!squares.empty() && text.size() != squares[0].GetLocator().size()) {
            why = "the squares of a list must be of one size";
            return false;
        }
        squares.push_back(square);
        name += (name.empty() ? "" : ",") + square.GetLocator();
        at = comma + 1;
    }
    if (squares.size() != 2 && squares.size() != 4) {
        why = "a list of squares has 2 or 4 of them, not " + std::to_string(squares.size());
        return false;
    }
    // Across the 180th meridian the western squares count as lying east of it.
    double west = 180, east = -180, south = 90, north = -90;
    for (const CLocatorSquare& s : squares) {
        west = std::min(west, s.GetWest());
        east = std::max(east, s.GetEast());
    }
    const bool wraps = east - west > 180;
    west = 540;
    east = -180;
    for (const CLocatorSquare& s : squares) {
        const double shift = wraps && s.GetWest() < 0 ? 360 : 0;
        west = std::min(west, s.GetWest() + shift);
        east = std::max(east, s.GetEast() + shift);
        south = std::min(south, s.GetSouth());
        north = std::max(north, s.GetNorth());
    }
    // Adjacent and none twice: exactly as many squares as fit into the area they span.
    const double width = squares[0].GetWidth();
    const double height = squares[0].GetHeight();
    const double across = std::round((east - west) / width);
    const double up = std::round((north - south) / height);
    if (across > 2 || up > 2 || across * up != static_cast<double>(squares.size())) {
        why = "the squares of a list must meet on a grid line or at a corner";
        return false;
    }
    bool twice = false;
    for (std::size_t i = 0; i < squares.size(); ++i)
        for (std::size_t j = i + 1; j < squares.size(); ++j)
            twice = twice || squares[i].GetLocator() == squares[j].GetLocator();
    if (twice) {
        why = "a list names a square twice";
        return false;
    }
    double longitude = (west + east) / 2;
    if (longitude >= 180)
        longitude -= 360;
    place.name = name;
    place.point = LatLon{(south + north) / 2, longitude};
    return true;
}

bool ReadPlace(const std::string& text, Place& place, std::string& why)
{
    const std::string::size_type comma = text.find(',');
    if (comma == std::string::npos)
        return ReadLocatorPlace(text, place, why);
    double latitude = 0;
    double longitude = 0;
    if (!ReadDecimal(text.substr(0, comma), latitude) || !(latitude >= -90 && latitude <= 90)) {
        why = "the latitude of LAT,LON must be a decimal number from -90 to 90";
        return false;
    }
    if (!ReadDecimal(text.substr(comma + 1), longitude) || !(longitude >= -180 && longitude <= 180)) {
        why = "the longitude of LAT,LON must be a decimal number from -180 to 180";
        return false;
    }
    place.name = text;
    place.point = LatLon{latitude, longitude};
    return true;
}
