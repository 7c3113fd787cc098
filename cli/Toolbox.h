// The toolbox commands of locatrix-cli (square, path, map, nmea, adif), --version, and the
// help that covers them; the window's four forms stay with Requests.
#pragma once

#include <string>
#include <vector>

namespace cli {

class CToolbox {
public:
    // True when the words are the toolbox's to run: then it has run them and status is the
    // exit status. False: the words are one of the window's forms, untouched.
    static bool Run(const std::vector<std::string>& words, int& status);

    static const char* const kHelpText;
    static const char* const kVersion;
};

} // namespace cli
