// The toolbox's command lines and commands: the option table, each command's formats, refusals
// and exit statuses, NMEA as a receiver sends it, and files written whole or not at all (the
// text formats are cli.process's, which also has xmllint read a map).
#include "calc/MapLegend.h"
#include "cli/Options.h"
#include "cli/commands/Commands.h"
#include "map/MapZoom.h"
#include "tests/cli/StreamRun.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

cli::Options Read(const std::vector<std::string>& words, const char* command = "nmea", unsigned bit = ~0u)
{
    cli::Options o;
    std::string error;
    EXPECT_TRUE(cli::ReadOptions(words, command, bit, o, error)) << error;
    return o;
}

using Runner = cli::ExitStatus (*)(const cli::Options&, std::FILE*, std::FILE*, std::FILE*);

StreamRun Command(Runner command, const cli::Options& options)
{
    return RunOnStreams("", [&](std::FILE* in, std::FILE* out, std::FILE* err) { return command(options, in, out, err); });
}

TEST(Options, OneTableForEveryCommand)
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
        {{"-o="}, nullptr},  // a value, not an option
        // An option the command does not take, once every option has been read.
        {{"--from", "JO", "--chars", "8"}, "square does not take --from"},
        {{"--chars", "8", "--radius", "0"}, "--radius takes a radius in kilometres, more than 0"},
    };
    for (const auto& c : cases) {
        cli::Options o;
        std::string error;
        EXPECT_EQ(cli::ReadOptions(c.words, "square", cli::kSquare, o, error), c.error == nullptr) << c.words[0];
        EXPECT_EQ(error, c.error ? c.error : "");
    }
    // Values may look like negative numbers; options take both spellings.
    const cli::Options o = Read({"-33.9,151.2", "--radius=6371", "--chars", "12", "-o", "a.svg", "--changes"});
    EXPECT_EQ(std::tie(o.values[0], o.radiusKm, o.chars, o.output, o.changes),
              std::make_tuple(std::string("-33.9,151.2"), 6371.0, 12, std::string("a.svg"), true));
    // The command's word: past the options and their values.
    std::size_t at = 0;
    EXPECT_EQ(cli::CommandWord({"--format", "csv", "--overwrite", "-o", "x", "path", "JO"}, at), "path");
    EXPECT_EQ(at, 5u);
    EXPECT_EQ(cli::CommandWord({"--format=csv", "-o"}, at), "");
}

TEST(Square, EachFormatAndOneBadLocatorRefusingAll)
{
    EXPECT_EQ(Command(cli::RunSquare, Read({"--format", "json", "--precision", "0", "JO", "RR99"})).out,
              "{\"locator\":\"JO\",\"south_deg\":50,\"west_deg\":0,\"north_deg\":60,\"east_deg\":20,"
              "\"centre_lat_deg\":55,\"centre_lon_deg\":10,\"height_deg\":10,\"width_deg\":20}\n"
              "{\"locator\":\"RR99\",\"south_deg\":89,\"west_deg\":178,\"north_deg\":90,\"east_deg\":180,"
              "\"centre_lat_deg\":90,\"centre_lon_deg\":179,\"height_deg\":1,\"width_deg\":2}\n");
    const std::string csv = Command(cli::RunSquare, Read({"--format", "csv", "JO", "AA00"})).out;
    EXPECT_EQ(csv.find("locator,"), 0u);
    EXPECT_EQ(csv.find("locator,", 1), std::string::npos);  // one header row
    EXPECT_EQ(Command(cli::RunSquare, Read({"--format", "geojson", "JO", "JJ"})).out.find(
                  "{\"type\":\"FeatureCollection\""),
              0u);
    // One bad locator among good ones: nothing printed, the bad one named.
    const StreamRun bad = Command(cli::RunSquare, Read({"JO62", "JO6X"}));
    EXPECT_EQ(bad.status, cli::kExitRefused);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err, "locatrix-cli: square: \"JO6X\": character 4 of a locator must be 0 to 9\n");
    EXPECT_EQ(Command(cli::RunSquare, Read({})).status, cli::kExitUsage);
}

TEST(Path, EachFormatAndThePlacesRefused)
{
    // The long path is the rest of the circle, the other way; --radius scales every unit, and
    // many digits come out alike under every C runtime.
    EXPECT_EQ(Command(cli::RunPath, Read({"--radius", "6371", "--precision", "9", "0,0", "0,90"})).out,
              "0,0 to 0,90\nshort path: 90.000000000 deg, 10007.543398010 km, 6218.399172589 mi, 5403.641143634 nmi\n"
              "long path: 270.000000000 deg, 30022.630194031 km, 18655.197517766 mi, 16210.923430902 nmi\n");
    EXPECT_EQ(Command(cli::RunPath, Read({"--format", "json", "--precision", "0", "0,0", "0,90"})).out.find(
                  "{\"from\":\"0,0\",\"to\":\"0,90\""),
              0u);
    EXPECT_EQ(Command(cli::RunPath, Read({"--format", "csv", "0,0", "0,90"})).out.find("from,to,"), 0u);
    EXPECT_NE(Command(cli::RunPath, Read({"--format", "geojson", "JO62QM", "BL11"})).out.find("\"MultiLineString\""),
              std::string::npos);
    // On the ellipsoid the equator is its own radius a's circle; the ellipsoid has no radius
    // to set, and the CSV names it where a sphere gives its radius.
    EXPECT_EQ(Command(cli::RunPath, Read({"--earth", "wgs84", "--precision", "6", "0,0", "0,90"}, "path", cli::kPath))
                  .out.substr(12),
              "short path: 90.000000 deg, 10018.754171 km, 6225.365224 mi, 5409.694477 nmi\n"
              "long path: 270.000000 deg, 30056.262514 km, 18676.095673 mi, 16229.083431 nmi\n");
    cli::Options o;
    std::string error;
    EXPECT_FALSE(cli::ReadOptions({"--earth=wgs84", "--radius", "6371"}, "path", cli::kPath, o, error));
    EXPECT_EQ(error, "--earth wgs84 is the ellipsoid, whose size is fixed: --radius goes with --earth sphere only");
    EXPECT_TRUE(cli::ReadOptions({"--earth=sphere", "--radius", "6371"}, "adif", cli::kAdif, o, error)) << error;
    EXPECT_FALSE(cli::ReadOptions({"--earth", "wgs84"}, "map", cli::kMap, o, error));
    EXPECT_NE(Command(cli::RunPath, Read({"--earth", "wgs84", "--format", "csv", "0,0", "0,90"})).out.find(",earth,"),
              std::string::npos);
    const StreamRun bad = Command(cli::RunPath, Read({"JO62QM", "91,0"}));
    EXPECT_EQ(bad.status, cli::kExitRefused);
    EXPECT_EQ(bad.err, "locatrix-cli: path: second place \"91,0\": the latitude of LAT,LON must be a decimal "
                       "number from -90 to 90\n");
    const StreamRun one = Command(cli::RunPath, Read({"JO62QM"}));
    EXPECT_EQ(one.status, cli::kExitUsage);
    EXPECT_EQ(one.err, "locatrix-cli: path takes two places, each a locator or LAT,LON: path A B\n"
                       "Try 'locatrix-cli --help'.\n");
}

TEST(Map, NeedsAnOutputFileAndWritesItWhole)
{
    cli::Options o;
    o.values = {"JO62QM", "FN20XR"};
    EXPECT_EQ(Command(cli::RunMap, o).status, cli::kExitUsage);
    o.output = testing::TempDir() + "locatrix_map_test.svg";
    StreamRun r = Command(cli::RunMap, o);
    EXPECT_EQ(r.status, cli::kExitDone) << r.err;
    EXPECT_EQ(r.out, "");
    const std::string svg = ReadFile(o.output);
    EXPECT_EQ(svg.compare(0, 5, "<?xml"), 0);
    EXPECT_NE(svg.find("short path: 296."), std::string::npos);
    EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
    o.values = {"JO62QM", "FN20X"};
    EXPECT_EQ(Command(cli::RunMap, o).status, cli::kExitRefused);
    o.values = {"JO62QM", "FN20XR"};
    o.output = testing::TempDir() + "no/such/folder/map.svg";
    r = Command(cli::RunMap, o);
    EXPECT_EQ(r.status, cli::kExitFile);
    EXPECT_EQ(r.err.find("locatrix-cli: map: "), 0u) << r.err;
    std::remove((testing::TempDir() + "locatrix_map_test.svg").c_str());
}

// With --range or --size the command writes the window's map: the very document the window
// saves for that pair, size and radius; its options checked as the window bounds them.
TEST(Map, RangeAndSizeWriteTheWindowsPicture)
{
    const std::string file = testing::TempDir() + "locatrix_window_map.svg";
    CMapLegend pair;
    ASSERT_TRUE(pair.SetLocations("jo62qm", "KO85TS"));
    const struct {
        std::vector<std::string> words;
        double radiusKm;
        int width, height;
    } cases[] = {
        {{"--range", "500", "--size", "640x480"}, 500, 640, 480},
        {{"--size=300x900"}, FittingMapRadius(pair.GetKilometers()), 300, 900},
        {{"--range", "99999"}, 1e9, 800, 800},     // beyond the world is the world
    };
    for (const auto& c : cases) {
        std::vector<std::string> words = {"jo62qm", "KO85TS", "-o", file};
        words.insert(words.end(), c.words.begin(), c.words.end());
        const StreamRun r = Command(cli::RunMap, Read(words, "map", cli::kMap));
        ASSERT_EQ(r.status, cli::kExitDone) << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(ReadFile(file), pair.Svg(c.radiusKm, c.width, c.height)) << c.words[0];
    }
    EXPECT_NE(pair.Svg(500, 640, 480), pair.Svg(1000, 640, 480));

    cli::Options o;
    std::string error;
    for (const char* bad : {"--range=49.9", "--range=-100", "--range=abc", "--size=99x500", "--size=500x10001",
                            "--size=500", "--size=x500", "--size=500x-5", "--size=5e2x500"})
        EXPECT_FALSE(cli::ReadOptions({"A", "B", bad}, "map", cli::kMap, o, error)) << bad;
    EXPECT_FALSE(cli::ReadOptions({"A", "B", "--range=500"}, "path", cli::kPath, o, error));
    EXPECT_EQ(Command(cli::RunMap, Read({"52,13", "KO85TS", "-o", file, "--range=500"}, "map", cli::kMap)).status,
              cli::kExitRefused);
    const StreamRun sphere = Command(cli::RunMap, Read({"JO62QM", "KO85TS", "-o", file, "--size=500x500", "--radius=6371"},
                                                       "map", cli::kMap));
    EXPECT_EQ(sphere.status, cli::kExitUsage);
    EXPECT_NE(sphere.err.find("--radius"), std::string::npos) << sphere.err;
    std::remove(file.c_str());
}

StreamRun RunNmea(const std::string& input, const cli::Options& options)
{
    return RunOnStreams(input, [&](std::FILE* in, std::FILE* out, std::FILE* err) {
        return cli::RunNmea(options, in, out, err);
    });
}

// Each fix a line, in each format; each fault and the counts on standard error.
TEST(Nmea, FixesOnOutputFaultsAndCountsOnErrors)
{
    const std::string berlin = "$GPGGA,1,5231.250,N,01322.500,E,1,08,0.9,5,M,4,M,,*46";
    const std::string moscow = "$GNRMC,1,A,5546.250,N,03737.500,E,0,0,230394,,,A*50";
    const std::string input = berlin + "\r\njunk\n" + berlin + "\n$GPGGA,1*00\n" + moscow + "\n" + berlin;
    cli::Options o;
    StreamRun r = RunNmea(input, o);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "JO62QM\nJO62QM\nKO85TS\nJO62QM\n");
    EXPECT_EQ(r.err, "locatrix-cli: nmea: line 4: checksum *00, but the sentence sums to *4B\n"
                     "nmea: 6 lines: 4 fixes (4 printed), 0 without a fix, 1 bad checksums, 0 malformed, "
                     "0 other sentences, 1 other lines\n");
    o.changes = true;
    o.chars = 10;
    o.format = cli::OutputFormat::Csv;
    r = RunNmea(input, o);
    EXPECT_EQ(r.out, "line,locator,lat_deg,lon_deg\n1,JO62QM55AA,52.520833,13.375000\n"
                     "5,KO85TS55AA,55.770833,37.625000\n6,JO62QM55AA,52.520833,13.375000\n");
    EXPECT_NE(r.err.find(": 4 fixes (3 printed), "), std::string::npos) << r.err;
    o.format = cli::OutputFormat::Json;
    o.precision = 3;
    r = RunNmea(moscow, o);
    EXPECT_EQ(r.out, "{\"line\":1,\"locator\":\"KO85TS55AA\",\"lat_deg\":55.771,\"lon_deg\":37.625}\n");
    o.values = {"/nonexistent/nmea.log"};
    r = RunNmea("", o);
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.err.find("locatrix-cli: nmea: cannot open \"/nonexistent/nmea.log\": "), 0u) << r.err;
}

// The counts of what real receivers rarely send appear only when there is some; what was
// taken is said as such.
TEST(Nmea, TheSummaryNamesWhatWasSkipped)
{
    const std::string input = "$GPGGA,120001.00,1800.000,N,07000.000,W,8,08,0.9,5,M,4,M,,*4B\n"  // a simulator
                              "$$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*39\n"
                              "$GPGGA,120002.00,5231.250,N,01322.500,E,6,08,0.9,5,M,4,M,,*5F\n";  // dead reckoning
    cli::Options o;
    StreamRun r = RunNmea(input, o);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "nmea: 3 lines: 0 fixes (0 printed), 0 without a fix, 1 by dead reckoning (skipped; --estimated "
                     "takes them), 1 typed in or simulated (skipped), 0 bad checksums, 0 malformed, 1 other sentences, "
                     "0 other lines, 1 stray \"$\" (binary data, \"$$\", text without a checksum; --verbose shows each)\n");
    o.estimated = true;
    o.verbose = true;
    r = RunNmea(input, o);
    EXPECT_EQ(r.out, "JO62QM\n");
    EXPECT_EQ(r.err.substr(0, r.err.find("nmea: 3 lines")), "locatrix-cli: nmea: line 2: no sentence: \"$\"\n");
    EXPECT_NE(r.err.find(", 1 by dead reckoning (taken), "), std::string::npos) << r.err;

    // A file's name is never cut in a message.
    o.values = {"/nonexistent/" + std::string(60, 'n') + "/receiver.nmea"};
    r = RunNmea("", o);
    EXPECT_NE(r.err.find(o.values[0] + "\": "), std::string::npos) << r.err;
}

TEST(Adif, WritesTheWholeFileOrNothing)
{
    const std::string path = testing::TempDir() + "locatrix_adif_test.adi";
    std::ofstream(path, std::ios::binary) << "<CALL:4>DL1X<GRIDSQUARE:4>KO85<EOR>\n";
    cli::Options o;
    o.values = {path};
    o.output = path;   // in place
    o.from = "jo62qm";
    StreamRun r = Command(cli::RunAdif, o);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadFile(path), "<CALL:4>DL1X<GRIDSQUARE:4>KO85<DISTANCE:6>1569.6 <EOR>\n");

    // A log that turns out malformed halfway leaves the output file as it was.
    std::ofstream(path, std::ios::binary) << "<CALL:4>DL1X<GRIDSQUARE:4>KO85<EOR>\n<CALL:9>X";
    const std::string before = ReadFile(path);
    r = Command(cli::RunAdif, o);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(ReadFile(path), before);
    EXPECT_NE(r.err.find("line 2: field CALL"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("nothing written"), std::string::npos) << r.err;
    EXPECT_FALSE(std::ifstream(path + ".locatrix-tmp").good());

    // To standard output: the log; a grid that is no locator named, and the counts.
    std::ofstream(path, std::ios::binary) << "<GRIDSQUARE:4>KO85<EOR><GRIDSQUARE:4>KO8X<EOR>";
    o.output.clear();
    r = Command(cli::RunAdif, o);
    EXPECT_EQ(r.out, "<GRIDSQUARE:4>KO85<DISTANCE:6>1569.6 <EOR><GRIDSQUARE:4>KO8X<EOR>");
    EXPECT_EQ(r.err, "locatrix-cli: adif: line 1: QSO 2: GRIDSQUARE \"KO8X\": character 4 of a locator must be 0 to 9\n"
                     "adif: 2 QSOs: 1 filled, 0 overwritten, 0 kept (DISTANCE already there), 0 without GRIDSQUARE, "
                     "0 without MY_GRIDSQUARE or --from, 1 with a grid that is not a locator\n");
    // On the ellipsoid: the geodesic that path measures, not the sphere's 1569.6.
    o.wgs84 = true;
    const std::string text = Command(cli::RunPath, Read({"--earth", "wgs84", "JO62QM", "KO85"}, "path", cli::kPath)).out;
    const std::string::size_type km = text.find(" deg, ") + 6;
    const std::string distance = text.substr(km, text.find(" km") - km);
    EXPECT_NE(distance, "1569.6");
    EXPECT_EQ(Command(cli::RunAdif, o).out.substr(0, 37), "<GRIDSQUARE:4>KO85<DISTANCE:6>" + distance + " ");
    o.wgs84 = false;
    o.from = "JO6";
    EXPECT_EQ(Command(cli::RunAdif, o).err, "locatrix-cli: adif: --from \"JO6\": a locator has 2, 4, 6, 8, 10 or 12 characters, not 3\n");

    std::remove(path.c_str());
}

} // namespace
