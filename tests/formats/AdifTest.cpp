// ADIF logs: the reader's records and fields at their byte offsets, the distance added where
// it can be with every other byte kept, and malformed logs refused with the line and the field.
#include "formats/AdifDistanceFiller.h"
#include "formats/AdifReader.h"

#include "base/NumberText.h"
#include "engine/GreatCircle.h"
#include "engine/Place.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

std::string Data(const std::string& log, const AdifField& f) { return log.substr(f.dataBegin, f.end - f.dataBegin); }

TEST(AdifReader, RecordsAndFieldsAtTheirOffsets)
{
    const std::string log = "header\r\n<PROGRAMID:1>x\r\n<EOH>\r\n<call:4:s>DL1X <NAME:5>A <B>\n<eor>\r\n"
                            "<EOR>\n<CALL:2>K1";
    CAdifReader reader(log);
    std::string error;
    ASSERT_TRUE(reader.ReadHeader(error)) << error;
    EXPECT_EQ(log.substr(0, reader.GetHeaderEnd()), "header\r\n<PROGRAMID:1>x\r\n<EOH>");
    AdifRecord record;
    ASSERT_TRUE(reader.NextRecord(record, error)) << error;
    ASSERT_EQ(record.fields.size(), 2u);
    // Names in upper case; data by its length, a "<" in it included; the type indicator passed over.
    EXPECT_EQ(std::make_tuple(record.fields[0].name, Data(log, record.fields[0]), record.fields[1].name,
                              Data(log, record.fields[1])),
              std::make_tuple(std::string("CALL"), std::string("DL1X"), std::string("NAME"), std::string("A <B>")));
    EXPECT_EQ(log.substr(record.begin, record.fields[0].begin - record.begin), "\r\n");
    EXPECT_EQ(log.substr(record.end, record.eorEnd - record.end), "<eor>");
    EXPECT_EQ(reader.LineAt(record.end), 5);
    // A record without fields, then the end: what follows the last <EOR>, fields and all.
    ASSERT_TRUE(reader.NextRecord(record, error));
    EXPECT_TRUE(record.fields.empty());
    EXPECT_FALSE(reader.NextRecord(record, error));
    EXPECT_EQ(error, "");
    EXPECT_EQ(log.substr(record.begin), "\n<CALL:2>K1");
    ASSERT_EQ(record.fields.size(), 1u);
    EXPECT_EQ(reader.LineAt(0), 1);  // counted afresh when asked about an earlier place

    // A log that starts with "<" has no header.
    CAdifReader bare("<CALL:2>K1<EOR>");
    ASSERT_TRUE(bare.ReadHeader(error));
    EXPECT_EQ(bare.GetHeaderEnd(), 0u);
}

TEST(AdifDistanceFiller, FillsWhatItCanAndKeepsEveryOtherByte)
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
    CAdifDistanceFiller fill("JO62", false, CEarth(), 1);
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
    CAdifDistanceFiller overwrite("", true, CEarth(6371), 0);
    ASSERT_TRUE(overwrite.Fill("<CALL:4>VK2X<GRIDSQUARE:4>QF56<distance:3>123<MY_GRIDSQUARE:4>JO62<EOR>"
                               "<CALL:2>K1<GRIDSQUARE:4>FN31<EOR><CALL:2>K2",
                               out, warnings, error));
    EXPECT_EQ(out, "<CALL:4>VK2X<GRIDSQUARE:4>QF56<DISTANCE:5>16079<MY_GRIDSQUARE:4>JO62<EOR>"
                   "<CALL:2>K1<GRIDSQUARE:4>FN31<EOR><CALL:2>K2");
    const AdifCounts& o = overwrite.GetCounts();
    EXPECT_EQ(std::make_tuple(o.overwritten, o.noOwnGrid, o.unterminated), std::make_tuple(1, 1, true));
}

TEST(AdifDistanceFiller, MalformedLogsAreRefusedWithLineFieldAndWhatToChange)
{
    const char* const cases[][3] = {
        {"header without end\n<ADIF_VER:5>3.1.4\n", "line 3: the header has no <EOH>", "end it with <EOH>"},
        {"<CALL:x>DL1X<EOR>", "line 1: field CALL: its length is not a number", "right after the \":\""},
        {"<CALL:4>DL1X\n<COMMENT: 4>Tony<EOR>", "line 2: field COMMENT: its length is not a number", "without blanks"},
        {"<CALL:4>DL1X\n\n< EOR>", "line 3: a \"<\" that starts no field: \"< EOR>\"", "complete the tag"},
        {"<CALL:4>DL1X<EOR>\n<EOH>", "line 2: <EOH> where a field or <EOR> belongs", "remove it"},
        {"<CALL:2>K1<EOR><EOF>\n<CALL:2>K2<EOR>", "line 1: <EOF> where a field or <EOR> belongs", "may follow the last"},
        {"text\n<APP_X>\n<EOH>", "line 2: <APP_X> in the header", "only fields and <EOH>"},
        {"<CALL:4:>DL1X<EOR>", "line 1: field CALL: no data type", "write one"},
        {"<CALL:4 DL1X<EOR>", "line 1: field CALL: no \">\"", "close the tag"},
        {"<CALL:20>DL1X<EOR>", "line 1: field CALL: its length 20 runs past the end", "number of bytes"},
    };
    for (const auto& c : cases) {
        CAdifDistanceFiller log("", false, CEarth(), 1);
        std::string out = "x", error;
        std::vector<std::string> warnings;
        EXPECT_FALSE(log.Fill(c[0], out, warnings, error)) << c[0];
        EXPECT_EQ(error.rfind(c[1], 0), 0u) << error;
        EXPECT_NE(error.find(c[2]), std::string::npos) << error;
        EXPECT_EQ(out, "");
    }
}

// The distance the filler should write between a locator and a point, on the nautical-mile sphere.
std::string DistanceField(const char* from, LatLon to)
{
    Place place;
    std::string why;
    EXPECT_TRUE(ReadLocatorPlace(from, place, why)) << why;
    const std::string value = FormatShown(CGreatCircle(place.point, to).GetAngle() * locatrix::kNauticalMileSphereKm, 1);
    return "<DISTANCE:" + std::to_string(value.size()) + ">" + value;
}

// An empty or zero DISTANCE is none, unless both ends lie in one square; a QSO on a grid line
// or corner is measured from the middle of its squares, wherever the log lists them.
TEST(AdifDistanceFiller, PlaceholdersAndGridsInOtherForms)
{
    const std::string own = "<MY_GRIDSQUARE:6>JO62QM";
    const LatLon fn31{41.5, -73};   // the centre of FN31
    const LatLon line{39.5, -76};   // FM19 and FM29 meet here
    const LatLon corner{40, -80};   // EM99, EN90, FM09 and FN00 meet here
    const std::string fn31Field = DistanceField("JO62QM", fn31);
    const struct {
        std::string record, filled;
        long placeholders, otherForms, kept;
    } cases[] = {
        {"<GRIDSQUARE:4>FN31<DISTANCE:3>0.0" + own, "<GRIDSQUARE:4>FN31" + fn31Field + own, 1, 0, 0},
        {"<GRIDSQUARE:4>FN31<distance:0>" + own, "<GRIDSQUARE:4>FN31" + fn31Field + own, 1, 0, 0},
        {"<GRIDSQUARE:4>FN31<DISTANCE:4:N>0.00" + own, "<GRIDSQUARE:4>FN31" + fn31Field + own, 1, 0, 0},
        {"<GRIDSQUARE:4>FN31<DISTANCE:2>12" + own, "<GRIDSQUARE:4>FN31<DISTANCE:2>12" + own, 0, 0, 1},
        {"<GRIDSQUARE:6>jo62qm<DISTANCE:1>0" + own, "<GRIDSQUARE:6>jo62qm<DISTANCE:1>0" + own, 0, 0, 1},
        {"<VUCC_GRIDS:9>FM19,FM29" + own, "<VUCC_GRIDS:9>FM19,FM29" + own + DistanceField("JO62QM", line) + " ", 0, 1, 0},
        {"<GRIDSQUARE:0><VUCC_GRIDS:19>EM99,EN90,FM09,FN00" + own,
         "<GRIDSQUARE:0><VUCC_GRIDS:19>EM99,EN90,FM09,FN00" + own + DistanceField("JO62QM", corner) + " ", 0, 1, 0},
        {"<GRIDSQUARE:9>FM19,FM29" + own, "<GRIDSQUARE:9>FM19,FM29" + own + DistanceField("JO62QM", line) + " ", 0, 1, 0},
        {"<GRIDSQUARE:5>FN31 " + own, "<GRIDSQUARE:5>FN31 " + own + fn31Field + " ", 0, 1, 0},
        {"<GRIDSQUARE:4>JO62<MY_VUCC_GRIDS:9>FM19,FM29",
         "<GRIDSQUARE:4>JO62<MY_VUCC_GRIDS:9>FM19,FM29" + DistanceField("JO62", line) + " ", 0, 1, 0},
    };
    for (const auto& c : cases) {
        CAdifDistanceFiller fill("", false, CEarth(), 1);
        std::string out, error;
        std::vector<std::string> warnings;
        ASSERT_TRUE(fill.Fill(c.record + "<EOR>", out, warnings, error)) << error;
        EXPECT_EQ(out, c.filled + "<EOR>");
        const AdifCounts& n = fill.GetCounts();
        EXPECT_EQ(std::make_tuple(n.placeholders, n.otherForms, n.kept, n.filled),
                  std::make_tuple(c.placeholders, c.otherForms, c.kept, c.kept ? 0L : 1L))
            << c.record;
        EXPECT_EQ(warnings, std::vector<std::string>()) << c.record;
    }

    // A list whose squares do not meet is no grid; --overwrite counts a placeholder as overwritten.
    CAdifDistanceFiller fill("JO62QM", true, CEarth(), 1);
    std::string out, error;
    std::vector<std::string> warnings;
    ASSERT_TRUE(fill.Fill("<VUCC_GRIDS:9>FM19,FM39<EOR>\n<GRIDSQUARE:4>FN31<DISTANCE:0><EOR>", out, warnings, error));
    EXPECT_EQ(warnings, std::vector<std::string>{"line 1: QSO 1: GRIDSQUARE \"FM19,FM39\": the squares of a list must "
                                                 "meet on a grid line or at a corner"});
    const AdifCounts& n = fill.GetCounts();
    EXPECT_EQ(std::make_tuple(n.badGrid, n.overwritten, n.placeholders), std::make_tuple(1L, 1L, 0L));
}

// What real loggers write: a header of fields alone, a closing tag, lengths in UTF-8 characters.
TEST(AdifReader, ReadsLogsAsLoggersWriteThem)
{
    const std::string record = "<CALL:4>DL1X <GRIDSQUARE:4>JO62 <MY_GRIDSQUARE:4>JO62 <EOR>";
    const std::string filled = "<CALL:4>DL1X <GRIDSQUARE:4>JO62 <MY_GRIDSQUARE:4>JO62 <DISTANCE:3>0.0 <EOR>";
    const std::string fieldHeader = "<ADIF_VER:5>3.1.4 <PROGRAMID:5>HAMRS <EOH>\n";
    const struct {
        std::string log, out, closing;
        bool unterminated;
    } logs[] = {
        {fieldHeader + record + "\n", fieldHeader + filled + "\n", "", false},
        {"\xEF\xBB\xBF" + fieldHeader + record, "\xEF\xBB\xBF" + fieldHeader + filled, "", false},  // a BOM is header text
        {record + "\r\n\r\n<APP_LoTW_EOF>\r\n", filled + "\r\n\r\n<APP_LoTW_EOF>\r\n", "APP_LOTW_EOF", false},
        {record + "\n<EOF>\n<CALL:2>K1", filled + "\n<EOF>\n<CALL:2>K1", "EOF", true},
    };
    for (const auto& l : logs) {
        CAdifDistanceFiller fill("", false, CEarth(), 1);
        std::string out, error;
        std::vector<std::string> warnings;
        ASSERT_TRUE(fill.Fill(l.log, out, warnings, error)) << l.log << ": " << error;
        EXPECT_EQ(out, l.out);
        EXPECT_EQ(std::make_tuple(fill.GetCounts().qsos, fill.GetCounts().closing, fill.GetCounts().unterminated),
                  std::make_tuple(1L, l.closing, l.unterminated))
            << l.log;
    }

    // Lengths: bytes where they fit; characters where the bytes end inside a character or leave
    // text before the next tag; once a log has counted characters, characters where both fit,
    // but never a line end taken into the data.
    const struct {
        std::string log;
        std::vector<std::string> data;
        long characterCounted;
    } lengths[] = {
        {"<NAME:12>Ju\xC3\xA1n Mu\xC3\xB1oz <CALL:2>K1<EOR>", {"Ju\xC3\xA1n Mu\xC3\xB1oz", "K1"}, 0},
        {"<NAME:10>Ju\xC3\xA1n Mu\xC3\xB1oz <CALL:2>K1<EOR>", {"Ju\xC3\xA1n Mu\xC3\xB1oz", "K1"}, 1},
        {"<QTH:2>A\xC3\x9F<CALL:2>K1<EOR>", {"A\xC3\x9F", "K1"}, 1},            // bytes end inside the sharp s
        {"<QTH:2>A\xC3\x9Fx <CALL:2>K1<EOR>", {"A\xC3\x9F", "K1"}, 1},          // and neither reading fits
        {"<NAME:10>El Ca\xC3\xB1\xC3\xB3n\n< <CALL:2>K1<EOR>", {"El Ca\xC3\xB1\xC3\xB3n\n<", "K1"}, 1},
        {"<NAME:2>\xC3\x9Fx <QTH:6>\xC3\xB1\xC3\xB1\xC3\xB1<B> <CALL:2>K1<EOR>",
         {"\xC3\x9Fx", "\xC3\xB1\xC3\xB1\xC3\xB1<B>", "K1"}, 2},
        {"<NAME:2>\xC3\x9Fx <QTH:7>Coru\xC3\xB1" "a\n<CALL:2>K1<EOR>", {"\xC3\x9Fx", "Coru\xC3\xB1" "a", "K1"}, 1},
        {"<NAME:3>\xE9t\xE9 <CALL:2>K1<EOR>", {"\xE9t\xE9", "K1"}, 0},       // Latin-1: bytes only
    };
    for (const auto& l : lengths) {
        CAdifReader reader(l.log);
        std::string error;
        AdifRecord r;
        ASSERT_TRUE(reader.ReadHeader(error) && reader.NextRecord(r, error)) << l.log << ": " << error;
        std::vector<std::string> data;
        long counted = 0;
        for (const AdifField& f : r.fields) {
            data.push_back(Data(l.log, f));
            counted += f.countedInCharacters ? 1 : 0;
        }
        EXPECT_EQ(data, l.data) << l.log;
        EXPECT_EQ(counted, l.characterCounted) << l.log;
    }
}

} // namespace
