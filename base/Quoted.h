// A text from the input, in double quotes, fit for a message: printable ASCII as it is,
// every other byte as \xHH, and cut after 40 bytes, so that no message carries control
// bytes to a terminal or runs for pages.
#pragma once

#include <string>

std::string Quoted(const std::string& text);
