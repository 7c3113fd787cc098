#pragma once
#include "framework/Wnd.h"

// A static text control; our labels derive from it and add their own painting and clicks.
class CStatic : public CWnd
{
};
