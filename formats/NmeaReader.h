// NMEA 0183 position sentences: GGA, RMC and GLL of any talker (GP, GN, GL, GA, ...),
// checksum checked, read into a position when they carry a valid fix.
#pragma once

#include "engine/LocatorCodec.h"
#include "engine/LocatorSquare.h"

#include <string>

enum class NmeaOutcome {
    Fix,          // a valid position
    Estimated,    // a position by dead reckoning (GGA quality 6, mode indicator E)
    NotReal,      // a position typed in or simulated (GGA quality 7 or 8, mode M or S)
    NoFix,        // a position sentence that says it has none (or mode N)
    BadChecksum,  // missing, not two hex digits, or not the XOR of the sentence
    Malformed,    // a position sentence whose fields cannot be read
    Other,        // a well-formed sentence of another kind
    Noise         // no sentence: a stray "$" in binary data, "$$", text without a checksum
};

// A position as the sentence gives it: in degrees, and exactly as its decimal text says.
struct NmeaFix {
    LatLon point{0, 0};
    DecimalAngle latitude;
    DecimalAngle longitude;
};

class CNmeaReader {
public:
    // One sentence from its "$" up to the end of its line (line end already removed;
    // anything after the checksum's two digits is ignored). fix holds the position of a Fix,
    // and of an Estimated or NotReal one; why names the field at fault.
    static NmeaOutcome ReadSentence(const std::string& sentence, NmeaFix& fix, std::string& why);

    // ddmm.mmm (or dddmm.mmm for longitude) with its hemisphere letter, to signed degrees and
    // exactly, in minutes.
    static bool ReadCoordinate(const std::string& text, const std::string& hemisphere, bool longitude, double& value,
                               DecimalAngle& exact);
};
