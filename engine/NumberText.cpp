#include "NumberText.h"

#include "Characters.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

int IntegerValue(const std::string& text)
{
    std::string::size_type i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        const int digit = text[i] - '0';
        if (value > (INT_MAX - digit) / 10) {
            value = INT_MAX;
            break;
        }
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

double RealValue(const std::string& text)
{
    std::string::size_type i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    const std::string::size_type start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::string::size_type digits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0.0;
    // An exponent counts only with at least one digit: "1e" reads as 1.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::string::size_type j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j]))
                ++j;
            i = j;
        }
    }
#ifndef __i386__
    // from_chars rounds correctly, as strtod does, without strtod's cost; it leaves a value
    // beyond the range of doubles to strtod, whose infinity or tiny result counts. It takes no
    // plus sign. Not in 32-bit x86 builds: there the library's from_chars works in x87
    // registers and can miss the last bit (4.543618646e+28 under MinGW).
    const char* first = text.data() + start;
    const char* const last = text.data() + i;
    if (*first == '+')
        ++first;
    double value = 0;
    if (std::from_chars(first, last, value).ec == std::errc())
        return value;
#endif
    const std::string number = text.substr(start, i - start);
    return std::strtod(number.c_str(), nullptr);
}

std::string FormatFixed(double value, int decimals)
{
    char buffer[512]; // the longest double in "%.17f" is 309 digits, a sign, a point and 17 decimals
    // to_chars writes the exact decimal value rounded half to even, as printf does, at a
    // fraction of its cost. Infinities and NaNs are left to printf, whose words they are.
    if (std::isfinite(value)) {
        const std::to_chars_result r =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
        if (r.ec == std::errc())
            return std::string(buffer, r.ptr);
    }
    const int n = std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return n > 0 ? std::string(buffer, static_cast<std::string::size_type>(n)) : std::string();
}
