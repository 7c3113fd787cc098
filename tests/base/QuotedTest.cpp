// A bad word in a message: a short prefix of it, every byte that is not printable ASCII escaped.
#include "base/Quoted.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Quoted, AShortEscapedPrefixOfTheWord)
{
    const std::string forty(40, 'x');
    EXPECT_EQ(Quoted(forty), "\"" + forty + "\"");
    EXPECT_EQ(Quoted(forty + "y"), "\"" + forty + "\"...");
    EXPECT_EQ(Quoted(std::string("\x1b[31m\0\x7f\xc3\xa9\"\\", 11)), "\"\\x1B[31m\\x00\\x7F\\xC3\\xA9\\x22\\x5C\"");
}

} // namespace
