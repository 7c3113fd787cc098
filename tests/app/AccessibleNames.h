#pragma once
#include <windows.h>
#include <string>
#include <vector>

// What a screen reader learns of a window's children through oleacc, in window order: each
// client object's name (empty when it has none), role and the lasting parts of its state.
struct AccessibleControl
{
    std::string name;
    long role = 0;
    long state = 0;
};
std::vector<AccessibleControl> ReadAccessibleControls(HWND window);

// One line per control, "role state name", the way the other process reports them.
std::string FormatAccessibleControls(const std::vector<AccessibleControl>& controls);
