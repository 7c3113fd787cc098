#include "base/NumberText.h"

#include "base/Characters.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <cstring>

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

bool IsDecimalText(const std::string& text, bool whole)
{
    std::string::size_type i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (IsDigit(text[i]))
            digits = true;
        else if (text[i] == '.' && !point && !whole)
            point = true;
        else
            return false;
    }
    return digits;
}

bool ReadDecimal(const std::string& text, double& value)
{
    if (!IsDecimalText(text))
        return false;
    value = RealValue(text);
    return std::isfinite(value);
}

namespace {

#ifdef __SIZEOF_INT128__
// "%.Nf" for up to 9 decimals when the value in units of the last decimal fits 64 bits: the
// double is exactly m * 2^e, so m * 10^N * 2^e, rounded half to even as printf rounds, is the
// number to write, worked out exactly in 128 bits. False where it does not apply.
bool WriteShortFixed(double value, int decimals, std::string& out)
{
    static const std::uint64_t kPowers[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000,
                                            100000000, 1000000000};
    if (decimals < 0 || decimals > 9)
        return false;
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    const int exponent = biased - 1075;
    // Zeros, subnormals, infinities, NaNs, and magnitudes far outside the window's go the long way.
    if (biased == 0 || exponent > 10 || exponent < -120)
        return false;
    using Wide = unsigned __int128;
    const std::uint64_t mantissa = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const Wide scaled = static_cast<Wide>(mantissa) * kPowers[decimals];
    Wide units;
    if (exponent >= 0) {
        units = scaled << exponent;
    } else {
        const int shift = -exponent;
        units = scaled >> shift;
        const Wide rest = scaled - (units << shift);
        const Wide half = static_cast<Wide>(1) << (shift - 1);
        if (rest > half || (rest == half && (units & 1) != 0))
            ++units;
    }
    if ((units >> 64) != 0)
        return false;
    std::uint64_t whole = static_cast<std::uint64_t>(units) / kPowers[decimals];
    std::uint64_t fraction = static_cast<std::uint64_t>(units) % kPowers[decimals];
    char text[32];
    char* at = text + sizeof text;
    for (int k = 0; k < decimals; ++k, fraction /= 10)
        *--at = static_cast<char>('0' + fraction % 10);
    if (decimals > 0)
        *--at = '.';
    do
        *--at = static_cast<char>('0' + whole % 10);
    while ((whole /= 10) != 0);
    if (bits >> 63)
        *--at = '-';  // printf keeps the sign of a negative value that rounds to zero
    out.assign(at, text + sizeof text);
    return true;
}
#else
// Without 128-bit integers (32-bit builds), to_chars alone.
bool WriteShortFixed(double, int, std::string&)
{
    return false;
}
#endif

} // namespace

std::string FormatFixed(double value, int decimals)
{
    std::string shortText;
    if (WriteShortFixed(value, decimals, shortText))
        return shortText;
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

std::string FormatShown(double value, int decimals)
{
    std::string text = FormatFixed(value, decimals);
    if (!text.empty() && text[0] == '-' && text.find_first_not_of("0.", 1) == std::string::npos)
        text.erase(0, 1);
    return text;
}
