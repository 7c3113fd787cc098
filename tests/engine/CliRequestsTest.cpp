// locatrix-cli's requests: the result lines, the window's checks in the window's order with
// its texts, and the request forms. The calculations themselves are the engine tests'.
#include "Requests.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

using cli::kOk;
using cli::kRejected;
using cli::kUsage;

// Each request (its words; '' is an empty word, as a shell passes "") gives status and text
// (nullptr: any text).
void Expect(cli::Status status, const char* text, std::initializer_list<const char*> requests, int chars = 6)
{
    for (const char* request : requests) {
        std::vector<std::string> words;
        cli::SplitWords(request, words);
        for (std::string& w : words)
            if (w == "''")
                w.clear();
        const cli::Result r = cli::RunRequest(words, chars);
        EXPECT_EQ(r.status, status) << request << " -> " << r.text;
        if (text) {
            EXPECT_EQ(r.text, text) << request;
        }
    }
}

TEST(CliRequests, ResultLines)
{
    Expect(kOk, "52.520833 13.375000 JO62QM", {"dms 52 31 15 N 13 22 30 E"});
    Expect(kOk, "-52.520833 -13.375000 ID37HL", {"dms 52 31 15 s 13 22 30 w"});
    Expect(kOk, "QF56OD 33 52 7.68 S 151 12 33.48 E", {"decimal -33.8688 151.2093"});
    Expect(kOk, "JJ00AA 0 0 0.00 N 0 0 0.00 W", {"decimal -0 -0.0000001"});  // letters from the signs
    Expect(kOk, "52.520833 52 31 15.00 N 13.375000 13 22 30.00 E", {"locator jo62qm"});
    Expect(kOk, "-89.979167 89 58 45.00 S -179.958333 179 57 30.00 W", {"locator AA00AA"});
    Expect(kOk, "67.4 1000.5 1610.1 869.4", {"distance JO62QM KO85TS"});
    // The locator length: the request's --chars, else the caller's.
    Expect(kOk, "QF56OD51 33 52 7.68 S 151 12 33.48 E", {"--chars 8 decimal -33.8688 151.2093"});
    Expect(kOk, "52.520833 13.375000 JO62QM55AA", {"--chars=10 dms 52 31 15 N 13 22 30 E"});
    Expect(kOk, "QF56OD51CL 33 52 7.68 S 151 12 33.48 E", {"decimal -33.8688 151.2093"}, 10);
    Expect(kOk, "QF56OD 33 52 7.68 S 151 12 33.48 E", {"--chars 6 decimal -33.8688 151.2093"}, 10);
}

TEST(CliRequests, DegreesMinutesSecondsChecksInTheWindowsOrder)
{
    // Each check wins over those after it; missing, negative and huge (not wrapped) texts fail it.
    Expect(kRejected, "Please enter Latitude Degrees",
           {"dms 90 60 0 N 180 60 0 E", "dms -90 0 0 N 0 0 0 E", "dms '' 0 0 N 0 0 0 E",
            "dms 123456789012345 0 0 N 0 0 0 E", "dms 4294967386 0 0 N 0 0 0 E"});
    Expect(kRejected, "Please enter Latitude Minutes", {"dms 89 60 0 N 180 60 0 E", "dms 0 '' 0 N 0 0 0 E"});
    Expect(kRejected, "Please enter Longitude Degrees", {"dms 89 59 0 N 180 60 0 E", "dms 0 0 0 N '' 0 0 E"});
    Expect(kRejected, "Please enter Longitude Minutes",
           {"dms 89 59 0 N 179 60 0 E", "dms 0 0 0 N 0 '' 0 E", "dms 0 0 0 N 0 4294967356 0 E"});
    // Seconds missing or 60 and more count as 0, without a complaint.
    Expect(kOk, "52.516667 13.366667 JO62QM", {"dms 52 31 '' N 13 22 75 E", "dms 52 31 60 N 13 22 -60 E"});
    // Whole parts are checked; the engine refuses the rest, where the window stops silently.
    Expect(kOk, "89.500000 -179.500000 AR09GM", {"dms 89.5 0 0 N 179.5 0 0 W"});
    Expect(kRejected, "Latitude not accepted", {"dms -5 0 0 N 0 0 0 E", "dms 5 0 -1 N 0 0 0 E"});
    Expect(kRejected, "Longitude not accepted", {"dms 5 0 0 N 0 -1 0 E"});
}

TEST(CliRequests, DecimalLocatorAndDistanceChecks)
{
    // The real value, not its whole part.
    Expect(kRejected, "Please enter Latitude", {"decimal 90.5 180.5", "decimal -90.000001 0", "decimal '' 0"});
    Expect(kRejected, "Please enter Longitude", {"decimal 0 -180.7", "decimal 0 123456789012345", "decimal 0 ''"});
    Expect(kOk, "AR09AX 90 0 0.00 N 180 0 0.00 W", {"decimal 90 -180"});
    Expect(kOk, "RA90XA 90 0 0.00 S 180 0 0.00 E", {"decimal -90 180"});
    // What the window's masked box could hold: letter letter digit digit letter letter digit
    // digit letter letter, at least 6 of them.
    Expect(kRejected, "Please enter IARU Locator", {"locator JO62Q", "locator ''", "locator J062QM",
                                                     "locator JO62Q1", "locator JO62QMXX", "locator JO62QM55AAX"});
    EXPECT_EQ(cli::RunRequest({"locator", " JO62QM"}, 6).text, "Please enter IARU Locator");
    Expect(kRejected, "Please enter first location", {"distance JO62Q KO85T", "distance JO6AQM KO85TS"});
    Expect(kRejected, "Please enter second location", {"distance JO62QM KO85T", "distance JO62QM KO85TS55AA1"});
}

TEST(CliRequests, RequestsOfTheWrongForm)
{
    // Checked before the window's checks.
    Expect(kUsage, nullptr,
           {"", "--chars 8", "--chars", "locator", "locator JO62QM KO85TS", "distance JO62QM", "decimal 1",
            "decimal 1 2 3", "decimal abc 2", "decimal 1e5 2", "decimal 1.2.3 2", "decimal - 2",
            "dms 52 31 15 N 13 22 30", "dms 52 31 15 N 13 22 30 E 0", "dms 52 31 1x N 13 22 30 E",
            "dms 52 31 15 X 13 22 30 E", "dms 90 31 15 N 13 22 30 N"});
    Expect(kUsage, "--chars takes 6, 8 or 10", {"--chars 7 locator JO62QM"});
    Expect(kUsage, "unknown option: --verbose", {"--verbose locator JO62QM"});
    Expect(kUsage, "unknown command: bearing", {"bearing JO62QM KO85TS"});
}

TEST(CliRequests, SplitWordsReusesItsVector)
{
    std::vector<std::string> words{"a", "b", "c", "d"};
    cli::SplitWords("  decimal\t-33.8688  151.2093\r", words);
    EXPECT_EQ(words, (std::vector<std::string>{"decimal", "-33.8688", "151.2093"}));
    cli::SplitWords("", words);
    EXPECT_TRUE(words.empty());
}

} // namespace
