#pragma once
#include <windows.h>

// Owns one font handle and deletes it.
class CFont
{
public:
    CFont() = default;
    ~CFont() { DeleteObject(); }
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    BOOL CreateFontIndirect(const LOGFONTA& logFont);
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight,
                    BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision,
                    BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily, const char* faceName);
    void Attach(HFONT font);
    BOOL DeleteObject();

    HFONT m_hObject = nullptr;
    operator HFONT() const { return m_hObject; }
};
