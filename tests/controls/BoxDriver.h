#pragma once
#include "controls/NumericEdit.h"
#include "tests/support/TestHost.h"
#include <gtest/gtest.h>
#include <string>

// A test window with the box under test bound to its object by subclassing, and a plain box
// to take the focus. Every action reaches the box as the real message.
class CBoxDriver
{
public:
    explicit CBoxDriver(CWnd& box, DWORD style = ES_UPPERCASE);

    // Sets the text (through WM_SETTEXT, so it is filtered), then the selection.
    CBoxDriver& At(const std::string& text, int start, int end = -1);
    CBoxDriver& Type(const std::string& chars) { TypeChars(m_hBox, chars); return *this; }
    CBoxDriver& Key(UINT virtualKey) { PressKey(m_hBox, virtualKey); return *this; }
    CBoxDriver& Send(UINT msg) { ::SendMessageA(m_hBox, msg, 0, 0); return *this; }
    CBoxDriver& Paste(const std::string& text) { SetClipboardText(m_host.m_hWnd, text); return Send(WM_PASTE); }
    // The focus goes to the box, then to the other one.
    CBoxDriver& Leave() { ::SetFocus(m_hBox); ::SetFocus(m_hOther); return *this; }

    std::string Text() const { return WindowText(m_hBox); }
    std::string Clipboard() const { return GetClipboardText(m_host.m_hWnd); }
    // Text and selection (end -1: a caret at start).
    ::testing::AssertionResult Holds(const std::string& text, int start, int end = -1) const;

    CTestHost m_host;
    HWND m_hBox;
    HWND m_hOther;
};

// The number format the calculator window gives its boxes, set in its order.
void FormatNumberBox(CNumericEdit& box, int wholeDigits, int decimalDigits, bool negative);
