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

bool CNmeaReader::ReadCoordinate(const std::string& text, const std::string& hemisphere, bool longitude, double& value,
                                 DecimalAngle& exact)
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
    const int degrees = IntegerValue(text.substr(0, degreeDigits));
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
    exact.negative = hemisphere[0] == negative;
    exact.whole = degrees * 60L + IntegerValue(text.substr(degreeDigits, 2));
    exact.decimals = point == std::string::npos ? std::string() : text.substr(point + 1);
    exact.unitsPerDegree = 60;
    return true;
}

NmeaOutcome CNmeaReader::ReadSentence(const std::string& sentence, NmeaFix& fix, std::string& why)
{
    // The address: a talker and a sentence (GPGGA), or a maker's own (PSRFTXT). Anything else
    // after a "$" is a "$" that starts no sentence.
    if (sentence.empty() || sentence[0] != '$') {
        why = "no sentence: " + Quoted(sentence.substr(0, 12));
        return NmeaOutcome::Noise;
    }
    std::string::size_type end = 1;
    while (end < sentence.size() && IsAddressCharacter(sentence[end]))
        ++end;
    const std::string address = sentence.substr(1, end - 1);
    if (address.size() < 3 || address.size() > 9
        || (end < sentence.size() && sentence[end] != ',' && sentence[end] != '*')) {
        why = "no sentence: " + Quoted(sentence.substr(0, 12));
        return NmeaOutcome::Noise;
    }
    // Proprietary sentences (P...) and any other kind are not ours to read.
    const std::string type = address.size() == 5 && address[0] != 'P' ? address.substr(2) : std::string();
    const bool position = type == "GGA" || type == "RMC" || type == "GLL";
    const std::string::size_type star = sentence.find('*');
    if (star == std::string::npos || star + 2 >= sentence.size() || HexValue(sentence[star + 1]) < 0
        || HexValue(sentence[star + 2]) < 0) {
        // Text some receivers print without a checksum ($PSRFTXT) is no fault of a position.
        why = position ? "no checksum (*hh)" : "text without a checksum: " + Quoted(sentence.substr(0, 12));
        return position ? NmeaOutcome::BadChecksum : NmeaOutcome::Noise;
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
    if (!position)
        return NmeaOutcome::Other;

    const std::vector<std::string> f = Fields(sentence.substr(1, star - 1));
    std::size_t lat;          // index of the latitude field; longitude two further on
    std::size_t minimum;      // fields the sentence must have
    std::size_t modeField;    // the mode indicator of NMEA 2.3 and later, where the sentence has one
    if (type == "GGA") {
        lat = 2;
        minimum = 7;
        modeField = 0;
    } else if (type == "RMC") {
        lat = 3;
        minimum = 7;
        modeField = 12;
    } else {
        lat = 1;
        minimum = 5;
        modeField = 7;
    }
    if (f.size() < minimum) {
        why = address + " has " + std::to_string(f.size() - 1) + " fields, fewer than " + std::to_string(minimum - 1);
        return NmeaOutcome::Malformed;
    }
    // What each sentence says about its fix: GGA its quality, RMC and GLL their status ("V":
    // none; NMEA 1.5's GLL has no status), and the mode indicator: "N" none, "E" dead
    // reckoning, "M" typed in, "S" a simulator.
    bool valid = true;
    if (type == "GGA")
        valid = !f[6].empty() && f[6] != "0";
    else if (type == "RMC")
        valid = f[2] == "A";
    else
        valid = f.size() <= 6 || f[6] == "A";
    const std::string mode = modeField && f.size() > modeField ? f[modeField] : std::string();
    const std::string quality = type == "GGA" ? f[6] : std::string();
    if (mode == "N")
        valid = false;
    const bool estimated = quality == "6" || mode == "E";
    const bool notReal = quality == "7" || quality == "8" || mode == "M" || mode == "S";
    // Receivers in dead reckoning or demonstration mode mark RMC and GLL void as well.
    if ((!valid && !estimated && !notReal) || f[lat].empty() || f[lat + 2].empty())
        return NmeaOutcome::NoFix;

    NmeaFix read;
    if (!ReadCoordinate(f[lat], f[lat + 1], false, read.point.Latitude, read.latitude)) {
        why = address + " field " + std::to_string(lat) + " (latitude) " + Quoted(f[lat] + "," + f[lat + 1]);
        return NmeaOutcome::Malformed;
    }
    if (!ReadCoordinate(f[lat + 2], f[lat + 3], true, read.point.Longitude, read.longitude)) {
        why = address + " field " + std::to_string(lat + 2) + " (longitude) " + Quoted(f[lat + 2] + "," + f[lat + 3]);
        return NmeaOutcome::Malformed;
    }
    fix = read;
    return notReal ? NmeaOutcome::NotReal : estimated ? NmeaOutcome::Estimated : NmeaOutcome::Fix;
}
