// The map: known points land where the projection puts them, everything is drawn, and the
// file is written whole or not at all (engine.cli has xmllint read one).
#include "MapCommand.h"
#include "StreamRun.h"
#include "SvgMap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

cli::Place At(const char* name, double latitude, double longitude)
{
    return cli::Place{name, LatLon{latitude, longitude}};
}

TEST(SvgMap, KnownPointsLandWhereTheyBelong)
{
    const double r = cli::CSvgMap::kRimRadius;
    const cli::CSvgMap map(At("0,0", 0, 0), At("0,90", 0, 90), 0, 1);
    const MapPoint centre = map.ToPixels({0, 0});
    EXPECT_EQ(centre.X, cli::CSvgMap::kWidth / 2.0);
    // A quarter round east is half way to the rim; north is up.
    EXPECT_NEAR(map.ToPixels({0, 90}).X - centre.X, r / 2, 1e-9);
    EXPECT_NEAR(map.ToPixels({90, 0}).Y - centre.Y, -r / 2, 1e-9);
    // The antipode, from anywhere, is on the rim.
    const cli::CSvgMap berlin(At("JO62QM", 52.5, 13.4), At("FN20XR", 40.7, -74), 0, 1);
    const MapPoint home = berlin.ToPixels({52.5, 13.4});
    const MapPoint antipode = berlin.ToPixels({-52.5, 13.4 - 180});
    EXPECT_NEAR(std::hypot(antipode.X - home.X, antipode.Y - home.Y), r, 1e-6);
}

TEST(SvgMap, EverythingIsOnIt)
{
    const std::string svg = cli::CSvgMap(At("JO62QM", 52.5, 13.4), At("\"A&B\"<", -33.9, 151.2), 0, 1).Draw();
    for (const char* part : {"<svg xmlns=\"http://www.w3.org/2000/svg\"", "&quot;A&amp;B&quot;&lt;", "JO62QM",
                             "short path: ", "long path (dashed): ", "stroke=\"#3d6b45\"", "Natural Earth"})
        EXPECT_NE(svg.find(part), std::string::npos) << part;
}

TEST(MapCommand, NeedsAnOutputFileAndWritesItWhole)
{
    cli::ToolboxOptions o;
    o.values = {"JO62QM", "FN20XR"};
    EXPECT_EQ(cli::CMapCommand::Run(o).status, 2);
    o.output = testing::TempDir() + "locatrix_map_test.svg";
    cli::CommandResult r = cli::CMapCommand::Run(o);
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string svg = ReadFile(o.output);
    EXPECT_EQ(svg.compare(0, 5, "<?xml"), 0);
    EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
    o.values = {"JO62QM", "FN20X"};
    r = cli::CMapCommand::Run(o);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "map: second place \"FN20X\": a locator has 2, 4, 6, 8, 10 or 12 characters, not 5");
    o.values = {"JO62QM", "FN20XR"};
    o.output = testing::TempDir() + "no/such/folder/map.svg";
    EXPECT_EQ(cli::CMapCommand::Run(o).status, 3);
}

} // namespace
