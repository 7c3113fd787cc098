// The window's four forms in CSV and JSON: fields named with their units from the text
// result lines, alone and in --batch, errors and statuses as in the text format.
#include "FormattedRequests.h"
#include "Requests.h"

#include "StreamRun.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

StreamRun Formatted(const std::vector<std::string>& words, const std::string& input = "")
{
    return RunOnStreams(input, [&](std::FILE* in, std::FILE* out, std::FILE* err) {
        return cli::CFormattedRequests::Run(words, in, out, err);
    });
}

TEST(FormattedRequests, EachFormsFieldsByName)
{
    // The text result line of each form, and the same values under their names.
    const char* const cases[][3] = {
        {"dms 52 31 15 N 13 22 30 E", "52.520833 13.375000 JO62QM",
         "{\"lat_deg\":52.520833,\"lon_deg\":13.375000,\"locator\":\"JO62QM\"}"},
        {"decimal -33.8688 151.2093", "QF56OD 33 52 7.68 S 151 12 33.48 E",
         "{\"locator\":\"QF56OD\",\"lat_whole_deg\":33,\"lat_min\":52,\"lat_sec\":7.68,\"lat_hemisphere\":\"S\","
         "\"lon_whole_deg\":151,\"lon_min\":12,\"lon_sec\":33.48,\"lon_hemisphere\":\"E\"}"},
        {"locator JO62QM", "52.520833 52 31 15.00 N 13.375000 13 22 30.00 E",
         "{\"lat_deg\":52.520833,\"lat_whole_deg\":52,\"lat_min\":31,\"lat_sec\":15.00,\"lat_hemisphere\":\"N\","
         "\"lon_deg\":13.375000,\"lon_whole_deg\":13,\"lon_min\":22,\"lon_sec\":30.00,\"lon_hemisphere\":\"E\"}"},
        {"distance JO62QM KO85TS", "67.4 1000.5 1610.1 869.4",
         "{\"bearing_deg\":67.4,\"distance_mi\":1000.5,\"distance_km\":1610.1,\"distance_nmi\":869.4}"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> words;
        cli::SplitWords(c[0], words);
        EXPECT_EQ(cli::RunRequest(words, 6).text, c[1]);  // the text format, as it always was
        words.insert(words.begin(), {"--format", "json"});
        const StreamRun r = Formatted(words);
        EXPECT_EQ(r.out, std::string(c[2]) + "\n");
        EXPECT_EQ(r.status, 0);
    }
    EXPECT_EQ(Formatted({"distance", "JO62QM", "KO85TS", "--format=csv"}).out,
              "bearing_deg,distance_mi,distance_km,distance_nmi\n67.4,1000.5,1610.1,869.4\n");
    // Refusals and bad requests: the text format's messages and statuses.
    StreamRun r = Formatted({"--format", "csv", "decimal", "95", "0"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Please enter Latitude\n");
    r = Formatted({"--format", "xml", "decimal", "1", "2"});
    EXPECT_EQ(r.status, 2);
    cli::CRecordWriter record;
    EXPECT_FALSE(cli::CFormattedRequests::Fields("distance", "67.4 1000.5", record));
}

TEST(FormattedRequests, BatchesOneLinePerLine)
{
    const std::string input = "decimal 52.5 13.4\ndecimal 1 2\n\nnonsense\r\ndistance JO62QM KO85TS\ndecimal 1 2";
    StreamRun r = Formatted({"--batch", "--format", "csv", "--chars", "8"}, input);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out,
              "locator,lat_whole_deg,lat_min,lat_sec,lat_hemisphere,lon_whole_deg,lon_min,lon_sec,lon_hemisphere\n"
              "JO62QM80,52,30,0.00,N,13,24,0.00,E\n"
              "JJ11AA00,1,0,0.00,N,2,0,0.00,E\n"
              "\n"
              "error\n" + cli::CRecordWriter::CsvField(cli::RunRequest({"nonsense"}, 6).text) + "\n"
              "bearing_deg,distance_mi,distance_km,distance_nmi\n67.4,1000.5,1610.1,869.4\n"
              "locator,lat_whole_deg,lat_min,lat_sec,lat_hemisphere,lon_whole_deg,lon_min,lon_sec,lon_hemisphere\n"
              "JJ11AA00,1,0,0.00,N,2,0,0.00,E\n");
    r = Formatted({"--format=json", "--batch"}, "locator JO62QM\nlocator X\n");
    EXPECT_EQ(r.out, "{\"lat_deg\":52.520833,\"lat_whole_deg\":52,\"lat_min\":31,\"lat_sec\":15.00,"
                     "\"lat_hemisphere\":\"N\",\"lon_deg\":13.375000,\"lon_whole_deg\":13,\"lon_min\":22,"
                     "\"lon_sec\":30.00,\"lon_hemisphere\":\"E\"}\n"
                     "{\"error\":\"Please enter IARU Locator\"}\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(Formatted({"--format", "json", "--batch", "locator", "JO62QM"}).status, 2);
    EXPECT_TRUE(cli::CFormattedRequests::Wants({"--format", "csv", "--chars", "8", "dms"}));
    EXPECT_TRUE(cli::CFormattedRequests::Wants({"--batch", "--format=json"}));
    EXPECT_FALSE(cli::CFormattedRequests::Wants({"--format", "csv", "square", "JO"}));
    EXPECT_FALSE(cli::CFormattedRequests::Wants({"--batch"}));
}

} // namespace
