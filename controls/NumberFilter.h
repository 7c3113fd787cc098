#pragma once
#include "EditFilter.h"
#include <string>

// Option bits of the number filter. 0x0001-0x0800 act when the box loses the focus.
constexpr DWORD NUMF_BEEP_INVALID = 0x0001;
constexpr DWORD NUMF_BEEP_EMPTY = 0x0002;
constexpr DWORD NUMF_CLAMP_INVALID = 0x0004;
constexpr DWORD NUMF_CLAMP_EMPTY = 0x0008;
constexpr DWORD NUMF_FOCUS_INVALID = 0x0010;
constexpr DWORD NUMF_FOCUS_EMPTY = 0x0020;
constexpr DWORD NUMF_MESSAGE_INVALID = 0x0040; // only together with NUMF_FOCUS_INVALID
constexpr DWORD NUMF_MESSAGE_EMPTY = 0x0080;   // only together with NUMF_FOCUS_EMPTY
constexpr DWORD NUMF_PAD_WHOLE = 0x0100;
constexpr DWORD NUMF_PAD_DECIMALS = 0x0200;
constexpr DWORD NUMF_NO_PAD_IF_EMPTY = 0x0400;
constexpr DWORD NUMF_TRIM_ZEROS = 0x0800;
constexpr DWORD NUMF_NO_NEGATIVE = 0x1000;
constexpr DWORD NUMF_AUTO_DECIMAL = 0x2000; // a digit behind a full integer part brings the separator
constexpr DWORD NUMF_PAD_ALWAYS = 0x4000;   // the text always carries all decimal places
constexpr DWORD NUMF_PAD_TYPING = 0x8000;   // the same, except while typing is re-filtered

// Keeps a text a decimal number: an optional leading sign, at most m_nWholeDigits digits before
// the separator and m_nDecimalDigits after it. A negative whole-digit limit forbids the sign.
class CNumberFilter : public CEditFilter
{
public:
    CNumberFilter(CValidEdit* edit, int wholeDigits, int decimalDigits);

    void SetWholeDigits(int digits);
    void SetDecimalDigits(int digits);
    void SetSeparatorChars(char decimal, char group);
    void AllowNegative(bool allow);
    bool IsNegativeAllowed() const;
    void SetRange(double min, double max);
    double GetNumber() const;
    bool IsInRange() const;

    std::string FilterText() const override;
    // Sign, whole digits, separator and decimals.
    int LongestText() const override { return 1 + m_nWholeDigits + 1 + m_nDecimalDigits; }
    void HandleChar(char ch) override;
    void HandleKeyDown(UINT virtualKey) override;
    void HandleKillFocus() override;

private:
    // A point, a comma or the box's own separator: each reads as the decimal separator.
    bool IsDecimalMark(char ch) const;
    char DecimalMarkIn(const std::string& text) const;
    bool EndsNumber(char ch) const;
    // The digits, the first separator and, in front, the sign if it occurs anywhere.
    std::string ExtractNumber(const std::string& text) const;
    void TypeSign(int start, int end, int length, bool negative);
    void TypeDigit(char ch, int start, int end, const std::string& text);
    void RefilterKeepingCaret();

    std::string TidyOnFocusLoss(const std::string& number) const;
    void ReactOnFocusLoss(DWORD beep, DWORD clamp, DWORD message, DWORD focus);
    void ShowRangeMessage() const;
    void ClampToRange();
    std::string FormatDouble(double value) const;

    int m_nWholeDigits;
    int m_nDecimalDigits;
    char m_chNegative = '-';
    char m_chDecimal = '.';
    char m_chGroup = ',';
    double m_dMin;
    double m_dMax;
    bool m_bRefiltering = false;
};
