#include "engine/LocatorCodec.h"

#include "base/Characters.h"

#include <cmath>
#include <cstddef>

namespace {

// The scaled fields of one axis, six characters: x is the position in units of the first
// field's step, with the 1e-7 added once, before anything is cut off.
void EncodeAxis(double x, char out[6])
{
    // Outside [0, 18) there is no field letter: "S" would not exist, and below the first
    // row the whole part and the floor disagree. The edge rows/columns take those.
    // NaN lands here too, in the first row, so no cast below ever sees it.
    if (!(x >= 0.0)) {
        out[0] = 'A'; out[1] = '0'; out[2] = 'A'; out[3] = '0'; out[4] = 'A'; out[5] = '0';
        return;
    }
    if (x >= 18.0) {
        out[0] = 'R'; out[1] = '9'; out[2] = 'X'; out[3] = '9'; out[4] = 'X'; out[5] = '9';
        return;
    }
    out[0] = static_cast<char>('A' + static_cast<int>(x));
    x = (x - std::floor(x)) * 10;
    out[1] = static_cast<char>('0' + static_cast<int>(x));
    x = (x - std::floor(x)) * 24;
    out[2] = static_cast<char>('A' + static_cast<int>(x));
    x = (x - std::floor(x)) * 10;
    out[3] = static_cast<char>('0' + static_cast<int>(x));
    x = (x - std::floor(x)) * 24;
    out[4] = static_cast<char>('A' + static_cast<int>(x));
    x = (x - std::floor(x)) * 10;
    out[5] = static_cast<char>('0' + static_cast<int>(x));
}

} // namespace

std::string EncodeLocator(double latitude, double longitude, int chars)
{
    // Each axis runs on its own: the steps never mix x and y.
    char lon[6];
    char lat[6];
    EncodeAxis((longitude + 180) * 0.05 + 0.0000001, lon);
    EncodeAxis((latitude + 90) * 0.1 + 0.0000001, lat);

    std::string text;
    text.reserve(12);
    for (int i = 0; i < 6 && 2 * i < chars; ++i) {
        text += lon[i];
        text += lat[i];
    }
    return text;
}

bool IsValidLocator(const std::string& text)
{
    // Field letters run A-R, the letters of the smaller squares A-X; a letter beyond its
    // pair's range would name a square off the grid or the neighbour of the one meant.
    static const char kPattern[] = "RR99XX99XX";
    if (text.size() < 6)
        return false;
    const std::size_t used = text.size() < 10 ? text.size() : 10;
    for (std::size_t i = 0; i < used; ++i) {
        const char last = kPattern[i];
        const char first = IsDigit(last) ? '0' : 'A';
        if (text[i] < first || text[i] > last)
            return false;
    }
    return true;
}

void PadLocator(std::string& text)
{
    // A 7-character text has no square of its own: it stands for its 6-character one.
    if (text.size() == 7)
        text.resize(6);
    if (text.size() == 6)
        text += "55AA";
    if (text.size() == 8)
        text += "LL";
}

LatLon DecodeLocator(const std::string& text)
{
    int e[10] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const std::size_t n = text.size() < 10 ? text.size() : 10;
    for (std::size_t i = 0; i < n; ++i)
        e[i] = static_cast<signed char>(text[i]) - 65;
    e[2] += 17;
    e[3] += 17;
    e[6] += 17;
    e[7] += 17;

    // Summed left to right in exactly this order: the last bit of the result depends on it.
    LatLon p;
    p.Longitude = e[8] * (1.0 / 2880) + e[4] * (1.0 / 12) + e[6] * (1.0 / 120) + e[0] * 20 + 2 * e[2] - 180;
    p.Latitude = e[9] * (1.0 / 5760) + e[5] * (1.0 / 24) + e[7] * (1.0 / 240) + e[1] * 10 + e[3] - 90;
    return p;
}
