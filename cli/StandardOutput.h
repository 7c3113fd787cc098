// Writing to standard output, with the program's one message when that fails.
#pragma once

#include <string>

namespace cli {

// Writes text to stdout and flushes it; false, with a message on stderr, when that failed.
bool WriteStandardOutput(const std::string& text);

} // namespace cli
