#pragma once
#include "controls/FilteredEdit.h"
#include "controls/NumberFilter.h"

// The seconds and decimal-degree boxes: an edit box that keeps its text a decimal number.
class CNumericEdit : public CFilteredEdit<CNumberFilter>
{
public:
    CNumericEdit(int wholeDigits = 9, int decimalDigits = 4);
};
