#pragma once
#include <windows.h>
#include <string>

// A window we are attached to. Owns nothing but the binding: our own controls take over an
// existing control by subclassing (the object pointer travels as the subclass reference data,
// so the control's GWLP_USERDATA stays its class's), and handle-only wrappers just keep the HWND.
class CWnd
{
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // Handle-only binding: no messages are routed to the object.
    void Attach(HWND hWnd) { m_hWnd = hWnd; }

    // Routes the window's messages through WindowProc from now on; runs PreSubclassWindow first.
    bool SubclassWindow(HWND hWnd);
    bool SubclassDlgItem(int id, CWnd* parent);
    void UnsubclassWindow();
    // The object subclassing this window, if it is one of ours.
    static CWnd* FromHandlePermanent(HWND hWnd);

    virtual void PreSubclassWindow() {}
    virtual BOOL PreTranslateMessage(MSG* msg);

    // The message now being handled, unchanged, to the window's own procedure.
    LRESULT Default();

    // Text, style and message helpers. Our texts are single-byte, in the program's code page.
    std::string GetWindowText() const;
    void SetWindowText(const std::string& text);
    DWORD GetStyle() const;
    BOOL ModifyStyle(DWORD remove, DWORD add);
    LRESULT SendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
    HWND GetDlgItem(int id) const;
    HWND GetParent() const;
    HWND SetFocus();
    BOOL IsWindow() const;
    void GetClientRect(RECT* rect) const;
    BOOL RedrawWindow(UINT flags);
    BOOL DestroyWindow();
    int MessageBox(const std::string& text, const std::string& caption, UINT type);

    // The text a message such as WM_SETTEXT points at, and the character of a WM_CHAR, read as
    // this window receives them: a Unicode window gets UTF-16 whoever sent the message.
    std::string MessageText(LPARAM text) const;
    char MessageChar(WPARAM code) const;

protected:
    virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK SubclassProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR refData);
    struct Message { UINT msg; WPARAM wParam; LPARAM lParam; };
    Message m_current = {};
    bool m_bSubclassed = false;
};

// Binds a member object to a dialog control by ID through subclassing.
void DDX_Control(CWnd* dialog, int id, CWnd& control);
