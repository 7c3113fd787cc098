#include "controls/MaskEdit.h"
#include "controls/NumericEdit.h"
#include "tests/support/TestHost.h"
#include <gtest/gtest.h>
#include <cfloat>
#include <random>
#include <regex>

namespace
{
// Stand-ins in a key string for what is not a typed character.
#define K_DEL "\x7f"   // the Delete key
#define K_CUT "\x18"   // WM_CUT
#define K_CLEAR "\x0c" // WM_CLEAR
#define K_PASTE "\x16" // WM_PASTE of the rest of the string

// A test window with the box under test bound to its object by subclassing, and a plain box
// to take the focus. Every action reaches the box as the real message. Texts come with their
// selection marked: "JO[65]AB" has 65 selected, "JO6^5AB" the caret after the 6. The box is a
// window of the code page, or a Unicode one as the calculator's boxes are.
struct CBoxDriver
{
    explicit CBoxDriver(CWnd& box, DWORD style = ES_UPPERCASE, bool unicode = false)
        : m_hBox(m_host.AddControl("EDIT", WS_BORDER | ES_AUTOHSCROLL | style, 1000, 10, 10, 200, 22, "", unicode)),
          m_hOther(m_host.AddControl("EDIT", WS_BORDER, 1001, 10, 40, 200, 22))
    {
        box.SubclassWindow(m_hBox);
    }
    // Sets the text (through WM_SETTEXT, so it is filtered), then the selection.
    CBoxDriver& At(std::string marked)
    {
        const size_t start = marked.find_first_of("[^");
        const size_t end = marked[start] == '^' ? start : marked.find(']') - 1;
        marked.erase(start, 1);
        if (end != start)
            marked.erase(end, 1);
        ::SetWindowTextA(m_hBox, marked.c_str());
        return Send(EM_SETSEL, start, end);
    }
    std::string Marked() const
    {
        DWORD start = 0, end = 0;
        ::SendMessageA(m_hBox, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        std::string text = WindowText(m_hBox);
        return start == end ? text.insert(start, "^") : text.insert(end, "]").insert(start, "[");
    }
    CBoxDriver& Do(const std::string& keys)
    {
        for (size_t i = 0; i < keys.size(); ++i)
            switch (keys[i])
            {
            case *K_PASTE: SetClipboardText(m_host.m_hWnd, keys.substr(i + 1)); return Send(WM_PASTE);
            case *K_DEL: Send(WM_KEYDOWN, VK_DELETE, 1).Send(WM_KEYUP, VK_DELETE, 0xC0000001); break;
            case *K_CUT: Send(WM_CUT); break;
            case *K_CLEAR: Send(WM_CLEAR); break;
            default: TypeChars(m_hBox, keys.substr(i, 1));
            }
        return *this;
    }
    CBoxDriver& Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        ::SendMessageA(m_hBox, msg, wParam, lParam);
        return *this;
    }
    CBoxDriver& Leave() // the focus goes to the box, then to the other one
    {
        ::SetFocus(m_hBox);
        ::SetFocus(m_hOther);
        return *this;
    }

    CFocusWatch m_focus;
    CTestHost m_host;
    HWND m_hBox, m_hOther;
};

// Edits of several boxes: the box holds `before`, `keys` arrive, then it must hold `after`
// (and the clipboard `copied`, when given).
struct EditCase { int box; const char *before, *keys, *after, *copied = nullptr; };

void ExpectEdits(CBoxDriver* const boxes[], std::initializer_list<EditCase> cases)
{
    for (const EditCase& c : cases)
    {
        CClipboardTurn turn;
        CBoxDriver& drive = *boxes[c.box];
        EXPECT_EQ(c.after, drive.At(c.before).Do(c.keys).Marked()) << "box " << c.box << ": " << c.before;
        EXPECT_TRUE(!c.copied || c.copied == GetClipboardText(drive.m_host.m_hWnd)) << c.before;
    }
}

// The number format the calculator window gives its boxes, set in its order.
void FormatNumberBox(CNumericEdit& box, int wholeDigits, int decimalDigits, bool negative)
{
    box.ModifyOptions(NUMF_AUTO_DECIMAL, 0);
    box.SetWholeDigits(wholeDigits);
    box.SetDecimalDigits(decimalDigits);
    box.SetSeparatorChars('.', '.');
    box.AllowNegative(negative);
}

// A few thousand random messages of every kind a user can send, from a fixed seed so that a
// failure replays (the clipboard too is this run's alone); after each the box must hold a text
// of this shape, in the form its filter keeps.
void ExpectAlways(CValidEdit& box, unsigned seed, const std::regex& shape)
{
    CBoxDriver drive(box, ES_UPPERCASE, seed % 2 == 0);
    CClipboardTurn turn;
    SetClipboardText(drive.m_host.m_hWnd, "");
    std::mt19937 random(seed);
    const auto pick = [&](int count) { return static_cast<int>(random() % static_cast<unsigned>(count)); };
    // Mostly what locators and numbers are made of, with Ctrl+C, V, X and Z as they are typed;
    // now and then any byte but NUL (in a Unicode box, its character of the code page).
    const auto anyText = [&](int length) {
        static const char kLikely[] = "JOjoAB0123456789.-,x \b\x03\x16\x18\x1a";
        std::string text;
        while (length-- > 0)
            text += pick(4) ? kLikely[pick(sizeof(kLikely) - 1)] : static_cast<char>(1 + pick(255));
        return text;
    };
    for (int step = 0; step < 1500; ++step)
    {
        const int length = static_cast<int>(WindowText(drive.m_hBox).size());
        switch (pick(13))
        {
        case 0: drive.Do(K_DEL); break;
        case 1: drive.Do(K_CUT); break;
        case 2: drive.Do(K_CLEAR); break;
        case 3: drive.Do(K_PASTE + anyText(pick(13))); break;
        case 4: drive.Send(EM_SETSEL, pick(2) * length, pick(length + 2)); break; // often from an end
        case 5: ::SetWindowTextA(drive.m_hBox, anyText(pick(13)).c_str()); break;
        case 6: drive.Leave(); break;
        default: TypeChars(drive.m_hBox, anyText(1));
        }
        const std::string text = WindowText(drive.m_hBox); // ASCII, as the shapes are, in both kinds
        ASSERT_TRUE(box.FilterText() == text && std::regex_match(text, shape) &&
                    std::wstring(text.begin(), text.end()) == WideWindowText(drive.m_hBox))
            << "seed " << seed << " step " << step << ": '" << text << "'";
    }
}
}

TEST(MaskEdit, EveryEditKeepsABeginningOfTheMask)
{
    CMaskEdit six("**##**"), eight("**##**##"), ten("**##**##**"), dashed, plain;
    dashed.SetMask("##-##"); // before the window exists: only stored
    CBoxDriver d6(six), d8(eight), d10(ten), dDashed(dashed, 0), dPlain(plain, 0);
    CBoxDriver* const boxes[] = {&d6, &d8, &d10, &dDashed, &dPlain};
    ExpectEdits(boxes, {
        // Typing: capitals from the box's style, misfits refused, one character over another.
        {0, "^", "jo65abC", "JO65AB^"}, {1, "JO^65AB", "7", "JO7^5AB"}, {2, "JO[65AB]", "7", "JO7^"},
        {2, "J[O6]5AB", "X", "JX^65AB"}, {0, "J[O6]5AB", "5", "J[O6]5AB"}, {1, "JO65AB12^", "3", "JO65AB12^"},
        // Backspace, Delete and clear only ever shorten from the end.
        {0, "JO6^5AB", "\b", "JO^65AB"}, {1, "JO65AB^", "\b", "JO65A^"}, {2, "^JO65AB", K_DEL, "^JO65AB"},
        {0, "JO65A^B", K_DEL, "JO65A^"}, {1, "JO6[5AB12]", K_DEL, "JO6^"}, {2, "JO[65]AB", K_DEL, "JO[65]AB"},
        {0, "JO[65]AB", K_CLEAR, "JO[65]AB"}, {1, "JO65AB[12]", K_CLEAR, "JO65AB^"},
        {1, "JO[65]AB12", "\b", "JO6^5AB12"}, // inside, Backspace only steps back, even over a selection
        // Paste, cut and set-text are cut back to the mask; a cut inside copies but keeps the text.
        // The box takes a little more than its longest text, so a full locator pastes whole.
        {2, "JO^", K_PASTE "X65", "JO^"}, {2, "JO[65]AB", K_CUT, "JO[65]AB", "65"},
        {0, "JO65[AB]", K_CUT, "JO65^", "AB"}, {0, "^jo65ab12", "", "^JO65AB"}, {2, "^JOX65", "", "^JO"},
        {2, "^", K_PASTE "JO65AB12CD", "JO65AB12CD^"},
        // A literal takes only itself; without a mask the box is a plain one.
        {3, "^12/34", "12x", "12^"}, {3, "12^", "-3", "12-3^"}, {4, "a^1", "b-\b", "ab^1"},
        {4, "[a]b1", K_CUT K_DEL, "^1", "a"},
    });
}

TEST(NumericEdit, BoxesAsTheCalculatorSetsThemUp)
{
    CNumericEdit seconds, latitude, longitude, padded, paddedUntyped, comma;
    CBoxDriver dSeconds(seconds), dLatitude(latitude), dLongitude(longitude), dPadded(padded),
        dPaddedUntyped(paddedUntyped), dComma(comma);
    FormatNumberBox(seconds, 2, 2, false);
    FormatNumberBox(latitude, 2, 6, true);
    FormatNumberBox(longitude, 3, 6, true);
    FormatNumberBox(padded, 3, 2, true);
    FormatNumberBox(paddedUntyped, 3, 2, true);
    FormatNumberBox(comma, 3, 2, true);
    padded.ModifyOptions(NUMF_PAD_ALWAYS, 0);
    paddedUntyped.ModifyOptions(NUMF_PAD_TYPING, 0);
    comma.SetSeparatorChars(',', '.'); // a box that keeps a German user's separators
    CBoxDriver* const boxes[] = {&dSeconds, &dLatitude, &dLongitude, &dPadded, &dPaddedUntyped, &dComma};
    ExpectEdits(boxes, {
        // The separator comes by itself behind a full whole part; no sign or letters.
        {0, "^", "12345", "12.34^"}, {0, "12.34^", "-a", "12.34^"}, {1, "^", "-456", "-45.6^"},
        {2, "^", "-12345", "-123.45^"}, {0, "1^2.34", ".", "12.^34"}, {0, "1^", ".5", "1.5^"},
        // Full parts are typed over, from the whole part across the separator.
        {0, "12.^34", "9", "12.9^4"}, {0, "^12", "5", "5^2"}, {0, "12^.45", "9", "12.9^5"},
        // Deleting the separator takes the decimals that would no longer fit.
        {0, "12.^5", "\b", "12^"}, {0, "12^.5", K_DEL, "12^"}, {0, "1[2.5]", K_DEL, "1^"},
        {0, "1[2.]34", K_CUT, "1^3", "2."}, {0, "^", K_PASTE "-5", "^5"}, {1, "^", K_PASTE "abc-12x.5y6", "^-12.56"},
        {1, "^123.456789", "", "^12.456789"}, {1, "^1.23456789", "", "^1.234567"},
        // The longest text pastes whole, even between blanks (the box takes a little more).
        {2, "^", K_PASTE "   -179.999999   \r\n", "^-179.999999"},
        // Other programs write decimal commas, and the keypad's decimal key types one in much of
        // Europe: a point or comma reads as the separator where the text has none of the box's.
        // A separator, blank or semicolon behind the number ends it: the digits of the next
        // number never join it.
        {0, "^", K_PASTE "15,5", "^15.5"}, {1, "^", K_PASTE "5,5", "^5.5"}, {1, "^", K_PASTE "52,520833", "^52.520833"},
        {2, "^", K_PASTE "13,375000", "^13.375000"}, {1, "^", K_PASTE "52.520833, 13.375", "^52.520833"},
        {1, "^", K_PASTE "52,52, 13,37", "^52.52"}, {2, "^", K_PASTE "5.5 -13.4", "^5.5"},
        {0, "^", K_PASTE "5,5;7", "^5.5"}, {2, "^", K_PASTE "1,234.5", "^1"}, {1, "^", K_PASTE "1.2.3", "^1.2"},
        {0, "1^", ",5", "1.5^"}, {0, "12.34^", ",", "12.^34"}, {1, "^", "-5,25", "-5.25^"}, {2, "4[5.]5", ",", "4.^5"},
        {5, "^", K_PASTE "52.5", "^52,5"}, {5, "^", K_PASTE "1.234,5", "^1"}, {5, "^", "-7.25", "-7,25^"},
        // The sign toggles from anywhere, keeping the selection; nothing is typed over it.
        {1, "45^.5", "-", "-45^.5"}, {1, "-45^.5", "-", "45^.5"}, {2, "4[5.]5", "-", "-4[5.]5"},
        {1, "[-45.5]", "-", "-^"}, {1, "^-12", "5", "^-12"}, {1, "[12.]345678", "-", "-^34"},
        // Padded always, or only where no typing is re-filtered.
        {3, "7.00^", "\b", "7.0^0"}, {4, "7.00^", "\b", "7.0^"}, {4, "^-7", "", "^-7.00"},
    });
    EXPECT_DOUBLE_EQ(-45.5, longitude.GetNumber());
    EXPECT_DOUBLE_EQ(-7.25, comma.GetNumber());
    // The paste room stays small, so that a huge paste is cut before it fills the box.
    EXPECT_LT(::SendMessageA(dLongitude.m_hBox, EM_GETLIMITTEXT, 0, 0), 1000);
}

// Texts set by the program, or by another program through the ...A or ...W functions, and keys
// from layouts beyond ASCII, in a box of the code page and in a Unicode one (as the calculator's
// boxes are): each box ends up holding its filtered form. A key is never read by the low byte
// of its UTF-16 unit (Cyrillic \u0441 would be an A, \u0430 a 0, \u042E a point, \u042D a
// minus), nor, in a Unicode box, as a look-alike (Sigma, a full-width 5).
TEST(EditBoxes, SetTextsAndKeysBeyondAsciiAreFilteredInBothKindsOfWindow)
{
    for (const bool unicode : {false, true})
    {
        SCOPED_TRACE(unicode ? "Unicode window" : "window of the code page");
        CMaskEdit locator("**##**##**"), plain;
        CNumericEdit decimal, seconds;
        CBoxDriver dLocator(locator, ES_UPPERCASE, unicode), dPlain(plain, 0, unicode),
            dDecimal(decimal, 0, unicode), dSeconds(seconds, 0, unicode);
        FormatNumberBox(decimal, 3, 6, true);
        FormatNumberBox(seconds, 2, 2, false);
        // Fits whole, fits only in its first character, fits nowhere.
        const struct { HWND box; const char *set, *held; } sets[] = {
            {dLocator.m_hBox, "jo62QM", "JO62QM"}, {dLocator.m_hBox, "J0", "J"}, {dLocator.m_hBox, "0J", ""},
            {dDecimal.m_hBox, "-13.375", "-13.375"}, {dDecimal.m_hBox, "5x", "5"}, {dDecimal.m_hBox, "x5", "5"},
            {dSeconds.m_hBox, "15.5", "15.5"}, {dSeconds.m_hBox, "5-", "5"}, {dSeconds.m_hBox, "ab", ""},
            {dPlain.m_hBox, "J0", "J0"}};
        std::vector<CForeignStep> steps;
        std::vector<std::wstring> expected;
        for (const auto& c : sets)
        {
            ::SetWindowTextA(c.box, c.set);
            EXPECT_EQ(c.held, WindowText(c.box)) << "A " << c.set;
            ::SetWindowTextW(c.box, Widened(c.set).c_str());
            EXPECT_EQ(c.held, WindowText(c.box)) << "W " << c.set;
            for (const char how : {'s', 'S'})
            {
                steps.push_back({c.box, how, Widened(c.set)});
                expected.push_back(Widened(c.held));
            }
        }
        // Another program also replaces the selection (as automation tools paste) and types.
        const struct { HWND box; char how; const wchar_t *text, *held; } more[] = {
            {dLocator.m_hBox, 's', L"", L""}, {dLocator.m_hBox, 'R', L"J0", L"J"},
            {dLocator.m_hBox, 's', L"", L""}, {dLocator.m_hBox, 'r', L"JO6X", L"JO6"},
            {dDecimal.m_hBox, 'S', L"", L""}, {dDecimal.m_hBox, 'R', L"5.5x", L"5.5"},
            {dLocator.m_hBox, 'C', L"\x0441\x0442", L"JO6"}, {dSeconds.m_hBox, 'S', L"12", L"12"},
            {dSeconds.m_hBox, 'C', L"\x0435\x042E", L"12"}};
        for (const auto& c : more)
        {
            steps.push_back({c.box, c.how, c.text});
            expected.push_back(c.held);
        }
        EXPECT_EQ(expected, SendFromAnotherProcess(steps));

        // Keys of other layouts, each refused where it stands.
        std::wstring keys = L"\x0441\x0442\x0430\x0431\x042E\x042D\x0370\x00E9";
        if (unicode)
            keys += L"\x03A3\xFF15"; // a window of the code page gets them as S and 5 from the system
        const std::pair<CBoxDriver*, std::string> typedInto[] = {{&dLocator, "JO^"}, {&dDecimal, "1^"}, {&dSeconds, "12^"}};
        for (const wchar_t key : keys)
            for (const auto& [drive, before] : typedInto)
            {
                drive->At(before);
                ::SendMessageW(drive->m_hBox, WM_CHAR, key, 1);
                EXPECT_EQ(before, drive->Marked()) << "U+" << std::hex << static_cast<unsigned>(key);
            }
        // A box that takes everything takes the real character (a window of the code page has
        // none for Cyrillic, and gets '?').
        dPlain.At("^");
        ::SendMessageW(dPlain.m_hBox, WM_CHAR, 0x0436, 1);
        EXPECT_EQ(unicode ? L"\x0436" : L"?", WideWindowText(dPlain.m_hBox));
    }
}

TEST(NumericEdit, EachFocusLossOptionActsAlone)
{
    enum Range { kAny, k0To12, kFrom3, kUpTo0 };
    const double kRanges[][2] = {{-DBL_MAX, DBL_MAX}, {0, 12.5}, {3, DBL_MAX}, {-DBL_MAX, 0}};
    const struct { DWORD options; Range range; const char *before, *after; bool refocus = false;
                   const char* message = nullptr; } cases[] = {
        {0, k0To12, "20", "20"}, {NUMF_TRIM_ZEROS, kAny, "-00.5", "-0.5"},
        {NUMF_PAD_DECIMALS | NUMF_PAD_WHOLE, kAny, "-1.5", "-001.50"},
        // Out of range or empty: clamped, the focus kept, a message only with the focus.
        {NUMF_CLAMP_INVALID, k0To12, "20", "12.5"}, {NUMF_CLAMP_EMPTY, kFrom3, "", "3"},
        {NUMF_FOCUS_INVALID, k0To12, "20", "20", true}, {NUMF_FOCUS_INVALID, k0To12, "12.5", "12.5"},
        {NUMF_FOCUS_EMPTY, k0To12, "", "", true}, {NUMF_MESSAGE_INVALID | NUMF_MESSAGE_EMPTY, k0To12, "20", "20"},
        {NUMF_FOCUS_INVALID | NUMF_MESSAGE_INVALID, kUpTo0, "5", "5", true, "numeric value less than or equal to 0"},
        {NUMF_CLAMP_EMPTY | NUMF_FOCUS_EMPTY | NUMF_MESSAGE_EMPTY, kFrom3, "", "3", true,
         "numeric value greater than or equal to 3"},
    };
    CMessageBoxRecorder messages;
    CNumericEdit box;
    CBoxDriver drive(box);
    FormatNumberBox(box, 3, 2, true);
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << std::hex << c.options << " '" << c.before << "'");
        box.ModifyOptions(c.options, 0x0FFF);
        box.SetRange(kRanges[c.range][0], kRanges[c.range][1]);
        EXPECT_EQ(std::string("^") + c.after, drive.At(std::string("^") + c.before).Leave().Marked());
        EXPECT_EQ(c.refocus, drive.m_focus.m_hLast == drive.m_hBox);
        ASSERT_EQ(c.message ? 1u : 0u, messages.m_calls.size());
        EXPECT_TRUE(!c.message || "Please specify a " + std::string(c.message) + "." == messages.m_calls[0].text)
            << messages.m_calls[0].text; // only looked at on failure, when there is a call
        messages.m_calls.clear();
    }
    box.ModifyOptions(NUMF_TRIM_ZEROS, 0x0FFF);
    EXPECT_EQ("7.[5]", drive.At("00[7.]5").Leave().Marked()); // the selection stays where it was
}

TEST(RandomisedEdits, EveryBoxAlwaysHoldsATextOfItsShape)
{
    unsigned seed = 0;
    for (const std::string mask : {"**##**", "**##**##", "**##**##**"})
    {
        std::string shape; // a beginning of the mask: digits for #, capitals for *
        for (auto symbol = mask.rbegin(); symbol != mask.rend(); ++symbol)
            shape = (*symbol == '#' ? "([0-9]" : "([A-Z]") + shape + ")?";
        CMaskEdit box(mask);
        ExpectAlways(box, ++seed, std::regex(shape));
    }
    // Every other box a Unicode window, by the seed's parity.
    const struct { int whole, decimals; bool negative; DWORD extra; } formats[] = {
        {2, 2, false, 0}, {2, 6, true, 0}, {3, 6, true, 0}, {3, 2, true, NUMF_PAD_ALWAYS}};
    for (const auto& format : formats)
    {
        CNumericEdit box;
        FormatNumberBox(box, format.whole, format.decimals, format.negative);
        box.ModifyOptions(format.extra, 0);
        ExpectAlways(box, ++seed, std::regex(std::string(format.negative ? "-?" : "") + "[0-9]{0," +
                                             std::to_string(format.whole) + "}(\\.[0-9]{0," +
                                             std::to_string(format.decimals) + "})?"));
    }
}
