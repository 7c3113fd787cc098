// The world's land as rings on the sphere, decoded once from the data built into the program.
// The rings are Natural Earth's coasts and lake shores; which side of a ring is land is not
// stored, but follows from the north pole being sea: a point is land when a line from it to the
// pole crosses the rings an odd number of times.
#pragma once

#include "engine/LocatorCodec.h"
#include "map/LandData.h"

#include <vector>

using LandRing = std::vector<LatLon>;  // closes by itself: the last point joins the first

// A position as a point on the unit sphere: x towards 0,0, y towards 0,90 E, z the north pole.
struct UnitVector {
    double x, y, z;
};
UnitVector ToUnitVector(const LatLon& point);

class CLand {
public:
    explicit CLand(const LandData& data);

    // The two scales, decoded at their first use.
    static const CLand& Coarse();
    static const CLand& Detailed();

    const std::vector<LandRing>& GetRings() const { return m_rings; }
    // The same points on the unit sphere, which the map projects without a sine or cosine.
    const std::vector<std::vector<UnitVector>>& GetRingVectors() const { return m_vectors; }
    // A cap round each ring's middle that holds the whole ring: its radius in radians of arc.
    const std::vector<double>& GetRingReach() const { return m_reach; }
    const std::vector<UnitVector>& GetRingMiddle() const { return m_middle; }

    bool IsLand(const LatLon& point) const;

private:
    std::vector<LandRing> m_rings;
    std::vector<std::vector<UnitVector>> m_vectors;
    std::vector<UnitVector> m_middle;
    std::vector<double> m_reach;  // radians of arc
};
