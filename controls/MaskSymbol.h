#pragma once

// One entry of a mask's symbol table: the mask character, which characters fit it and what a
// fitting character is turned into. A null function accepts, or keeps, every character.
class CMaskSymbol
{
public:
    using CharFunction = int (*)(int ch);

    CMaskSymbol() = default;
    CMaskSymbol(char symbol, CharFunction validate, CharFunction convert = nullptr);

    bool Validate(char ch) const;
    char Convert(char ch) const;

    char m_chSymbol = 0;
    CharFunction m_pfnValidate = nullptr;
    CharFunction m_pfnConvert = nullptr;
};
