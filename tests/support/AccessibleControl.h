#pragma once
#include <windows.h>
#include <string>

// What a screen reader learns of a control through oleacc: its client object's name (empty when
// it has none), role, and the lasting parts of its state (not the focus, which comes and goes).
struct CAccessibleControl
{
    std::wstring name;
    long role = 0;
    long state = 0;
};
CAccessibleControl ReadAccessibleControl(HWND control);

// "role state name", as send_to_window reports a control from its own process.
std::wstring Described(const CAccessibleControl& control);
