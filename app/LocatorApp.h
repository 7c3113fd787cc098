#pragma once
#include "framework/WinApp.h"

// Shows the calculator modally; its end is the program's end.
class CLocatorApp : public CWinApp
{
public:
    CLocatorApp();
    BOOL InitInstance() override;
};
