#pragma once
#include "controls/EditFilter.h"
#include "controls/MaskSymbol.h"
#include <string>
#include <vector>

// Keeps a text a beginning of its mask: "#" takes a digit, "*" a letter, any other mask
// character must be repeated as it stands. An empty mask lets everything in.
class CMaskFilter : public CEditFilter
{
public:
    CMaskFilter(CValidEdit* edit, const std::string& mask);

    void SetMask(const std::string& mask);
    const std::string& GetMask() const { return m_strMask; }

    std::string FilterText() const override;
    int LongestText() const override { return static_cast<int>(m_strMask.size()); }
    void HandleChar(char ch) override;
    void HandleKeyDown(UINT virtualKey) override;

private:
    bool IsSymbol(char maskChar) const;
    // The first entry for maskChar that ch fits, or null.
    const CMaskSymbol* FindFitting(char maskChar, char ch) const;

    std::string m_strMask;
    std::vector<CMaskSymbol> m_symbols;
};
