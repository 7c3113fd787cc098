// Geographic position: one position as signed decimal degrees and as unsigned
// degree/minute/second parts, plus its locator text.
#pragma once

#include <string>

class CGeoPoint {
public:
    CGeoPoint();
    virtual ~CGeoPoint();

    // 0 <= degrees < 90 (180), 0 <= minutes < 60, 0 <= seconds < 60, and the sum no more
    // than 90 (180); "S" ("W") negates. Refused: nothing is stored.
    bool SetLatitudeDMS(double degrees, double minutes, double seconds, char hemisphere);
    bool SetLongitudeDMS(double degrees, double minutes, double seconds, char hemisphere);
    // |value| <= 90 (180), not NaN.
    bool SetLatitude(double value);
    bool SetLongitude(double value);
    // At least 6 characters after trimming, upper or lower case; of these the first ten (a
    // 7-character text: six) must be a valid locator once upper-cased.
    bool SetLocator(std::string text);
    // Ten characters of EncodeLocator; also becomes the stored locator text.
    std::string GetLocator();

    double GetLatitude() const;
    double GetLongitude() const;
    double GetLatitudeDegree() const;
    double GetLatitudeMinute() const;
    double GetLatitudeSecond() const;
    double GetLongitudeDegree() const;
    double GetLongitudeMinute() const;
    double GetLongitudeSecond() const;

private:
    static bool FromDMS(double degrees, double minutes, double seconds, double degreeLimit, bool negative,
                        double& value, double& degreeField, double& minuteField, double& secondField);
    static void ToDMS(double value, double& degrees, double& minutes, double& seconds);
    void LatitudeToDMS();
    void LongitudeToDMS();

    double m_dLatitude;
    double m_dLongitude;
    double m_dLatitudeDegree;
    double m_dLatitudeMinute;
    double m_dLatitudeSecond;
    double m_dLongitudeDegree;
    double m_dLongitudeMinute;
    double m_dLongitudeSecond;
    std::string m_strLocator;
};
