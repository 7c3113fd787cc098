#include "engine/PathCalc.h"

#include "base/Characters.h"
#include "engine/LocatorCodec.h"
#include "engine/PathTrace.h"

#include <cmath>

namespace locatrix {

namespace {

// An argument a hair beyond +-1 is rounding, not geometry. NaN (0/0) stays NaN,
// which RoundValue turns into 0.
double ClampedAcos(double v)
{
    if (v > 1.0)
        v = 1.0;
    else if (v < -1.0)
        v = -1.0;
    return std::acos(v);
}

} // namespace

void TraceCentralAngle(const LatLon& p1, const LatLon& p2, CentralAngleTrace& t)
{
    t.phi1 = p1.Latitude * kRadiansPerDegree;
    t.phi2 = p2.Latitude * kRadiansPerDegree;
    t.lambda1 = p1.Longitude * -kRadiansPerDegree;
    t.lambda2 = p2.Longitude * -kRadiansPerDegree;
    t.cosDeltaLambda = std::cos(t.lambda1 - t.lambda2);
    t.cosPhi2 = std::cos(t.phi2);
    t.cosPhi1 = std::cos(t.phi1);
    t.sinPhi1 = std::sin(t.phi1);
    t.sinPhi2 = std::sin(t.phi2);
    t.q = t.cosDeltaLambda * t.cosPhi2 * t.cosPhi1 + t.sinPhi1 * t.sinPhi2;
    t.d = ClampedAcos(t.q);
}

void TraceBearing(const LatLon& p1, const LatLon& p2, BearingTrace& t)
{
    TraceCentralAngle(p1, p2, t.c);
    t.delta = t.c.lambda2 - t.c.lambda1;
    t.sinDelta = std::sin(t.delta);
    t.sinPhi2 = t.c.sinPhi2;
    t.cosD = std::cos(t.c.d);
    t.sinPhi1 = t.c.sinPhi1;
    t.sinD = std::sin(t.c.d);
    t.cosPhi1 = t.c.cosPhi1;
    t.arg = (t.sinPhi2 - t.cosD * t.sinPhi1) / (t.sinD * t.cosPhi1);
    t.acosArg = 0.0;
    if (t.sinDelta < 0) {
        t.acosArg = ClampedAcos(t.arg);
        t.t = t.acosArg;
    } else if (t.delta != 0) {
        t.acosArg = ClampedAcos(t.arg);
        t.t = kFullTurn - t.acosArg;
    } else {
        t.t = t.c.phi2 >= t.c.phi1 ? 0.0 : kHalfTurn;
    }
}

} // namespace locatrix

using namespace locatrix;

CPathCalc::CPathCalc() = default;

CPathCalc::~CPathCalc() = default;

bool CPathCalc::SetLocations(std::string first, std::string second)
{
    if (first.size() < 6 || second.size() < 6)
        return false;
    ToUpper(first);
    ToUpper(second);
    // Padded first, so that what is checked is what the formulas read.
    PadLocator(first);
    PadLocator(second);
    if (!IsValidLocator(first) || !IsValidLocator(second))
        return false;
    m_strLocation1 = first;
    m_strLocation2 = second;
    m_bComputed = false;
    return true;
}

void CPathCalc::ComputeResults() const
{
    if (m_bComputed)
        return;
    BearingTrace t;
    TraceBearing(DecodeLocator(m_strLocation1), DecodeLocator(m_strLocation2), t);
    m_dBearing = RoundValue(t.t * kTenthDegreesPerRadian) * 0.1;
    m_dNauticalMiles = RoundValue(t.c.d * kTenthMinutesPerRadian) * 0.1;
    // From the already rounded nautical miles, not from the exact distance.
    m_dStatuteMiles = RoundValue(m_dNauticalMiles * kTenthStatuteMilesPerNauticalMile) * 0.1;
    m_dKilometers = RoundValue(m_dNauticalMiles * kTenthKilometresPerNauticalMile) * 0.1;
    m_bComputed = true;
}

double CPathCalc::GetBearing() const
{
    ComputeResults();
    return m_dBearing;
}

double CPathCalc::GetNauticalMiles() const
{
    ComputeResults();
    return m_dNauticalMiles;
}

double CPathCalc::GetStatuteMiles() const
{
    ComputeResults();
    return m_dStatuteMiles;
}

double CPathCalc::GetKilometers() const
{
    ComputeResults();
    return m_dKilometers;
}

double CPathCalc::RoundValue(double x)
{
    if (x == 0 || std::isnan(x))
        return 0;
    const double s = x < 0 ? -1.0 : 1.0;
    const double u = s;
    // The remainder by a whole unit: x - trunc(x) is exact for every finite x, as fmod is, and
    // costs a fraction of it.
    const double g = x - std::trunc(x);
    const double r = x - g;
    const double beyondHalf = s * g - 0.5;
    // The tolerance e below is at most about 1e-15 * max(1, |x|). Only a remainder that close to
    // a half needs it worked out; twice that keeps clear of any error in log10 and pow.
    if (beyondHalf > 0)
        return r + u;
    if (beyondHalf < -2e-15 * std::fmax(1.0, std::fabs(x)))
        return r;
    return RoundNearHalf(x);
}

double CPathCalc::RoundNearHalf(double x)
{
    const double s = x < 0 ? -1.0 : 1.0;
    const double u = s;
    // Whole part of the logarithm, toward zero. Only an infinite x has no finite logarithm;
    // its remainder is NaN below anyway, so any exponent does there.
    const double lg = std::log10(std::fabs(x));
    const int k = std::isfinite(lg) ? static_cast<int>(lg) : 0;
    const double e = std::pow(10.0, k - 15);
    const double g = std::fmod(x, u);
    double r = x - g;
    if (s * g - 0.5 * u * s > -e)
        r = r + u;
    return r;
}
