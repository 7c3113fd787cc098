// NMEA 0183 position sentences: GGA, RMC and GLL of any talker (GP, GN, GL, GA, ...),
// checksum checked, read into a position when they carry a valid fix.
#pragma once

#include "engine/LocatorCodec.h"

#include <string>

enum class NmeaOutcome {
    Fix,          // a valid position
    NoFix,        // a position sentence that says it has none
    BadChecksum,  // missing, not two hex digits, or not the XOR of the sentence
    Malformed,    // a position sentence whose fields cannot be read
    Other         // a well-formed sentence of another kind
};

class CNmeaReader {
public:
    // One sentence from its "$" up to the end of its line (line end already removed;
    // anything after the checksum's two digits is ignored). why names the field at fault.
    static NmeaOutcome ReadSentence(const std::string& sentence, LatLon& fix, std::string& why);

    // ddmm.mmm (or dddmm.mmm for longitude) with its hemisphere letter, to signed degrees.
    static bool ReadCoordinate(const std::string& text, const std::string& hemisphere, bool longitude, double& value);
};
