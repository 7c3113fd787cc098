// The SVG picture of a scene: every stroke of the scene is drawn, texts are escaped, and the
// paths' figures stand below the map with degree signs.
#include "map/SvgRenderer.h"

#include "tests/map/SvgText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(SvgRenderer, DrawsEveryStrokeAndEscapesTheTexts)
{
    const CMapScene scene(Place{"JO62QM", {52.5, 13.4}}, Place{"\"A&B\"<", {-33.9, 151.2}}, CSvgRenderer::Frame());
    const std::string svg = CSvgRenderer::Draw(scene, "296.0 deg, 1.0 km", "116.0 deg, 2.0 km");
    for (const char* part : {"<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"800\" height=\"900\"",
                             "<title>JO62QM to &quot;A&amp;B&quot;&lt;: great-circle map centred on JO62QM</title>",
                             "<circle cx=\"400.0\" cy=\"440.0\" r=\"350\"", "short path: 296.0\xC2\xB0, 1.0 km",
                             "long path (dashed): 116.0\xC2\xB0, 2.0 km", "Natural Earth"})
        EXPECT_NE(svg.find(part), std::string::npos) << part;
    EXPECT_EQ(svg.find("\"A&B\""), std::string::npos);
    // A move for each stroke of the scene, a line to each of its other points; each field name
    // and rim label a text of its own.
    std::size_t strokes = 0, points = 0, names = 0;
    for (const auto* lines : {&scene.GetGraticule(), &scene.GetCoastlines(), &scene.GetPath(false), &scene.GetPath(true)})
        for (const MapLine& line : *lines) {
            ++strokes;
            points += line.size();
        }
    for (const std::vector<MapLabel>& column : scene.GetFieldNames())
        names += column.size();
    const std::string d = PathData(svg);
    EXPECT_EQ(Count(d, "M"), strokes + scene.GetRimTicks().size());
    EXPECT_EQ(Count(d, "L"), points - strokes + scene.GetRimTicks().size());
    EXPECT_EQ(Count(svg, "<text"), names + scene.GetRimLabels().size() + 2 + 2 + 3);
    EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
}

} // namespace
