// locatrix-cli's requests: the window's checks in the window's order, its texts and formats.
#include "Requests.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

cli::Result Request(const std::string& line, int chars = 6)
{
    std::vector<std::string> words;
    cli::SplitWords(line, words);
    return cli::RunRequest(words, chars);
}

std::string Ok(const std::string& line, int chars = 6)
{
    const cli::Result r = Request(line, chars);
    EXPECT_EQ(r.status, cli::kOk) << line << " -> " << r.text;
    return r.text;
}

std::string Rejected(const std::string& line)
{
    const cli::Result r = Request(line);
    EXPECT_EQ(r.status, cli::kRejected) << line << " -> " << r.text;
    return r.text;
}

cli::Status StatusOf(const std::vector<std::string>& words)
{
    return cli::RunRequest(words, 6).status;
}

TEST(CliRequests, TheFourCalculations)
{
    EXPECT_EQ(Ok("dms 52 31 15 N 13 22 30 E"), "52.520833 13.375000 JO62QM");
    EXPECT_EQ(Ok("dms 52 31 15 s 13 22 30 w"), "-52.520833 -13.375000 ID37HL");
    EXPECT_EQ(Ok("decimal -33.8688 151.2093"), "QF56OD 33 52 7.68 S 151 12 33.48 E");
    EXPECT_EQ(Ok("locator JO62QM"), "52.520833 52 31 15.00 N 13.375000 13 22 30.00 E");
    EXPECT_EQ(Ok("locator jo62qm"), "52.520833 52 31 15.00 N 13.375000 13 22 30.00 E");
    EXPECT_EQ(Ok("locator QF56OD51CL"), "-33.868924 33 52 8.13 S 151.209028 151 12 32.50 E");
    EXPECT_EQ(Ok("distance JO62QM KO85TS"), "67.4 1000.5 1610.1 869.4");
    EXPECT_EQ(Ok("distance ko85ts jo62qm"), "267.2 1000.5 1610.1 869.4");
    EXPECT_EQ(Ok("distance JO62QM FN20XR"), "296.0 3964.2 6379.8 3444.8");
}

TEST(CliRequests, LocatorLength)
{
    EXPECT_EQ(Ok("--chars 8 decimal -33.8688 151.2093"), "QF56OD51 33 52 7.68 S 151 12 33.48 E");
    EXPECT_EQ(Ok("--chars=10 decimal -33.8688 151.2093"), "QF56OD51CL 33 52 7.68 S 151 12 33.48 E");
    EXPECT_EQ(Ok("decimal -33.8688 151.2093", 10), "QF56OD51CL 33 52 7.68 S 151 12 33.48 E");
    EXPECT_EQ(Ok("--chars 6 decimal -33.8688 151.2093", 10), "QF56OD 33 52 7.68 S 151 12 33.48 E");
    EXPECT_EQ(Ok("--chars 10 dms 52 31 15 N 13 22 30 E"), "52.520833 13.375000 JO62QM55AA");
    EXPECT_EQ(Request("--chars 7 locator JO62QM").status, cli::kUsage);
    EXPECT_EQ(Request("--chars").status, cli::kUsage);
}

TEST(CliRequests, DegreesMinutesSecondsChecksInTheWindowsOrder)
{
    EXPECT_EQ(Rejected("dms 90 0 0 N 0 0 0 E"), "Please enter Latitude Degrees");
    EXPECT_EQ(Rejected("dms -90 0 0 N 0 0 0 E"), "Please enter Latitude Degrees");
    // Latitude degrees come before everything else.
    EXPECT_EQ(Rejected("dms 90 60 0 N 180 60 0 E"), "Please enter Latitude Degrees");
    EXPECT_EQ(Rejected("dms 89 60 0 N 180 60 0 E"), "Please enter Latitude Minutes");
    EXPECT_EQ(Rejected("dms 89 59 0 N 180 60 0 E"), "Please enter Longitude Degrees");
    EXPECT_EQ(Rejected("dms 89 59 0 N 179 60 0 E"), "Please enter Longitude Minutes");
    // Issue 4: a 15-digit text is huge, not wrapped around.
    EXPECT_EQ(Rejected("dms 123456789012345 0 0 N 0 0 0 E"), "Please enter Latitude Degrees");
    EXPECT_EQ(Rejected("dms 4294967386 0 0 N 0 0 0 E"), "Please enter Latitude Degrees");
    EXPECT_EQ(Rejected("dms 0 0 0 N 0 4294967356 0 E"), "Please enter Longitude Minutes");
    // Missing texts.
    EXPECT_EQ(cli::RunRequest({"dms", "", "0", "0", "N", "0", "0", "0", "E"}, 6).text,
              "Please enter Latitude Degrees");
    EXPECT_EQ(cli::RunRequest({"dms", "0", "", "0", "N", "0", "0", "0", "E"}, 6).text,
              "Please enter Latitude Minutes");
    EXPECT_EQ(cli::RunRequest({"dms", "0", "0", "0", "N", "", "0", "0", "E"}, 6).text,
              "Please enter Longitude Degrees");
    EXPECT_EQ(cli::RunRequest({"dms", "0", "0", "0", "N", "0", "", "0", "E"}, 6).text,
              "Please enter Longitude Minutes");
    // Seconds missing or 60 and more count as 0, without a complaint.
    EXPECT_EQ(cli::RunRequest({"dms", "52", "31", "", "N", "13", "22", "75", "E"}, 6).text,
              "52.516667 13.366667 JO62QM");
    EXPECT_EQ(Ok("dms 52 31 60 N 13 22 -60 E"), "52.516667 13.366667 JO62QM");
    // Through the checks, refused by the engine (the window stops silently).
    EXPECT_EQ(Rejected("dms -5 0 0 N 0 0 0 E"), "Latitude not accepted");
    EXPECT_EQ(Rejected("dms 5 0 0 N 0 -1 0 E"), "Longitude not accepted");
    EXPECT_EQ(Rejected("dms 5 0 -1 N 0 0 0 E"), "Latitude not accepted");
    // 89.5 passes the whole-part check and the engine.
    EXPECT_EQ(Ok("dms 89.5 0 0 N 179.5 0 0 W"), "89.500000 -179.500000 AR09GM");
}

TEST(CliRequests, DecimalChecksTheRealValue)
{
    EXPECT_EQ(Rejected("decimal 90.5 0"), "Please enter Latitude");
    EXPECT_EQ(Rejected("decimal -90.000001 0"), "Please enter Latitude");
    EXPECT_EQ(Rejected("decimal 90.5 180.5"), "Please enter Latitude");
    EXPECT_EQ(Rejected("decimal 0 180.5"), "Please enter Longitude");
    EXPECT_EQ(Rejected("decimal 0 -180.7"), "Please enter Longitude");
    EXPECT_EQ(Rejected("decimal 0 123456789012345"), "Please enter Longitude");
    EXPECT_EQ(cli::RunRequest({"decimal", "", "0"}, 6).text, "Please enter Latitude");
    EXPECT_EQ(cli::RunRequest({"decimal", "0", ""}, 6).text, "Please enter Longitude");
    EXPECT_EQ(Ok("decimal 90 -180"), "AR09AX 90 0 0.00 N 180 0 0.00 W");
    EXPECT_EQ(Ok("decimal -90 180"), "RA90XA 90 0 0.00 S 180 0 0.00 E");
    EXPECT_EQ(Ok("decimal 10.999999 0"), "JK00AX 11 0 0.00 N 0 0 0.00 E");
    // -0 is shown as 0 degrees, north; a hair west of Greenwich is west.
    EXPECT_EQ(Ok("decimal -0 -0.0000001"), "JJ00AA 0 0 0.00 N 0 0 0.00 W");
}

TEST(CliRequests, LocatorChecks)
{
    EXPECT_EQ(Rejected("locator JO62Q"), "Please enter IARU Locator");
    EXPECT_EQ(cli::RunRequest({"locator", ""}, 6).text, "Please enter IARU Locator");
    // Texts the window's locator box could never hold.
    EXPECT_EQ(Rejected("locator JO62Q1"), "Please enter IARU Locator");
    EXPECT_EQ(Rejected("locator J062QM"), "Please enter IARU Locator");
    EXPECT_EQ(Rejected("locator JO62QM55AAX"), "Please enter IARU Locator");
    EXPECT_EQ(Rejected("locator JO62QMXX"), "Please enter IARU Locator");
    EXPECT_EQ(cli::RunRequest({"locator", " JO62QM"}, 6).text, "Please enter IARU Locator");
    // 7 characters: the 6-character square; 8, 9 and 10 as the engine decodes them.
    EXPECT_EQ(Ok("locator JO62QM5"), Ok("locator JO62QM"));
    EXPECT_EQ(Ok("locator JO62QM55"), "52.522743 52 31 21.88 N 13.378819 13 22 43.75 E");
    EXPECT_EQ(Ok("locator JO62QM55L"), Ok("locator JO62QM55LA"));
    EXPECT_EQ(Ok("locator RR99XX99XX"), "89.999826 89 59 59.38 N 179.999653 179 59 58.75 E");
    EXPECT_EQ(Ok("locator AA00AA"), "-89.979167 89 58 45.00 S -179.958333 179 57 30.00 W");
}

TEST(CliRequests, DistanceChecks)
{
    EXPECT_EQ(Rejected("distance JO62Q KO85TS"), "Please enter first location");
    EXPECT_EQ(Rejected("distance JO62Q KO85T"), "Please enter first location");
    EXPECT_EQ(Rejected("distance JO62QM KO85T"), "Please enter second location");
    EXPECT_EQ(Rejected("distance JO6AQM KO85TS"), "Please enter first location");
    EXPECT_EQ(Rejected("distance JO62QM KO85TS55AA1"), "Please enter second location");
    EXPECT_EQ(Ok("distance JO62QM55 KO85TS55AA"), Ok("distance JO62QM55LL KO85TS55AA"));
    EXPECT_EQ(Ok("distance JJ00AA00AA IK91XA90KA").substr(0, 5), "360.0");
}

TEST(CliRequests, RequestsOfTheWrongForm)
{
    EXPECT_EQ(StatusOf({}), cli::kUsage);
    EXPECT_EQ(StatusOf({"--chars", "8"}), cli::kUsage);
    EXPECT_EQ(StatusOf({"bearing", "JO62QM", "KO85TS"}), cli::kUsage);
    EXPECT_EQ(StatusOf({"--verbose", "locator", "JO62QM"}), cli::kUsage);
    EXPECT_EQ(StatusOf({"locator"}), cli::kUsage);
    EXPECT_EQ(StatusOf({"locator", "JO62QM", "KO85TS"}), cli::kUsage);
    EXPECT_EQ(StatusOf({"distance", "JO62QM"}), cli::kUsage);
    EXPECT_EQ(StatusOf({"decimal", "1"}), cli::kUsage);
    EXPECT_EQ(StatusOf({"decimal", "1", "2", "3"}), cli::kUsage);
    EXPECT_EQ(StatusOf({"decimal", "abc", "2"}), cli::kUsage);
    EXPECT_EQ(StatusOf({"decimal", "1e5", "2"}), cli::kUsage);
    EXPECT_EQ(StatusOf({"decimal", "1.2.3", "2"}), cli::kUsage);
    EXPECT_EQ(StatusOf({"decimal", "-", "2"}), cli::kUsage);
    EXPECT_EQ(StatusOf({"dms", "52", "31", "15", "X", "13", "22", "30", "E"}), cli::kUsage);
    EXPECT_EQ(StatusOf({"dms", "52", "31", "15", "N", "13", "22", "30", "N"}), cli::kUsage);
    EXPECT_EQ(StatusOf({"dms", "52", "31", "15", "N", "13", "22", "30"}), cli::kUsage);
    EXPECT_EQ(StatusOf({"dms", "52", "31", "1x", "N", "13", "22", "30", "E"}), cli::kUsage);
    // The form is checked before the window's checks.
    EXPECT_EQ(StatusOf({"dms", "90", "31", "15", "N", "13", "22", "30", "Q"}), cli::kUsage);
}

TEST(CliRequests, SplitWordsReusesItsVector)
{
    std::vector<std::string> words{"a", "b", "c", "d"};
    cli::SplitWords("  decimal\t-33.8688  151.2093\r", words);
    ASSERT_EQ(words.size(), 3u);
    EXPECT_EQ(words[0], "decimal");
    EXPECT_EQ(words[1], "-33.8688");
    EXPECT_EQ(words[2], "151.2093");
    cli::SplitWords("", words);
    EXPECT_TRUE(words.empty());
}

} // namespace
