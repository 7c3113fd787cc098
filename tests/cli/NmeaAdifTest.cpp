// What other programs write. NMEA: the three position sentences of any talker, their fix flags,
// coordinates to the last digit, and a stream as a receiver sends it. ADIF logs: the distance
// added where it can be, every other byte kept, malformed logs refused, files written whole or not.
#include "cli/AdifCommand.h"
#include "cli/NmeaCommand.h"
#include "formats/AdifDistanceFiller.h"
#include "formats/NmeaReader.h"
#include "tests/cli/StreamRun.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

TEST(NmeaReader, PositionSentences)
{
    struct Case {
        std::string sentence;
        NmeaOutcome outcome;
        double latitude = 0, longitude = 0;
    } const cases[] = {
        {"$GPGGA,1,4807.038,N,01131.000,E,1,08,0.9,545.4,M*23", NmeaOutcome::Fix, 48 + 7.038 / 60, 11 + 31.0 / 60},
        {"$GNRMC,1,A,3352.000,S,15112.000,W,0,0,230394,,,A*5E", NmeaOutcome::Fix, -33 - 52.0 / 60, -151 - 12.0 / 60},
        {"$GLGLL,5231.25,N,01322.5,E,225444,A,D*6A", NmeaOutcome::Fix, 52 + 31.25 / 60, 13 + 22.5 / 60},
        {"$GAGLL,0000,N,18000,W*61", NmeaOutcome::Fix, 0, -180},  // NMEA 1.5: no status
        {"$GPGGA,123519,4807.038,N,01131.000,E,0,08,0.9,545.4,M*1E", NmeaOutcome::NoFix},
        {"$GPRMC,123519,V,4807.038,N,01131.000,E,,,230394,,*0A", NmeaOutcome::NoFix},
        {"$GPGLL,4807.038,N,01131.000,E,225444,V,N*5C", NmeaOutcome::NoFix},
        {"$GPGGA,123519,4860.000,N,01131.000,E,1,08*7D", NmeaOutcome::Malformed},  // 60 minutes
        {"$GPGGA,123519,9100.000,N,01131.000,E,1,08*7F", NmeaOutcome::Malformed},
        {"$GPGGA,123519,4807.038,X,01131.000,E,1,08*61", NmeaOutcome::Malformed},
        {"$GPGGA,123519,4807.038,N,1131.000,E,1,08*47", NmeaOutcome::Malformed},  // 2-digit degrees
    };
    for (const Case& c : cases) {
        LatLon fix{-1, -1};
        std::string why;
        const NmeaOutcome outcome = CNmeaReader::ReadSentence(c.sentence, fix, why);
        EXPECT_EQ(static_cast<int>(outcome), static_cast<int>(c.outcome)) << c.sentence << ": " << why;
        if (c.outcome == NmeaOutcome::Fix) {
            EXPECT_DOUBLE_EQ(fix.Latitude, c.latitude) << c.sentence;
            EXPECT_DOUBLE_EQ(fix.Longitude, c.longitude) << c.sentence;
        }
    }
}

StreamRun RunNmea(const std::string& input, const cli::ToolboxOptions& options)
{
    return RunOnStreams(input, [&](std::FILE* in, std::FILE* out, std::FILE* err) {
        return cli::CNmeaCommand::Run(options, in, out, err);
    });
}

TEST(NmeaCommand, AStreamAsAReceiverSendsIt)
{
    const std::string berlin = "$GPGGA,1,5231.250,N,01322.500,E,1,08,0.9,5,M,4,M,,*46";
    const std::string moscow = "$GNRMC,1,A,5546.250,N,03737.500,E,0,0,230394,,,A*50";
    const std::string input = "\xFF\xFEjunk\r\n" + berlin + "\r\n" + berlin + "\n" + "noise" + berlin.substr(0, 20)
                            + moscow + "\r\n" + std::string("\0$GPGGA,\0*00\n", 13) + "$GPGSV,1*48" + "\n"
                            + moscow.substr(0, 30) + "\n$GPRMC,1,A,4807.038,N,0113x.000,E*4B\n"
                            + berlin;  // the last line without its end
    cli::ToolboxOptions o;
    StreamRun r = RunNmea(input, o);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "JO62QM\nJO62QM\nKO85TS\nJO62QM\n");
    EXPECT_EQ(r.err, "locatrix-cli: nmea: line 4: no checksum (*hh)\n"
                     "locatrix-cli: nmea: line 5: checksum *00, but the sentence sums to *7A\n"
                     "locatrix-cli: nmea: line 7: no checksum (*hh)\n"
                     "locatrix-cli: nmea: line 8: GPRMC field 5 (longitude) \"0113x.000,E\"\n"
                     "nmea: 9 lines: 4 fixes (4 printed), 0 without a fix, 3 bad checksums, 1 malformed, "
                     "1 other sentences, 1 other lines\n");
    o.changes = true;
    o.chars = 10;
    o.format = cli::OutputFormat::Csv;
    r = RunNmea(input, o);
    EXPECT_EQ(r.out, "line,locator,lat_deg,lon_deg\n2,JO62QM55AA,52.520833,13.375000\n"
                     "4,KO85TS55AA,55.770833,37.625000\n9,JO62QM55AA,52.520833,13.375000\n");
    o.values = {"/nonexistent/nmea.log"};
    r = RunNmea("", o);
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.err.find("locatrix-cli: nmea: cannot open \"/nonexistent/nmea.log\": "), 0u) << r.err;
}

TEST(AdifLog, FillsWhatItCanAndKeepsEveryOtherByte)
{
    const std::string header = "Exported by a logger\r\n<ADIF_VER:5>3.1.4 <PROGRAMID:6>Logger\r\n<EOH>\r\n";
    const std::string log = header +
        "<call:4>DL1X <GRIDSQUARE:6:S>KO85ts <my_gridsquare:6>JO62QM <MODE:2>CW <eor>\r\n"   // lower-case tags
        "\r\n"
        "<CALL:4>W1AW<GRIDSQUARE:4>FN31<EOR>\r\n"                                            // --from's QSO
        "<CALL:4>VK2X<GRIDSQUARE:4>QF56<DISTANCE:3>123<EOR>\r\n"                             // has one
        "<CALL:4>XX1X<GRIDSQUARE:4>ZZ99<EOR>\r\n"                                            // no locator
        "<CALL:4>NO1G<NAME:6>A <B>C<EOR>\r\n"                                                // data with "<"
        "<CALL:2>K1<GRIDSQUARE:8>FN31PR21<GRIDSQUARE_EXT:2>AB<MY_GRIDSQUARE:2>JO<EOR>\n";   // 10 characters
    CAdifDistanceFiller fill("JO62", false, 0, 1);
    std::string out, error;
    std::vector<std::string> warnings;
    ASSERT_TRUE(fill.Fill(log, out, warnings, error)) << error;
    // Between the squares' centres, on the nautical-mile sphere.
    EXPECT_EQ(out, header +
        "<call:4>DL1X <GRIDSQUARE:6:S>KO85ts <my_gridsquare:6>JO62QM <MODE:2>CW <DISTANCE:6>1610.1 <eor>\r\n\r\n"
        "<CALL:4>W1AW<GRIDSQUARE:4>FN31<DISTANCE:6>6235.7 <EOR>\r\n"
        "<CALL:4>VK2X<GRIDSQUARE:4>QF56<DISTANCE:3>123<EOR>\r\n"
        "<CALL:4>XX1X<GRIDSQUARE:4>ZZ99<EOR>\r\n"
        "<CALL:4>NO1G<NAME:6>A <B>C<EOR>\r\n"
        "<CALL:2>K1<GRIDSQUARE:8>FN31PR21<GRIDSQUARE_EXT:2>AB<MY_GRIDSQUARE:2>JO<DISTANCE:6>5910.0 <EOR>\n");
    EXPECT_EQ(warnings, std::vector<std::string>{"line 8: QSO 4: GRIDSQUARE \"ZZ99\": character 1 of a locator must be A to R"});
    const AdifCounts& c = fill.GetCounts();
    EXPECT_EQ(std::make_tuple(c.qsos, c.filled, c.kept, c.badGrid, c.noGrid, c.unterminated),
              std::make_tuple(6, 3, 1, 1, 1, false));

    // --overwrite replaces the old field where it stood; without --from a QSO lacks its own grid.
    CAdifDistanceFiller overwrite("", true, 6371, 0);
    ASSERT_TRUE(overwrite.Fill("<CALL:4>VK2X<GRIDSQUARE:4>QF56<distance:3>123<MY_GRIDSQUARE:4>JO62<EOR>"
                               "<CALL:2>K1<GRIDSQUARE:4>FN31<EOR><CALL:2>K2",
                               out, warnings, error));
    EXPECT_EQ(out, "<CALL:4>VK2X<GRIDSQUARE:4>QF56<DISTANCE:5>16079<MY_GRIDSQUARE:4>JO62<EOR>"
                   "<CALL:2>K1<GRIDSQUARE:4>FN31<EOR><CALL:2>K2");
    const AdifCounts& o = overwrite.GetCounts();
    EXPECT_EQ(std::make_tuple(o.overwritten, o.noOwnGrid, o.unterminated), std::make_tuple(1, 1, true));
}

TEST(AdifLog, MalformedLogsAreRefusedWithLineAndField)
{
    const char* const cases[][2] = {
        {"header without end\n<ADIF_VER:5>3.1.4\n", "line 3: the header has no <EOH>"},
        {"<CALL:x>DL1X<EOR>", "line 1: field CALL: its length is not a number of 1 to 9 digits"},
        {"<CALL:4>DL1X\n\n< EOR>", "line 3: a \"<\" that starts no field: \"< EOR>\""},
        {"<CALL:4>DL1X<EOH>", "line 1: <EOH> where a field or <EOR> belongs"},
        {"text\n<APP_X>\n<EOH>", "line 2: <APP_X> in the header"},
    };
    for (const auto& c : cases) {
        CAdifDistanceFiller log("", false, 0, 1);
        std::string out = "x", error;
        std::vector<std::string> warnings;
        EXPECT_FALSE(log.Fill(c[0], out, warnings, error)) << c[0];
        EXPECT_EQ(error, c[1]);
        EXPECT_EQ(out, "");
    }
}

TEST(AdifCommand, WritesTheWholeFileOrNothing)
{
    const std::string path = testing::TempDir() + "locatrix_adif_test.adi";
    std::ofstream(path, std::ios::binary) << "<CALL:4>DL1X<GRIDSQUARE:4>KO85<EOR>\n";
    cli::ToolboxOptions o;
    o.values = {path};
    o.output = path;   // in place
    o.from = "jo62qm";
    cli::CommandResult r = cli::CAdifCommand::Run(o);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadFile(path), "<CALL:4>DL1X<GRIDSQUARE:4>KO85<DISTANCE:6>1569.6 <EOR>\n");

    // A log that turns out malformed halfway leaves the output file as it was.
    std::ofstream(path, std::ios::binary) << "<CALL:4>DL1X<GRIDSQUARE:4>KO85<EOR>\n<CALL:9>X";
    const std::string before = ReadFile(path);
    r = cli::CAdifCommand::Run(o);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(ReadFile(path), before);
    EXPECT_NE(r.err.find("line 2: field CALL"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("nothing written"), std::string::npos) << r.err;
    EXPECT_FALSE(std::ifstream(path + ".locatrix-tmp").good());

    std::remove(path.c_str());
}

} // namespace
