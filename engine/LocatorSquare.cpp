#include "engine/LocatorSquare.h"

#include "base/Characters.h"


namespace {

const long kSteps = 18L * 10 * 24 * 10 * 24 * 10;  // finest squares along each axis
const double kLongitudeSteps = 28800.0;            // finest squares per degree of longitude
const double kLatitudeSteps = 57600.0;             // finest squares per degree of latitude

// Finest squares in one square of each pair, and the characters each pair takes.
const long kPairStep[6] = {576000, 57600, 2400, 240, 10, 1};
const char kPairFirst[6] = {'A', '0', 'A', '0', 'A', '0'};
const char kPairLast[6] = {'R', '9', 'X', '9', 'X', '9'};

} // namespace

CLocatorSquare::CLocatorSquare() : m_strLocator("JJ"), m_nWest(kSteps / 2), m_nSouth(kSteps / 2), m_nStep(kPairStep[0]) {}

CLocatorSquare::~CLocatorSquare() = default;

bool CLocatorSquare::SetLocator(const std::string& text, std::string& why)
{
    if (text.empty() || text.size() > 12 || text.size() % 2 != 0) {
        why = "a locator has 2, 4, 6, 8, 10 or 12 characters, not " + std::to_string(text.size());
        return false;
    }
    std::string upper;
    long west = 0;
    long south = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t pair = i / 2;
        const char c = ToUpper(text[i]);
        if (c < kPairFirst[pair] || c > kPairLast[pair]) {
            why = "character " + std::to_string(i + 1) + " of a locator must be " + kPairFirst[pair] + " to "
                + kPairLast[pair];
            return false;
        }
        upper += c;
        (i % 2 == 0 ? west : south) += (c - kPairFirst[pair]) * kPairStep[pair];
    }
    m_strLocator = upper;
    m_nWest = west;
    m_nSouth = south;
    m_nStep = kPairStep[text.size() / 2 - 1];
    return true;
}

double CLocatorSquare::GetSouth() const { return m_nSouth / kLatitudeSteps - 90; }
double CLocatorSquare::GetWest() const { return m_nWest / kLongitudeSteps - 180; }
double CLocatorSquare::GetNorth() const { return (m_nSouth + m_nStep) / kLatitudeSteps - 90; }
double CLocatorSquare::GetEast() const { return (m_nWest + m_nStep) / kLongitudeSteps - 180; }
double CLocatorSquare::GetHeight() const { return m_nStep / kLatitudeSteps; }
double CLocatorSquare::GetWidth() const { return m_nStep / kLongitudeSteps; }

LatLon CLocatorSquare::GetCentre() const
{
    // Twice the count, so that the half of a finest square stays whole.
    LatLon centre;
    centre.Latitude = (2 * m_nSouth + m_nStep) / (2 * kLatitudeSteps) - 90;
    centre.Longitude = (2 * m_nWest + m_nStep) / (2 * kLongitudeSteps) - 180;
    return centre;
}

std::string CLocatorSquare::Encode(double latitude, double longitude, int chars)
{
    return EncodeLocator(latitude, longitude, chars);
}

namespace {

// The finest squares from the grid's south or west edge to the angle, rounded down: the
// decimals multiplied out digit by digit, so that an edge is exact.
long ExactSteps(const DecimalAngle& angle, long stepsPerDegree, long offsetDegrees)
{
    const long perUnit = stepsPerDegree / angle.unitsPerDegree;
    long carry = 0;
    bool remainder = false;
    for (std::string::size_type i = angle.decimals.size(); i-- > 0;) {
        const long t = (angle.decimals[i] - '0') * perUnit + carry;
        remainder = remainder || t % 10 != 0;
        carry = t / 10;
    }
    // Beyond the grid: its edge squares, as for a double (and no overflow of a 32-bit long).
    if (angle.whole > 200 * angle.unitsPerDegree)
        return angle.negative ? 0 : kSteps - 1;
    const long magnitude = angle.whole * perUnit + carry;
    const long steps = offsetDegrees * stepsPerDegree + (angle.negative ? -magnitude - (remainder ? 1 : 0) : magnitude);
    return steps < 0 ? 0 : steps >= kSteps ? kSteps - 1 : steps;
}

} // namespace

std::string CLocatorSquare::Encode(const DecimalAngle& latitude, const DecimalAngle& longitude, int chars)
{
    long x = ExactSteps(longitude, 28800, 180);
    long y = ExactSteps(latitude, 57600, 90);
    std::string text;
    for (int pair = 0; pair < 6 && 2 * pair < chars; ++pair) {
        text += static_cast<char>(kPairFirst[pair] + x / kPairStep[pair]);
        text += static_cast<char>(kPairFirst[pair] + y / kPairStep[pair]);
        x %= kPairStep[pair];
        y %= kPairStep[pair];
    }
    return text;
}
