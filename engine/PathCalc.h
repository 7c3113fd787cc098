// Distance and bearing: initial great-circle bearing and distance between a
// local and a distant locator, each rounded to one decimal place.
#pragma once

#include <string>

class CPathCalc {
public:
    CPathCalc();
    virtual ~CPathCalc();

    // Both at least 6 characters, upper-cased and padded, then valid locators; stored padded.
    // Refused: nothing is stored.
    bool SetLocations(std::string first, std::string second);

    // The four results come from one decode of the pair and one pass through the formulas,
    // made by whichever is asked first; any order gives the same values.
    double GetBearing() const;
    double GetNauticalMiles() const;
    double GetStatuteMiles() const;
    double GetKilometers() const;

    // Nearest whole number, halves away from zero, with a tolerance at about the
    // fifteenth significant digit; 0 and NaN give 0.
    static double RoundValue(double value);

private:
    void ComputeResults() const;
    // RoundValue the long way, with its tolerance worked out: for remainders near a half
    // and for values that are not finite.
    static double RoundNearHalf(double x);

    std::string m_strLocation1;
    std::string m_strLocation2;
    // Worked out at the first question about the pair, not part of the object's value.
    mutable bool m_bComputed = false;
    mutable double m_dBearing = 0;
    mutable double m_dNauticalMiles = 0;
    mutable double m_dStatuteMiles = 0;
    mutable double m_dKilometers = 0;
};
