// The intermediate values of the bearing and distance formulas. CPathCalc computes its results from
// these and nothing else; the native-vs-Wine comparison prints them to show that every
// difference in a result starts at a sine, cosine or arc cosine of the runtime.
#pragma once

#include "engine/LocatorCodec.h"

namespace locatrix {

// Degrees to radians, from the program's circle constant 3.14159265 (not pi).
constexpr double kPi = 3.14159265;
constexpr double kRadiansPerDegree = kPi / 180;             // 0.017453292500000002
constexpr double kTenthDegreesPerRadian = 180 / kPi * 10;   // 572.9577957855229
constexpr double kTenthMinutesPerRadian = 180 / kPi * 60 * 10; // 34377.46774713138
constexpr double kFullTurn = 2 * kPi;                       // 6.2831853
constexpr double kHalfTurn = kPi;
constexpr double kTenthStatuteMilesPerNauticalMile = 11.50779;
constexpr double kTenthKilometresPerNauticalMile = 18.52;

struct CentralAngleTrace {
    double phi1, phi2;          // latitudes in radians
    double lambda1, lambda2;    // longitudes in radians, west positive
    double cosDeltaLambda;      // cos(lambda1 - lambda2)
    double cosPhi2, cosPhi1, sinPhi1, sinPhi2;
    double q;                   // law-of-cosines argument, unclamped
    double d;                   // central angle: acos of q clamped to [-1, 1]
};

struct BearingTrace {
    CentralAngleTrace c;
    double delta;               // lambda2 - lambda1
    double sinDelta;
    double sinPhi2, cosD, sinPhi1, sinD, cosPhi1;
    double arg;                 // bearing arc cosine argument, unclamped
    double acosArg;             // acos of arg clamped to [-1, 1]; NaN stays NaN
    double t;                   // bearing in radians before scaling and rounding
};

void TraceCentralAngle(const LatLon& p1, const LatLon& p2, CentralAngleTrace& trace);
void TraceBearing(const LatLon& p1, const LatLon& p2, BearingTrace& trace);

} // namespace locatrix
