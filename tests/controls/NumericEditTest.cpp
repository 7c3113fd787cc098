#include "BoxDriver.h"

TEST(NumericEdit, SecondsBoxKeepsTwoWholeDigitsAndTwoDecimals)
{
    CNumericEdit box;
    CBoxDriver drive(box);
    FormatNumberBox(box, 2, 2, false);
    EXPECT_TRUE(drive.Type("123").Holds("12.3", 4)); // the separator comes by itself
    EXPECT_TRUE(drive.Type("45").Holds("12.34", 5));
    EXPECT_TRUE(drive.Type("-a,").Holds("12.34", 5));
    EXPECT_TRUE(drive.At("12.34", 1).Type(".").Holds("12.34", 3));
    EXPECT_TRUE(drive.At("12.34", 3).Type("9").Holds("12.94", 4));
    EXPECT_TRUE(drive.At("12", 0).Type("5").Holds("52", 1));
    EXPECT_TRUE(drive.At("12.45", 2).Type("9").Holds("12.95", 4));
    EXPECT_TRUE(drive.At("12.5", 3).Type("\b").Holds("12", 2));
    EXPECT_TRUE(drive.At("12.5", 2).Key(VK_DELETE).Holds("12", 2));
    EXPECT_TRUE(drive.At("12.5", 1, 4).Key(VK_DELETE).Holds("1", 1));
    EXPECT_TRUE(drive.At("", 0).Paste("-5").Holds("5", 0));
    EXPECT_TRUE(drive.At("12.34", 1, 3).Send(WM_CUT).Holds("13", 1));
    EXPECT_EQ("2.", drive.Clipboard());
}

TEST(NumericEdit, DegreeBoxesTakeTheSignAnywhere)
{
    CNumericEdit latitude, longitude;
    CBoxDriver drive(latitude), other(longitude);
    FormatNumberBox(latitude, 2, 6, true);
    FormatNumberBox(longitude, 3, 6, true);
    EXPECT_TRUE(drive.Type("-456").Holds("-45.6", 5));
    EXPECT_TRUE(drive.At("45.5", 2).Type("-").Holds("-45.5", 3));
    EXPECT_TRUE(drive.Type("-").Holds("45.5", 2));
    EXPECT_TRUE(drive.At("45.5", 1, 3).Type("-").Holds("-45.5", 2, 4));
    EXPECT_TRUE(drive.At("-45.5", 0, 5).Type("-").Holds("-", 1));
    EXPECT_TRUE(drive.At("", 0).Paste("abc-12x.5y6").Holds("-12.56", 0));
    EXPECT_TRUE(drive.At("123.456789", 0).Holds("12.456789", 0));
    EXPECT_TRUE(drive.At("1.23456789", 0).Holds("1.234567", 0));
    EXPECT_TRUE(drive.At("-12", 0).Type("5").Holds("-12", 0)); // never over the sign
    EXPECT_TRUE(drive.At("12.345678", 0, 3).Type("-").Holds("-34", 1));
    EXPECT_TRUE(other.Type("-12345").Holds("-123.45", 7));
    EXPECT_DOUBLE_EQ(-123.45, longitude.GetNumber());
}

TEST(NumericEdit, LimitsSignRuleAndSeparators)
{
    CNumericEdit plain, unsigned3(-3, 2);
    CBoxDriver drive(plain), other(unsigned3);
    plain.SetSeparatorChars('.', ','); // whatever the user's locale
    unsigned3.SetSeparatorChars('.', ',');
    EXPECT_TRUE(drive.At("-1234567890.123456", 0).Holds("-123456789.1234", 0));
    EXPECT_DOUBLE_EQ(-123456789.1234, plain.GetNumber());
    EXPECT_TRUE(other.At("-1234.5", 0).Holds("123.5", 0));
    unsigned3.SetWholeDigits(3); // a limit of 0 or more allows the sign
    EXPECT_TRUE(other.At("-12", 0).Holds("-12", 0));
    unsigned3.SetWholeDigits(-1);
    EXPECT_TRUE(other.Holds("1", 0));
    unsigned3.SetWholeDigits(2);
    EXPECT_TRUE(other.At("-123", 0).Holds("-12", 0));
    unsigned3.SetWholeDigits(1); // sign rule unchanged: re-filtered all the same
    EXPECT_TRUE(other.Holds("-1", 0));
    EXPECT_TRUE(other.At("5", 1).Type("6").Holds("5", 1)); // no automatic separator
    unsigned3.SetSeparatorChars(',', ',');
    EXPECT_TRUE(other.At("1.2,5", 0).Holds("1,5", 0));
    EXPECT_DOUBLE_EQ(1.5, unsigned3.GetNumber());
    unsigned3.SetDecimalDigits(0);
    EXPECT_TRUE(other.Holds("1", 0));
    other.At("", 0);
    EXPECT_DOUBLE_EQ(0.0, unsigned3.GetNumber());
}

TEST(NumericEdit, PaddingAlwaysOrOnlyOutsideTyping)
{
    CNumericEdit box;
    CBoxDriver drive(box);
    FormatNumberBox(box, 3, 2, true);
    EXPECT_TRUE(box.ModifyOptions(NUMF_PAD_ALWAYS, 0));
    EXPECT_FALSE(box.ModifyOptions(NUMF_PAD_ALWAYS, 0));
    EXPECT_TRUE(drive.At("7", 1).Holds("7.00", 1));
    EXPECT_TRUE(drive.At("7.00", 4).Type("\b").Holds("7.00", 3));
    box.ModifyOptions(NUMF_PAD_TYPING, NUMF_PAD_ALWAYS);
    EXPECT_TRUE(drive.At("7.00", 4).Type("\b").Holds("7.0", 3));
    EXPECT_TRUE(drive.At("-7", 0).Holds("-7.00", 0));
}
