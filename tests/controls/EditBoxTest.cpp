#include "BoxDriver.h"
#include "controls/MaskEdit.h"
#include <cfloat>

TEST(MaskEdit, EveryEditKeepsABeginningOfTheMask)
{
    CMaskEdit six("**##**"), eight("**##**##"), ten("**##**##**"), dashed, plain;
    dashed.SetMask("##-##"); // before the window exists: only stored
    CBoxDriver d6(six), d8(eight), d10(ten), dDashed(dashed, 0), dPlain(plain, 0);
    CBoxDriver* const boxes[] = {&d6, &d8, &d10, &dDashed, &dPlain};
    EXPECT_EQ("##-##", dashed.GetMask());
    ExpectEdits(boxes, {
        // Typing: capitals from the box's style, misfits refused, one character over another.
        {0, "^", "1", "^"}, {0, "^", "jo65abC", "JO65AB^"}, {1, "JO^", "x", "JO^"}, {1, "JO^65AB", "7", "JO7^5AB"},
        {2, "JO[65AB]", "7", "JO7^"}, {2, "J[O6]5AB", "X", "JX^65AB"}, {0, "J[O6]5AB", "5", "J[O6]5AB"},
        {1, "JO65AB12^", "3", "JO65AB12^"},
        // Backspace, Delete and clear only ever shorten from the end.
        {0, "JO6^5AB", "\b", "JO^65AB"}, {1, "JO65AB^", "\b", "JO65A^"}, {2, "^JO65AB", K_DEL, "^JO65AB"},
        {0, "JO65A^B", K_DEL, "JO65A^"}, {1, "JO6[5AB12]", K_DEL, "JO6^"}, {2, "JO[65]AB", K_DEL, "JO[65]AB"},
        {0, "JO[65]AB", K_CLEAR, "JO[65]AB"}, {1, "JO65AB[12]", K_CLEAR, "JO65AB^"},
        // Paste, cut and set-text are cut back to the mask; a cut inside copies but keeps the text.
        {2, "^", K_PASTE "JO65AB12CD", "JO65AB12CD^"}, {2, "JO^", K_PASTE "6X5", "JO^6"},
        {2, "JO[65]AB", K_CUT, "JO[65]AB", "65"}, {0, "JO65[AB]", K_CUT, "JO65^", "AB"},
        {1, "J[O65A]B", K_CUT, "J[O65A]B", "O65A"}, {0, "^jo65ab12", "", "^JO65AB"},
        {1, "^jo65ab1234", "", "^JO65AB12"}, {2, "^JO6X5", "", "^JO6"},
        // A literal takes only itself; without a mask the box is a plain one.
        {3, "^12/34", "12x", "12^"}, {3, "12^", "-3", "12-3^"}, {4, "a^1", "b-\b", "ab^1"},
        {4, "[a]b1", K_CUT K_DEL, "^1", "a"},
    });
    // A text longer than one short read survives a re-filter whole.
    const std::string longText(100, 'b');
    EXPECT_EQ("^" + longText, dPlain.At("[a]" + longText).Do(K_CUT).Marked());
    d6.Send(EM_SETREADONLY, TRUE);
    EXPECT_EQ("JO^", d6.At("JO^").Do("6\b").Marked());
}

TEST(NumericEdit, BoxesAsTheCalculatorSetsThemUp)
{
    CNumericEdit seconds, latitude, longitude;
    CBoxDriver dSeconds(seconds), dLatitude(latitude), dLongitude(longitude);
    FormatNumberBox(seconds, 2, 2, false);
    FormatNumberBox(latitude, 2, 6, true);
    FormatNumberBox(longitude, 3, 6, true);
    CBoxDriver* const boxes[] = {&dSeconds, &dLatitude, &dLongitude};
    ExpectEdits(boxes, {
        // The separator comes by itself behind a full whole part; no sign, letters or group marks.
        {0, "^", "12345", "12.34^"}, {0, "12.34^", "-a,", "12.34^"}, {1, "^", "-456", "-45.6^"},
        {2, "^", "-12345", "-123.45^"}, {0, "1^2.34", ".", "12.^34"}, {0, "1^", ".5", "1.5^"},
        // Full parts are typed over, from the whole part across the separator.
        {0, "12.^34", "9", "12.9^4"}, {0, "^12", "5", "5^2"}, {0, "12^.45", "9", "12.9^5"},
        // Deleting the separator takes the decimals that would no longer fit.
        {0, "12.^5", "\b", "12^"}, {0, "12^.5", K_DEL, "12^"}, {0, "1[2.5]", K_DEL, "1^"},
        {0, "1[2.]34", K_CUT, "1^3", "2."}, {0, "^", K_PASTE "-5", "^5"}, {1, "^", K_PASTE "abc-12x.5y6", "^-12.56"},
        {1, "^123.456789", "", "^12.456789"}, {1, "^1.23456789", "", "^1.234567"},
        // The sign toggles from anywhere, keeping the selection; nothing is typed over it.
        {1, "45^.5", "-", "-45^.5"}, {1, "-45^.5", "-", "45^.5"}, {2, "4[5.]5", "-", "-4[5.]5"},
        {1, "[-45.5]", "-", "-^"}, {1, "^-12", "5", "^-12"}, {1, "[12.]345678", "-", "-^34"},
    });
    EXPECT_DOUBLE_EQ(-45.5, longitude.GetNumber());
}

TEST(NumericEdit, DigitLimitsSignRuleSeparatorsAndPadding)
{
    CNumericEdit plain, limited(-3, 2);
    CBoxDriver dPlain(plain), dLimited(limited);
    plain.SetSeparatorChars('.', ','); // whatever the user's locale
    limited.SetSeparatorChars('.', ',');
    EXPECT_EQ("^-123456789.1234", dPlain.At("^-1234567890.123456").Marked());
    EXPECT_DOUBLE_EQ(-123456789.1234, plain.GetNumber());
    // A negative limit forbids the sign; each change of limit re-filters the text.
    EXPECT_EQ("^123.5", dLimited.At("^-1234.5").Marked());
    limited.SetWholeDigits(2);
    EXPECT_EQ("^-12", dLimited.At("^-123").Marked());
    limited.SetWholeDigits(1);
    EXPECT_EQ("^-1", dLimited.Marked());
    limited.SetWholeDigits(-1);
    EXPECT_EQ("^1", dLimited.At("^-12").Marked());
    EXPECT_EQ("1^", dLimited.At("1^").Do("6").Marked()); // no automatic separator
    limited.SetSeparatorChars(',', ',');
    EXPECT_EQ("^1,5", dLimited.At("^1.2,5").Marked());
    EXPECT_DOUBLE_EQ(1.5, limited.GetNumber());
    limited.SetDecimalDigits(0);
    EXPECT_EQ("^1", dLimited.Marked());

    // Padded always, or only where no typing is re-filtered.
    FormatNumberBox(plain, 3, 2, true);
    EXPECT_TRUE(plain.ModifyOptions(NUMF_PAD_ALWAYS, 0));
    EXPECT_FALSE(plain.ModifyOptions(NUMF_PAD_ALWAYS, 0));
    EXPECT_EQ("7^.00", dPlain.At("7^").Marked());
    EXPECT_EQ("7.0^0", dPlain.At("7.00^").Do("\b").Marked());
    plain.ModifyOptions(NUMF_PAD_TYPING, NUMF_PAD_ALWAYS);
    EXPECT_EQ("7.0^", dPlain.At("7.00^").Do("\b").Marked());
    EXPECT_EQ("^-7.00", dPlain.At("^-7").Marked());
}

TEST(NumericEdit, EachFocusLossOptionActsAlone)
{
    // Ranges: A all numbers, R 0 to 12.5, M at least 3, N at most 0.
    const struct { char name; double min, max; } kRanges[] = {
        {'A', -DBL_MAX, DBL_MAX}, {'R', 0, 12.5}, {'M', 3, DBL_MAX}, {'N', -DBL_MAX, 0}};
    const struct
    {
        DWORD options;
        char range;
        const char *before, *after;
        bool refocus;
        const char* message;
    } cases[] = {
        {0, 'R', "20", "20", false, nullptr}, {0, 'A', "07.50", "07.50", false, nullptr},
        {0, 'A', "12.", "12.", false, nullptr}, {0, 'M', "", "", false, nullptr},
        // Beeps change nothing else.
        {NUMF_BEEP_INVALID | NUMF_BEEP_EMPTY, 'R', "20", "20", false, nullptr},
        {NUMF_BEEP_INVALID | NUMF_BEEP_EMPTY, 'M', "", "", false, nullptr},
        {NUMF_TRIM_ZEROS, 'A', "000", "0", false, nullptr}, {NUMF_TRIM_ZEROS, 'A', "-00.5", "-0.5", false, nullptr},
        {NUMF_TRIM_ZEROS, 'A', "", "", false, nullptr}, {NUMF_PAD_DECIMALS, 'A', "7", "7.00", false, nullptr},
        {NUMF_PAD_DECIMALS, 'A', "-", "0.00", false, nullptr},
        {NUMF_PAD_DECIMALS | NUMF_NO_PAD_IF_EMPTY, 'A', "", "", false, nullptr},
        {NUMF_PAD_DECIMALS | NUMF_PAD_WHOLE, 'A', "-1.5", "-001.50", false, nullptr},
        {NUMF_PAD_WHOLE, 'A', "", "000", false, nullptr},
        // Out of range or empty: clamped, the focus kept, a message only with the focus.
        {NUMF_CLAMP_INVALID, 'R', "20", "12.5", false, nullptr}, {NUMF_CLAMP_INVALID, 'R', "-3", "0", false, nullptr},
        {NUMF_CLAMP_INVALID | NUMF_FOCUS_INVALID, 'R', "", "", false, nullptr},
        {NUMF_CLAMP_EMPTY, 'M', "", "3", false, nullptr}, {NUMF_CLAMP_EMPTY, 'R', "20", "20", false, nullptr},
        {NUMF_FOCUS_INVALID, 'R', "20", "20", true, nullptr}, {NUMF_FOCUS_INVALID, 'R', "12.5", "12.5", false, nullptr},
        {NUMF_FOCUS_EMPTY, 'R', "", "", true, nullptr},
        {NUMF_MESSAGE_INVALID | NUMF_MESSAGE_EMPTY, 'R', "20", "20", false, nullptr},
        {NUMF_MESSAGE_INVALID | NUMF_MESSAGE_EMPTY, 'R', "", "", false, nullptr},
        {NUMF_FOCUS_INVALID | NUMF_MESSAGE_INVALID, 'R', "20", "20", true, "between 0 and 12.5"},
        {NUMF_FOCUS_INVALID | NUMF_MESSAGE_INVALID, 'N', "5", "5", true, "less than or equal to 0"},
        {NUMF_CLAMP_EMPTY | NUMF_FOCUS_EMPTY | NUMF_MESSAGE_EMPTY, 'M', "", "3", true, "greater than or equal to 3"},
        {NUMF_FOCUS_EMPTY | NUMF_MESSAGE_EMPTY, 'A', "", "", true, ""},
    };
    CMessageBoxRecorder messages;
    CNumericEdit box;
    CBoxDriver drive(box);
    FormatNumberBox(box, 3, 2, true);
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << std::hex << c.options << " '" << c.before << "'");
        box.ModifyOptions(c.options, 0x0FFF);
        for (const auto& range : kRanges)
            if (range.name == c.range)
                box.SetRange(range.min, range.max);
        EXPECT_EQ(std::string("^") + c.after, drive.At(std::string("^") + c.before).Leave().Marked());
        EXPECT_EQ(c.refocus, drive.m_focus.m_hLast == drive.m_hBox);
        ASSERT_EQ(c.message ? 1u : 0u, messages.m_calls.size());
        if (c.message)
        {
            const std::string value = *c.message ? std::string("numeric value ") + c.message : "valid numeric value";
            EXPECT_EQ("Please specify a " + value + ".", messages.m_calls[0].text);
            EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), messages.m_calls[0].type);
        }
        messages.m_calls.clear();
    }
    box.ModifyOptions(NUMF_TRIM_ZEROS, 0x0FFF);
    EXPECT_EQ("00[7.]5", drive.At("00[7.]5").Marked());
    EXPECT_EQ("7.[5]", drive.Leave().Marked()); // the selection stays where it was
}

TEST(EditBoxes, EachCustomBoxLimitsPastesToALittleMoreThanItsLongestText)
{
    CMaskEdit ten("**##**##**"), six("**##**"), plain;
    CNumericEdit seconds, longitude;
    CBoxDriver dTen(ten), dSix(six), dSeconds(seconds), dLongitude(longitude), dPlain(plain, 0);
    FormatNumberBox(seconds, 2, 2, false);
    FormatNumberBox(longitude, 3, 6, true);
    const auto limit = [](CBoxDriver& d) { return ::SendMessageA(d.m_hBox, EM_GETLIMITTEXT, 0, 0); };
    // Never below the longest valid text ("-179.999999" is 11), never near a megabyte.
    const struct { CBoxDriver* driver; LRESULT longest; } limits[] = {
        {&dTen, 10}, {&dSix, 6}, {&dSeconds, 5}, {&dLongitude, 11}};
    for (const auto& box : limits)
    {
        EXPECT_GE(limit(*box.driver), box.longest);
        EXPECT_LT(limit(*box.driver), 1000);
    }
    // The limit follows the rules: a longer mask, more decimals. A box without a mask has none.
    six.SetMask("**##**##**##########");
    EXPECT_GE(limit(dSix), 20);
    seconds.SetDecimalDigits(30);
    EXPECT_GE(limit(dSeconds), 34);
    EXPECT_GE(limit(dPlain), 30000);

    // A megabyte pasted ends as the short paste would; the longest valid texts stay whole, a
    // number with blanks around it too.
    const std::string megabyte = K_PASTE + std::string(1 << 20, '7');
    std::string locators = K_PASTE;
    while (locators.size() < 1 << 20)
        locators += "JO65AB12CD";
    CBoxDriver* const boxes[] = {&dTen, &dLongitude};
    ExpectEdits(boxes, {
        {0, "^", locators.c_str(), "^JO65AB12CD"}, {1, "^", megabyte.c_str(), "^777"},
        {0, "^", K_PASTE "JO65AB12CD", "JO65AB12CD^"},
        {1, "^", K_PASTE "   -179.999999   \r\n", "^-179.999999"},
    });
}
