#include "engine/GeoPoint.h"

#include "base/Characters.h"
#include "engine/LocatorCodec.h"

#include <cmath>

namespace {

// 0 <= v < limit; NaN fails.
bool InRange(double v, double limit)
{
    return v >= 0 && v < limit;
}

} // namespace

CGeoPoint::CGeoPoint()
    : m_dLatitude(0.0), m_dLongitude(0.0),
      m_dLatitudeDegree(0.0), m_dLatitudeMinute(0.0), m_dLatitudeSecond(0.0),
      m_dLongitudeDegree(0.0), m_dLongitudeMinute(0.0), m_dLongitudeSecond(0.0)
{
}

CGeoPoint::~CGeoPoint() = default;

bool CGeoPoint::SetLatitudeDMS(double degrees, double minutes, double seconds, char hemisphere)
{
    return FromDMS(degrees, minutes, seconds, 90, hemisphere == 'S', m_dLatitude, m_dLatitudeDegree,
                   m_dLatitudeMinute, m_dLatitudeSecond);
}

bool CGeoPoint::SetLongitudeDMS(double degrees, double minutes, double seconds, char hemisphere)
{
    return FromDMS(degrees, minutes, seconds, 180, hemisphere == 'W', m_dLongitude, m_dLongitudeDegree,
                   m_dLongitudeMinute, m_dLongitudeSecond);
}

// The parts are stored as given; the decimal value is summed in this order, to the last bit.
bool CGeoPoint::FromDMS(double degrees, double minutes, double seconds, double degreeLimit, bool negative,
                        double& value, double& degreeField, double& minuteField, double& secondField)
{
    if (!InRange(degrees, degreeLimit) || !InRange(minutes, 60) || !InRange(seconds, 60))
        return false;
    // Each part in range is not enough when a part has decimals: 89.5 degrees and 59 minutes
    // lie beyond the pole.
    const double total = (seconds * (1.0 / 3600) + minutes * (1.0 / 60)) + degrees;
    if (total > degreeLimit)
        return false;
    degreeField = degrees;
    minuteField = minutes;
    secondField = seconds;
    value = negative ? -total : total;
    return true;
}

bool CGeoPoint::SetLatitude(double value)
{
    // The real value, not its whole part: 90.5 is no latitude. NaN fails too.
    if (!(std::fabs(value) <= 90))
        return false;
    m_dLatitude = value;
    LatitudeToDMS();
    return true;
}

bool CGeoPoint::SetLongitude(double value)
{
    if (!(std::fabs(value) <= 180))
        return false;
    m_dLongitude = value;
    LongitudeToDMS();
    return true;
}

bool CGeoPoint::SetLocator(std::string text)
{
    if (text.size() < 6)
        return false;
    std::string::size_type first = 0;
    std::string::size_type last = text.size();
    while (first < last && IsBlank(text[first]))
        ++first;
    while (last > first && IsBlank(text[last - 1]))
        --last;
    // Blanks are no square: a text that trims below 6 is refused too.
    if (last - first < 6)
        return false;

    std::string locator = text.substr(first, last - first);
    if (locator.size() > 10)
        locator.resize(10);
    ToUpper(locator);
    PadLocator(locator);
    // A letter off the grid decodes to a place that does not exist: refused, nothing stored.
    if (!IsValidLocator(locator))
        return false;
    m_strLocator = locator;
    const LatLon p = DecodeLocator(m_strLocator);
    m_dLongitude = p.Longitude;
    m_dLatitude = p.Latitude;
    LatitudeToDMS();
    LongitudeToDMS();
    return true;
}

std::string CGeoPoint::GetLocator()
{
    m_strLocator = EncodeLocator(m_dLatitude, m_dLongitude);
    return m_strLocator;
}

double CGeoPoint::GetLatitude() const { return m_dLatitude; }
double CGeoPoint::GetLongitude() const { return m_dLongitude; }
double CGeoPoint::GetLatitudeDegree() const { return m_dLatitudeDegree; }
double CGeoPoint::GetLatitudeMinute() const { return m_dLatitudeMinute; }
double CGeoPoint::GetLatitudeSecond() const { return m_dLatitudeSecond; }
double CGeoPoint::GetLongitudeDegree() const { return m_dLongitudeDegree; }
double CGeoPoint::GetLongitudeMinute() const { return m_dLongitudeMinute; }
double CGeoPoint::GetLongitudeSecond() const { return m_dLongitudeSecond; }

void CGeoPoint::ToDMS(double value, double& degrees, double& minutes, double& seconds)
{
    // fabs, not a test for below zero: -0 would otherwise show as "-0" degrees.
    const double a = std::fabs(value);
    degrees = std::floor(a);
    const double m = (a - degrees) * 60;
    minutes = std::floor(m);
    const double s = (m - minutes) * 60 + 0.0075;
    const double hundredths = std::floor(s * 100);
    // 60.00 seconds is the next minute: shown and fed back it would read as 0.
    if (hundredths >= 6000) {
        seconds = 0.0;
        minutes += 1;
        if (minutes >= 60) {
            minutes = 0.0;
            degrees += 1;
        }
        return;
    }
    seconds = hundredths * 0.01;
}

void CGeoPoint::LatitudeToDMS()
{
    ToDMS(m_dLatitude, m_dLatitudeDegree, m_dLatitudeMinute, m_dLatitudeSecond);
}

void CGeoPoint::LongitudeToDMS()
{
    ToDMS(m_dLongitude, m_dLongitudeDegree, m_dLongitudeMinute, m_dLongitudeSecond);
}
