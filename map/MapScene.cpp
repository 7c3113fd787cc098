#include "map/MapScene.h"

#include "engine/GreatCircle.h"
#include "map/Coastlines.h"

#include <cmath>

namespace {

const double kPi = locatrix::kTruePi;
// Neighbours farther apart than this share of the rim's radius are not joined: real neighbours
// are a few degrees apart, and only near the antipode does the projection pull them this far.
const double kLongestJump = 60.0 / 350;
const double kTick = 5;
const double kLongTick = 10;
const double kRimLabelDistance = 16;
const double kPathStep = 0.5 / 180 * kPi;  // half a degree of arc

} // namespace

CMapScene::CMapScene(const Place& centre, const Place& other, const MapFrame& frame)
    : m_frame(frame), m_projection(centre.point)
{
    m_centre = MapLabel{ToFrame(centre.point), centre.name};
    m_other = MapLabel{ToFrame(other.point), other.name};

    for (int lon = -180; lon < 180; lon += 20) {
        std::vector<LatLon> line;
        for (int lat = -90; lat <= 90; lat += 2)
            line.push_back(LatLon{static_cast<double>(lat), static_cast<double>(lon)});
        AddLine(line, m_graticule);
    }
    for (int lat = -80; lat <= 80; lat += 10) {
        std::vector<LatLon> line;
        for (int lon = -180; lon <= 180; lon += 2)
            line.push_back(LatLon{static_cast<double>(lat), static_cast<double>(lon)});
        AddLine(line, m_graticule);
    }
    // Not from the poles either, where eighteen fields meet.
    for (int x = 0; x < 18; ++x) {
        m_fieldNames.emplace_back();
        for (int y = 1; y < 17; ++y) {
            const LatLon field{y * 10.0 - 85, x * 20.0 - 170};
            if (CGreatCircle(centre.point, field).GetAngle() > 0.75 * kPi)
                continue;
            const char name[3] = {static_cast<char>('A' + x), static_cast<char>('A' + y), 0};
            m_fieldNames.back().push_back(MapLabel{ToFrame(field), name});
        }
    }

    const short* p = kCoastlinePoints;
    for (std::size_t i = 0; i < kCoastlineLineCount; ++i) {
        std::vector<LatLon> line;
        for (unsigned k = 0; k < kCoastlineLineSizes[i]; ++k, p += 2)
            line.push_back(LatLon{p[1] / 10.0, p[0] / 10.0});
        AddLine(line, m_coastlines);
    }

    const CGreatCircle path(centre.point, other.point);
    AddLine(CGreatCircle::Sample(centre.point, path.GetBearing(), path.GetAngle(), kPathStep), m_shortPath);
    AddLine(CGreatCircle::Sample(centre.point, path.GetLongBearing(), path.GetLongAngle(), kPathStep), m_longPath);

    const double cx = m_frame.centreX, cy = m_frame.centreY, r = m_frame.rimRadius;
    for (int b = 0; b < 360; b += 10) {
        const double a = b / 180.0 * kPi;
        const double inner = b % 30 == 0 ? r - kLongTick : r - kTick;
        m_rimTicks.push_back(MapTick{MapPoint{cx + inner * std::sin(a), cy - inner * std::cos(a)},
                                     MapPoint{cx + r * std::sin(a), cy - r * std::cos(a)}});
        if (b % 30 == 0)
            m_rimLabels.push_back(MapLabel{MapPoint{cx + (r + kRimLabelDistance) * std::sin(a),
                                                    cy - (r + kRimLabelDistance) * std::cos(a)},
                                           std::to_string(b)});
    }
}

MapPoint CMapScene::ToFrame(const LatLon& point) const
{
    const MapPoint p = m_projection.Project(point);
    return MapPoint{m_frame.centreX + p.X / kPi * m_frame.rimRadius, m_frame.centreY - p.Y / kPi * m_frame.rimRadius};
}

void CMapScene::AddLine(const std::vector<LatLon>& points, std::vector<MapLine>& lines) const
{
    const double longestJump = m_frame.rimRadius * kLongestJump;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const MapPoint p = ToFrame(points[i]);
        if (i == 0 || std::hypot(p.X - lines.back().back().X, p.Y - lines.back().back().Y) > longestJump)
            lines.emplace_back();
        lines.back().push_back(p);
    }
}
