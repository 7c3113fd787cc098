#pragma once
#include "ScratchKey.h"
#include "app/LocatorDlg.h"
#include <string>

// The calculator created modeless on a scratch key, driven through its controls as a user would.
class CCalculator
{
public:
    explicit CCalculator(const CScratchKey& key);
    ~CCalculator();
    CCalculator(const CCalculator&) = delete;
    CCalculator& operator=(const CCalculator&) = delete;

    HWND Item(int id) const { return m_dlg.GetDlgItem(id); }
    std::string Text(int id) const;
    // Empties the box, then types one WM_CHAR per character.
    void Type(int id, const std::string& chars);
    // Picks a list entry and tells the dialog, as a choice with the mouse does.
    void Choose(int listId, int index);
    std::string Shown(int listId) const;
    void Click(int buttonId);
    // Whether the box was the last window of this thread to receive the focus. Test programs
    // run side by side on one desktop and take the foreground from each other, which takes the
    // focus away again; where the program put it stays on record.
    bool HasFocus(int id) const { return m_hLastFocus == Item(id); }

    CLocatorDlg m_dlg;

private:
    static LRESULT CALLBACK WatchFocus(int code, WPARAM wParam, LPARAM lParam);

    HHOOK m_hFocusHook;
    HWND m_hLastFocus = nullptr;
};
