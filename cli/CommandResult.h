// locatrix-cli's one vocabulary of exit statuses, and what a command that writes its output at
// once gives back.
#pragma once

#include <string>

namespace cli {

enum ExitStatus {
    kExitDone = 0,
    kExitRefused = 1,   // the input was refused: a bad locator or position, a malformed log
    kExitUsage = 2,     // the command line is not one of the forms
    kExitFile = 3,      // a file could not be read or written
    kExitNetwork = 3    // a network partner failed: nothing listening, no answer, a dropped connection
};

struct CommandResult {
    ExitStatus status = kExitDone;
    std::string out;
    std::string err;      // what went wrong, if anything
    std::string summary;  // counts and notes for standard error, as they are
};

} // namespace cli
