#include "framework/Wnd.h"
#include "framework/MessageBoxSeam.h"
#include <commctrl.h>
#include <vector>

namespace
{
const UINT_PTR kSubclassId = 0x4C4F4354; // any fixed id shared by all our objects
// Finds the object behind a window. A property rather than GetWindowSubclass, which not
// every comctl32 import library exports by name.
const char kObjectProperty[] = "Locatrix.CWnd";
}

CWnd::~CWnd()
{
    UnsubclassWindow();
}

bool CWnd::SubclassWindow(HWND hWnd)
{
    if (!::IsWindow(hWnd) || m_bSubclassed)
        return false;
    m_hWnd = hWnd;
    PreSubclassWindow();
    m_bSubclassed = ::SetWindowSubclass(hWnd, SubclassProc, kSubclassId,
                                        reinterpret_cast<DWORD_PTR>(this)) != FALSE;
    if (m_bSubclassed)
        ::SetPropA(hWnd, kObjectProperty, this);
    return m_bSubclassed;
}

bool CWnd::SubclassDlgItem(int id, CWnd* parent)
{
    return SubclassWindow(::GetDlgItem(parent->m_hWnd, id));
}

void CWnd::UnsubclassWindow()
{
    if (m_bSubclassed && ::IsWindow(m_hWnd))
    {
        ::RemoveWindowSubclass(m_hWnd, SubclassProc, kSubclassId);
        ::RemovePropA(m_hWnd, kObjectProperty);
    }
    m_bSubclassed = false;
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    return hWnd ? static_cast<CWnd*>(::GetPropA(hWnd, kObjectProperty)) : nullptr;
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

LRESULT CALLBACK CWnd::SubclassProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR refData)
{
    CWnd* self = reinterpret_cast<CWnd*>(refData);
    if (msg == WM_NCDESTROY)
    {
        // The window goes away: let it finish, then forget it.
        ::RemoveWindowSubclass(hWnd, SubclassProc, kSubclassId);
        ::RemovePropA(hWnd, kObjectProperty);
        self->m_bSubclassed = false;
        LRESULT result = ::DefSubclassProc(hWnd, msg, wParam, lParam);
        self->m_hWnd = nullptr;
        return result;
    }
    // Nested messages (sent from inside a handler) must not lose the outer one.
    Message saved = self->m_current;
    self->m_current = {msg, wParam, lParam};
    LRESULT result = self->WindowProc(msg, wParam, lParam);
    self->m_current = saved;
    return result;
}

LRESULT CWnd::WindowProc(UINT, WPARAM, LPARAM)
{
    return Default();
}

LRESULT CWnd::Default()
{
    return ::DefSubclassProc(m_hWnd, m_current.msg, m_current.wParam, m_current.lParam);
}

std::string CWnd::GetWindowText() const
{
    // One message for the short texts of our boxes: a message to a subclassed window is dear
    // under Wine. A text that fills the buffer may be longer: then ask for its length.
    char shortText[64];
    int got = ::GetWindowTextA(m_hWnd, shortText, sizeof(shortText));
    if (got < static_cast<int>(sizeof(shortText)) - 1)
        return std::string(shortText, static_cast<size_t>(got > 0 ? got : 0));
    int length = ::GetWindowTextLengthA(m_hWnd);
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    int copied = ::GetWindowTextA(m_hWnd, buffer.data(), length + 1);
    return std::string(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0));
}

void CWnd::SetWindowText(const std::string& text)
{
    ::SetWindowTextA(m_hWnd, text.c_str());
}

DWORD CWnd::GetStyle() const
{
    return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE));
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add)
{
    DWORD style = GetStyle();
    DWORD changed = (style & ~remove) | add;
    if (changed == style)
        return FALSE;
    ::SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>(changed));
    return TRUE;
}

LRESULT CWnd::SendMessage(UINT msg, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageA(m_hWnd, msg, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT msg, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessageA(m_hWnd, msg, wParam, lParam);
}

HWND CWnd::GetDlgItem(int id) const
{
    return ::GetDlgItem(m_hWnd, id);
}

HWND CWnd::GetParent() const
{
    return ::GetParent(m_hWnd);
}

HWND CWnd::SetFocus()
{
    return ::SetFocus(m_hWnd);
}

BOOL CWnd::IsWindow() const
{
    return m_hWnd != nullptr && ::IsWindow(m_hWnd);
}

void CWnd::GetClientRect(RECT* rect) const
{
    ::GetClientRect(m_hWnd, rect);
}

BOOL CWnd::RedrawWindow(UINT flags)
{
    return ::RedrawWindow(m_hWnd, nullptr, nullptr, flags);
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

int CWnd::MessageBox(const std::string& text, const std::string& caption, UINT type)
{
    return ShowMessageBox(m_hWnd, text, caption, type);
}

void DDX_Control(CWnd* dialog, int id, CWnd& control)
{
    control.SubclassDlgItem(id, dialog);
}
