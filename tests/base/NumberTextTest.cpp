// Reading and writing the boxes' numbers: atoi without overflow, strtod on decimal numbers only,
// and printf's "%.Nf" to the byte.
#include "base/NumberText.h"
#include "tests/support/SplitMix.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

// Exactly: "%a" shows every bit.
std::string Exact(double value)
{
    char s[64];
    std::snprintf(s, sizeof s, "%a", value);
    return s;
}

// A decimal number as RealValue reads it: sign, digits with an optional point, an optional
// exponent; now and then cut short or followed by what a box may hold besides.
std::string DecimalText(SplitMix& r)
{
    static const char* const signs[] = {"", "", "-", "+", " \t-", "+-"};
    static const char* const exponents[] = {"e", "E+", "e-"};
    static const char* const tails[] = {"", "", "", "", "x", "e", "E-", ".", " 5", "-1", "e+z"};
    std::string s = signs[r.Below(6)];
    const int length = 1 + (r.Below(4) == 0 ? r.Below(60) : r.Below(12));
    const int point = length > 1 ? r.Below(length + 2) : 1;  // past the end: none; never a lone point
    for (int k = 0; k < length; ++k)
        s += k == point ? '.' : static_cast<char>('0' + r.Below(10));
    if (r.Below(4) == 0) {
        s += exponents[r.Below(3)];
        s += std::to_string(r.Below(4) == 0 ? r.Below(400) : r.Below(30));
    }
    return s + tails[r.Below(11)];
}

// Ordinary and long numbers, exponents to beyond the range of doubles, exact halves between two
// doubles, and texts that are no number at all: RealValue to the bit as strtod, IntegerValue as
// strtoll held within +-INT_MAX (atoi, without its overflow).
TEST(NumberText, ReadsWhatStrtodAndASaturatedStrtollRead)
{
    SplitMix r{20261207};
    long differing = 0;
    auto check = [&differing](const std::string& text) {
        const std::string got = Exact(RealValue(text));
        const std::string expected = Exact(std::strtod(text.c_str(), nullptr));
        if (got != expected && ++differing <= 10)
            ADD_FAILURE() << '"' << text << "\" reads as " << got << ", strtod " << expected;
        const long long whole = std::strtoll(text.c_str(), nullptr, 10);
        const int integer = static_cast<int>(whole > INT_MAX ? INT_MAX : whole < -INT_MAX ? -INT_MAX : whole);
        if (IntegerValue(text) != integer && ++differing <= 10)
            ADD_FAILURE() << '"' << text << "\" reads as " << IntegerValue(text) << ", not " << integer;
    };
    for (const char* t : {"", "-", ".", "abc", "1e999", "0.1000000000000000055511151231257827", "2147483648",
                          "-2147483648"})
        check(t);
    for (int i = 0; i < 200000; ++i) {
        check(DecimalText(r));
        // An odd number from 2^53 to 2^54 lies halfway between two doubles; so does it times
        // 5^k written with k decimals. Just beside it too.
        std::uint64_t tie = (std::uint64_t{1} << 53) + 2 * (r.Next() % (std::uint64_t{1} << 52)) + 1;
        const int k = r.Below(5);
        for (int j = 0; j < k; ++j)
            tie *= 5;
        std::string text = std::to_string(tie);
        text.insert(text.size() - static_cast<std::string::size_type>(k), ".");
        check(text);
        check(text + "000000000000000000001");
    }
    EXPECT_EQ(differing, 0);
    // No "inf", "nan" or hexadecimal, which runtimes read differently.
    for (const char* t : {"inf", "-nan", "0x10"})
        EXPECT_EQ(Exact(RealValue(t)), Exact(0.0)) << t;
}

// Exact halves at the last place (which go to the even digit) and their neighbours, signs and
// minus zero, every exponent (where 64 bits of last-decimal units run out too).
TEST(NumberText, FormatFixedWritesWhatPrintfWrites)
{
    SplitMix r{20261207};
    long differing = 0;
    auto check = [&differing](double value, int decimals) {
        char expected[512];
        std::snprintf(expected, sizeof expected, "%.*f", decimals, value);
        if (FormatFixed(value, decimals) != expected && ++differing <= 10)
            ADD_FAILURE() << Exact(value) << " to " << decimals << " decimals: printf " << expected;
    };
    for (int decimals = 0; decimals <= 17; ++decimals)
        for (double v : {0.0, -0.0, 0.125, -2.5, 0.05, 0.35, 1e23, 4.9e-324, std::numeric_limits<double>::max(),
                         -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()})
            check(v, decimals);
    for (int i = 0; i < 100000; ++i) {
        // A whole number plus an odd number of 2^-m, at m - 1 decimals, and the doubles either side.
        const int m = 1 + r.Below(18);
        const double whole = std::floor(std::ldexp(r.Unit(), r.Below(53 - m)));
        const double odd = static_cast<double>(2 * (r.Next() % (std::uint64_t{1} << (m - 1))) + 1);
        const double tie = (whole + std::ldexp(odd, -m)) * (r.Below(2) ? 1 : -1);
        for (double v : {tie, std::nextafter(tie, tie + 1), std::nextafter(tie, tie - 1)})
            check(v, m - 1);
        check(std::ldexp(r.Uniform(-1, 1), r.Below(2100) - 1075), r.Below(18));
    }
    EXPECT_EQ(differing, 0);
}

// The numbers people type, read one way wherever the program reads them; and the sign of a
// value that rounds to zero, which nothing the program shows keeps.
TEST(NumberText, TypedNumbersAndShownNumbers)
{
    for (const char* text : {"7", "-33.9", "+.5", "5.", "0012.50"}) {
        double value = 0;
        EXPECT_TRUE(IsDecimalText(text)) << text;
        EXPECT_TRUE(ReadDecimal(text, value) && value == RealValue(text)) << text;
    }
    for (const char* text : {"", "+", "-", ".", "-.", "1e5", " 1", "1 ", "1.2.3", "0x1", "--1", "inf"})
        EXPECT_FALSE(IsDecimalText(text)) << text;
    EXPECT_TRUE(IsDecimalText("-12", true));
    EXPECT_FALSE(IsDecimalText("12.", true));
    double value = 0;
    EXPECT_FALSE(ReadDecimal(std::string(400, '9'), value));  // beyond the doubles

    const struct {
        double value;
        int decimals;
        const char* shown;
    } shown[] = {{-0.04, 1, "0.0"}, {-0.05, 1, "-0.1"}, {-0.0, 6, "0.000000"}, {-1e-9, 0, "0"}, {-1, 0, "-1"}};
    for (const auto& s : shown)
        EXPECT_EQ(FormatShown(s.value, s.decimals), s.shown) << s.value;
}

} // namespace
