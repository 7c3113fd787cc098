#pragma once
#include "framework/Wnd.h"

class CComboBox : public CWnd
{
public:
    int AddString(const std::string& text);
    int SetCurSel(int index);
    int GetCurSel() const;
    int GetCount() const;
};
