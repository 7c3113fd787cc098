// The batch mode of locatrix-cli: one request per line in, one line per line out.
#pragma once

#include <cstdio>
#include <string>

namespace cli {

// Runs each line of in as a request (its words, as on a command line) and writes one line for
// it to out: the result, "error: " and the message, or an empty line for an empty line. A line
// with a control byte (NUL included) is an error line: no request holds one. Returns 0 when
// every line was done, kExitRefused when some line was refused, or kExitFile when in could not
// be read or out written, with failure saying which; the lines before were done.
int RunBatch(std::FILE* in, std::FILE* out, int chars, std::string& failure);

} // namespace cli
