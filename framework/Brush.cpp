#include "Brush.h"

BOOL CBrush::CreateSolidBrush(COLORREF colour)
{
    DeleteObject();
    m_hObject = ::CreateSolidBrush(colour);
    return m_hObject != nullptr;
}

BOOL CBrush::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    BOOL deleted = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return deleted;
}
