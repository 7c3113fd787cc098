// The window's map: land filled where the land is, whatever the centre and the radius; the grid
// at the level that fits with no two names overlapping; the paths and the distant station where
// the projection puts them; nothing strays from the circle; and the zoom's rules.
#include "map/Land.h"
#include "map/MapView.h"
#include "map/MapZoom.h"

#include "engine/GreatCircle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

const MapFrame kFrame{300, 320, 250};

CMapView View(const LatLon& centre, double radiusKm, const std::optional<LatLon>& other = std::nullopt,
              const MapFrame& frame = kFrame)
{
    std::optional<Place> distant;
    if (other)
        distant = Place{"OTHER", *other};
    return CMapView(Place{"HOME", centre}, distant, frame, MapViewStyle{radiusKm, 7, 13});
}

// Even-odd over all rings together, as the window fills them.
bool Filled(const std::vector<MapLine>& rings, const MapPoint& p)
{
    bool inside = false;
    for (const MapLine& ring : rings)
        for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++)
            if ((ring[i].Y > p.Y) != (ring[j].Y > p.Y)
                && p.X < (ring[j].X - ring[i].X) * (p.Y - ring[i].Y) / (ring[j].Y - ring[i].Y) + ring[i].X)
                inside = !inside;
    return inside;
}

double Distance(const MapPoint& a, const MapPoint& b) { return std::hypot(a.X - b.X, a.Y - b.Y); }

double DistanceToLines(const std::vector<MapLine>& lines, const MapPoint& p)
{
    double best = 1e300;
    for (const MapLine& line : lines)
        for (std::size_t i = 1; i < line.size(); ++i) {
            const MapPoint a = line[i - 1], b = line[i];
            const double len2 = (b.X - a.X) * (b.X - a.X) + (b.Y - a.Y) * (b.Y - a.Y);
            double t = len2 > 0 ? ((p.X - a.X) * (b.X - a.X) + (p.Y - a.Y) * (b.Y - a.Y)) / len2 : 0;
            t = std::fmax(0, std::fmin(1, t));
            best = std::fmin(best, Distance(p, MapPoint{a.X + t * (b.X - a.X), a.Y + t * (b.Y - a.Y)}));
        }
    return best;
}

TEST(MapView, LandIsFilledWhereTheLandIs)
{
    // Berlin's antipode is sea, Hawaii's is in Botswana, the south pole's the north pole; the
    // radii take the world, the detailed land and a region.
    const LatLon centres[] = {{52.5, 13.4}, {19.6, -155.5}, {-89, 0}, {-33.9, 151.2}};
    std::mt19937 random(7);
    std::uniform_real_distribution<double> unit(-1, 1);
    for (const LatLon& centre : centres)
        for (double radiusKm : {MapWorldKm(), 2500.0, 400.0}) {
            const CMapView view = View(centre, radiusKm);
            const CLand& land = UsesDetailedLand(radiusKm) ? CLand::Detailed() : CLand::Coarse();
            int landSeen = 0, checked = 0;
            for (int i = 0; i < 300; ++i) {
                const MapPoint at{kFrame.centreX + unit(random) * kFrame.rimRadius * 0.95,
                                  kFrame.centreY + unit(random) * kFrame.rimRadius * 0.95};
                LatLon p;
                if (!view.FromFrame(at, p))
                    continue;
                ++checked;
                landSeen += land.IsLand(p);
                ASSERT_EQ(Filled(view.GetLand(), at), land.IsLand(p))
                    << "centre " << centre.Latitude << "," << centre.Longitude << " radius " << radiusKm << " at "
                    << p.Latitude << "," << p.Longitude;
            }
            EXPECT_GT(checked, 150);
            if (radiusKm == MapWorldKm()) {
                EXPECT_TRUE(landSeen > 10 && landSeen < checked - 10) << landSeen << " of " << checked;
            }
        }
}

TEST(MapView, GridNamesFitTheScaleAndNeverOverlap)
{
    const LatLon berlin{52.5208, 13.375};  // JO62QM
    struct Case {
        double radiusKm;
        int level;
        const char* nearest;
    } cases[] = {{MapWorldKm(), 2, "JO"}, {1000, 4, "JO62"}, {50, 6, "JO62QM"}};
    for (const Case& c : cases) {
        const CMapView view = View(berlin, c.radiusKm);
        EXPECT_EQ(view.GetGridLevel(), c.level);
        ASSERT_FALSE(view.GetGridLabels().empty());
        EXPECT_EQ(view.GetGridLabels().front().text, c.nearest);
        EXPECT_GT(view.GetGridLabels().size(), 4u);
        EXPECT_FALSE(view.GetGridLines().empty());
    }
    std::mt19937 random(11);
    std::uniform_real_distribution<double> lat(-89, 89), lon(-180, 180), logKm(std::log(50), std::log(MapWorldKm()));
    for (int i = 0; i < 40; ++i) {
        const CMapView view = View(LatLon{lat(random), lon(random)}, std::exp(logKm(random)));
        const std::vector<MapLabel>& labels = view.GetGridLabels();
        for (std::size_t a = 0; a < labels.size(); ++a) {
            EXPECT_EQ(labels[a].text.size(), static_cast<std::size_t>(view.GetGridLevel()));
            EXPECT_LT(Distance(labels[a].at, MapPoint{kFrame.centreX, kFrame.centreY}), kFrame.rimRadius);
            for (std::size_t b = 0; b < a; ++b) {
                const double width = (view.LabelWidth(labels[a].text) + view.LabelWidth(labels[b].text)) / 2;
                EXPECT_TRUE(std::fabs(labels[a].at.X - labels[b].at.X) >= width
                            || std::fabs(labels[a].at.Y - labels[b].at.Y) >= 13)
                    << labels[a].text << " over " << labels[b].text;
            }
        }
    }
}

TEST(MapView, PathsAndStationWhereTheProjectionPutsThem)
{
    const LatLon from{52.5208, 13.375}, to{55.7708, 37.625};
    for (double radiusKm : {MapWorldKm(), 2000.0}) {
        const CMapView view = View(from, radiusKm, to);
        const CGreatCircle circle(from, to);
        ASSERT_TRUE(view.GetOther());
        EXPECT_TRUE(view.GetOther()->inside);
        EXPECT_EQ(view.GetOther()->label.text, "OTHER");
        EXPECT_LT(Distance(view.GetOther()->label.at, view.ToFrame(to)), 1e-9);
        const LatLon halfway = CGreatCircle::Destination(from, circle.GetBearing(), circle.GetAngle() / 2);
        EXPECT_LT(DistanceToLines(view.GetPath(false), view.ToFrame(halfway)), 0.5);
        EXPECT_GT(DistanceToLines(view.GetPath(true), view.ToFrame(halfway)), 5);
        // The long path leaves the centre the other way.
        const LatLon behind = CGreatCircle::Destination(from, circle.GetLongBearing(), 0.1);
        EXPECT_LT(DistanceToLines(view.GetPath(true), view.ToFrame(behind)), 0.5);
        LatLon back;
        ASSERT_TRUE(view.FromFrame(view.ToFrame(to), back));
        EXPECT_NEAR(back.Latitude, to.Latitude, 1e-6);
        EXPECT_NEAR(back.Longitude, to.Longitude, 1e-6);
    }
    // Farther than the radius: on the edge in its direction.
    const CMapView near = View(from, 500, to);
    EXPECT_FALSE(near.GetOther()->inside);
    EXPECT_NEAR(Distance(near.GetOther()->label.at, MapPoint{kFrame.centreX, kFrame.centreY}), kFrame.rimRadius, 1e-9);
    // The same square twice: no path at all; the antipode: both halves to the rim.
    EXPECT_TRUE(View(from, MapWorldKm(), from).GetPath(false).empty());
    EXPECT_TRUE(View(from, MapWorldKm(), from).GetPath(true).empty());
    const CMapView antipodal = View(LatLon{10, 20}, MapWorldKm(), LatLon{-10, -160});
    EXPECT_FALSE(antipodal.GetPath(false).empty());
    EXPECT_FALSE(antipodal.GetPath(true).empty());
}

TEST(MapView, RandomPairsStayInsideTheCircleOrSaySo)
{
    std::mt19937 random(3);
    std::uniform_real_distribution<double> lat(-90, 90), lon(-180, 180), logKm(std::log(40), std::log(30000));
    const double rim = kFrame.rimRadius, margin = 2 * 13 + 1e-6;
    for (int i = 0; i < 1000; ++i) {
        const LatLon a{lat(random), lon(random)}, b{lat(random), lon(random)};
        const CMapView view = View(a, std::exp(logKm(random)), b);
        const MapPoint centre{kFrame.centreX, kFrame.centreY};
        const MapMarker& other = *view.GetOther();
        const double reach = Distance(other.label.at, centre);
        ASSERT_TRUE(std::isfinite(reach));
        if (other.inside)
            ASSERT_LE(reach, rim * (1 + 1e-9));
        else
            ASSERT_NEAR(reach, rim, 1e-6);
        for (const auto* lines : {&view.GetLand(), &view.GetGridLines(), &view.GetPath(false), &view.GetPath(true)})
            for (const MapLine& line : *lines)
                for (const MapPoint& p : line)
                    ASSERT_TRUE(std::isfinite(p.X) && std::isfinite(p.Y)
                                && std::fabs(p.X - centre.X) <= rim + margin && std::fabs(p.Y - centre.Y) <= rim + margin);
    }
}

TEST(MapView, ZoomRunsFromTheWorldTo50Km)
{
    EXPECT_NEAR(MapWorldKm(), 10800 * 1.852, 1e-6);  // half the circle of 21600 nautical miles
    double km = MapWorldKm();
    int steps = 0;
    for (; km > 50 && steps < 100; ++steps)
        km = ZoomedMapRadius(km, 1);
    EXPECT_EQ(km, 50);
    EXPECT_GT(steps, 5);
    EXPECT_EQ(ZoomedMapRadius(50, 1), 50);
    EXPECT_EQ(ZoomedMapRadius(MapWorldKm(), -1), MapWorldKm());
    EXPECT_NEAR(ZoomedMapRadius(ZoomedMapRadius(1000, 1), -1), 1000, 1e-9);
    EXPECT_EQ(FittingMapRadius(1610.1), 1610.1 * 1.25);
    EXPECT_EQ(FittingMapRadius(0), 50);
    EXPECT_EQ(FittingMapRadius(19000), MapWorldKm());
    EXPECT_EQ(ClampedMapRadius(std::nan("")), 50);
    EXPECT_TRUE(UsesDetailedLand(2999));
    EXPECT_FALSE(UsesDetailedLand(3001));
    for (double radius = 50; radius <= MapWorldKm(); radius *= 1.37) {
        const double step = RangeRingStep(radius);
        const double mantissa = step / std::pow(10, std::floor(std::log10(step) + 1e-9));
        EXPECT_TRUE(std::fabs(mantissa - 1) < 1e-9 || std::fabs(mantissa - 2) < 1e-9 || std::fabs(mantissa - 5) < 1e-9) << step;
        EXPECT_LE(radius / step, 5 + 1e-9);
        EXPECT_GE(radius / step, 2 - 1e-9);
        const CMapView view = View(LatLon{0, 0}, radius);
        EXPECT_GE(view.GetRangeRings().size(), 1u);
        EXPECT_LE(view.GetRangeRings().size(), 5u);
        EXPECT_NE(view.GetRangeRings().front().label.text.find(" km ("), std::string::npos);
    }
}

TEST(MapView, DashesFollowTheLineWithTheirGaps)
{
    // An L of 30 + 17 units in two strokes, then one of 9: the pattern runs on across the corner
    // and from one stroke into the next.
    const std::vector<MapLine> lines = {MapLine{{0, 0}, {30, 0}, {30, 17}}, MapLine{{100, 0}, {109, 0}}};
    const std::vector<MapLine> dashes = DashedLines(lines, 8, 5);
    double drawn = 0;
    for (const MapLine& dash : dashes) {
        double length = 0;
        for (std::size_t i = 1; i < dash.size(); ++i)
            length += Distance(dash[i - 1], dash[i]);
        EXPECT_LE(length, 8 + 1e-9);
        drawn += length;
    }
    // 56 units: dashes at 0-8, 13-21, 26-34 (round the corner), 39-47, then 52-56 on the next stroke.
    EXPECT_NEAR(drawn, 8 * 4 + 4, 1e-9);
    ASSERT_EQ(dashes.size(), 5u);
    EXPECT_EQ(dashes[2].size(), 3u);  // the corner is kept
    EXPECT_NEAR(dashes[4].front().X, 100 + 5, 1e-9);
    EXPECT_EQ(DashedLines(lines, 8, 0).size(), lines.size());  // no gap: the lines as they are
}

} // namespace
