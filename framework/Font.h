#pragma once
#include "framework/GdiObject.h"

class CFont : public CGdiObject<HFONT>
{
public:
    BOOL CreateFontIndirect(const LOGFONTA& logFont);
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight,
                    BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision,
                    BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily, const char* faceName);
};
