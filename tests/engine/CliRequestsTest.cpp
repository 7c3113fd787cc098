// locatrix-cli's requests: words into the form, the result lines, and the request forms. The
// commands' rules are the calculator's tests', the calculations the engine's.
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

TEST(CliRequests, WordsGoIntoTheFormAndResultsComeOutAsOneLine)
{
    Expect(kOk, "-52.520833 -13.375000 ID37HL", {"dms 52 31 15 s 13 22 30 w"});
    Expect(kOk, "QF56OD 33 52 7.68 S 151 12 33.48 E", {"decimal -33.8688 151.2093"});
    Expect(kOk, "52.520833 52 31 15.00 N 13.375000 13 22 30.00 E", {"locator jo62qm"});
    Expect(kOk, "-89.979167 89 58 45.00 S -179.958333 179 57 30.00 W", {"locator AA00AA"});
    Expect(kOk, "67.4 1000.5 1610.1 869.4", {"distance JO62QM ko85ts"});
    // The locator length: the request's --chars, else the caller's.
    Expect(kOk, "QF56OD51 33 52 7.68 S 151 12 33.48 E", {"--chars 8 decimal -33.8688 151.2093"});
    Expect(kOk, "52.520833 13.375000 JO62QM55AA", {"--chars=10 dms 52 31 15 N 13 22 30 E"});
    Expect(kOk, "QF56OD51CL 33 52 7.68 S 151 12 33.48 E", {"decimal -33.8688 151.2093"}, 10);
    Expect(kOk, "QF56OD 33 52 7.68 S 151 12 33.48 E", {"--chars 6 decimal -33.8688 151.2093"}, 10);
}

TEST(CliRequests, RefusalsAreTheCommandsAndTheEngines)
{
    Expect(kRejected, "Please enter Latitude Minutes", {"dms 89 '' 0 N 180 60 0 E"});
    Expect(kRejected, "Longitude not accepted", {"dms 5 0 0 N 0 -1 0 E"});
    Expect(kRejected, "Please enter Longitude", {"decimal 0 -180.7"});
    // A word the window's masked box could not hold whole counts as a missing box, in the
    // command's order.
    Expect(kRejected, "Please enter IARU Locator", {"locator JO62Q", "locator ''", "locator J062QM",
                                                     "locator JO62QMXX", "locator JO62QM55AAX"});
    EXPECT_EQ(cli::RunRequest({"locator", " JO62QM"}, 6).text, "Please enter IARU Locator");
    Expect(kRejected, "Please enter first location", {"distance JO62Q KO85TS55AA1", "distance JO6AQM KO85TS"});
    Expect(kRejected, "Please enter second location", {"distance JO62QM KO85T", "distance JO62QM KO85TS55AA1"});
}

TEST(CliRequests, RequestsOfTheWrongForm)
{
    // Checked before the command's checks.
    Expect(kUsage, nullptr,
           {"", "--chars 8", "--chars", "locator", "locator JO62QM KO85TS", "distance JO62QM", "decimal 1",
            "decimal 1 2 3", "decimal abc 2", "decimal 1e5 2", "decimal 1.2.3 2", "decimal - 2",
            "dms 52 31 15 N 13 22 30", "dms 52 31 15 N 13 22 30 E 0", "dms 52 31 1x N 13 22 30 E",
            "dms 52 31 15 X 13 22 30 E", "dms 90 31 15 N 13 22 30 N", "dms 90 31 15 NS 13 22 30 E"});
    Expect(kUsage, "--chars takes 6, 8 or 10", {"--chars 7 locator JO62QM", "--chars=NN locator JO62QM"});
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
