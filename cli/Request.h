// A request of the window's four forms, from the command line or from a line of a batch:
// [--chars 6|8|10] dms|decimal|locator|distance VALUES... Its words go into the calculator's
// form as the window's boxes would hold them, and the calculator's command runs on it; the
// checks, texts and formats are the calculator's.
#pragma once

#include "calc/Commands.h"
#include "cli/CommandResult.h"

#include <string>
#include <vector>

namespace cli {

struct Request {
    ExitStatus status = kExitDone;      // kExitRefused: a check or the engine refused the values
    std::string text;                   // refused or of the wrong form: what is wrong
    const char* command = "";           // done: the form's name
    SavedGroup done = SavedGroup::Dms;  // done: which command ran, for its result fields
    CForm form;                         // done: what the command left in the form
};

// chars is the locator length when no --chars is among the words.
Request RunRequest(const std::vector<std::string>& words, int chars);

// Reads the leading options (--chars N, --chars=N) of words from index at on, moving at past
// them. False, with a text saying why, for an unknown option or a bad length.
bool ReadRequestOptions(const std::vector<std::string>& words, std::size_t& at, int& chars, std::string& error);

// The word after the leading options, where a request has its form's name; and whether a
// word names one of the four.
std::string RequestCommand(const std::vector<std::string>& words);
bool IsForm(const std::string& word);

// Splits a batch line at blanks (spaces, tabs, a trailing carriage return).
void SplitWords(const std::string& line, std::vector<std::string>& words);

} // namespace cli
