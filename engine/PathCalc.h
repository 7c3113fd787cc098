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

    double GetBearing() const;
    double GetNauticalMiles() const;
    double GetStatuteMiles() const;
    double GetKilometers() const;

    // Nearest whole number, halves away from zero, with a tolerance at about the
    // fifteenth significant digit; 0 and NaN give 0.
    static double RoundValue(double value);

private:
    double RoundedNauticalMiles() const;

    std::string m_strLocation1;
    std::string m_strLocation2;
};
