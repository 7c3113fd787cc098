#include "controls/NumericEdit.h"

CNumericEdit::CNumericEdit(int wholeDigits, int decimalDigits)
    : CFilteredEdit<CNumberFilter>(wholeDigits, decimalDigits)
{
}
