#pragma once
#include "framework/Wnd.h"

// A dialog built from a template resource. DoModal runs its own modal loop, so the target
// window of each queued message and its parents see it in PreTranslateMessage first.
class CDialog : public CWnd
{
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    INT_PTR DoModal();
    // Creates the dialog modeless and runs OnInitDialog; DoModal uses it, tests call it directly.
    BOOL Create(HWND owner = nullptr);
    void EndDialog(INT_PTR result);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

protected:
    virtual void DoDataExchange() {}
    // Commands other than IDOK and IDCANCEL; answer TRUE when handled.
    virtual BOOL OnCommand(WORD id, WORD code, HWND control);
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
    bool PreTranslateInput(MSG* msg);

    UINT m_nTemplateId;
    CWnd* m_pParent;
    bool m_bModalRunning = false;
    INT_PTR m_nResult = IDCANCEL;
};
