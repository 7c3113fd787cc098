#include "framework/Dialog.h"
#include "framework/WinApp.h"

CDialog::CDialog(UINT templateId, CWnd* parent)
    : m_nTemplateId(templateId), m_pParent(parent)
{
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT msg, WPARAM, LPARAM lParam)
{
    if (msg != WM_INITDIALOG)
        return FALSE; // everything else reaches the object through its subclass
    CDialog* self = reinterpret_cast<CDialog*>(lParam);
    self->SubclassWindow(hWnd);
    return self->OnInitDialog();
}

BOOL CDialog::Create(HWND owner)
{
    HWND hWnd = ::CreateDialogParamA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(m_nTemplateId), owner,
                                     DialogProc, reinterpret_cast<LPARAM>(this));
    return hWnd != nullptr;
}

INT_PTR CDialog::DoModal()
{
    HWND owner = m_pParent ? m_pParent->m_hWnd : nullptr;
    m_nResult = IDCANCEL;
    if (!Create(owner))
        return -1;
    bool ownerWasEnabled = owner && ::IsWindowEnabled(owner);
    if (ownerWasEnabled)
        ::EnableWindow(owner, FALSE);
    ::ShowWindow(m_hWnd, SW_SHOW);

    m_bModalRunning = true;
    MSG msg;
    while (m_bModalRunning && ::IsWindow(m_hWnd))
    {
        BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0)
        {
            if (got == 0)
                ::PostQuitMessage(static_cast<int>(msg.wParam)); // leave it for the outer loop
            break;
        }
        if (PreTranslateInput(&msg) || ::IsDialogMessageA(m_hWnd, &msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }

    if (ownerWasEnabled)
        ::EnableWindow(owner, TRUE);
    if (owner)
        ::SetActiveWindow(owner);
    DestroyWindow();
    return m_nResult;
}

bool CDialog::PreTranslateInput(MSG* msg)
{
    // The target and each of its parents up to this dialog get a look, so a control can relay
    // a message (to its tooltip) before the dialog handles it.
    for (HWND hWnd = msg->hwnd; hWnd; hWnd = ::GetParent(hWnd))
    {
        if (CWnd* wnd = CWnd::FromHandlePermanent(hWnd))
            if (wnd->PreTranslateMessage(msg))
                return true;
        if (hWnd == m_hWnd)
            break;
    }
    return false;
}

void CDialog::EndDialog(INT_PTR result)
{
    m_nResult = result;
    if (m_bModalRunning)
    {
        m_bModalRunning = false;
        ::PostMessageA(m_hWnd, WM_NULL, 0, 0); // wake the loop
    }
    else
    {
        DestroyWindow();
    }
}

BOOL CDialog::OnInitDialog()
{
    DoDataExchange();
    return TRUE;
}

void CDialog::OnOK()
{
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::OnCommand(WORD, WORD, HWND)
{
    return FALSE;
}

LRESULT CDialog::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_COMMAND)
    {
        WORD id = LOWORD(wParam);
        WORD code = HIWORD(wParam);
        HWND control = reinterpret_cast<HWND>(lParam);
        if (id == IDOK && (code == BN_CLICKED || control == nullptr))
        {
            OnOK();
            return 0;
        }
        if (id == IDCANCEL && (code == BN_CLICKED || control == nullptr))
        {
            OnCancel();
            return 0;
        }
        if (OnCommand(id, code, control))
            return 0;
    }
    return Default();
}
