// Reading the boxes' texts: atoi without overflow, atof on decimal numbers only.
#include "NumberText.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>

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

} // namespace
