// The batch mode of locatrix-cli: one request per line in, one line per line out.
#pragma once

#include "cli/Request.h"

#include <cstdio>
#include <functional>
#include <string>

namespace cli {

// The line written for a request, without its line end.
using BatchLineWriter = std::function<std::string(const Request& request)>;

// Runs each line of in as a request (its words, as on a command line) and writes one line for
// it to out: what writeLine makes of it, or an empty line for an empty line. A line with a
// control byte (NUL included) is refused: no request holds one. chars is the locator length
// of a request without --chars. Returns kExitDone when every line was done, kExitRefused when
// some line was refused, or kExitFile when in could not be read or out written, with failure
// saying which; the lines before were done.
ExitStatus RunBatch(std::FILE* in, std::FILE* out, int chars, const BatchLineWriter& writeLine, std::string& failure);

} // namespace cli
