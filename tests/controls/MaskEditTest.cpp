#include "BoxDriver.h"
#include "controls/MaskEdit.h"

TEST(MaskEdit, TypingKeepsTheLocatorPattern)
{
    CMaskEdit box("**##**");
    CBoxDriver drive(box);
    EXPECT_TRUE(drive.Type("1").Holds("", 0));
    EXPECT_TRUE(drive.Type("jo65abC").Holds("JO65AB", 6)); // capitals from the box's style
    EXPECT_TRUE(drive.At("JO", 2).Type("x").Holds("JO", 2));
    EXPECT_TRUE(drive.At("JO65AB", 2).Type("7").Holds("JO75AB", 3));
    EXPECT_TRUE(drive.At("JO65AB", 2, 6).Type("7").Holds("JO7", 3));
    EXPECT_TRUE(drive.At("JO65AB", 1, 3).Type("X").Holds("JX65AB", 2));
    EXPECT_TRUE(drive.At("JO65AB", 1, 3).Type("5").Holds("JO65AB", 1, 3));
}

TEST(MaskEdit, BackspaceDeleteAndClearOnlyShortenFromTheEnd)
{
    CMaskEdit box("**##**");
    CBoxDriver drive(box);
    EXPECT_TRUE(drive.At("JO65AB", 3).Type("\b").Holds("JO65AB", 2));
    EXPECT_TRUE(drive.At("JO65AB", 6).Type("\b").Holds("JO65A", 5));
    EXPECT_TRUE(drive.At("JO65AB", 0).Key(VK_DELETE).Holds("JO65AB", 0));
    EXPECT_TRUE(drive.At("JO65AB", 5).Key(VK_DELETE).Holds("JO65A", 5));
    EXPECT_TRUE(drive.At("JO65AB", 3, 6).Key(VK_DELETE).Holds("JO6", 3));
    EXPECT_TRUE(drive.At("JO65AB", 2, 4).Key(VK_DELETE).Holds("JO65AB", 2, 4));
    EXPECT_TRUE(drive.At("JO65AB", 2, 4).Send(WM_CLEAR).Holds("JO65AB", 2, 4));
    EXPECT_TRUE(drive.At("JO65AB", 4, 6).Send(WM_CLEAR).Holds("JO65", 4));
}

TEST(MaskEdit, ClipboardAndSetTextAreCutBackToThePattern)
{
    CMaskEdit box("**##**##**");
    CBoxDriver drive(box);
    EXPECT_TRUE(drive.At("", 0).Paste("JO65AB12CD").Holds("JO65AB12CD", 10));
    box.SetMask("**##**");
    EXPECT_TRUE(drive.Holds("JO65AB", 0));
    box.SetMask("**##**##**");
    EXPECT_TRUE(drive.Holds("JO65AB", 0)); // the cut characters stay gone
    EXPECT_TRUE(drive.At("JO", 2).Paste("6X5").Holds("JO6", 2)); // the selection from before
    EXPECT_TRUE(drive.At("JO65AB", 2, 4).Send(WM_CUT).Holds("JO65AB", 2, 4));
    EXPECT_EQ("65", drive.Clipboard());
    EXPECT_TRUE(drive.At("JO65AB", 4, 6).Send(WM_CUT).Holds("JO65", 4));
    EXPECT_EQ("AB", drive.Clipboard());
    box.SetMask("**##**");
    EXPECT_TRUE(drive.At("jo65ab12", 0).Holds("JO65AB", 0));
}

TEST(MaskEdit, EmptyMaskLiteralsAndReadOnly)
{
    CMaskEdit box;
    box.SetMask("##-##"); // before the window exists: only stored
    CBoxDriver drive(box, 0);
    EXPECT_EQ("##-##", box.GetMask());
    EXPECT_TRUE(drive.At("12/34", 0).Holds("12", 0));
    EXPECT_TRUE(drive.Type("12x").Holds("12", 2)); // a literal takes only itself
    EXPECT_TRUE(drive.Type("-3").Holds("12-3", 4));
    box.SetMask("");
    EXPECT_TRUE(drive.At("a1", 1).Type("b-").Holds("ab-1", 3)); // a plain box again
    EXPECT_TRUE(drive.Type("\b").Holds("ab1", 2));
    EXPECT_TRUE(drive.At("ab1", 0, 1).Send(WM_CUT).Holds("b1", 0));
    EXPECT_TRUE(drive.Key(VK_DELETE).Holds("1", 0));
    box.SetMask("**##**");
    ::SendMessageA(drive.m_hBox, EM_SETREADONLY, TRUE, 0);
    EXPECT_TRUE(drive.At("JO", 2).Type("6\b").Holds("JO", 2));
}
