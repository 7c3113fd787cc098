#include "controls/MaskSymbol.h"

CMaskSymbol::CMaskSymbol(char symbol, CharFunction validate, CharFunction convert)
    : m_chSymbol(symbol), m_pfnValidate(validate), m_pfnConvert(convert)
{
}

bool CMaskSymbol::Validate(char ch) const
{
    return m_pfnValidate == nullptr || m_pfnValidate(ch) != 0;
}

char CMaskSymbol::Convert(char ch) const
{
    return m_pfnConvert ? static_cast<char>(m_pfnConvert(ch)) : ch;
}
