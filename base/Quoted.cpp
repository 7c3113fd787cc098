#include "base/Quoted.h"

#include <cstdio>

namespace {

std::string QuotedUpTo(const std::string& text, std::string::size_type kLongest)
{
    std::string out = "\"";
    for (std::string::size_type i = 0; i < text.size() && i < kLongest; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", c);
            out += escape;
        }
    }
    return out + (text.size() > kLongest ? "\"..." : "\"");
}

} // namespace

std::string Quoted(const std::string& text) { return QuotedUpTo(text, 40); }

std::string QuotedName(const std::string& name) { return QuotedUpTo(name, std::string::npos); }
