// The window's four forms in CSV and JSON: fields named with their units, alone and in
// --batch, errors and statuses as in the text format.
#include "cli/commands/Commands.h"
#include "tests/cli/StreamRun.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

StreamRun Formatted(const std::vector<std::string>& words, const std::string& input = "")
{
    return RunOnStreams(input, [&](std::FILE* in, std::FILE* out, std::FILE* err) {
        return cli::RunForms(words, true, in, out, err);
    });
}

TEST(Forms, EachFormsFieldsByNameAloneAndInBatches)
{
    // CSV repeats its header row whenever the form changes; an error is a row of its own.
    const std::string decimal =
        "locator,lat_whole_deg,lat_min,lat_sec,lat_hemisphere,lon_whole_deg,lon_min,lon_sec,lon_hemisphere\n";
    StreamRun r = Formatted({"--batch", "--format", "csv", "--chars", "8"},
                            "decimal 52.5 13.4\ndecimal 1 2\n\nnonsense\r\ndistance JO62QM KO85TS\ndecimal 1 2");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, decimal + "JO62QM80,52,30,0.00,N,13,24,0.00,E\nJJ11AA00,1,0,0.00,N,2,0,0.00,E\n\n"
                     "error\n\"unknown command: \"\"nonsense\"\"\"\n"
                     "bearing_deg,distance_mi,distance_km,distance_nmi\n67.4,1000.5,1610.1,869.4\n"
                     + decimal + "JJ11AA00,1,0,0.00,N,2,0,0.00,E\n");
    r = Formatted({"--format=json", "--batch"}, "dms 52 31 15 N 13 22 30 E\nlocator X\nlocator JO62QM\n");
    EXPECT_EQ(r.out, "{\"lat_deg\":52.520833,\"lon_deg\":13.375000,\"locator\":\"JO62QM\"}\n"
                     "{\"error\":\"Please enter IARU Locator\"}\n"
                     "{\"lat_deg\":52.520833,\"lat_whole_deg\":52,\"lat_min\":31,\"lat_sec\":15.00,\"lat_hemisphere\":"
                     "\"N\",\"lon_deg\":13.375000,\"lon_whole_deg\":13,\"lon_min\":22,\"lon_sec\":30.00,"
                     "\"lon_hemisphere\":\"E\"}\n");
    EXPECT_EQ(r.status, 1);
    // Refusals and bad requests: the text format's messages and statuses.
    r = Formatted({"--format", "csv", "decimal", "95", "0"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Please enter Latitude\n");
    EXPECT_EQ(Formatted({"--format", "xml", "decimal", "1", "2"}).status, 2);
    EXPECT_EQ(Formatted({"--format", "json", "--batch", "locator", "JO62QM"}).status, 2);
    // The toolbox's commands take --format themselves.
    EXPECT_TRUE(cli::WantsFormattedForms({"--format", "csv", "--chars", "8", "dms"}));
    EXPECT_TRUE(cli::WantsFormattedForms({"--batch", "--format=json"}));
    EXPECT_FALSE(cli::WantsFormattedForms({"--format", "csv", "square", "JO"}));
    EXPECT_FALSE(cli::WantsFormattedForms({"--chars", "8", "dms"}));
}

} // namespace
