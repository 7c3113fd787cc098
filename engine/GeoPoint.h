// Geographic position: one position as signed decimal degrees and as unsigned
// degree/minute/second parts, plus its locator text.
#pragma once

#include <string>

class CGeoPoint {
public:
    CGeoPoint();
    virtual ~CGeoPoint();

    // 0 <= degrees < 90 (180), 0 <= minutes < 60, 0 <= seconds < 60; "S" ("W") negates.
    bool SetLatitudeDMS(double degrees, double minutes, double seconds, char hemisphere);
    bool SetLongitudeDMS(double degrees, double minutes, double seconds, char hemisphere);
    // |value| <= 90 (180), not NaN.
    bool SetLatitude(double value);
    bool SetLongitude(double value);
    // At least 6 characters after trimming; no character or case check.
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
