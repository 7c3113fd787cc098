#include "engine/Place.h"

#include "base/NumberText.h"
#include "engine/LocatorSquare.h"

bool ReadLocatorPlace(const std::string& text, Place& place, std::string& why)
{
    CLocatorSquare square;
    if (!square.SetLocator(text, why))
        return false;
    place.name = square.GetLocator();
    place.point = square.GetCentre();
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
