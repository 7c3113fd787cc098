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
    // Mostly what locators and numbers are made of, with Ctrl+C, V, X and Z as they are typed;
    // now and then any byte but NUL.
    std::string AnyText(int length)
    {
        static const char kLikely[] = "JOjoAB0123456789.-,x \b\x03\x16\x18\x1a";
        std::string text;
        while (length-- > 0)
            text += Pick(4) ? kLikely[Pick(sizeof(kLikely) - 1)] : static_cast<char>(1 + Pick(255));
        return text;
    }
    // Often an end of the text, where most rules change.
    int AnyPosition(int length) { return Pick(3) == 0 ? 0 : Pick(2) ? length : Pick(length + 2); }
    void Step(CBoxDriver& drive)
    {
        const int length = static_cast<int>(WindowText(drive.m_hBox).size());
        switch (Pick(13))
        {
        case 0: drive.Do(K_DEL); break;
        case 1: drive.Do(K_CUT); break;
        case 2: drive.Do(K_CLEAR); break;
        case 3: drive.Do(K_PASTE + AnyText(Pick(13))); break;
        case 4: drive.Send(EM_SETSEL, AnyPosition(length), AnyPosition(length)); break;
        case 5: ::SetWindowTextA(drive.m_hBox, AnyText(Pick(13)).c_str()); break;
        case 6: drive.Leave(); break;
        default: TypeChars(drive.m_hBox, AnyText(1));
        }
    }
};

// A few thousand random messages from a fixed seed; after each the box must pass the check.
// The clipboard is this run's alone, so that what Ctrl+V pastes replays too.
template <class Check>
void ExpectAlways(CWnd& box, unsigned seed, Check holds)
{
    CBoxDriver drive(box);
    CClipboardTurn turn;
    SetClipboardText(drive.m_host.m_hWnd, "");
    CMonkey monkey{std::mt19937(seed)};
    for (int step = 0; step < 1500; ++step)
    {
        monkey.Step(drive);
        const std::string text = WindowText(drive.m_hBox);
        ASSERT_TRUE(holds(step, text)) << "seed " << seed << " step " << step << ": '" << text << "'";
    }
}
}

TEST(RandomisedMaskEdit, AlwaysHoldsABeginningOfItsMask)
{
    const std::string masks[] = {"**##**", "**##**##", "**##**##**"};
    for (unsigned seed = 1; seed <= 3; ++seed)
    {
        CMaskEdit box(masks[seed - 1]);
        ExpectAlways(box, seed, [&](int step, const std::string& text) {
            // A beginning of the mask: digits for #, capitals for *.
            const std::string& mask = box.GetMask();
            bool holds = text.size() <= mask.size();
            for (size_t i = 0; holds && i < text.size(); ++i)
                holds = mask[i] == '#' ? std::isdigit(static_cast<unsigned char>(text[i])) != 0
                                       : std::isupper(static_cast<unsigned char>(text[i])) != 0;
            if (step % 250 == 249) // the locator length list switches the mask
                box.SetMask(masks[(seed + step / 250) % 3]);
            return holds;
        });
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
        FormatNumberBox(box, format.whole, format.decimals, format.negative);
        box.ModifyOptions(format.extra, 0);
        const std::regex shape(std::string(format.negative ? "-?" : "") + "[0-9]{0," + std::to_string(format.whole) +
                               "}(\\.[0-9]{0," + std::to_string(format.decimals) + "})?");
        ExpectAlways(box, ++seed, [&](int, const std::string& text) {
            return box.FilterText() == text && std::regex_match(text, shape);
        });
    }
}
