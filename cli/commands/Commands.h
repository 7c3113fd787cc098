// locatrix-cli's commands, one thin file each: the command line's words read, the library
// called, the result printed. Each reads in (or the file it names), writes its results to out
// and its messages to err, and returns the exit status.
#pragma once

#include "cli/CommandResult.h"
#include "cli/Options.h"
#include "engine/Place.h"
#include "net/Rotator.h"

#include <cstdio>
#include <string>
#include <vector>

namespace cli {

// The window's four forms, one request from the words or one per line of in with --batch;
// formatted: the first --format F among the words chooses text, csv or json.
ExitStatus RunForms(std::vector<std::string> words, bool formatted, std::FILE* in, std::FILE* out, std::FILE* err);
// Whether the words ask for the window's forms in a format: --format and a form, or --batch.
bool WantsFormattedForms(const std::vector<std::string>& words);

ExitStatus RunSquare(const Options& options, std::FILE* in, std::FILE* out, std::FILE* err);
ExitStatus RunPath(const Options& options, std::FILE* in, std::FILE* out, std::FILE* err);
ExitStatus RunMap(const Options& options, std::FILE* in, std::FILE* out, std::FILE* err);
ExitStatus RunNmea(const Options& options, std::FILE* in, std::FILE* out, std::FILE* err);
ExitStatus RunAdif(const Options& options, std::FILE* in, std::FILE* out, std::FILE* err);
ExitStatus RunRotate(const Options& options, std::FILE* in, std::FILE* out, std::FILE* err);
ExitStatus RunWsjtx(const Options& options, std::FILE* in, std::FILE* out, std::FILE* err);

// The two places of path and map, or why not (result's status and message set).
bool ReadEnds(const Options& options, const char* command, Place ends[2], CommandResult& result);

// Whether a rotator's call failed; if so, the result says why: refused when the bearing lies
// outside the rotator's range (nothing was sent), a network failure otherwise.
bool RotatorFailed(const CNetError& error, const char* command, CommandResult& result);

} // namespace cli
