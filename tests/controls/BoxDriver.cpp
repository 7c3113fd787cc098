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

CBoxDriver& CBoxDriver::Type(const std::string& chars)
{
    TypeChars(m_hBox, chars);
    return *this;
}

CBoxDriver& CBoxDriver::Key(UINT virtualKey)
{
    PressKey(m_hBox, virtualKey);
    return *this;
}

CBoxDriver& CBoxDriver::Paste(const std::string& text)
{
    SetClipboardText(m_host.m_hWnd, text);
    return Send(WM_PASTE);
}

CBoxDriver& CBoxDriver::Send(UINT msg)
{
    ::SendMessageA(m_hBox, msg, 0, 0);
    return *this;
}

CBoxDriver& CBoxDriver::Leave()
{
    ::SetFocus(m_hBox);
    ::SetFocus(m_hOther);
    return *this;
}

::testing::AssertionResult CBoxDriver::Holds(const std::string& text, int start, int end) const
{
    int selStart = 0, selEnd = 0;
    GetSelection(m_hBox, selStart, selEnd);
    if (end < 0)
        end = start;
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
