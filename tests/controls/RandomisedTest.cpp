#include "BoxDriver.h"
#include "controls/MaskEdit.h"
#include <cctype>
#include <random>
#include <regex>

namespace
{
// Random messages of every kind a user can send, from a fixed seed, so a failure replays.
struct CMonkey
{
    std::mt19937 m_random;

    int Pick(int count) { return static_cast<int>(m_random() % static_cast<unsigned>(count)); }
    // Often an end of the text, where most rules change.
    int AnyPosition(int length) { return Pick(3) == 0 ? 0 : Pick(2) ? length : Pick(length + 2); }
    // Mostly what locators and numbers are made of, with the clipboard and undo keys; now and
    // then any byte but NUL.
    char AnyChar()
    {
        static const char kLikely[] = "JOjoAB0123456789.-,x \b\x03\x16\x18\x1a";
        return Pick(4) ? kLikely[Pick(sizeof(kLikely) - 1)] : static_cast<char>(1 + Pick(255));
    }
    std::string AnyText()
    {
        std::string text(static_cast<size_t>(Pick(13)), ' ');
        for (char& ch : text)
            ch = AnyChar();
        return text;
    }
    void Step(CBoxDriver& drive)
    {
        const int length = static_cast<int>(drive.Text().size());
        switch (Pick(14))
        {
        case 0: drive.Key(VK_DELETE); break;
        case 1: drive.Type("\b"); break;
        case 2: drive.Key(VK_LEFT); break;
        case 3: SetSelection(drive.m_hBox, AnyPosition(length), AnyPosition(length)); break;
        case 4: drive.Paste(AnyText()); break;
        case 5: drive.Send(WM_CUT); break;
        case 6: drive.Send(WM_CLEAR); break;
        case 7: ::SetWindowTextA(drive.m_hBox, AnyText().c_str()); break;
        case 8: drive.Leave(); break;
        default: drive.Type(std::string(1, AnyChar()));
        }
    }
};

// A beginning of the mask, letters in capitals: "**##" gives ([A-Z]([A-Z]([0-9]([0-9])?)?)?)?
std::regex MaskBeginning(const std::string& mask)
{
    std::string pattern;
    for (auto ch = mask.rbegin(); ch != mask.rend(); ++ch)
        pattern = std::string("(") + (*ch == '#' ? "[0-9]" : "[A-Z]") + pattern + ")?";
    return std::regex(pattern);
}

const int kSteps = 1500;
}

TEST(RandomisedMaskEdit, AlwaysHoldsABeginningOfItsMask)
{
    const std::string masks[] = {"**##**", "**##**##", "**##**##**"};
    for (unsigned seed = 1; seed <= 3; ++seed)
    {
        CMaskEdit box(masks[seed - 1]);
        CBoxDriver drive(box);
        CMonkey monkey{std::mt19937(seed)};
        std::regex beginning = MaskBeginning(box.GetMask());
        for (int step = 0; step < kSteps; ++step)
        {
            if (step % 250 == 249) // the locator length list switches the mask
            {
                box.SetMask(masks[monkey.Pick(3)]);
                beginning = MaskBeginning(box.GetMask());
            }
            monkey.Step(drive);
            ASSERT_TRUE(std::regex_match(drive.Text(), beginning))
                << "seed " << seed << " step " << step << ": '" << drive.Text() << "'";
        }
    }
}

TEST(RandomisedNumericEdit, AlwaysHoldsANumberItsFilterKeeps)
{
    struct Format { int whole, decimals; bool negative; DWORD extra; };
    const Format formats[] = {{2, 2, false, 0}, {2, 6, true, 0}, {3, 6, true, 0}, {3, 2, true, NUMF_PAD_ALWAYS}};
    unsigned seed = 100;
    for (const Format& format : formats)
    {
        CNumericEdit box;
        CBoxDriver drive(box);
        FormatNumberBox(box, format.whole, format.decimals, format.negative);
        box.ModifyOptions(format.extra, 0);
        const std::regex shape(std::string(format.negative ? "-?" : "") + "[0-9]{0," + std::to_string(format.whole) +
                               "}(\\.[0-9]{0," + std::to_string(format.decimals) + "})?");
        CMonkey monkey{std::mt19937(++seed)};
        for (int step = 0; step < kSteps; ++step)
        {
            monkey.Step(drive);
            const std::string text = drive.Text();
            ASSERT_TRUE(box.FilterText() == text && std::regex_match(text, shape))
                << "seed " << seed << " step " << step << ": '" << text << "'";
        }
    }
}
