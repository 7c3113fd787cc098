#include "Wnd.h"
#include "MessageBoxSeam.h"
#include <commctrl.h>
#include <cwchar>
#include <vector>

namespace
{
const UINT_PTR kSubclassId = 0x4C4F4354; // any fixed id shared by all our objects
// Finds the object behind a window. A property rather than GetWindowSubclass, which not
// every comctl32 import library exports by name.
const char kObjectProperty[] = "Locatrix.CWnd";

// UTF-16 in the program's code page. A character without a byte of its own there becomes the
// code page's stand-in ('?'), never a look-alike: the system's best fit would read a Greek
// Sigma as S and a full-width 5 as 5, which a locator or number box would then take.
std::string Narrow(const wchar_t* text, int length)
{
    if (length <= 0)
        return std::string();
    DWORD flags = WC_NO_BEST_FIT_CHARS;
    int size = ::WideCharToMultiByte(CP_ACP, flags, text, length, nullptr, 0, nullptr, nullptr);
    if (size == 0)
    {
        flags = 0; // a UTF-8 code page refuses the flag and has no best fit to avoid
        size = ::WideCharToMultiByte(CP_ACP, flags, text, length, nullptr, 0, nullptr, nullptr);
    }
    std::string narrow(static_cast<size_t>(size), '\0');
    if (size > 0)
        ::WideCharToMultiByte(CP_ACP, flags, text, length, &narrow[0], size, nullptr, nullptr);
    return narrow;
}
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
    // under Wine. A text that fills the buffer may be longer: then ask for its length. Read as
    // UTF-16 and narrowed here, so that no best fit slips a look-alike in.
    wchar_t shortText[64];
    const int shortSize = static_cast<int>(sizeof(shortText) / sizeof(shortText[0]));
    int got = ::GetWindowTextW(m_hWnd, shortText, shortSize);
    if (got < shortSize - 1)
        return Narrow(shortText, got);
    int length = ::GetWindowTextLengthW(m_hWnd);
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    return Narrow(buffer.data(), ::GetWindowTextW(m_hWnd, buffer.data(), length + 1));
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

std::string CWnd::MessageText(LPARAM text) const
{
    if (!text)
        return std::string();
    if (!::IsWindowUnicode(m_hWnd))
        return reinterpret_cast<const char*>(text);
    const wchar_t* wide = reinterpret_cast<const wchar_t*>(text);
    return Narrow(wide, static_cast<int>(wcslen(wide)));
}

// In a Unicode window the low byte of a key's UTF-16 unit is no character of ours: Cyrillic
// \u0441 would pass as A. A key without a single byte of its own comes as '?', as it would
// to a window of the code page.
char CWnd::MessageChar(WPARAM code) const
{
    if (!::IsWindowUnicode(m_hWnd))
        return static_cast<char>(code & 0xFF);
    const wchar_t unit = static_cast<wchar_t>(code & 0xFFFF);
    const std::string narrow = Narrow(&unit, 1);
    return narrow.size() == 1 ? narrow[0] : '?';
}

void DDX_Control(CWnd* dialog, int id, CWnd& control)
{
    control.SubclassDlgItem(id, dialog);
}
