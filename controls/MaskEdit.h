#pragma once
#include "controls/FilteredEdit.h"
#include "controls/MaskFilter.h"

// The locator boxes: an edit box that keeps its text a beginning of its mask.
class CMaskEdit : public CFilteredEdit<CMaskFilter>
{
public:
    explicit CMaskEdit(const std::string& mask = "");
};
