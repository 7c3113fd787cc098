#pragma once
#include "framework/Brush.h"
#include "framework/Font.h"
#include "framework/Static.h"
#include "framework/ToolTipCtrl.h"
#include <string>

// A static control turned into a web link: browser link colours, underline while the mouse
// rests on it, hand cursors, a tooltip, and a click on the text opens the target.
class CHyperLink : public CStatic
{
public:
    // Where the browser keeps its link colours, under HKEY_CURRENT_USER.
    static const char kBrowserSettingsKey[];

    // Reads the link colours from colourKeyPath (tests pass a scratch key of their own).
    explicit CHyperLink(const char* colourKeyPath = kBrowserSettingsKey);
    ~CHyperLink() override;

    // The control must be attached before the text is set.
    void SetLinkText(const std::string& text);
    void SetLinkTarget(const std::string& target);
    void SetTipText(const std::string& text);
    void SetTipBkColor(COLORREF colour);
    void SetTipTextColor(COLORREF colour);

    // Overwrites each colour whose value "Anchor Color" / "Anchor Color Visited" under
    // HKEY_CURRENT_USER\keyPath holds; missing, unreadable or too long values leave it alone.
    static void ReadBrowserColors(const char* keyPath, COLORREF& clrNormal, COLORREF& clrHover,
                                  COLORREF& clrVisited);

    // Draws background and text into dc over rect and remembers where the text is.
    void Paint(HDC dc, const RECT& rect);

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnMouseMove(POINT point);
    LRESULT OnSetCursor();
    void OnPaint();
    LRESULT OnLButtonDown(POINT point);
    LRESULT OnLButtonUp(POINT point);
    LRESULT OnMouseHover();
    LRESULT OnMouseLeave();

    HCURSOR m_hHandCursor = nullptr;
    HCURSOR m_hPressedCursor = nullptr;
    HCURSOR m_hArrowCursor = nullptr;
    bool m_bHover = false;
    bool m_bVisited = false;
    RECT m_rcText = {}; // empty until the first paint, so no click hits it before
    CBrush m_brBack;
    CFont m_fontNormal;
    CFont m_fontUnderline;
    CToolTipCtrl m_tip;
    std::string m_strText;
    std::string m_strTarget;
    COLORREF m_clrHover = RGB(0, 0, 255);
    COLORREF m_clrNormal = RGB(0, 0, 200);
    COLORREF m_clrVisited = RGB(5, 34, 143);
};
