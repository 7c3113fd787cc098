#include "BoxDriver.h"

CBoxDriver::CBoxDriver(CWnd& box, DWORD style)
    : m_hBox(m_host.AddControl("EDIT", WS_BORDER | ES_AUTOHSCROLL | style, 1000, 10, 10, 200, 22)),
      m_hOther(m_host.AddControl("EDIT", WS_BORDER, 1001, 10, 40, 200, 22))
{
    box.SubclassWindow(m_hBox);
}

CBoxDriver& CBoxDriver::At(const std::string& text, int start, int end)
{
    ::SetWindowTextA(m_hBox, text.c_str());
    SetSelection(m_hBox, start, end < 0 ? start : end);
    return *this;
}

::testing::AssertionResult CBoxDriver::Holds(const std::string& text, int start, int end) const
{
    int selStart = 0, selEnd = 0;
    GetSelection(m_hBox, selStart, selEnd);
    end = end < 0 ? start : end;
    if (Text() == text && selStart == start && selEnd == end)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "holds '" << Text() << "' (" << selStart << "," << selEnd
                                         << "), expected '" << text << "' (" << start << "," << end << ")";
}

void FormatNumberBox(CNumericEdit& box, int wholeDigits, int decimalDigits, bool negative)
{
    box.ModifyOptions(NUMF_AUTO_DECIMAL, 0);
    box.SetWholeDigits(wholeDigits);
    box.SetDecimalDigits(decimalDigits);
    box.SetSeparatorChars('.', '.');
    box.AllowNegative(negative);
}
