#include "NumberFilter.h"
#include "ValidEdit.h"
#include "framework/MessageBoxSeam.h"
#include <algorithm>
#include <cctype>
#include <cfloat>
#include <cstdio>
#include <cstdlib>

namespace
{
constexpr DWORD kFocusLossOptions = 0x0FFF;

int Length(const std::string& text)
{
    return static_cast<int>(text.size());
}

int Find(const std::string& text, char ch)
{
    size_t at = text.find(ch);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

// The first character of a value of the user's locale.
char FirstLocaleChar(LCTYPE type, char fallback)
{
    int size = ::GetLocaleInfoA(LOCALE_USER_DEFAULT, type, nullptr, 0);
    if (size <= 1)
        return fallback;
    std::string value(static_cast<size_t>(size), '\0');
    if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, type, &value[0], size) <= 1)
        return fallback;
    return value[0];
}

// A grouping separator equal to the decimal one would make every number ambiguous.
char DistinctGroup(char decimal, char group)
{
    if (group != decimal)
        return group;
    return decimal == ',' ? '.' : ',';
}
}

CNumberFilter::CNumberFilter(CValidEdit* edit, int wholeDigits, int decimalDigits)
    : CEditFilter(edit), m_nWholeDigits(std::abs(wholeDigits)), m_nDecimalDigits(decimalDigits),
      m_dMin(-DBL_MAX), m_dMax(DBL_MAX)
{
    if (wholeDigits < 0)
        m_nOptions |= NUMF_NO_NEGATIVE;
    m_chNegative = FirstLocaleChar(LOCALE_SNEGATIVESIGN, m_chNegative);
    m_chDecimal = FirstLocaleChar(LOCALE_SDECIMAL, m_chDecimal);
    m_chGroup = DistinctGroup(m_chDecimal, FirstLocaleChar(LOCALE_STHOUSAND, m_chGroup));
}

void CNumberFilter::SetWholeDigits(int digits)
{
    // A limit of 0 or more also allows the sign; callers that forbid it do so afterwards.
    const bool allowNegative = digits >= 0;
    if (std::abs(digits) == m_nWholeDigits && IsNegativeAllowed() == allowNegative)
        return;
    m_nWholeDigits = std::abs(digits);
    if (IsNegativeAllowed() == allowNegative)
        RefreshText();
    else
        AllowNegative(allowNegative);
}

void CNumberFilter::SetDecimalDigits(int digits)
{
    if (digits == m_nDecimalDigits)
        return;
    m_nDecimalDigits = digits;
    RefreshText();
}

void CNumberFilter::SetSeparatorChars(char decimal, char group)
{
    if (decimal == m_chDecimal && group == m_chGroup)
        return;
    m_chDecimal = decimal;
    m_chGroup = DistinctGroup(decimal, group);
    RefreshText();
}

void CNumberFilter::AllowNegative(bool allow)
{
    ModifyOptions(allow ? 0 : NUMF_NO_NEGATIVE, allow ? NUMF_NO_NEGATIVE : 0);
}

bool CNumberFilter::IsNegativeAllowed() const
{
    return (m_nOptions & NUMF_NO_NEGATIVE) == 0;
}

void CNumberFilter::SetRange(double min, double max)
{
    m_dMin = min;
    m_dMax = max;
}

double CNumberFilter::GetNumber() const
{
    // strtod reads the C locale's characters.
    std::string number = ExtractNumber(ReadText());
    for (char& ch : number)
        ch = ch == m_chDecimal ? '.' : ch == m_chNegative ? '-' : ch;
    return std::strtod(number.c_str(), nullptr);
}

bool CNumberFilter::IsInRange() const
{
    const double value = GetNumber();
    return m_dMin <= value && value <= m_dMax; // false for a value that compares unordered
}

std::string CNumberFilter::ExtractNumber(const std::string& text) const
{
    std::string number;
    bool negative = false, point = false;
    for (char ch : text)
    {
        if (IsDigitChar(ch))
            number += ch;
        else if (ch == m_chDecimal && !point)
        {
            number += ch;
            point = true;
        }
        else if (ch == m_chNegative)
            negative = true;
    }
    return negative ? m_chNegative + number : number;
}

bool CNumberFilter::IsDecimalMark(char ch) const
{
    return ch == m_chDecimal || ch == '.' || ch == ',';
}

// The box's own separator where the text has one, else its first point or comma: a decimal
// comma written by a program or a locale of its own must not run the digits together.
char CNumberFilter::DecimalMarkIn(const std::string& text) const
{
    if (text.find(m_chDecimal) != std::string::npos)
        return m_chDecimal;
    const size_t mark = text.find_first_of(".,");
    return mark == std::string::npos ? m_chDecimal : text[mark];
}

// What stands between the numbers of a list or a coordinate pair, or groups digits.
bool CNumberFilter::EndsNumber(char ch) const
{
    return IsDecimalMark(ch) || ch == m_chGroup || ch == ';' || std::isspace(static_cast<unsigned char>(ch));
}

std::string CNumberFilter::FilterText() const
{
    std::string filtered;
    bool negative = false;
    int point = -1;
    const std::string text = ReadText();
    const char mark = DecimalMarkIn(text);
    for (char ch : text)
    {
        const int count = Length(filtered);
        if (ch == m_chNegative && IsNegativeAllowed())
            negative = true; // typed or pasted anywhere, it goes in front
        else if (IsDigitChar(ch))
        {
            if (point < 0)
            {
                if (count < m_nWholeDigits)
                    filtered += ch; // a whole digit too many is skipped, later ones may still fit
            }
            else if (count > point + m_nDecimalDigits)
                break;
            else
                filtered += ch;
        }
        else if (ch == mark && point < 0)
        {
            if (m_nDecimalDigits == 0)
                break;
            point = count;
            filtered += m_chDecimal;
        }
        else if (count > 0 && EndsNumber(ch))
            break; // what follows is another number: none of its digits may join this one
    }
    const bool pad = (m_nOptions & NUMF_PAD_ALWAYS) || ((m_nOptions & NUMF_PAD_TYPING) && !m_bRefiltering);
    if (pad && m_nDecimalDigits > 0 && !filtered.empty())
    {
        if (point < 0)
        {
            point = Length(filtered);
            filtered += m_chDecimal;
        }
        filtered.resize(static_cast<size_t>(point + 1 + m_nDecimalDigits), '0');
    }
    if (negative)
        filtered.insert(filtered.begin(), m_chNegative);
    return filtered;
}

void CNumberFilter::HandleChar(char ch)
{
    if (IsReadOnly())
        return;
    if (IsDecimalMark(ch))
        ch = m_chDecimal; // the keypad's decimal key gives a comma in much of Europe
    int start = 0, end = 0;
    ReadSelection(start, end);
    const std::string text = ReadText();
    const int point = Find(text, m_chDecimal);
    if (ch == m_chNegative && IsNegativeAllowed())
        TypeSign(start, end, Length(text), Find(text, m_chNegative) >= 0);
    else if (ch == m_chDecimal && m_nDecimalDigits > 0)
    {
        if (point < 0 || (start <= point && point < end))
            DefaultIfAccepted(ch);
        else
            SelectAndScroll(point + 1, point + 1); // there is one already: jump behind it
    }
    else if (IsDigitChar(ch))
        TypeDigit(ch, start, end, text);
    else if (!IsPrintableChar(ch))
        DefaultIfAccepted(ch); // Backspace, the clipboard shortcuts
    // Whatever came in, the text keeps its shape, padding included, and the caret its place.
    RefilterKeepingCaret();
}

void CNumberFilter::TypeSign(int start, int end, int length, bool negative)
{
    const char sign = m_chNegative;
    if (start == 0)
    {
        if (!negative)
            DefaultIfAccepted(sign);
        else if (AcceptChar(sign))
            TypeAt(start, end, length, sign); // typed over itself
        return;
    }
    if (!AcceptChar(sign))
        return;
    // Anywhere else the sign switches, and the selection moves with the text.
    TypeOver(0, negative ? 1 : 0, negative ? std::string() : std::string(1, sign));
    const int shift = negative ? -1 : 1;
    SelectAndScroll(start + shift, end + shift);
}

void CNumberFilter::TypeDigit(char ch, int start, int end, const std::string& text)
{
    const int length = Length(text);
    const int point = Find(text, m_chDecimal);
    const std::string number = ExtractNumber(text);
    const int numberPoint = Find(number, m_chDecimal);
    if (point >= 0 && point < start)
    {
        const int decimals = numberPoint < 0 ? 0 : Length(number) - numberPoint - 1;
        if (decimals != m_nDecimalDigits)
            DefaultIfAccepted(ch);
        else if (start <= point + m_nDecimalDigits && AcceptChar(ch))
            TypeAt(start, end, length, ch); // a full decimal part is typed over
        return;
    }
    const int sign = !number.empty() && number[0] == m_chNegative ? 1 : 0;
    const int fullLength = sign + m_nWholeDigits;
    if (start == fullLength)
    {
        if ((m_nOptions & NUMF_AUTO_DECIMAL) && m_nDecimalDigits > 0)
            TypeOver(start, end == length ? end : start + 2, std::string{m_chDecimal, ch});
        return;
    }
    const int wholeLength = numberPoint < 0 ? Length(number) : numberPoint;
    if (wholeLength != fullLength)
        DefaultIfAccepted(ch);
    else if (start < sign && end != length)
        return; // typed over the sign, a full number would get one whole digit too many
    else if (AcceptChar(ch))
        TypeAt(start, end, length, ch);
}

void CNumberFilter::RefilterKeepingCaret()
{
    int start = 0, end = 0;
    ReadSelection(start, end);
    m_bRefiltering = true;
    RefreshText();
    m_bRefiltering = false;
    m_pEdit->SetSel(start, end, TRUE);
}

void CNumberFilter::HandleKeyDown(UINT virtualKey)
{
    if (virtualKey != VK_DELETE)
    {
        PassToDefault();
        return;
    }
    // Delete works anywhere; the re-filter repairs the shape.
    int start = 0, end = 0;
    ReadSelection(start, end);
    const int length = Length(ReadText());
    PassToDefault();
    RefilterKeepingCaret();
    if (end == length)
        SelectAndScroll(start, start);
}

void CNumberFilter::HandleKillFocus()
{
    PassToDefault();
    const std::string number = ExtractNumber(ReadText());
    const bool trim = (m_nOptions & NUMF_TRIM_ZEROS) && !number.empty();
    if (!trim && (!(m_nOptions & kFocusLossOptions) || (number.empty() && (m_nOptions & NUMF_NO_PAD_IF_EMPTY))))
        return;
    const std::string tidy = TidyOnFocusLoss(number);
    if (tidy != number)
    {
        int start = 0, end = 0;
        ReadSelection(start, end);
        m_pEdit->SetWindowText(tidy);
        m_pEdit->SetSel(start, end, TRUE);
    }
    if (tidy.empty())
        ReactOnFocusLoss(NUMF_BEEP_EMPTY, NUMF_CLAMP_EMPTY, NUMF_MESSAGE_EMPTY, NUMF_FOCUS_EMPTY);
    else if (!IsInRange())
        ReactOnFocusLoss(NUMF_BEEP_INVALID, NUMF_CLAMP_INVALID, NUMF_MESSAGE_INVALID, NUMF_FOCUS_INVALID);
}

// Trims leading zeros and pads the decimal and the whole part, as the options ask.
std::string CNumberFilter::TidyOnFocusLoss(const std::string& number) const
{
    std::string sign = !number.empty() && number[0] == m_chNegative ? std::string(1, m_chNegative) : std::string();
    std::string digits = number.substr(sign.size());
    if ((m_nOptions & NUMF_TRIM_ZEROS) && !number.empty())
    {
        digits.erase(0, digits.find_first_not_of('0'));
        if (digits.empty() || digits[0] == m_chDecimal)
            digits.insert(digits.begin(), '0');
    }
    if ((m_nOptions & NUMF_PAD_DECIMALS) && m_nDecimalDigits > 0)
    {
        if (Find(digits, m_chDecimal) < 0)
        {
            if (digits.empty())
            {
                digits = "0";
                sign.clear();
            }
            digits += m_chDecimal;
        }
        const int decimals = Length(digits) - Find(digits, m_chDecimal) - 1;
        if (decimals < m_nDecimalDigits)
            digits.append(static_cast<size_t>(m_nDecimalDigits - decimals), '0');
    }
    if ((m_nOptions & NUMF_PAD_WHOLE) && m_nWholeDigits > 0)
    {
        const int point = Find(digits, m_chDecimal);
        const int whole = point < 0 ? Length(digits) : point;
        if (whole < m_nWholeDigits)
            digits.insert(0, static_cast<size_t>(m_nWholeDigits - whole), '0');
    }
    return sign + digits;
}

void CNumberFilter::ReactOnFocusLoss(DWORD beep, DWORD clamp, DWORD message, DWORD focus)
{
    if (m_nOptions & beep)
        ::MessageBeep(MB_ICONEXCLAMATION);
    if (m_nOptions & clamp)
        ClampToRange();
    if ((m_nOptions & message) && (m_nOptions & focus))
        ShowRangeMessage();
    if (m_nOptions & focus)
        m_pEdit->SetFocus();
}

void CNumberFilter::ShowRangeMessage() const
{
    const bool low = m_dMin > -DBL_MAX, high = m_dMax < DBL_MAX;
    std::string text;
    if (low && high)
        text = "Please specify a numeric value between " + FormatDouble(m_dMin) + " and " + FormatDouble(m_dMax) + ".";
    else if (low)
        text = "Please specify a numeric value greater than or equal to " + FormatDouble(m_dMin) + ".";
    else if (high)
        text = "Please specify a numeric value less than or equal to " + FormatDouble(m_dMax) + ".";
    else
        text = "Please specify a valid numeric value.";
    AfxMessageBox(text, MB_ICONEXCLAMATION, 0);
}

void CNumberFilter::ClampToRange()
{
    if (IsInRange())
        return;
    RefreshText();
    const double value = GetNumber();
    if (value < m_dMin)
        m_pEdit->SetWindowText(FormatDouble(m_dMin));
    else if (value > m_dMax)
        m_pEdit->SetWindowText(FormatDouble(m_dMax));
}

// Six decimals at most, without trailing zeros: 12.5, 3, 0.
std::string CNumberFilter::FormatDouble(double value) const
{
    std::string text(static_cast<size_t>(std::snprintf(nullptr, 0, "%f", value)) + 1, '\0');
    text.resize(static_cast<size_t>(std::snprintf(&text[0], text.size(), "%f", value)));
    std::replace(text.begin(), text.end(), '.', m_chDecimal);
    if (text.find(m_chDecimal) != std::string::npos)
    {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == m_chDecimal)
            text.pop_back();
    }
    return text;
}
