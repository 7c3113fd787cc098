#include "ValidEdit.h"

void CValidEdit::RefreshText()
{
    if (!IsWindow())
        return;
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
    case WM_SETTEXT:
        return OnSetText(reinterpret_cast<const char*>(lParam));
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
    int start = 0, end = 0;
    GetSel(start, end);
    Default();
    std::string filtered = FilterText();
    if (filtered != GetWindowText())
    {
        SetWindowText(filtered);
        SetSel(start, end);
    }
    return 0;
}

LRESULT CValidEdit::OnClear()
{
    int start = 0, end = 0;
    GetSel(start, end);
    if (start < end)
        RemoveSelection();
    return 0;
}

LRESULT CValidEdit::OnSetText(const char* text)
{
    LRESULT result = Default();
    std::string filtered = FilterText();
    if (filtered != (text ? text : ""))
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
