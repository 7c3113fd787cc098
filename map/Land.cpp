#include "map/Land.h"

#include "engine/GreatCircle.h"

#include <cmath>

namespace {

bool ReadVarint(const LandData& data, std::size_t& at, long& value)
{
    unsigned long code = 0;
    for (int shift = 0; at < data.size && shift < 35; shift += 7) {
        const unsigned char byte = data.bytes[at++];
        code |= static_cast<unsigned long>(byte & 0x7f) << shift;
        if (!(byte & 0x80)) {
            value = (code & 1) ? -static_cast<long>((code + 1) / 2) : static_cast<long>(code / 2);
            return true;
        }
    }
    return false;
}

// A longitude difference as the shorter way round, in (-180, 180].
double Wrapped(double degrees)
{
    while (degrees > 180)
        degrees -= 360;
    while (degrees <= -180)
        degrees += 360;
    return degrees;
}

const double kRadians = locatrix::kTruePi / 180;

double Angle(const UnitVector& a, const UnitVector& b)
{
    const double cross = std::hypot(a.y * b.z - a.z * b.y, std::hypot(a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x));
    return std::atan2(cross, a.x * b.x + a.y * b.y + a.z * b.z);
}

} // namespace

UnitVector ToUnitVector(const LatLon& p)
{
    const double lat = p.Latitude * kRadians, lon = p.Longitude * kRadians;
    return UnitVector{std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)};
}

CLand::CLand(const LandData& data)
{
    std::size_t at = 0;
    for (std::size_t ring = 0; ring < data.ringCount; ++ring) {
        long count = 0;
        if (!ReadVarint(data, at, count) || count < 3)
            break;
        LandRing points;
        long x = 0, y = 0;
        for (long i = 0; i < count; ++i) {
            long dx = 0, dy = 0;
            if (!ReadVarint(data, at, dx) || !ReadVarint(data, at, dy))
                return;
            x += dx;
            y += dy;
            points.push_back(LatLon{y * data.scaleY + data.translateY, x * data.scaleX + data.translateX});
        }
        std::vector<UnitVector> vectors;
        UnitVector sum{0, 0, 0};
        for (const LatLon& p : points) {
            vectors.push_back(ToUnitVector(p));
            sum = UnitVector{sum.x + vectors.back().x, sum.y + vectors.back().y, sum.z + vectors.back().z};
        }
        // A ring round a pole sums to about the pole's axis.
        const double length = std::sqrt(sum.x * sum.x + sum.y * sum.y + sum.z * sum.z);
        const UnitVector middle =
            length > 1e-9 ? UnitVector{sum.x / length, sum.y / length, sum.z / length} : UnitVector{0, 0, 1};
        double reach = 0;
        for (const UnitVector& u : vectors)
            reach = std::fmax(reach, Angle(middle, u));
        m_middle.push_back(middle);
        m_reach.push_back(reach);
        m_vectors.push_back(std::move(vectors));
        m_rings.push_back(std::move(points));
    }
}

const CLand& CLand::Coarse()
{
    static const CLand land(kLand110m);
    return land;
}

const CLand& CLand::Detailed()
{
    static const CLand land(kLand50m);
    return land;
}

bool CLand::IsLand(const LatLon& point) const
{
    // Crossings of the meridian north of the point; the edges are short enough to take as
    // straight in longitude and latitude.
    bool land = false;
    for (const LandRing& ring : m_rings) {
        for (std::size_t i = 0; i < ring.size(); ++i) {
            const LatLon& a = ring[i];
            const LatLon& b = ring[(i + 1) % ring.size()];
            const double from = Wrapped(a.Longitude - point.Longitude);
            const double to = from + Wrapped(b.Longitude - a.Longitude);
            if ((from <= 0) == (to <= 0))
                continue;
            const double latitude = a.Latitude + (b.Latitude - a.Latitude) * (0 - from) / (to - from);
            if (latitude > point.Latitude)
                land = !land;
        }
    }
    return land;
}
