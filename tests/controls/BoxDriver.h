#pragma once
#include "controls/NumericEdit.h"
#include "tests/support/TestHost.h"
#include <gtest/gtest.h>

// Stand-ins in a key string for what is not a typed character.
#define K_DEL "\x7f"   // the Delete key
#define K_CUT "\x18"   // WM_CUT
#define K_CLEAR "\x0c" // WM_CLEAR
#define K_PASTE "\x16" // WM_PASTE of the rest of the string

// A test window with the box under test bound to its object by subclassing, and a plain box
// to take the focus. Every action reaches the box as the real message. Texts come with their
// selection marked: "JO[65]AB" has 65 selected, "JO6^5AB" the caret after the 6.
struct CBoxDriver
{
    explicit CBoxDriver(CWnd& box, DWORD style = ES_UPPERCASE)
        : m_hBox(m_host.AddControl("EDIT", WS_BORDER | ES_AUTOHSCROLL | style, 1000, 10, 10, 200, 22)),
          m_hOther(m_host.AddControl("EDIT", WS_BORDER, 1001, 10, 40, 200, 22))
    {
        box.SubclassWindow(m_hBox);
    }
    // Sets the text (through WM_SETTEXT, so it is filtered), then the selection.
    CBoxDriver& At(std::string marked)
    {
        const size_t start = marked.find_first_of("[^");
        const size_t end = marked[start] == '^' ? start : marked.find(']') - 1;
        marked.erase(start, 1);
        if (end != start)
            marked.erase(end, 1);
        ::SetWindowTextA(m_hBox, marked.c_str());
        return Send(EM_SETSEL, start, end);
    }
    std::string Marked() const
    {
        DWORD start = 0, end = 0;
        ::SendMessageA(m_hBox, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        std::string text = WindowText(m_hBox);
        return start == end ? text.insert(start, "^") : text.insert(end, "]").insert(start, "[");
    }
    CBoxDriver& Do(const std::string& keys)
    {
        for (size_t i = 0; i < keys.size(); ++i)
            switch (keys[i])
            {
            case *K_PASTE: SetClipboardText(m_host.m_hWnd, keys.substr(i + 1)); return Send(WM_PASTE);
            case *K_DEL: Send(WM_KEYDOWN, VK_DELETE, 1).Send(WM_KEYUP, VK_DELETE, 0xC0000001); break;
            case *K_CUT: Send(WM_CUT); break;
            case *K_CLEAR: Send(WM_CLEAR); break;
            default: TypeChars(m_hBox, keys.substr(i, 1));
            }
        return *this;
    }
    CBoxDriver& Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        ::SendMessageA(m_hBox, msg, wParam, lParam);
        return *this;
    }
    // The focus goes to the box, then to the other one.
    CBoxDriver& Leave()
    {
        ::SetFocus(m_hBox);
        ::SetFocus(m_hOther);
        return *this;
    }

    CFocusWatch m_focus;
    CTestHost m_host;
    HWND m_hBox, m_hOther;
};

// Edits of several boxes: the box holds `before`, `keys` arrive, then it must hold `after`
// (and the clipboard `copied`, when given).
struct EditCase
{
    int box;
    const char *before, *keys, *after, *copied = nullptr;
};

inline void ExpectEdits(CBoxDriver* const boxes[], std::initializer_list<EditCase> cases)
{
    for (const EditCase& c : cases)
    {
        CClipboardTurn turn;
        CBoxDriver& drive = *boxes[c.box];
        EXPECT_EQ(c.after, drive.At(c.before).Do(c.keys).Marked()) << "box " << c.box << ": " << c.before;
        EXPECT_TRUE(!c.copied || c.copied == GetClipboardText(drive.m_host.m_hWnd)) << c.before;
    }
}

// The number format the calculator window gives its boxes, set in its order.
inline void FormatNumberBox(CNumericEdit& box, int wholeDigits, int decimalDigits, bool negative)
{
    box.ModifyOptions(NUMF_AUTO_DECIMAL, 0);
    box.SetWholeDigits(wholeDigits);
    box.SetDecimalDigits(decimalDigits);
    box.SetSeparatorChars('.', '.');
    box.AllowNegative(negative);
}
