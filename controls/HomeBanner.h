#pragma once
#include "framework/Font.h"
#include "framework/Static.h"
#include <string>

// A site name in embossed bold serif letters at the bottom right of a static control; a click
// anywhere on it opens the page the owner gave it.
class CHomeBanner : public CStatic
{
public:
    // Shades taken from the system's button colours now; later changes don't reach the banner.
    CHomeBanner();
    CHomeBanner(COLORREF clrButtonFace, COLORREF clrButtonHighlight, COLORREF clrButtonShadow);

    void SetLinkText(const std::string& text) { m_strText = text; }
    void SetLinkTarget(const std::string& target) { m_strTarget = target; }

    // Draws the three passes into dc, bottom-right aligned in rect; nothing else is touched.
    void Paint(HDC dc, const RECT& rect) const;

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnEraseBkgnd();
    void OnPaint();
    LRESULT OnLButtonUp();

    CFont m_font;
    std::string m_strText;
    std::string m_strTarget;
    COLORREF m_clrHighlight;
    COLORREF m_clrFace;
    COLORREF m_clrShadow;
};
