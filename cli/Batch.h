// The batch mode of locatrix-cli: one request per line in, one line per line out.
#pragma once

#include "cli/Requests.h"

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace cli {

// Runs each line of in as a request (its words, as on a command line) and writes one line for
// it to out: the result, "error: " and the message, or an empty line for an empty line. A line
// with a control byte (NUL included) is an error line: no request holds one. Returns 0 when
// every line was done, kExitRefused when some line was refused, or kExitFile when in could not
// be read or out written, with failure saying which; the lines before were done.
// The line written for a request's result, without its newline; the words are the line's.
using BatchLineWriter = std::function<std::string(const std::vector<std::string>& words, const Result& result)>;

// writeLine writes each line (a control byte's line as a refused request without words);
// without one, a result is written as it is and a refusal as "error: " and its message.
int RunBatch(std::FILE* in, std::FILE* out, int chars, std::string& failure,
             const BatchLineWriter& writeLine = BatchLineWriter());

} // namespace cli
