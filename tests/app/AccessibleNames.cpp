#include "tests/app/AccessibleNames.h"
#include <oleacc.h>

namespace
{
// Spelt out: in a static MinGW-w64 link, liboleacc.a's IID_IAccessible is not this GUID, and
// every query for it fails with E_NOINTERFACE.
const IID kIAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

std::string Narrow(BSTR text)
{
    if (!text)
        return "";
    const int length = ::WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(length > 0 ? length : 1), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text, -1, narrow.data(), length, nullptr, nullptr);
    narrow.resize(narrow.size() - 1);
    return narrow;
}

AccessibleControl ReadControl(HWND control)
{
    AccessibleControl read;
    IAccessible* accessible = nullptr;
    const HRESULT found = ::AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), kIAccessible,
                                                       reinterpret_cast<void**>(&accessible));
    if (FAILED(found) || !accessible)
    {
        read.name = "(no accessible object: " + std::to_string(found) + ")";
        return read;
    }
    VARIANT self = {};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    if (accessible->get_accName(self, &name) == S_OK)
        read.name = Narrow(name);
    ::SysFreeString(name);
    VARIANT value = {};
    if (accessible->get_accRole(self, &value) == S_OK && value.vt == VT_I4)
        read.role = value.lVal;
    ::VariantClear(&value);
    // Focus and the like change between two readings; these do not.
    if (accessible->get_accState(self, &value) == S_OK && value.vt == VT_I4)
        read.state = value.lVal & (STATE_SYSTEM_READONLY | STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_UNAVAILABLE);
    ::VariantClear(&value);
    accessible->Release();
    return read;
}
}

std::vector<AccessibleControl> ReadAccessibleControls(HWND window)
{
    std::vector<AccessibleControl> controls;
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        controls.push_back(ReadControl(child));
    return controls;
}

std::string FormatAccessibleControls(const std::vector<AccessibleControl>& controls)
{
    std::string lines;
    for (const AccessibleControl& control : controls)
        lines += std::to_string(control.role) + " " + std::to_string(control.state) + " " + control.name + "\n";
    return lines;
}
