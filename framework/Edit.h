#pragma once
#include "framework/Wnd.h"

class CEdit : public CWnd
{
public:
    // Selection as start and end character positions, end exclusive.
    void GetSel(int& start, int& end) const;
    void SetSel(int start, int end, BOOL noScroll = FALSE);
    void ReplaceSel(const std::string& text, BOOL canUndo = FALSE);
    void LimitText(int maxChars);
};
