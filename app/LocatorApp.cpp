#include "app/LocatorApp.h"
#include "app/LocatorDlg.h"

CLocatorApp theApp;

CLocatorApp::CLocatorApp()
    : CWinApp(nullptr)
{
}

// The dialog's modal loop is the program's only message loop; FALSE ends the program when it
// closes. Nothing is saved here: each calculation saves its own inputs.
BOOL CLocatorApp::InitInstance()
{
    CLocatorDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
