#include "framework/Brush.h"

BOOL CBrush::CreateSolidBrush(COLORREF colour)
{
    Attach(::CreateSolidBrush(colour));
    return m_hObject != nullptr;
}
