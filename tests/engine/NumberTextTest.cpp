// Reading the boxes' texts: atoi without overflow, atof on decimal numbers only.
#include "NumberText.h"
#include "SplitMix.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace {

TEST(NumberText, IntegerValueReadsLikeAtoi)
{
    const char* texts[] = {"", "0", "52", "-52", "+7", "  \t\n 13abc", "12.9", "-0", "x12", "- 5",
                           "2147483647", "-2147483647", "089", " +-3"};
    for (const char* t : texts)
        EXPECT_EQ(IntegerValue(t), std::atoi(t)) << '"' << t << '"';
}

TEST(NumberText, IntegerValueSaturatesInsteadOfOverflowing)
{
    EXPECT_EQ(IntegerValue("2147483648"), INT_MAX);
    EXPECT_EQ(IntegerValue("123456789012345"), INT_MAX);
    EXPECT_EQ(IntegerValue("-123456789012345"), -INT_MAX);
    EXPECT_EQ(IntegerValue("99999999999999999999999999999"), INT_MAX);
    EXPECT_EQ(IntegerValue("-2147483648"), -INT_MAX);
    EXPECT_EQ(IntegerValue("4294967386"), INT_MAX);  // would wrap to 90 in 32 bits
}

TEST(NumberText, RealValueReadsLikeAtofOnDecimalNumbersOnly)
{
    const char* texts[] = {"", "0", "52.520833", "-33.8688", "151.2093", " +1.5x", ".5", "5.", "-.25",
                           "1e3", "1E-2", "1e", "1e+", "2.5e+1z", "  -0", "abc", "-", ".", "90.5",
                           "0.1000000000000000055511151231257827", "123456789012345"};
    for (const char* t : texts)
        EXPECT_EQ(RealValue(t), std::atof(t)) << '"' << t << '"';
    EXPECT_TRUE(std::signbit(RealValue("-0")));
    // No "inf", "nan" or hexadecimal, which runtimes read differently.
    EXPECT_EQ(RealValue("inf"), 0.0);
    EXPECT_EQ(RealValue("-nan"), 0.0);
    EXPECT_EQ(RealValue("0x10"), 0.0);
    EXPECT_EQ(RealValue("1e999"), HUGE_VAL);
}

// A decimal number text of the form RealValue reads: optional sign, digits with an optional
// point, an optional exponent.
std::string NumberText(SplitMix& r)
{
    std::string s;
    const int sign = r.Below(4);
    if (sign == 1)
        s += '-';
    else if (sign == 2)
        s += '+';
    const int whole = r.Below(4) == 0 ? r.Below(40) : r.Below(8);
    const int fraction = r.Below(3) == 0 ? -1 : r.Below(4) == 0 ? r.Below(40) : r.Below(10);
    for (int k = 0; k < whole; ++k)
        s += static_cast<char>('0' + r.Below(10));
    if (fraction >= 0) {
        s += '.';
        for (int k = 0; k < fraction; ++k)
            s += static_cast<char>('0' + r.Below(10));
    }
    if (whole == 0 && fraction <= 0)
        s += '7';
    if (r.Below(4) == 0) {
        s += "eE"[r.Below(2)];
        if (r.Below(2))
            s += "+-"[r.Below(2)];
        s += std::to_string(r.Below(4) == 0 ? r.Below(400) : r.Below(30));
    }
    return s;
}

// RealValue reads every decimal text to the same double as strtod: ordinary and long numbers,
// exponents to beyond the range of doubles, and exact halves between two doubles.
TEST(NumberText, RealValueReadsWhatStrtodReads)
{
    SplitMix r{20261207};
    long checked = 0;
    long differing = 0;
    auto check = [&](const std::string& text) {
        ++checked;
        const double expected = std::strtod(text.c_str(), nullptr);
        const double got = RealValue(text);
        if (std::memcmp(&got, &expected, sizeof got) != 0 && ++differing <= 10)
            ADD_FAILURE() << '"' << text << "\" reads as " << std::hexfloat << got << ", strtod " << expected;
    };
    for (int i = 0; i < 250000; ++i) {
        check(NumberText(r));
        // An odd number from 2^53 to 2^54 lies halfway between two doubles; so does it times
        // 5^k written with k decimals. Just beside it too.
        const std::uint64_t odd = (std::uint64_t{1} << 53) + 2 * (r.Next() % (std::uint64_t{1} << 52)) + 1;
        const int k = r.Below(5);
        std::uint64_t scaled = odd;
        for (int j = 0; j < k; ++j)
            scaled *= 5;
        std::string tie = std::to_string(scaled);
        if (k > 0)
            tie.insert(tie.size() - static_cast<std::string::size_type>(k), ".");
        check(tie);
        check((k > 0 ? tie : tie + ".") + "000000000000000000001");
        check(tie + "e" + std::to_string(r.Below(600) - 300));
    }
    EXPECT_EQ(differing, 0) << "of " << checked;
}

std::string Printed(double value, int decimals)
{
    char s[512];
    std::snprintf(s, sizeof s, "%.*f", decimals, value);
    return s;
}

// FormatFixed writes what printf's "%.Nf" writes, byte for byte: exact halves at the last
// place (which go to the even digit), their neighbours, signs and minus zero, the window's own
// values, huge and tiny values and any bit pattern.
TEST(NumberText, FormatFixedWritesWhatPrintfWrites)
{
    SplitMix r{20261207};
    long checked = 0;
    long differing = 0;
    auto check = [&](double value, int decimals) {
        ++checked;
        const std::string expected = Printed(value, decimals);
        const std::string got = FormatFixed(value, decimals);
        if (got != expected && ++differing <= 10)
            ADD_FAILURE() << std::hexfloat << value << " to " << decimals << " decimals: \"" << got
                          << "\", printf \"" << expected << '"';
    };
    const double inf = std::numeric_limits<double>::infinity();
    for (int decimals = 0; decimals <= 17; ++decimals) {
        for (double v : {0.0, -0.0, 0.125, -0.125, 0.5, 1.5, 2.5, -2.5, 0.05, 0.15, 0.25, 0.35, 1e22, 1e23,
                         4.9e-324, -4.9e-324, std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(),
                         inf, -inf, std::numeric_limits<double>::quiet_NaN(),
                         -std::numeric_limits<double>::quiet_NaN()})
            check(v, decimals);
    }
    for (int i = 0; i < 150000; ++i) {
        // An exact half at the place after the last decimal: a whole number plus an odd
        // number of 2^-m, at m - 1 decimals; and the doubles either side of it.
        const int m = 1 + r.Below(18);
        const double whole = std::floor(std::ldexp(r.Unit(), r.Below(53 - m)));
        const double odd = static_cast<double>(2 * (r.Next() % (std::uint64_t{1} << (m - 1))) + 1);
        const double tie = (whole + std::ldexp(odd, -m)) * (r.Below(2) ? 1 : -1);
        check(tie, m - 1);
        check(std::nextafter(tie, inf), m - 1);
        check(std::nextafter(tie, -inf), m - 1);
        // Decimal halves (x.xxxxxx5 as typed), which doubles hold only approximately.
        const int decimals = r.Below(8);
        check(std::floor(r.Uniform(-2e5, 2e5)) / std::pow(10.0, decimals) + 5 / std::pow(10.0, decimals + 1), decimals);
        // The window's values: degrees to 6 decimals, seconds to 2, distances to 1, whole parts.
        check(r.Uniform(-180, 180), 6);
        check(r.Uniform(0, 60), 2);
        check(std::round(r.Uniform(-1, 200400)) * 0.1, 1);
        check(std::floor(r.Uniform(0, 180)), 0);
    }
    // Where 64 bits of last-decimal units run out, and where exponents leave the short way.
    for (int decimals = 0; decimals <= 10; ++decimals) {
        for (double edge : {std::ldexp(1.0, 64) / std::pow(10.0, decimals), std::ldexp(1.0, 63),
                            std::ldexp(1.0, 53), std::ldexp(1.0, -67), std::ldexp(1.0, -68)}) {
            double up = edge;
            double down = edge;
            for (int k = 0; k < 64; ++k, up = std::nextafter(up, inf), down = std::nextafter(down, -inf)) {
                check(up, decimals);
                check(-down, decimals);
            }
        }
    }
    for (int i = 0; i < 100000; ++i) {
        // Every exponent, and any bit pattern at all.
        check(std::ldexp(r.Uniform(-1, 1), r.Below(2100) - 1075), r.Below(18));
        double any;
        const std::uint64_t bits = r.Next();
        std::memcpy(&any, &bits, sizeof any);
        check(any, r.Below(18));
    }
    EXPECT_EQ(differing, 0) << "of " << checked;
}

} // namespace
