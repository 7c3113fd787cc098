#include "ValidEdit.h"

namespace
{
// Room beyond the longest valid text for what a copied number or locator brings along (blanks,
// group separators), which the filter then drops: only a paste far beyond that is cut.
constexpr int kPasteRoom = 64;
}

void CValidEdit::RefreshText()
{
    if (!IsWindow())
        return;
    ApplyTextLimit();
    // An empty box is in every filter's form; the dialog sets up its empty boxes option by
    // option, and each look at a subclassed box costs a message.
    const std::string text = GetWindowText();
    if (text.empty())
        return;
    std::string filtered = FilterText();
    if (filtered != text)
        SetWindowText(filtered);
}

std::string CValidEdit::FilterText() const
{
    return GetWindowText();
}

bool CValidEdit::AcceptChar(char)
{
    return true;
}

int CValidEdit::LongestText() const
{
    return 0;
}

void CValidEdit::PreSubclassWindow()
{
    ApplyTextLimit();
}

// A paste of a megabyte would otherwise go into the box whole before the filter trims it,
// which takes most of a second. The limit binds pastes and typing only, not texts the program
// sets, and changes with the rules (a shorter mask, more decimals).
void CValidEdit::ApplyTextLimit()
{
    const int longest = LongestText();
    const int limit = longest > 0 ? longest + kPasteRoom : 0;
    if (limit == m_nTextLimit)
        return;
    m_nTextLimit = limit;
    LimitText(limit);
}

LRESULT CValidEdit::WindowProc(UINT msg, WPARAM, LPARAM lParam)
{
    switch (msg)
    {
    case WM_CUT:
        return OnCut();
    case WM_PASTE:
        return OnPaste();
    case WM_CLEAR:
        return OnClear();
    case EM_REPLACESEL:
        return OnReplaceSel();
    case WM_SETTEXT:
        return OnSetText(MessageText(lParam));
    }
    return Default();
}

LRESULT CValidEdit::OnCut()
{
    int start = 0, end = 0;
    GetSel(start, end);
    if (start < end)
    {
        SendMessage(WM_COPY);
        RemoveSelection();
    }
    return 0;
}

LRESULT CValidEdit::OnPaste()
{
    DefaultThenFilter();
    return 0;
}

// Other programs paste this way (automation tools, screen readers): filtered as a paste is.
LRESULT CValidEdit::OnReplaceSel()
{
    if (m_bTyping)
        return Default();
    DefaultThenFilter();
    return 0;
}

void CValidEdit::TypeText(const std::string& text)
{
    m_bTyping = true;
    ReplaceSel(text, TRUE);
    m_bTyping = false;
}

// The box takes the text in, then the filter cuts it back; a cut-back text keeps the
// selection from before.
void CValidEdit::DefaultThenFilter()
{
    int start = 0, end = 0;
    GetSel(start, end);
    Default();
    std::string filtered = FilterText();
    if (filtered != GetWindowText())
    {
        SetWindowText(filtered);
        SetSel(start, end);
    }
}

LRESULT CValidEdit::OnClear()
{
    int start = 0, end = 0;
    GetSel(start, end);
    if (start < end)
        RemoveSelection();
    return 0;
}

LRESULT CValidEdit::OnSetText(const std::string& text)
{
    LRESULT result = Default();
    std::string filtered = FilterText();
    if (filtered != text)
        SetWindowText(filtered); // comes back here once, already in its filtered form
    return result;
}

// A cut or a clear removes the selection as the Delete key would, so the filter's Delete rules
// decide what may go; the re-filter catches whatever a box without such rules lets through.
void CValidEdit::RemoveSelection()
{
    SendMessage(WM_KEYDOWN, VK_DELETE, 0);
    RefreshText();
}
