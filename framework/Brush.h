#pragma once
#include "framework/GdiObject.h"

class CBrush : public CGdiObject<HBRUSH>
{
public:
    BOOL CreateSolidBrush(COLORREF colour);
};
