#pragma once
#include <windows.h>

// Owns one GDI object of the handle type it is made for and deletes it; stock objects are
// never handed to it.
template <class THandle>
class CGdiObject
{
public:
    CGdiObject() = default;
    ~CGdiObject() { DeleteObject(); }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    // Takes over a handle, deleting the one held before.
    void Attach(THandle handle)
    {
        DeleteObject();
        m_hObject = handle;
    }

    BOOL DeleteObject()
    {
        if (!m_hObject)
            return FALSE;
        BOOL deleted = ::DeleteObject(m_hObject);
        m_hObject = nullptr;
        return deleted;
    }

    THandle m_hObject = nullptr;
    operator THandle() const { return m_hObject; }
};
