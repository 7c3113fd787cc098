#pragma once
#include "GdiObject.h"

class CBrush : public CGdiObject<HBRUSH>
{
public:
    BOOL CreateSolidBrush(COLORREF colour);
};
