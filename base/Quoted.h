// A text from the input, in double quotes, fit for a message: printable ASCII as it is,
// every other byte as \xHH, and cut after 40 bytes, so that no message carries control
// bytes to a terminal or runs for pages.
#pragma once

#include <string>

std::string Quoted(const std::string& text);

// A file's name in a message, escaped alike but never cut: a cut name names no file.
std::string QuotedName(const std::string& name);
