#include "controls/MaskEdit.h"

CMaskEdit::CMaskEdit(const std::string& mask)
    : CFilteredEdit<CMaskFilter>(mask)
{
}
