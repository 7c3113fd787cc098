#pragma once
#include <windows.h>
#include <string>

class CValidEdit;

// Decides what a custom edit box lets in. Typed characters, keys and the loss of focus come
// here first; FilterText gives the form the box's text must always have. The filter acts on its
// box only through the box's window messages, so the rules read the same as the keystrokes.
class CEditFilter
{
public:
    explicit CEditFilter(CValidEdit* edit);
    virtual ~CEditFilter() = default;
    CEditFilter(const CEditFilter&) = delete;
    CEditFilter& operator=(const CEditFilter&) = delete;

    virtual std::string FilterText() const = 0;
    // The longest text FilterText can give; 0 when there is no bound.
    virtual int LongestText() const = 0;
    virtual void HandleChar(char ch) = 0;
    virtual void HandleKeyDown(UINT virtualKey);
    virtual void HandleKillFocus();

    // new = (old AND NOT remove) OR add; only a change re-filters the text.
    bool ModifyOptions(DWORD add, DWORD remove);

    // Single-byte classification, C locale.
    static int IsDigitChar(int ch);
    static int IsLetterChar(int ch);
    static int IsPrintableChar(int ch);

protected:
    void PassToDefault();
    void DefaultIfAccepted(char ch);
    void RefreshText();
    bool AcceptChar(char ch);

    bool IsReadOnly() const;
    std::string ReadText() const;
    void ReadSelection(int& start, int& end) const;
    void SelectAndScroll(int start, int end);
    // Selects start..end, scrolls to it and replaces it as an undoable typed change.
    void TypeOver(int start, int end, const std::string& text);
    // Types ch over exactly one character at start, unless the selection reaches the end of
    // the text, which is then replaced whole.
    void TypeAt(int start, int end, int length, char ch);
    void SendKeyDown(UINT virtualKey);

    CValidEdit* m_pEdit;
    DWORD m_nOptions = 0;
};
