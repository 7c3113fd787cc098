// ADIF logs as loggers write them: the distance added where it can be, every other byte
// kept, malformed logs refused with the line and field named, files written whole or not.
#include "AdifCommand.h"
#include "AdifLog.h"
#include "StreamRun.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <tuple>

namespace {

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
    cli::CAdifLog fill("JO62", false, 0, 1);
    std::string out, warnings, error;
    ASSERT_TRUE(fill.Fill(log, out, warnings, error)) << error;
    // Between the squares' centres, on the nautical-mile sphere.
    const std::string expected = header +
        "<call:4>DL1X <GRIDSQUARE:6:S>KO85ts <my_gridsquare:6>JO62QM <MODE:2>CW <DISTANCE:6>1610.1 <eor>\r\n\r\n"
        "<CALL:4>W1AW<GRIDSQUARE:4>FN31<DISTANCE:6>6235.7 <EOR>\r\n"
        "<CALL:4>VK2X<GRIDSQUARE:4>QF56<DISTANCE:3>123<EOR>\r\n"
        "<CALL:4>XX1X<GRIDSQUARE:4>ZZ99<EOR>\r\n"
        "<CALL:4>NO1G<NAME:6>A <B>C<EOR>\r\n"
        "<CALL:2>K1<GRIDSQUARE:8>FN31PR21<GRIDSQUARE_EXT:2>AB<MY_GRIDSQUARE:2>JO<DISTANCE:6>5910.0 <EOR>\n";
    EXPECT_EQ(out, expected);
    EXPECT_EQ(warnings, "locatrix-cli: adif: line 8: QSO 4: GRIDSQUARE \"ZZ99\": character 1 of a locator must be A to R\n");
    const cli::AdifCounts& c = fill.GetCounts();
    EXPECT_EQ(std::make_tuple(c.qsos, c.filled, c.kept, c.badGrid, c.noGrid, c.unterminated),
              std::make_tuple(6, 3, 1, 1, 1, false));

    // --overwrite replaces the old field where it stood; without --from a QSO lacks its own grid.
    cli::CAdifLog overwrite("", true, 6371, 0);
    ASSERT_TRUE(overwrite.Fill("<CALL:4>VK2X<GRIDSQUARE:4>QF56<distance:3>123<MY_GRIDSQUARE:4>JO62<EOR>"
                               "<CALL:2>K1<GRIDSQUARE:4>FN31<EOR><CALL:2>K2",
                               out, warnings, error));
    EXPECT_EQ(out, "<CALL:4>VK2X<GRIDSQUARE:4>QF56<DISTANCE:5>16079<MY_GRIDSQUARE:4>JO62<EOR>"
                   "<CALL:2>K1<GRIDSQUARE:4>FN31<EOR><CALL:2>K2");
    const cli::AdifCounts& o = overwrite.GetCounts();
    EXPECT_EQ(std::make_tuple(o.overwritten, o.noOwnGrid, o.unterminated), std::make_tuple(1, 1, true));
}

TEST(AdifLog, MalformedLogsAreRefusedWithLineAndField)
{
    const char* const cases[][2] = {
        {"header without end\n<ADIF_VER:5>3.1.4\n", "line 3: the header has no <EOH>"},
        {"<CALL:4>DL1X\n<GRIDSQUARE:10>JO62<EOR>", "line 2: field GRIDSQUARE: its length 10 runs past the end of the log"},
        {"<CALL:x>DL1X<EOR>", "line 1: field CALL: its length is not a number of 1 to 9 digits"},
        {"<CALL:4 >DL1X<EOR>", "line 1: field CALL: no \">\" after its length"},
        {"<CALL:4>DL1X\n\n< EOR>", "line 3: a \"<\" that starts no field: \"< EOR>\""},
        {"<CALL:4>DL1X<EOH>", "line 1: <EOH> where a field or <EOR> belongs"},
        {"text\n<APP_X>\n<EOH>", "line 2: <APP_X> in the header"},
    };
    for (const auto& c : cases) {
        cli::CAdifLog log("", false, 0, 1);
        std::string out = "x", warnings, error;
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
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(ReadFile(path), "<CALL:4>DL1X<GRIDSQUARE:4>KO85<DISTANCE:6>1569.6 <EOR>\n");
    EXPECT_NE(r.summary.find("adif: 1 QSOs: 1 filled"), std::string::npos) << r.summary;

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
