// The azimuths a rotator accepts, as its controller reports them: 0..360, -180..180 (south
// stop), 0..450 (overlap) or less than a full turn. A compass bearing has one representation
// per turn (b, b + 360, b - 360, ...); the one to send lies in the range and is nearest to where
// the antenna points now, so the rotator takes the short way and uses its overlap.
#pragma once

#include <string>

class CAzimuthRange {
public:
    CAzimuthRange() = default;
    // Refused (false, range unchanged) unless both are finite, min < max and the range spans
    // at most ten turns.
    bool Set(double minAzimuth, double maxAzimuth);
    double Min() const { return m_dMin; }
    double Max() const { return m_dMax; }

    // The representation of bearing (any finite degrees) inside the range nearest to heading
    // (where a tie goes to the lower); false when no representation lies inside the range. A
    // heading that is not finite counts as the middle of the range.
    bool Nearest(double bearing, double heading, double& azimuth) const;

    // "-180..180", "0..450", for messages.
    std::string Text() const;

    // The compass bearing, 0 <= b < 360, that an azimuth points at.
    static double Compass(double azimuth);
    // The smaller angle between two directions, 0..180.
    static double Separation(double first, double second);

private:
    double m_dMin = 0;
    double m_dMax = 360;
};
