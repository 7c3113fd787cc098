// What locatrix-cli says and writes: every message with the program's name, a usage error with
// the hint to --help, and every write checked, so that a full disk never passes for success.
#pragma once

#include "cli/CommandResult.h"

#include <cstdio>
#include <string>

namespace cli {

// "locatrix-cli: TEXT" and its line end.
std::string Message(const std::string& text);
void Say(std::FILE* err, const std::string& text);
// The message and "Try 'locatrix-cli --help'."; kExitUsage.
ExitStatus SayUsage(std::FILE* err, const std::string& text);

// Writes text to out and flushes it; false, with a message on err, when that failed.
bool WriteOut(std::FILE* out, std::FILE* err, const std::string& text);

// A command's output to out, then its summary and its message to err; its status, or
// kExitFile when a done command's output could not be written.
ExitStatus Finish(const CommandResult& result, std::FILE* out, std::FILE* err);

} // namespace cli
