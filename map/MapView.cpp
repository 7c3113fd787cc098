#include "map/MapView.h"

#include "base/NumberText.h"
#include "engine/GreatCircle.h"
#include "map/MapZoom.h"

#include <algorithm>
#include <cmath>

namespace {

const double kPi = locatrix::kTruePi;
const double kDegree = kPi / 180;
// A land edge whose ends land farther apart than this (radians on the map) is followed along
// its great circle: only near the antipode do short edges stretch so.
const double kLongestEdge = 0.05;
const int kDeepestSplit = 14;
// Points of a line farther apart than this share of the radius are not joined: they were pulled
// across the map by the antipode.
const double kLongestJump = 0.2;
// A grid cell must be this many label heights tall to be drawn.
const double kSmallestCell = 1.6;
// Names only of cells well inside the circle, where they are not squeezed.
const double kLabelReach = 0.9;
const double kTick = 5;
const double kLongTick = 10;
const double kSamples = 160;  // along a line across the view

struct Box {
    double left, top, right, bottom;
    bool Overlaps(const Box& o) const { return left < o.right && o.left < right && top < o.bottom && o.top < bottom; }
};

UnitVector Midpoint(const UnitVector& a, const UnitVector& b)
{
    const double x = a.x + b.x, y = a.y + b.y, z = a.z + b.z;
    const double length = std::sqrt(x * x + y * y + z * z);
    return length > 0 ? UnitVector{x / length, y / length, z / length} : a;
}

// The square of the distance: no root where only a comparison is wanted.
double Apart(const MapPoint& a, const MapPoint& b) { return (a.X - b.X) * (a.X - b.X) + (a.Y - b.Y) * (a.Y - b.Y); }

double Dot(const UnitVector& a, const UnitVector& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// Sutherland and Hodgman: a ring cut to a box stays one ring, its outside parts along the
// box's edges, where they fill nothing that shows.
MapLine ClipRing(const MapLine& ring, const Box& box)
{
    MapLine out = ring;
    for (int side = 0; side < 4 && !out.empty(); ++side) {
        const MapLine in = std::move(out);
        out.clear();
        auto inside = [&](const MapPoint& p) {
            switch (side) {
            case 0: return p.X >= box.left;
            case 1: return p.X <= box.right;
            case 2: return p.Y >= box.top;
            default: return p.Y <= box.bottom;
            }
        };
        auto cut = [&](const MapPoint& a, const MapPoint& b) {
            const double edge = side == 0 ? box.left : side == 1 ? box.right : side == 2 ? box.top : box.bottom;
            const double t = side < 2 ? (edge - a.X) / (b.X - a.X) : (edge - a.Y) / (b.Y - a.Y);
            return MapPoint{a.X + (b.X - a.X) * t, a.Y + (b.Y - a.Y) * t};
        };
        for (std::size_t i = 0; i < in.size(); ++i) {
            const MapPoint& a = in[(i + in.size() - 1) % in.size()];
            const MapPoint& b = in[i];
            if (inside(b)) {
                if (!inside(a))
                    out.push_back(cut(a, b));
                out.push_back(b);
            } else if (inside(a)) {
                out.push_back(cut(a, b));
            }
        }
    }
    return out;
}

// Liang and Barsky: the part of a segment inside the box, if any.
bool ClipSegment(MapPoint& a, MapPoint& b, const Box& box)
{
    double t0 = 0, t1 = 1;
    const double dx = b.X - a.X, dy = b.Y - a.Y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.X - box.left, box.right - a.X, a.Y - box.top, box.bottom - a.Y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const MapPoint from = a;
    a = MapPoint{from.X + dx * t0, from.Y + dy * t0};
    b = MapPoint{from.X + dx * t1, from.Y + dy * t1};
    return true;
}

std::string GridName(int level, double lat, double lon)
{
    return EncodeLocator(lat, lon).substr(0, static_cast<std::size_t>(level));
}

} // namespace

CMapView::CMapView(const Place& centre, const std::optional<Place>& other, const MapFrame& frame,
                   const MapViewStyle& style)
    : m_frame(frame), m_style(style), m_dRadiusKm(ClampedMapRadius(style.radiusKm)),
      m_dAngle(m_dRadiusKm / locatrix::kNauticalMileSphereKm), m_dPixelsPerRadian(frame.rimRadius / m_dAngle),
      m_centrePoint(centre.point), m_centreVector(ToUnitVector(centre.point)),
      m_centre{MapLabel{MapPoint{frame.centreX, frame.centreY}, centre.name}, true}
{
    // The directions east and north at the centre; from a pole, north is along its meridian.
    const double lat = centre.point.Latitude * kDegree, lon = centre.point.Longitude * kDegree;
    m_east = UnitVector{-std::sin(lon), std::cos(lon), 0};
    m_north = UnitVector{-std::sin(lat) * std::cos(lon), -std::sin(lat) * std::sin(lon), std::cos(lat)};
    AddLand();
    AddGrid();
    AddRangeRings();
    AddTicks();
    if (!other)
        return;
    const CGreatCircle path(centre.point, other->point);
    // The same place twice has no path to draw.
    if (path.GetAngle() > 0) {
        AddPath(centre.point, path.GetBearing(), path.GetAngle(), m_shortPath);
        AddPath(centre.point, path.GetLongBearing(), path.GetLongAngle(), m_longPath);
    }
    MapMarker marker{MapLabel{ToFrame(other->point), other->name}, path.GetAngle() <= m_dAngle};
    if (!marker.inside)
        marker.label.at = HeadingLine(path.GetBearing()).back();
    m_other = marker;
}

MapPoint CMapView::Scaled(const MapPoint& radians) const
{
    return MapPoint{m_frame.centreX + radians.X * m_dPixelsPerRadian, m_frame.centreY - radians.Y * m_dPixelsPerRadian};
}

MapPoint CMapView::Project(const UnitVector& point) const
{
    const double east = Dot(point, m_east), north = Dot(point, m_north);
    const double across = std::sqrt(east * east + north * north);
    if (across == 0)  // the centre, or its antipode: straight down to the rim
        return Dot(point, m_centreVector) > 0 ? MapPoint{0, 0} : MapPoint{0, -kPi};
    const double angle = std::atan2(across, Dot(point, m_centreVector));
    return MapPoint{angle * east / across, angle * north / across};
}

MapPoint CMapView::ToFrame(const LatLon& point) const
{
    return Scaled(Project(ToUnitVector(point)));
}

bool CMapView::FromFrame(const MapPoint& at, LatLon& point) const
{
    const double dx = at.X - m_frame.centreX, dy = m_frame.centreY - at.Y;
    const double angle = std::hypot(dx, dy) / m_dPixelsPerRadian;
    if (!(angle <= m_dAngle))
        return false;
    point = CGreatCircle::Destination(m_centrePoint, std::atan2(dx, dy) / kDegree, angle);
    return true;
}

MapLine CMapView::HeadingLine(double bearing) const
{
    const double a = bearing * kDegree, r = m_frame.rimRadius;
    return MapLine{MapPoint{m_frame.centreX, m_frame.centreY},
                   MapPoint{m_frame.centreX + r * std::sin(a), m_frame.centreY - r * std::cos(a)}};
}

void CMapView::AddLand()
{
    const CLand& land = UsesDetailedLand(m_dRadiusKm) ? CLand::Detailed() : CLand::Coarse();
    const double margin = m_style.charHeight * 2;
    const Box box{m_frame.centreX - m_frame.rimRadius - margin, m_frame.centreY - m_frame.rimRadius - margin,
                  m_frame.centreX + m_frame.rimRadius + margin, m_frame.centreY + m_frame.rimRadius + margin};
    for (std::size_t i = 0; i < land.GetRings().size(); ++i) {
        // A ring wholly beyond the edge draws nothing, unless it goes round the antipode: then
        // its land side may be the one the view is in.
        const UnitVector& middle = land.GetRingMiddle()[i];
        const double reach = land.GetRingReach()[i];
        const double fromCentre = std::acos(std::fmax(-1.0, std::fmin(1.0, Dot(middle, m_centreVector))));
        if (fromCentre - reach > m_dAngle * 1.05 && kPi - fromCentre > reach)
            continue;
        const std::vector<UnitVector>& ring = land.GetRingVectors()[i];
        MapLine projected;
        projected.reserve(ring.size());
        // Each edge followed along its great circle where the map stretches it.
        struct Edge {
            UnitVector a, b;
            MapPoint pa, pb;
            int depth;
        };
        std::vector<Edge> stack;
        MapPoint next = Project(ring.front());
        for (std::size_t k = 0; k < ring.size(); ++k) {
            const UnitVector& a = ring[k];
            const UnitVector& b = ring[(k + 1) % ring.size()];
            const MapPoint pa = next;
            next = Project(b);
            projected.push_back(Scaled(pa));
            if (Apart(pa, next) <= kLongestEdge * kLongestEdge)
                continue;
            stack.push_back(Edge{a, b, pa, next, 0});
            while (!stack.empty()) {
                Edge e = stack.back();
                stack.pop_back();
                if (e.depth >= kDeepestSplit || Apart(e.pa, e.pb) <= kLongestEdge * kLongestEdge) {
                    if (e.depth > 0)
                        projected.push_back(Scaled(e.pa));
                    continue;
                }
                const UnitVector m = Midpoint(e.a, e.b);
                const MapPoint pm = Project(m);
                stack.push_back(Edge{m, e.b, pm, e.pb, e.depth + 1});
                stack.push_back(Edge{e.a, m, e.pa, pm, e.depth + 1});
            }
        }
        MapLine clipped = ClipRing(projected, box);
        if (clipped.size() >= 3)
            m_land.push_back(std::move(clipped));
    }
    // Every ring is drawn as the side away from the antipode; where the antipode is land, the
    // whole disc round it is added once more, which turns each side over.
    const LatLon antipodePoint{-m_centrePoint.Latitude, m_centrePoint.Longitude > 0 ? m_centrePoint.Longitude - 180
                                                                                     : m_centrePoint.Longitude + 180};
    if (land.IsLand(antipodePoint)) {
        MapLine rim;
        for (int b = 0; b < 360; ++b)
            rim.push_back(Scaled(MapPoint{kPi * std::sin(b * kDegree), kPi * std::cos(b * kDegree)}));
        MapLine clipped = ClipRing(rim, box);
        if (clipped.size() >= 3)
            m_land.push_back(std::move(clipped));
    }
}

void CMapView::AddGrid()
{
    // The finest of fields, squares and subsquares whose cells are tall enough to see.
    struct Level {
        int chars;
        double lonStep, latStep;
    };
    const Level levels[] = {{6, 2.0 / 24, 1.0 / 24}, {4, 2, 1}, {2, 20, 10}};
    Level level = levels[2];
    for (const Level& l : levels)
        if (l.latStep * kDegree * m_dPixelsPerRadian >= kSmallestCell * m_style.charHeight) {
            level = l;
            break;
        }
    m_nGridLevel = level.chars;

    // The cells that may show: the latitudes within the radius, and the longitudes too unless
    // the view holds a pole.
    const double reach = m_dAngle / kDegree * 1.05;
    const double south = std::max(-90.0, std::floor((m_centrePoint.Latitude - reach + 90) / level.latStep) * level.latStep - 90);
    const double north = std::min(90.0, std::ceil((m_centrePoint.Latitude + reach + 90) / level.latStep) * level.latStep - 90);
    double west = -180, east = 180;
    const double poleDistance = 90 - std::fabs(m_centrePoint.Latitude);
    if (reach < poleDistance && reach < 90) {
        const double spread = std::asin(std::min(1.0, std::sin(reach * kDegree) / std::cos(m_centrePoint.Latitude * kDegree))) / kDegree * 1.05 + level.lonStep;
        west = std::floor((m_centrePoint.Longitude - spread + 180) / level.lonStep) * level.lonStep - 180;
        east = std::ceil((m_centrePoint.Longitude + spread + 180) / level.lonStep) * level.lonStep - 180;
    }
    const double step = std::max(std::min(level.latStep, level.lonStep) / 8, 2 * m_dAngle / kDegree / kSamples);
    for (double lon = west; lon <= east + 1e-9; lon += level.lonStep) {
        MapLine line;
        for (double lat = south; lat < north + step; lat += step)
            line.push_back(ToFrame(LatLon{std::min(lat, north), lon}));
        AddClipped(line, m_gridLines);
    }
    for (double lat = south; lat <= north + 1e-9; lat += level.latStep) {
        if (std::fabs(lat) >= 90 - 1e-9)
            continue;
        MapLine line;
        for (double lon = west; lon < east + step; lon += step)
            line.push_back(ToFrame(LatLon{lat, std::min(lon, east)}));
        AddClipped(line, m_gridLines);
    }

    // Names nearest the centre first; one that would overlap a name already placed is left out.
    struct Candidate {
        double distance;
        MapLabel label;
    };
    std::vector<Candidate> candidates;
    const double labelReach = m_frame.rimRadius * kLabelReach - m_style.charHeight;
    for (double lat = south; lat < north - 1e-9; lat += level.latStep)
        for (double lon = west; lon < east - 1e-9; lon += level.lonStep) {
            const LatLon middle{lat + level.latStep / 2, lon + level.lonStep / 2};
            if (middle.Longitude >= 180 || middle.Longitude < -180
                || Dot(ToUnitVector(middle), m_centreVector) < std::cos(m_dAngle))
                continue;
            const MapPoint at = ToFrame(middle);
            const double distance = std::hypot(at.X - m_frame.centreX, at.Y - m_frame.centreY);
            if (distance <= labelReach)
                candidates.push_back(Candidate{distance, MapLabel{at, GridName(level.chars, middle.Latitude, middle.Longitude)}});
        }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate& a, const Candidate& b) { return a.distance < b.distance; });
    std::vector<Box> taken;
    for (const Candidate& c : candidates) {
        const double w = LabelWidth(c.label.text) / 2, h = m_style.charHeight / 2;
        const Box box{c.label.at.X - w, c.label.at.Y - h, c.label.at.X + w, c.label.at.Y + h};
        if (std::any_of(taken.begin(), taken.end(), [&](const Box& t) { return t.Overlaps(box); }))
            continue;
        taken.push_back(box);
        m_gridLabels.push_back(c.label);
    }
}

void CMapView::AddRangeRings()
{
    const double step = RangeRingStep(m_dRadiusKm);
    for (double km = step; km < m_dRadiusKm * 0.97; km += step) {
        const double radius = km / m_dRadiusKm * m_frame.rimRadius;
        const double miles = km / locatrix::kKmPerStatuteMile;
        const std::string text = FormatShown(km, 0) + " km (" + FormatShown(miles, miles < 100 ? 1 : 0) + " mi)";
        // Written across the ring, down and to the right of the centre, clear of the grid names' middle.
        const double a = 150 * kDegree;
        m_rangeRings.push_back(MapRangeRing{
            radius, MapLabel{MapPoint{m_frame.centreX + radius * std::sin(a), m_frame.centreY - radius * std::cos(a)}, text}});
    }
}

void CMapView::AddTicks()
{
    const double cx = m_frame.centreX, cy = m_frame.centreY, r = m_frame.rimRadius;
    const double labelAt = r + m_style.charHeight;
    for (int b = 0; b < 360; b += 10) {
        const double a = b * kDegree;
        const double inner = b % 30 == 0 ? r - kLongTick : r - kTick;
        m_ticks.push_back(MapTick{MapPoint{cx + inner * std::sin(a), cy - inner * std::cos(a)},
                                  MapPoint{cx + r * std::sin(a), cy - r * std::cos(a)}});
        if (b % 30 == 0)
            m_tickLabels.push_back(
                MapLabel{MapPoint{cx + labelAt * std::sin(a), cy - labelAt * std::cos(a)}, std::to_string(b)});
    }
}

void CMapView::AddPath(const LatLon& start, double bearing, double length, std::vector<MapLine>& lines) const
{
    // A great circle through the centre is within the view for its first and its last stretch
    // of the radius: only those are sampled, so a path at 50 km costs no more than one at 20000.
    const double reach = std::min(kPi, m_dAngle * 1.05);
    const double step = reach / kSamples;
    const double parts[2][2] = {{0, std::min(length, reach)}, {std::max(reach, 2 * kPi - reach), length}};
    for (const auto& part : parts) {
        if (part[1] <= part[0])
            continue;
        MapLine line;
        for (double s = part[0];; s += step) {
            const double at = std::min(s, part[1]);
            line.push_back(ToFrame(CGreatCircle::Destination(start, bearing, at)));
            if (at >= part[1])
                break;
        }
        AddClipped(line, lines);
    }
}

void CMapView::AddClipped(const MapLine& line, std::vector<MapLine>& lines) const
{
    const double margin = m_style.charHeight * 2;
    const Box box{m_frame.centreX - m_frame.rimRadius - margin, m_frame.centreY - m_frame.rimRadius - margin,
                  m_frame.centreX + m_frame.rimRadius + margin, m_frame.centreY + m_frame.rimRadius + margin};
    const double longestJump = kLongestJump * m_frame.rimRadius / m_dAngle * kPi;
    bool open = false;  // the last line ends at the point before, uncut
    for (std::size_t i = 1; i < line.size(); ++i) {
        MapPoint a = line[i - 1], b = line[i];
        if (std::hypot(b.X - a.X, b.Y - a.Y) > longestJump || !ClipSegment(a, b, box)) {
            open = false;
            continue;
        }
        if (!open || a.X != line[i - 1].X || a.Y != line[i - 1].Y)
            lines.push_back(MapLine{a});
        lines.back().push_back(b);
        open = b.X == line[i].X && b.Y == line[i].Y;
    }
}

std::vector<MapLine> DashedLines(const std::vector<MapLine>& lines, double dash, double gap)
{
    std::vector<MapLine> dashes;
    if (!(dash > 0) || !(gap > 0))
        return lines;
    double at = 0;  // along the pattern of dash and gap
    for (const MapLine& line : lines) {
        bool drawing = false;
        for (std::size_t i = 1; i < line.size(); ++i) {
            MapPoint from = line[i - 1];
            const MapPoint to = line[i];
            double left = std::hypot(to.X - from.X, to.Y - from.Y);
            while (left > 0) {
                const bool inDash = at < dash;
                const double room = inDash ? dash - at : dash + gap - at;
                const double step = std::min(room, left);
                const double t = step / left;
                const MapPoint next{from.X + (to.X - from.X) * t, from.Y + (to.Y - from.Y) * t};
                if (inDash) {
                    if (!drawing)
                        dashes.push_back(MapLine{from});
                    dashes.back().push_back(next);
                }
                drawing = inDash && step < room;
                at = step < room ? at + step : (inDash ? dash : 0);
                left -= step;
                from = next;
            }
        }
    }
    return dashes;
}
