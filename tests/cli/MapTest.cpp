// The map: known points land where the projection puts them, the SVG is well-formed XML,
// and the file is written whole or not at all.
#include "MapCommand.h"
#include "SvgMap.h"

#include "Coastlines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const double kCentreX = cli::CSvgMap::kWidth / 2.0;

cli::Place At(const char* name, double latitude, double longitude)
{
    return cli::Place{name, LatLon{latitude, longitude}};
}

TEST(SvgMap, KnownPointsLandWhereTheyBelong)
{
    const cli::CSvgMap map(At("0,0", 0, 0), At("0,90", 0, 90), 0, 1);
    const MapPoint centre = map.ToPixels({0, 0});
    const double r = cli::CSvgMap::kRimRadius;
    struct Case {
        LatLon point;
        double dx, dy;  // from the centre, in pixels, y down
    } const cases[] = {
        {{0, 0}, 0, 0},
        {{0, 90}, r / 2, 0},     // east, a quarter round: half way to the rim
        {{0, -90}, -r / 2, 0},
        {{90, 0}, 0, -r / 2},    // north is up
        {{-90, 0}, 0, r / 2},
        {{0, 60}, r / 3, 0},
        {{-45, 0}, 0, r / 4},
    };
    for (const Case& c : cases) {
        const MapPoint p = map.ToPixels(c.point);
        EXPECT_NEAR(p.X - centre.X, c.dx, 1e-9) << c.point.Latitude << " " << c.point.Longitude;
        EXPECT_NEAR(p.Y - centre.Y, c.dy, 1e-9) << c.point.Latitude << " " << c.point.Longitude;
    }
    EXPECT_EQ(centre.X, kCentreX);
    // The antipode, from anywhere, is on the rim.
    const cli::CSvgMap berlin(At("JO62QM", 52.5, 13.4), At("FN20XR", 40.7, -74), 0, 1);
    const MapPoint home = berlin.ToPixels({52.5, 13.4});
    const MapPoint antipode = berlin.ToPixels({-52.5, 13.4 - 180});
    EXPECT_NEAR(std::hypot(antipode.X - home.X, antipode.Y - home.Y), r, 1e-6);
}

// Well-formed XML as far as this picture needs: tags nest and close, attribute values are
// quoted, "&" starts an entity, and there is one root element.
bool WellFormed(const std::string& xml, std::string& why)
{
    std::vector<std::string> open;
    int roots = 0;
    std::size_t i = xml.compare(0, 5, "<?xml") == 0 ? xml.find("?>") + 2 : 0;
    while (i < xml.size()) {
        if (xml[i] == '&') {
            const std::size_t semi = xml.find(';', i);
            const std::string entity = xml.substr(i, semi == std::string::npos ? 8 : semi - i + 1);
            if (entity != "&amp;" && entity != "&lt;" && entity != "&gt;" && entity != "&quot;") {
                why = "bad entity at " + std::to_string(i);
                return false;
            }
        }
        if (xml[i] != '<') {
            if (open.empty() && xml[i] != '\n') {
                why = "text outside the root at " + std::to_string(i);
                return false;
            }
            ++i;
            continue;
        }
        const std::size_t close = xml.find('>', i);
        if (close == std::string::npos) {
            why = "unclosed tag";
            return false;
        }
        std::string tag = xml.substr(i + 1, close - i - 1);
        i = close + 1;
        if (tag[0] == '/') {
            if (open.empty() || open.back() != tag.substr(1)) {
                why = "</" + tag.substr(1) + "> closes " + (open.empty() ? "nothing" : open.back());
                return false;
            }
            open.pop_back();
            continue;
        }
        const bool empty = tag.back() == '/';
        if (empty)
            tag.pop_back();
        const std::string name = tag.substr(0, tag.find(' '));
        // Attributes: name="value", with no "<" or bare quote inside.
        std::size_t quotes = 0;
        for (char c : tag)
            quotes += c == '"';
        if (quotes % 2 != 0 || tag.find('<') != std::string::npos) {
            why = "attributes of <" + name + "> not quoted";
            return false;
        }
        if (open.empty())
            ++roots;
        if (!empty)
            open.push_back(name);
    }
    if (!open.empty() || roots != 1) {
        why = open.empty() ? "not one root" : "<" + open.back() + "> not closed";
        return false;
    }
    return true;
}

TEST(SvgMap, WellFormedWithEverythingOnIt)
{
    const std::string svg = cli::CSvgMap(At("JO62QM", 52.5, 13.4), At("\"A&B\"<", -33.9, 151.2), 0, 1).Draw();
    std::string why;
    EXPECT_TRUE(WellFormed(svg, why)) << why;
    for (const char* part : {"<svg xmlns=\"http://www.w3.org/2000/svg\"", "&quot;A&amp;B&quot;&lt;", "JO62QM",
                             "short path: ", "long path (dashed): ", "Natural Earth"})
        EXPECT_NE(svg.find(part), std::string::npos) << part;
    // Every coastline point is drawn: one path command per point.
    std::size_t points = 0;
    for (std::size_t i = 0; i < cli::kCoastlineLineCount; ++i)
        points += cli::kCoastlineLineSizes[i];
    EXPECT_GT(points, 4000u);
    const std::size_t begin = svg.find("stroke=\"#3d6b45\"");
    const std::size_t start = svg.rfind("<path d=\"", begin);
    std::size_t commands = 0;
    for (std::size_t i = start; i < begin; ++i)
        commands += svg[i] == 'M' || svg[i] == 'L';
    EXPECT_EQ(commands, points);
    // A checker that passes anything would pass this too.
    EXPECT_FALSE(WellFormed("<svg><g></svg>", why));
    EXPECT_FALSE(WellFormed("<svg a=\"1></svg>", why));
    EXPECT_FALSE(WellFormed("<svg>&</svg>", why));
}

TEST(MapCommand, NeedsAnOutputFileAndWritesItWhole)
{
    cli::ToolboxOptions o;
    o.values = {"JO62QM", "FN20XR"};
    EXPECT_EQ(cli::CMapCommand::Run(o).status, 2);
    o.output = testing::TempDir() + "locatrix_map_test.svg";
    cli::CommandResult r = cli::CMapCommand::Run(o);
    EXPECT_EQ(r.status, 0) << r.err;
    std::ifstream in(o.output, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    EXPECT_EQ(s.str().compare(0, 5, "<?xml"), 0);
    EXPECT_EQ(s.str().substr(s.str().size() - 7), "</svg>\n");
    o.values = {"JO62QM", "FN20X"};
    r = cli::CMapCommand::Run(o);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "map: second place \"FN20X\": a locator has 2, 4, 6, 8, 10 or 12 characters, not 5");
    o.values = {"JO62QM", "FN20XR"};
    o.output = testing::TempDir() + "no/such/folder/map.svg";
    EXPECT_EQ(cli::CMapCommand::Run(o).status, 3);
}

} // namespace
