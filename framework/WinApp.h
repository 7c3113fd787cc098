#pragma once
#include "framework/Wnd.h"

// The one application object. WinMain calls its InitInstance; returning FALSE ends the program,
// TRUE runs a message loop until WM_QUIT.
class CWinApp
{
public:
    explicit CWinApp(const char* appName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance();
    virtual int Run();

    CWnd* m_pMainWnd = nullptr;
    std::string m_strAppName;
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();
// The application's name, or the program file's name without its extension.
std::string AfxGetAppName();
int AfxWinMain(HINSTANCE instance, int showCommand);
