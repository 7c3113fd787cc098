// square, path and map as commands: options, places, the formats, and the map: known points
// land where the projection puts them, everything is drawn, the file is written whole or not
// at all (engine.cli has xmllint read one).
#include "cli/MapCommand.h"
#include "cli/PathCommand.h"
#include "cli/SquareCommand.h"
#include "cli/ToolboxOptions.h"
#include "formats/RecordWriter.h"
#include "tests/cli/StreamRun.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

namespace {

cli::ToolboxOptions Options(const std::vector<std::string>& words)
{
    cli::ToolboxOptions o;
    std::string error;
    EXPECT_TRUE(cli::ReadToolboxOptions(words, o, error)) << error;
    return o;
}

cli::CommandResult Square(const std::vector<std::string>& words) { return cli::CSquareCommand::Run(Options(words)); }
cli::CommandResult Path(const std::vector<std::string>& words) { return cli::CPathCommand::Run(Options(words)); }

TEST(ToolboxOptions, RefusedWithTheOptionNamed)
{
    const struct {
        std::vector<std::string> words;
        const char* error;
    } cases[] = {
        {{"--format", "xml"}, "--format takes text, csv, json or geojson"},
        {{"--precision", "13"}, "--precision takes a whole number from 0 to 12"},
        {{"--radius", "1e3"}, "--radius takes a radius in kilometres, more than 0"},
        {{"--chars", "7"}, "--chars takes 2, 4, 6, 8, 10 or 12"},
        {{"--colour", "red"}, "unknown option: --colour"},
        {{"--overwrite=yes"}, "--overwrite takes no value"},
        {{"--radius"}, "--radius needs a value"},
    };
    for (const auto& c : cases) {
        cli::ToolboxOptions o;
        std::string error;
        EXPECT_FALSE(cli::ReadToolboxOptions(c.words, o, error)) << c.words[0];
        EXPECT_EQ(error, c.error);
    }
    // Values may look like negative numbers; options take both spellings.
    const cli::ToolboxOptions o =
        Options({"-33.9,151.2", "--radius=6371", "--chars", "12", "-o", "a.svg", "--changes"});
    EXPECT_EQ(std::tie(o.values[0], o.radiusKm, o.chars, o.output, o.changes),
              std::make_tuple(std::string("-33.9,151.2"), 6371.0, 12, std::string("a.svg"), true));
}

TEST(SquareCommand, FormatsAndRefusals)
{
    // The text format is engine.cli's.
    EXPECT_EQ(Square({"--format", "csv", "--precision", "1", "JO", "AA00"}).out,
              "locator,south_deg,west_deg,north_deg,east_deg,centre_lat_deg,centre_lon_deg,height_deg,width_deg\n"
              "JO,50.0,0.0,60.0,20.0,55.0,10.0,10.0,20.0\n"
              "AA00,-90.0,-180.0,-89.0,-178.0,-89.5,-179.0,1.0,2.0\n");
    EXPECT_NE(Square({"--format", "geojson", "JJ00"}).out.find(
                  "{\"type\":\"Polygon\",\"coordinates\":[[[0.000000,0.000000],[2.000000,0.000000],"
                  "[2.000000,1.000000],[0.000000,1.000000],[0.000000,0.000000]]]}"),
              std::string::npos);
    // One bad locator among good ones: nothing printed, the bad one named.
    const cli::CommandResult bad = Square({"JO62", "JO6X"});
    EXPECT_EQ(bad.status, cli::kExitRefused);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err, "square: \"JO6X\": character 4 of a locator must be 0 to 9");
}

TEST(PathCommand, FormatsAndRefusals)
{
    // The long path is the rest of the circle, the other way; --radius scales every unit, and
    // many digits come out alike under every C runtime.
    EXPECT_EQ(Path({"--radius", "6371", "--precision", "9", "0,0", "0,90"}).out,
              "0,0 to 0,90\nshort path: 90.000000000 deg, 10007.543398010 km, 6218.399172589 mi, 5403.641143634 nmi\n"
              "long path: 270.000000000 deg, 30022.630194031 km, 18655.197517766 mi, 16210.923430902 nmi\n");
    // Locators stand for their centres: JJ00 is 0.5 N 1 E, one degree north of 0.5 S 1 E.
    EXPECT_EQ(Path({"--format", "csv", "--precision", "2", "jj00", "-0.5,1"}).out,
              "from,to,from_lat_deg,from_lon_deg,to_lat_deg,to_lon_deg,radius_km,short_bearing_deg,short_km,"
              "short_mi,short_nmi,long_bearing_deg,long_km,long_mi,long_nmi\n"
              "JJ00,\"-0.5,1\",0.500000,1.000000,-0.500000,1.000000,6366.707,180.00,111.12,69.05,60.00,"
              "0.00,39892.08,24787.79,21540.00\n");
    const cli::CommandResult bad = Path({"JO62QM", "91,0"});
    EXPECT_EQ(bad.status, cli::kExitRefused);
    EXPECT_EQ(bad.err, "path: second place \"91,0\": the latitude of LAT,LON must be a decimal number from -90 to 90");
    EXPECT_EQ(Path({"JO62QM", "0,180.5"}).err,
              "path: second place \"0,180.5\": the longitude of LAT,LON must be a decimal number from -180 to 180");
    // A path across the antimeridian is cut there, not drawn round the world.
    EXPECT_NE(Path({"--format", "geojson", "JO62QM", "BL11"}).out.find("\"type\":\"MultiLineString\""),
              std::string::npos);
}

TEST(RecordWriter, Escapes)
{
    EXPECT_EQ(CRecordWriter::JsonString("a\"b\\c\x01\x7f\xe9"), "\"a\\\"b\\\\c\\u0001\\u007f\\u00e9\"");
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
    EXPECT_EQ(cli::CMapCommand::Run(o).status, 1);
    o.values = {"JO62QM", "FN20XR"};
    o.output = testing::TempDir() + "no/such/folder/map.svg";
    EXPECT_EQ(cli::CMapCommand::Run(o).status, 3);
}

} // namespace
