// Single-byte character rules of the whole program: the C locale's
// blanks, ASCII digits and capitals, whatever the user's locale says.
#pragma once

#include <string>

inline bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

inline bool IsUpperLetter(char c) { return c >= 'A' && c <= 'Z'; }

// Small ASCII letters become capitals; every other byte stays.
inline char ToUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

inline void ToUpper(std::string& text)
{
    for (char& c : text)
        c = ToUpper(c);
}
