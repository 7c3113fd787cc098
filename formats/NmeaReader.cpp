#include "formats/NmeaReader.h"

#include "base/NumberText.h"
#include "base/Quoted.h"

#include <cstdio>
#include <vector>

namespace {

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::vector<std::string> Fields(const std::string& body)
{
    std::vector<std::string> fields(1);
    for (char c : body) {
        if (c == ',')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

bool IsAddressCharacter(char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

} // namespace

bool CNmeaReader::ReadCoordinate(const std::string& text, const std::string& hemisphere, bool longitude, double& value)
{
    // Whole degrees are the digits before the last two in front of the point.
    const std::string::size_type point = text.find('.');
    const std::string::size_type whole = point == std::string::npos ? text.size() : point;
    const std::string::size_type degreeDigits = longitude ? 3 : 2;
    if (whole != degreeDigits + 2)
        return false;
    for (std::string::size_type i = 0; i < text.size(); ++i)
        if (i != point && !(text[i] >= '0' && text[i] <= '9'))
            return false;
    if (point != std::string::npos && point + 1 == text.size())
        return false;
    const double degrees = IntegerValue(text.substr(0, degreeDigits));
    const double minutes = RealValue(text.substr(degreeDigits));
    if (minutes >= 60)
        return false;
    double v = degrees + minutes / 60;
    if (v > (longitude ? 180 : 90))
        return false;
    const char positive = longitude ? 'E' : 'N';
    const char negative = longitude ? 'W' : 'S';
    if (hemisphere.size() != 1 || (hemisphere[0] != positive && hemisphere[0] != negative))
        return false;
    value = hemisphere[0] == negative ? -v : v;
    return true;
}

NmeaOutcome CNmeaReader::ReadSentence(const std::string& sentence, LatLon& fix, std::string& why)
{
    const std::string::size_type star = sentence.find('*');
    if (sentence.empty() || sentence[0] != '$' || star == std::string::npos || star + 2 >= sentence.size()
        || HexValue(sentence[star + 1]) < 0 || HexValue(sentence[star + 2]) < 0) {
        why = "no checksum (*hh)";
        return NmeaOutcome::BadChecksum;
    }
    unsigned sum = 0;
    for (std::string::size_type i = 1; i < star; ++i)
        sum ^= static_cast<unsigned char>(sentence[i]);
    const unsigned given = static_cast<unsigned>(HexValue(sentence[star + 1]) * 16 + HexValue(sentence[star + 2]));
    if (sum != given) {
        char text[64];
        std::snprintf(text, sizeof text, "checksum *%c%c, but the sentence sums to *%02X", sentence[star + 1],
                      sentence[star + 2], sum);
        why = text;
        return NmeaOutcome::BadChecksum;
    }

    const std::vector<std::string> f = Fields(sentence.substr(1, star - 1));
    const std::string& address = f[0];
    for (char c : address) {
        if (!IsAddressCharacter(c)) {
            why = "address field " + Quoted(address);
            return NmeaOutcome::Malformed;
        }
    }
    // Proprietary sentences (P...) and any other kind are not ours to read.
    const std::string type = address.size() == 5 && address[0] != 'P' ? address.substr(2) : std::string();
    std::size_t lat;          // index of the latitude field; longitude two further on
    std::size_t minimum;      // fields the sentence must have
    if (type == "GGA") {
        lat = 2;
        minimum = 7;
    } else if (type == "RMC") {
        lat = 3;
        minimum = 7;
    } else if (type == "GLL") {
        lat = 1;
        minimum = 5;
    } else {
        return NmeaOutcome::Other;
    }
    if (f.size() < minimum) {
        why = address + " has " + std::to_string(f.size() - 1) + " fields, fewer than " + std::to_string(minimum - 1);
        return NmeaOutcome::Malformed;
    }
    // What each sentence says about its fix: GGA its quality, RMC and GLL their status, and
    // the mode indicator of NMEA 2.3 and later ("N": not valid).
    bool valid = true;
    if (type == "GGA")
        valid = !f[6].empty() && f[6] != "0";
    else if (type == "RMC")
        valid = f[2] == "A" && !(f.size() > 12 && f[12] == "N");
    else
        valid = (f.size() <= 6 || f[6] == "A") && !(f.size() > 7 && f[7] == "N");
    if (!valid || f[lat].empty() || f[lat + 2].empty())
        return NmeaOutcome::NoFix;

    double latitude = 0;
    double longitude = 0;
    if (!ReadCoordinate(f[lat], f[lat + 1], false, latitude)) {
        why = address + " field " + std::to_string(lat) + " (latitude) " + Quoted(f[lat] + "," + f[lat + 1]);
        return NmeaOutcome::Malformed;
    }
    if (!ReadCoordinate(f[lat + 2], f[lat + 3], true, longitude)) {
        why = address + " field " + std::to_string(lat + 2) + " (longitude) " + Quoted(f[lat + 2] + "," + f[lat + 3]);
        return NmeaOutcome::Malformed;
    }
    fix = LatLon{latitude, longitude};
    return NmeaOutcome::Fix;
}
