// locatrix-cli's one help: the window's four forms with their checks and complaints, worked
// out from the calculator itself, then the toolbox.
#pragma once

#include <string>

namespace cli {

// The four forms: what a command line without any words gets, on standard error.
std::string UsageText();
// Everything: what --help shows.
std::string HelpText();

} // namespace cli
