// The requests of locatrix-cli: words into the calculator's form, one of its commands, the
// form's results as one line. The checks, texts and formats are the calculator's.
#pragma once

#include <string>
#include <vector>

namespace cli {

enum Status {
    kOk = 0,        // text is the result line
    kRejected = 1,  // text is the command's complaint, or what the engine refused
    kUsage = 2      // text says what is wrong with the request's form
};

struct Result {
    Status status;
    std::string text;
};

// One request: the words of a command line after the program name, without --batch and
// --help: [--chars 6|8|10] dms|decimal|locator|distance ARGS... chars is the locator
// length used when no --chars is among the words.
Result RunRequest(const std::vector<std::string>& words, int chars);

// Reads the leading options (--chars N, --chars=N) of words from index at on, moving at past
// them. False, with a text saying why, for an unknown option or a bad length.
bool ReadOptions(const std::vector<std::string>& words, std::size_t& at, int& chars, std::string& error);

// Splits a batch line at blanks (spaces, tabs, a trailing carriage return).
void SplitWords(const std::string& line, std::vector<std::string>& words);

// What --help shows: the forms, the formats and the checks with their complaints.
std::string HelpText();

} // namespace cli
