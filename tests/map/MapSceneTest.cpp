// The map's scene: known positions land where the projection puts them in any frame, every
// line and coast is there, cut only where neighbours jump apart, and the labels and ticks
// stand where a reader looks for them.
#include "map/Coastlines.h"
#include "map/MapScene.h"

#include "engine/GreatCircle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

Place At(const char* name, double latitude, double longitude)
{
    return Place{name, LatLon{latitude, longitude}};
}

double Distance(const MapPoint& a, const MapPoint& b) { return std::hypot(a.X - b.X, a.Y - b.Y); }

std::size_t Points(const std::vector<MapLine>& lines)
{
    std::size_t n = 0;
    for (const MapLine& line : lines)
        n += line.size();
    return n;
}

TEST(MapScene, KnownPointsLandWhereTheyBelongInAnyFrame)
{
    for (const MapFrame frame : {MapFrame{400, 440, 350}, MapFrame{-20, 75.5, 12}}) {
        const double r = frame.rimRadius;
        const CMapScene scene(At("0,0", 0, 0), At("0,90", 0, 90), frame);
        const MapPoint centre = scene.ToFrame({0, 0});
        EXPECT_EQ(centre.X, frame.centreX);
        EXPECT_EQ(centre.Y, frame.centreY);
        // A quarter round east is half way to the rim; north is up.
        EXPECT_NEAR(scene.ToFrame({0, 90}).X - centre.X, r / 2, 1e-9 * r);
        EXPECT_NEAR(scene.ToFrame({90, 0}).Y - centre.Y, -r / 2, 1e-9 * r);
        EXPECT_EQ(scene.GetOther().at.X, scene.ToFrame({0, 90}).X);
        // The antipode, from anywhere, is on the rim.
        const CMapScene berlin(At("JO62QM", 52.5, 13.4), At("FN20XR", 40.7, -74), frame);
        EXPECT_NEAR(Distance(berlin.ToFrame({-52.5, 13.4 - 180}), berlin.GetCentre().at), r, 1e-6 * r);
        EXPECT_EQ(berlin.GetCentre().text, "JO62QM");
    }
}

TEST(MapScene, EveryLineIsThereCutOnlyWhereItJumps)
{
    const MapFrame frame{400, 440, 350};
    for (const Place& centre : {At("JO62QM", 52.5, 13.4), At("90,0", 90, 0), At("-33.9,151.2", -33.9, 151.2)}) {
        const CMapScene scene(centre, At("FN20XR", 40.7, -74), frame);
        // Meridians every 20 degrees from pole to pole, parallels every 10 round the world, in
        // steps of two degrees; the coastlines point for point.
        EXPECT_EQ(Points(scene.GetGraticule()), 18u * 91 + 17u * 181);
        std::size_t coast = 0;
        for (std::size_t i = 0; i < kCoastlineLineCount; ++i)
            coast += kCoastlineLineSizes[i];
        EXPECT_EQ(Points(scene.GetCoastlines()), coast);
        EXPECT_GE(scene.GetCoastlines().size(), kCoastlineLineCount);
        // Inside a stroke no step is longer than 60 pixels of this frame; a new stroke starts
        // only after a longer one (or with a new line).
        for (const auto* lines : {&scene.GetGraticule(), &scene.GetCoastlines(), &scene.GetPath(false),
                                  &scene.GetPath(true)})
            for (const MapLine& line : *lines)
                for (std::size_t k = 1; k < line.size(); ++k)
                    ASSERT_LE(Distance(line[k], line[k - 1]), 60.0);
        // Both paths run from the centre to the other place.
        for (bool longPath : {false, true}) {
            const std::vector<MapLine>& path = scene.GetPath(longPath);
            EXPECT_NEAR(Distance(path.front().front(), scene.GetCentre().at), 0, 1e-9);
            EXPECT_NEAR(Distance(path.back().back(), scene.GetOther().at), 0, 1e-6);
        }
    }
    // Seen from Berlin, the long path to New York passes near the antipode, and is cut there.
    const CMapScene berlin(At("JO62QM", 52.5, 13.4), At("FN20XR", 40.7, -74), frame);
    EXPECT_EQ(berlin.GetPath(false).size(), 1u);
    EXPECT_GT(berlin.GetPath(true).size(), 1u);
}

TEST(MapScene, FieldNamesAndRimTicksWhereTheyCanBeRead)
{
    const MapFrame frame{400, 440, 350};
    const Place centre = At("JO62QM", 52.5, 13.4);
    const CMapScene scene(centre, At("PF95", -34, 151), frame);
    const std::vector<std::vector<MapLabel>>& columns = scene.GetFieldNames();
    ASSERT_EQ(columns.size(), 18u);
    std::size_t names = 0;
    for (std::size_t x = 0; x < columns.size(); ++x) {
        for (const MapLabel& name : columns[x]) {
            ++names;
            ASSERT_EQ(name.text.size(), 2u);
            EXPECT_EQ(name.text[0], 'A' + static_cast<int>(x));
            EXPECT_TRUE(name.text[1] > 'A' && name.text[1] < 'R') << name.text;  // not at the poles
            // At its field's centre, and not in the outer quarter of the map.
            const LatLon field{(name.text[1] - 'A') * 10.0 - 85, (name.text[0] - 'A') * 20.0 - 170};
            EXPECT_EQ(name.at.X, scene.ToFrame(field).X);
            EXPECT_LE(CGreatCircle(centre.point, field).GetAngle(), 0.75 * locatrix::kTruePi);
            EXPECT_LE(Distance(name.at, scene.GetCentre().at), 0.75 * frame.rimRadius + 1e-9);
        }
    }
    EXPECT_GT(names, 150u);  // most of the 288 lie inside

    const MapPoint middle{frame.centreX, frame.centreY};
    ASSERT_EQ(scene.GetRimTicks().size(), 36u);
    for (std::size_t b = 0; b < 36; ++b) {
        const MapTick& tick = scene.GetRimTicks()[b];
        EXPECT_NEAR(Distance(tick.outer, middle), 350, 1e-9);
        EXPECT_NEAR(Distance(tick.inner, middle), b % 3 == 0 ? 340 : 345, 1e-9);
    }
    EXPECT_NEAR(scene.GetRimTicks()[9].outer.X, 750, 1e-9);  // 90 degrees: east
    ASSERT_EQ(scene.GetRimLabels().size(), 12u);
    EXPECT_EQ(scene.GetRimLabels()[6].text, "180");
    EXPECT_NEAR(scene.GetRimLabels()[6].at.Y, 440 + 366, 1e-9);  // south: down
}

} // namespace
