#include "BoxDriver.h"
#include <cfloat>

TEST(NumericFocusLoss, WithoutOptionsLeavingChangesNothing)
{
    CMessageBoxRecorder messages;
    CNumericEdit box;
    CBoxDriver drive(box);
    FormatNumberBox(box, 2, 2, false);
    for (const char* text : {"", "7", "07.50", "12."})
        EXPECT_TRUE(drive.At(text, 0).Leave().Holds(text, 0));
    EXPECT_TRUE(messages.m_calls.empty());
    EXPECT_EQ(drive.m_hOther, ::GetFocus());
}

TEST(NumericFocusLoss, TrimmingAndPadding)
{
    CNumericEdit box;
    CBoxDriver drive(box);
    FormatNumberBox(box, 3, 2, true);
    box.ModifyOptions(NUMF_TRIM_ZEROS, 0);
    EXPECT_TRUE(drive.At("007.5", 2).Leave().Holds("7.5", 2)); // the selection survives
    EXPECT_TRUE(drive.At("000", 0).Leave().Holds("0", 0));
    EXPECT_TRUE(drive.At("-00.5", 0).Leave().Holds("-0.5", 0));
    EXPECT_TRUE(drive.At("", 0).Leave().Holds("", 0));
    box.ModifyOptions(NUMF_PAD_DECIMALS, NUMF_TRIM_ZEROS);
    EXPECT_TRUE(drive.At("7", 0).Leave().Holds("7.00", 0));
    EXPECT_TRUE(drive.At("", 0).Leave().Holds("0.00", 0));
    EXPECT_TRUE(drive.At("-", 0).Leave().Holds("0.00", 0));
    box.ModifyOptions(NUMF_NO_PAD_IF_EMPTY, 0);
    EXPECT_TRUE(drive.At("", 0).Leave().Holds("", 0));
    box.ModifyOptions(NUMF_PAD_WHOLE, NUMF_NO_PAD_IF_EMPTY);
    EXPECT_TRUE(drive.At("-1.5", 0).Leave().Holds("-001.50", 0));
    box.ModifyOptions(0, NUMF_PAD_DECIMALS);
    EXPECT_TRUE(drive.At("", 0).Leave().Holds("000", 0));
}

TEST(NumericFocusLoss, RangeMessageClampAndFocusReturn)
{
    CMessageBoxRecorder messages;
    CNumericEdit box;
    CBoxDriver drive(box);
    FormatNumberBox(box, 3, 2, true);
    box.SetRange(0, 12.5);
    box.ModifyOptions(NUMF_MESSAGE_INVALID, 0); // needs the focus option to act
    EXPECT_TRUE(drive.At("20", 0).Leave().Holds("20", 0));
    EXPECT_TRUE(messages.m_calls.empty());
    EXPECT_EQ(drive.m_hOther, ::GetFocus());
    box.ModifyOptions(NUMF_FOCUS_INVALID, 0);
    drive.At("20", 0).Leave();
    ASSERT_EQ(1u, messages.m_calls.size());
    EXPECT_EQ("Please specify a numeric value between 0 and 12.5.", messages.m_calls[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), messages.m_calls[0].type);
    EXPECT_EQ(drive.m_hBox, ::GetFocus());
    drive.At("12.5", 0).Leave();
    EXPECT_EQ(drive.m_hOther, ::GetFocus()); // the bounds belong to the range
    box.ModifyOptions(NUMF_CLAMP_INVALID, NUMF_FOCUS_INVALID | NUMF_MESSAGE_INVALID);
    EXPECT_TRUE(drive.At("20", 0).Leave().Holds("12.5", 0));
    EXPECT_TRUE(drive.At("-3", 0).Leave().Holds("0", 0));
    EXPECT_TRUE(drive.At("", 0).Leave().Holds("", 0)); // empty is not invalid
    box.SetRange(3, DBL_MAX);
    box.ModifyOptions(NUMF_CLAMP_EMPTY | NUMF_FOCUS_EMPTY | NUMF_MESSAGE_EMPTY, 0);
    EXPECT_TRUE(drive.At("", 0).Leave().Holds("3", 0));
    EXPECT_EQ(drive.m_hBox, ::GetFocus());
    box.SetRange(-DBL_MAX, 0);
    box.ModifyOptions(NUMF_FOCUS_INVALID | NUMF_MESSAGE_INVALID, NUMF_CLAMP_INVALID);
    drive.At("5", 0).Leave();
    box.SetRange(-DBL_MAX, DBL_MAX);
    drive.At("", 0).Leave();
    ASSERT_EQ(4u, messages.m_calls.size());
    EXPECT_EQ("Please specify a numeric value greater than or equal to 3.", messages.m_calls[1].text);
    EXPECT_EQ("Please specify a numeric value less than or equal to 0.", messages.m_calls[2].text);
    EXPECT_EQ("Please specify a valid numeric value.", messages.m_calls[3].text);
}
