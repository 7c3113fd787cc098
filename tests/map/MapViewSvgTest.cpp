// The window's map as SVG: every stroke and label of the view is in the document, in its place,
// the texts are UTF-8 and escaped, and the legend stands inside the picture below the circle.
#include "map/MapViewSvg.h"

#include "tests/map/SvgText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::size_t Points(const std::vector<MapLine>& lines)
{
    std::size_t n = 0;
    for (const MapLine& line : lines)
        n += line.size();
    return n;
}

const Place kBerlin{"JO62QM", {52.5, 13.4}};
const Place kSydney{"QF56OD", {-33.9, 151.2}};

TEST(MapViewSvg, DrawsTheViewAndItsLegendInsideThePicture)
{
    const CMapView view = CMapViewSvg::View(kBerlin, kSydney, 20000, 600, 700);
    const MapFrame& frame = view.GetFrame();
    // The circle and the legend's four lines share the picture without overlapping.
    EXPECT_DOUBLE_EQ(frame.centreX, 300);
    EXPECT_LE(frame.centreY + frame.rimRadius, 700 - 4 * 17);
    EXPECT_GT(frame.rimRadius, 250);

    const std::string svg = CMapViewSvg::Draw(view, 600, 700, MapSvgLegend{"JO62QM to QF56OD & back",
                                                                          "Short path: 67.4\260, 1 km", "Long path: 2"});
    EXPECT_EQ(svg.find("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" "
                       "width=\"600\" height=\"700\" viewBox=\"0 0 600 700\">"),
              0u);
    EXPECT_NE(svg.find("JO62QM to QF56OD &amp; back"), std::string::npos);
    EXPECT_NE(svg.find("Short path: 67.4\xC2\xB0, 1 km"), std::string::npos);
    EXPECT_NE(svg.find("Long path: 2 (dashed)"), std::string::npos);
    EXPECT_NE(svg.find("Radius 20000 km"), std::string::npos);
    EXPECT_EQ(Count(svg, "\260"), Count(svg, "\xC2\260"));  // no code page 1252 left

    // One move per stroke and a line to each further point: land, grid, both paths and ticks.
    const std::size_t strokes = view.GetLand().size() + view.GetGridLines().size() + view.GetPath(false).size()
                              + view.GetPath(true).size() + view.GetTicks().size();
    const std::size_t points = Points(view.GetLand()) + Points(view.GetGridLines()) + Points(view.GetPath(false))
                             + Points(view.GetPath(true)) + 2 * view.GetTicks().size();
    ASSERT_GT(view.GetLand().size(), 10u);
    ASSERT_FALSE(view.GetPath(true).empty());
    const std::string d = PathData(svg);
    EXPECT_EQ(Count(d, "M"), strokes);
    EXPECT_EQ(Count(d, "L"), points - strokes);
    // Each label a text of its own; range rings as circles.
    EXPECT_EQ(Count(svg, "<text"), view.GetTickLabels().size() + view.GetGridLabels().size()
                                       + view.GetRangeRings().size() + 2 + 4);
    EXPECT_EQ(Count(svg, "stroke-dasharray=\"1 2\""), view.GetRangeRings().size());
}

TEST(MapViewSvg, TellsAStationBeyondTheEdgeAndDrawsNoneWithoutOne)
{
    const CMapView near = CMapViewSvg::View(kBerlin, kSydney, 500, 400, 500);
    ASSERT_TRUE(near.GetOther());
    EXPECT_FALSE(near.GetOther()->inside);
    const std::string beyond = CMapViewSvg::Draw(near, 400, 500, MapSvgLegend{"a", "b", "c"});
    EXPECT_NE(beyond.find(">QF56OD (beyond the edge)</text>"), std::string::npos);
    EXPECT_NE(beyond.find("Radius 500 km<"), std::string::npos);

    const CMapView alone = CMapViewSvg::View(kBerlin, std::nullopt, 500, 400, 500);
    const std::string svg = CMapViewSvg::Draw(alone, 400, 500, MapSvgLegend{"a", "b", "c"});
    EXPECT_EQ(Count(svg, "<circle"), Count(beyond, "<circle") - 1);
    EXPECT_EQ(svg.find("QF56OD"), std::string::npos);
    EXPECT_EQ(svg.find("stroke=\"#1f5fbf\""), std::string::npos);  // neither path nor marker
}

} // namespace
