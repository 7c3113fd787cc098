#include "EditFilter.h"
#include "ValidEdit.h"
#include <cctype>

CEditFilter::CEditFilter(CValidEdit* edit)
    : m_pEdit(edit)
{
}

void CEditFilter::HandleKeyDown(UINT)
{
    PassToDefault();
}

void CEditFilter::HandleKillFocus()
{
    PassToDefault();
}

bool CEditFilter::ModifyOptions(DWORD add, DWORD remove)
{
    DWORD options = (m_nOptions & ~remove) | add;
    if (options == m_nOptions)
        return false;
    m_nOptions = options;
    RefreshText();
    return true;
}

int CEditFilter::IsDigitChar(int ch)
{
    return std::isdigit(static_cast<unsigned char>(ch));
}

int CEditFilter::IsLetterChar(int ch)
{
    return std::isalpha(static_cast<unsigned char>(ch));
}

int CEditFilter::IsPrintableChar(int ch)
{
    // Bytes from 0x80 up are characters of the user's code page that the C locale cannot
    // classify; as "control characters" they would reach the box unchecked.
    unsigned char byte = static_cast<unsigned char>(ch);
    return std::isprint(byte) || byte >= 0x80;
}

void CEditFilter::PassToDefault()
{
    m_pEdit->Default();
}

void CEditFilter::DefaultIfAccepted(char ch)
{
    if (AcceptChar(ch))
        PassToDefault();
}

void CEditFilter::RefreshText()
{
    m_pEdit->RefreshText();
}

bool CEditFilter::AcceptChar(char ch)
{
    return m_pEdit->AcceptChar(ch);
}

bool CEditFilter::IsReadOnly() const
{
    return (m_pEdit->GetStyle() & ES_READONLY) != 0;
}

std::string CEditFilter::ReadText() const
{
    return m_pEdit->GetWindowText();
}

void CEditFilter::ReadSelection(int& start, int& end) const
{
    m_pEdit->GetSel(start, end);
}

void CEditFilter::SelectAndScroll(int start, int end)
{
    m_pEdit->SetSel(start, end);
}

void CEditFilter::TypeOver(int start, int end, const std::string& text)
{
    SelectAndScroll(start, end);
    m_pEdit->TypeText(text);
}

void CEditFilter::TypeAt(int start, int end, int length, char ch)
{
    if (end != length)
        end = start + 1;
    TypeOver(start, end, std::string(1, ch));
}

void CEditFilter::SendKeyDown(UINT virtualKey)
{
    m_pEdit->SendMessage(WM_KEYDOWN, virtualKey, 0);
}
