#include "framework/ToolTipCtrl.h"
#include "framework/WinApp.h"
#include <commctrl.h>

namespace
{
TTTOOLINFOA ToolInfo(CWnd* owner, UINT_PTR toolId, const char* text)
{
    // The pre-6.0 structure size works with every version of the common controls.
    TTTOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.hwnd = owner->m_hWnd;
    info.uId = toolId;
    info.hinst = AfxGetInstanceHandle();
    info.lpszText = const_cast<char*>(text);
    return info;
}
}

CToolTipCtrl::~CToolTipCtrl()
{
    DestroyWindow();
}

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style)
{
    m_hWnd = ::CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | style,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                               parent ? parent->m_hWnd : nullptr, nullptr, AfxGetInstanceHandle(), nullptr);
    return m_hWnd != nullptr;
}

BOOL CToolTipCtrl::AddTool(CWnd* owner, const std::string& text, const RECT& rect, UINT_PTR toolId)
{
    TTTOOLINFOA info = ToolInfo(owner, toolId, text.c_str());
    info.uFlags = 0; // mouse messages are relayed by the owner (RelayEvent)
    info.rect = rect;
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)));
}

void CToolTipCtrl::UpdateTipText(const std::string& text, CWnd* owner, UINT_PTR toolId)
{
    TTTOOLINFOA info = ToolInfo(owner, toolId, text.c_str());
    SendMessage(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
}

std::string CToolTipCtrl::GetToolText(CWnd* owner, UINT_PTR toolId) const
{
    char buffer[256] = {};
    TTTOOLINFOA info = ToolInfo(owner, toolId, buffer);
    SendMessage(TTM_GETTEXTA, sizeof(buffer), reinterpret_cast<LPARAM>(&info));
    return buffer;
}

void CToolTipCtrl::RelayEvent(MSG* msg)
{
    SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
}
