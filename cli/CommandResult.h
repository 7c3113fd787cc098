// What a toolbox command gives back: its exit status and the texts for stdout and stderr.
#pragma once

#include <string>

namespace cli {

enum ExitStatus {
    kExitDone = 0,
    kExitRefused = 1,   // the input was refused: a bad locator or position, a malformed log
    kExitUsage = 2,     // the command line is not one of the forms
    kExitFile = 3       // a file could not be read or written
};

struct CommandResult {
    int status = kExitDone;
    std::string out;
    std::string err;      // what went wrong, if anything
    std::string summary;  // counts and notes for standard error, as they are
};

} // namespace cli
