#pragma once
#include "ValidEdit.h"
#include <string>

// An edit box joined with its filter (the filter part serves the box itself). Typed characters,
// keys and the loss of focus go to the filter; the clipboard and set-text messages to CValidEdit.
template <class TFilter>
class CFilteredEdit : public CValidEdit, public TFilter
{
public:
    template <class... TArgs>
    explicit CFilteredEdit(TArgs... args)
        : TFilter(this, args...)
    {
    }

    // One override for both bases: the box's filtered form is the filter's.
    std::string FilterText() const override { return TFilter::FilterText(); }
    int LongestText() const override { return TFilter::LongestText(); }
    // The filter's versions only forward to the box's.
    using CValidEdit::RefreshText;
    using CValidEdit::AcceptChar;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        switch (msg)
        {
        case WM_CHAR:
            this->HandleChar(MessageChar(wParam));
            return 0;
        case WM_KEYDOWN:
            this->HandleKeyDown(static_cast<UINT>(wParam));
            return 0;
        case WM_KILLFOCUS:
            this->HandleKillFocus();
            return 0;
        }
        return CValidEdit::WindowProc(msg, wParam, lParam);
    }
};
