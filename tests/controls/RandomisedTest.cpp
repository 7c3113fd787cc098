#include "BoxDriver.h"
#include "controls/MaskEdit.h"
#include <cctype>
#include <random>

namespace
{
// Random messages of every kind a user can send, from a fixed seed, so a failure replays.
class CMonkey
{
public:
    CMonkey(CBoxDriver& drive, unsigned seed) : m_drive(drive), m_random(seed) {}

    // One random action; returns what it did.
    std::string Step()
    {
        const int length = static_cast<int>(m_drive.Text().size());
        const char ch = AnyChar();
        switch (Pick(14))
        {
        case 0: case 1: case 2: case 3: case 4:
            m_drive.Type(std::string(1, ch));
            return "type " + std::to_string(static_cast<unsigned char>(ch));
        case 5: m_drive.Key(VK_DELETE); return "delete";
        case 6: m_drive.Type("\b"); return "backspace";
        case 7: m_drive.Key(VK_LEFT); return "left";
        case 8:
        {
            const int start = AnyPosition(length), end = AnyPosition(length);
            SetSelection(m_drive.m_hBox, start, end);
            return "select " + std::to_string(start) + "," + std::to_string(end);
        }
        case 9: { const std::string text = AnyText(); m_drive.Paste(text); return "paste '" + text + "'"; }
        case 10: m_drive.Send(WM_CUT); return "cut";
        case 11: m_drive.Send(WM_CLEAR); return "clear";
        case 12:
        {
            const std::string text = AnyText();
            ::SetWindowTextA(m_drive.m_hBox, text.c_str());
            return "set '" + text + "'";
        }
        default: m_drive.Leave(); return "leave";
        }
    }
    int Pick(int count) { return static_cast<int>(m_random() % static_cast<unsigned>(count)); }

private:
    // Often an end of the text, where most rules change.
    int AnyPosition(int length) { return Pick(3) == 0 ? 0 : Pick(2) ? length : Pick(length + 2); }
    // Mostly characters a locator or a number is made of, sometimes any byte but NUL.
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

    CBoxDriver& m_drive;
    std::mt19937 m_random;
};

bool IsMaskBeginning(const std::string& text, const std::string& mask)
{
    if (text.size() > mask.size())
        return false;
    for (size_t i = 0; i < text.size(); ++i)
    {
        const unsigned char ch = static_cast<unsigned char>(text[i]);
        if (mask[i] == '#' ? !std::isdigit(ch) : !std::isupper(ch))
            return false;
    }
    return true;
}

// [-]digits[.digits], within the limits.
bool IsNumberOfShape(const std::string& text, int whole, int decimals, bool negative)
{
    size_t at = negative && !text.empty() && text[0] == '-' ? 1 : 0;
    auto digitsUpTo = [&](int limit) {
        const size_t from = at;
        while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])))
            ++at;
        return at - from <= static_cast<size_t>(limit);
    };
    if (!digitsUpTo(whole))
        return false;
    if (at < text.size() && text[at] == '.' && decimals > 0 && (++at, !digitsUpTo(decimals)))
        return false;
    return at == text.size();
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
        CMonkey monkey(drive, seed);
        std::string trail;
        for (int step = 0; step < kSteps; ++step)
        {
            if (step % 250 == 249) // the locator length list switches the mask
                box.SetMask(masks[monkey.Pick(3)]);
            trail = (trail.size() > 200 ? trail.substr(trail.size() - 200) : trail) + " | " + monkey.Step();
            ASSERT_TRUE(IsMaskBeginning(drive.Text(), box.GetMask()))
                << "seed " << seed << " step " << step << ": '" << drive.Text() << "' after" << trail;
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
        CMonkey monkey(drive, ++seed);
        std::string trail;
        for (int step = 0; step < kSteps; ++step)
        {
            trail = (trail.size() > 200 ? trail.substr(trail.size() - 200) : trail) + " | " + monkey.Step();
            const std::string text = drive.Text();
            ASSERT_TRUE(box.FilterText() == text && IsNumberOfShape(text, format.whole, format.decimals, format.negative))
                << "seed " << seed << " step " << step << ": '" << text << "' after" << trail;
        }
    }
}
