#include "controls/MaskFilter.h"
#include "controls/ValidEdit.h"

CMaskFilter::CMaskFilter(CValidEdit* edit, const std::string& mask)
    : CEditFilter(edit), m_strMask(mask),
      m_symbols{CMaskSymbol('#', IsDigitChar), CMaskSymbol('*', IsLetterChar)}
{
}

void CMaskFilter::SetMask(const std::string& mask)
{
    if (mask == m_strMask)
        return;
    m_strMask = mask;
    RefreshText();
}

std::string CMaskFilter::FilterText() const
{
    const std::string text = ReadText();
    if (m_strMask.empty())
        return text;
    std::string filtered;
    for (size_t i = 0; i < text.size() && i < m_strMask.size(); ++i)
    {
        const char ch = text[i], maskChar = m_strMask[i];
        if (const CMaskSymbol* symbol = FindFitting(maskChar, ch))
            filtered += symbol->Convert(ch);
        else if (ch == maskChar && !IsSymbol(maskChar))
            filtered += ch; // a literal that the text repeats
        else
            break;
    }
    return filtered;
}

void CMaskFilter::HandleChar(char ch)
{
    if (IsReadOnly())
        return;
    if (m_strMask.empty())
    {
        DefaultIfAccepted(ch);
        return;
    }
    const int maskLength = static_cast<int>(m_strMask.size());
    int start = 0, end = 0;
    ReadSelection(start, end);
    if (start >= maskLength && ch != '\b')
        return; // full, or the caret stands past the mask
    const int length = static_cast<int>(ReadText().size());
    if (!IsPrintableChar(ch))
    {
        // Backspace inside the text would pull the characters behind it out of their
        // positions, so it only steps back.
        if (ch == '\b' && start != length)
            SendKeyDown(VK_LEFT);
        else
            DefaultIfAccepted(ch);
        return;
    }
    const char maskChar = m_strMask[start];
    char entered = ch;
    if (IsSymbol(maskChar))
    {
        const CMaskSymbol* symbol = FindFitting(maskChar, ch);
        if (!symbol)
            return;
        entered = symbol->Convert(ch);
    }
    else if (ch != maskChar)
        return;
    if (AcceptChar(ch))
        TypeAt(start, end, length, entered);
}

void CMaskFilter::HandleKeyDown(UINT virtualKey)
{
    if (virtualKey != VK_DELETE || m_strMask.empty())
    {
        PassToDefault();
        return;
    }
    // Delete may only shorten the text from its end: the selection reaches the end, or the
    // caret stands on the last character.
    int start = 0, end = 0;
    ReadSelection(start, end);
    const int length = static_cast<int>(ReadText().size());
    if (end == length || start == length - 1)
        PassToDefault();
}

bool CMaskFilter::IsSymbol(char maskChar) const
{
    for (const CMaskSymbol& symbol : m_symbols)
        if (symbol.m_chSymbol == maskChar)
            return true;
    return false;
}

const CMaskSymbol* CMaskFilter::FindFitting(char maskChar, char ch) const
{
    for (const CMaskSymbol& symbol : m_symbols)
        if (symbol.m_chSymbol == maskChar && symbol.Validate(ch))
            return &symbol;
    return nullptr;
}
