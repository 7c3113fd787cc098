// locatrix-cli nmea [FILE]: the locator of each valid fix in a stream of NMEA 0183 sentences,
// printed as soon as its line has arrived.
#pragma once

#include "cli/ToolboxOptions.h"

#include <cstdio>

namespace cli {

class CNmeaCommand {
public:
    // Reads options.values[0] (or in when there is none); results to out, messages and
    // the closing counts to err. Returns the exit status.
    static int Run(const ToolboxOptions& options, std::FILE* in, std::FILE* out, std::FILE* err);
};

} // namespace cli
