// The window's four forms in CSV and JSON: fields named with their units, alone and in
// --batch, errors and statuses as in the text format.
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

const char* const kLocatorJson =
    "{\"lat_deg\":52.520833,\"lat_whole_deg\":52,\"lat_min\":31,\"lat_sec\":15.00,\"lat_hemisphere\":\"N\","
    "\"lon_deg\":13.375000,\"lon_whole_deg\":13,\"lon_min\":22,\"lon_sec\":30.00,\"lon_hemisphere\":\"E\"}\n";

TEST(FormattedRequests, EachFormsFieldsByName)
{
    const struct {
        std::vector<std::string> words;
        std::string out;
    } cases[] = {
        {{"--format", "json", "dms", "52", "31", "15", "N", "13", "22", "30", "E"},
         "{\"lat_deg\":52.520833,\"lon_deg\":13.375000,\"locator\":\"JO62QM\"}\n"},
        {{"--format=json", "decimal", "-33.8688", "151.2093"},
         "{\"locator\":\"QF56OD\",\"lat_whole_deg\":33,\"lat_min\":52,\"lat_sec\":7.68,\"lat_hemisphere\":\"S\","
         "\"lon_whole_deg\":151,\"lon_min\":12,\"lon_sec\":33.48,\"lon_hemisphere\":\"E\"}\n"},
        {{"locator", "JO62QM", "--format", "json"}, kLocatorJson},
        {{"distance", "JO62QM", "KO85TS", "--format=csv"},
         "bearing_deg,distance_mi,distance_km,distance_nmi\n67.4,1000.5,1610.1,869.4\n"},
    };
    for (const auto& c : cases) {
        const StreamRun r = Formatted(c.words);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.status, 0);
    }
    // Refusals and bad requests: the text format's messages and statuses.
    StreamRun r = Formatted({"--format", "csv", "decimal", "95", "0"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Please enter Latitude\n");
    EXPECT_EQ(Formatted({"--format", "xml", "decimal", "1", "2"}).status, 2);
    cli::CRecordWriter record;
    EXPECT_FALSE(cli::CFormattedRequests::Fields("distance", "67.4 1000.5", record));
}

TEST(FormattedRequests, BatchesOneLinePerLine)
{
    // CSV repeats its header row whenever the form changes.
    const std::string dmsHeader =
        "locator,lat_whole_deg,lat_min,lat_sec,lat_hemisphere,lon_whole_deg,lon_min,lon_sec,lon_hemisphere\n";
    const std::string input = "decimal 52.5 13.4\ndecimal 1 2\n\nnonsense\r\ndistance JO62QM KO85TS\ndecimal 1 2";
    StreamRun r = Formatted({"--batch", "--format", "csv", "--chars", "8"}, input);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, dmsHeader + "JO62QM80,52,30,0.00,N,13,24,0.00,E\nJJ11AA00,1,0,0.00,N,2,0,0.00,E\n\n"
                     "error\n\"unknown command: \"\"nonsense\"\"\"\n"
                     "bearing_deg,distance_mi,distance_km,distance_nmi\n67.4,1000.5,1610.1,869.4\n"
                     + dmsHeader + "JJ11AA00,1,0,0.00,N,2,0,0.00,E\n");
    r = Formatted({"--format=json", "--batch"}, "locator JO62QM\nlocator X\n");
    EXPECT_EQ(r.out, kLocatorJson + std::string("{\"error\":\"Please enter IARU Locator\"}\n"));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(Formatted({"--format", "json", "--batch", "locator", "JO62QM"}).status, 2);
    EXPECT_TRUE(cli::CFormattedRequests::Wants({"--format", "csv", "--chars", "8", "dms"}));
    EXPECT_TRUE(cli::CFormattedRequests::Wants({"--batch", "--format=json"}));
    EXPECT_FALSE(cli::CFormattedRequests::Wants({"--format", "csv", "square", "JO"}));
    EXPECT_FALSE(cli::CFormattedRequests::Wants({"--batch"}));
}

} // namespace
