#pragma once
#include "framework/Wnd.h"

// A tooltip window that the object creates and destroys.
class CToolTipCtrl : public CWnd
{
public:
    ~CToolTipCtrl() override;

    BOOL Create(CWnd* parent, DWORD style = 0);
    BOOL AddTool(CWnd* owner, const std::string& text, const RECT& rect, UINT_PTR toolId);
    void UpdateTipText(const std::string& text, CWnd* owner, UINT_PTR toolId);
    std::string GetToolText(CWnd* owner, UINT_PTR toolId) const;
    void RelayEvent(MSG* msg);
};
