#include "map/MapZoom.h"

#include "engine/GreatCircle.h"

#include <cmath>

namespace {
const double kSmallestKm = 50;
const double kStep = 1.5;
const double kDetailedBelowKm = 3000;
const double kFitting = 1.25;
const int kMostRings = 5;
} // namespace

double MapWorldKm()
{
    return locatrix::kTruePi * locatrix::kNauticalMileSphereKm;
}

double ClampedMapRadius(double km)
{
    if (!(km >= kSmallestKm))  // NaN too
        return kSmallestKm;
    return km > MapWorldKm() ? MapWorldKm() : km;
}

double ZoomedMapRadius(double km, int steps)
{
    return ClampedMapRadius(ClampedMapRadius(km) * std::pow(kStep, -steps));
}

double FittingMapRadius(double distanceKm)
{
    return ClampedMapRadius(distanceKm * kFitting);
}

bool UsesDetailedLand(double radiusKm)
{
    return radiusKm < kDetailedBelowKm;
}

double RangeRingStep(double radiusKm)
{
    for (double power = 1;; power *= 10)
        for (double unit : {1.0, 2.0, 5.0})
            if (ClampedMapRadius(radiusKm) / (unit * power) <= kMostRings + 1e-9)
                return unit * power;
}
