#pragma once
#include "framework/Edit.h"
#include <string>

// An edit box that keeps its text in the form FilterText gives, whatever brings the text in:
// the clipboard, the program or another one, a cut or a clear. Typing is left to the filter of
// a derived box.
class CValidEdit : public CEdit
{
public:
    // Brings the window text into its filtered form; does nothing before the window exists.
    virtual void RefreshText();
    virtual std::string FilterText() const;
    // Asked before a typed character is entered.
    virtual bool AcceptChar(char ch);
    // The longest text the box's rules let stand; 0 when they set no bound.
    virtual int LongestText() const;
    // Replaces the selection with a change the filter typed itself: its rules have judged it.
    void TypeText(const std::string& text);

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    LRESULT OnCut();
    LRESULT OnPaste();
    LRESULT OnClear();
    LRESULT OnReplaceSel();
    LRESULT OnSetText(const std::string& text);

private:
    void RemoveSelection();
    void DefaultThenFilter();
    void ApplyTextLimit();

    int m_nTextLimit = 0;
    bool m_bTyping = false;
};
