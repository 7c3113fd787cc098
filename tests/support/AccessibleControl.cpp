#include "tests/support/AccessibleControl.h"
#include <oleacc.h>

namespace
{
// Spelt out: in a static MinGW-w64 link, liboleacc.a's IID_IAccessible is not this GUID, and
// every query for it fails with E_NOINTERFACE.
const IID kIAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
}

CAccessibleControl ReadAccessibleControl(HWND control)
{
    CAccessibleControl read;
    IAccessible* accessible = nullptr;
    const HRESULT found = ::AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), kIAccessible,
                                                       reinterpret_cast<void**>(&accessible));
    if (FAILED(found) || !accessible)
    {
        read.name = L"(no accessible object: " + std::to_wstring(found) + L")";
        return read;
    }
    VARIANT self = {};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    if (accessible->get_accName(self, &name) == S_OK && name)
        read.name = name;
    ::SysFreeString(name);
    VARIANT value = {};
    if (accessible->get_accRole(self, &value) == S_OK && value.vt == VT_I4)
        read.role = value.lVal;
    ::VariantClear(&value);
    if (accessible->get_accState(self, &value) == S_OK && value.vt == VT_I4)
        read.state = value.lVal & (STATE_SYSTEM_READONLY | STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_UNAVAILABLE);
    ::VariantClear(&value);
    accessible->Release();
    return read;
}

std::wstring Described(const CAccessibleControl& control)
{
    return std::to_wstring(control.role) + L" " + std::to_wstring(control.state) + L" " + control.name;
}
