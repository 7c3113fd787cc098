// locatrix-cli's requests: words into the form, the request's shape, and the batch loop. The
// commands' rules are the calculator's tests', the rest cli_test.sh's.
#include "calc/ResultFields.h"
#include "cli/Request.h"
#include "cli/commands/Commands.h"
#include "tests/cli/StreamRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// A request as a shell line, run with chars as the caller's locator length.
cli::Request Ask(const char* request, int chars)
{
    std::vector<std::string> words;
    cli::SplitWords(request, words);
    return cli::RunRequest(words, chars);
}

TEST(Request, EachWordGoesIntoItsBox)
{
    const struct {
        const char* request;
        int chars;
        cli::ExitStatus status;
        const char* text;  // the result line, or what is wrong; nullptr: any text
    } cases[] = {
        {"dms 52 31 15 s 13 22 30 w", 6, cli::kExitDone, "-52.520833 -13.375000 ID37HL"},
        {"dms 89 60 0 N 180 0 0 E", 6, cli::kExitRefused, "Please enter Latitude Minutes"},
        {"decimal -33.8688 151.2093", 6, cli::kExitDone, "QF56OD 33 52 7.68 S 151 12 33.48 E"},
        {"locator jo62qm", 6, cli::kExitDone, "52.520833 52 31 15.00 N 13.375000 13 22 30.00 E"},
        {"distance JO62QM ko85ts", 6, cli::kExitDone, "67.4 1000.5 1610.1 869.4"},
        // The locator length: the request's --chars, else the caller's.
        {"--chars=10 dms 52 31 15 N 13 22 30 E", 6, cli::kExitDone, "52.520833 13.375000 JO62QM55AA"},
        {"decimal -33.8688 151.2093", 10, cli::kExitDone, "QF56OD51CL 33 52 7.68 S 151 12 33.48 E"},
        {"--chars 6 decimal -33.8688 151.2093", 10, cli::kExitDone, "QF56OD 33 52 7.68 S 151 12 33.48 E"},
        // A word the masked locator box could not hold whole leaves that box empty.
        {"locator J062QM", 6, cli::kExitRefused, "Please enter IARU Locator"},
        {"distance JO62QM KO85TS55AA1", 6, cli::kExitRefused, "Please enter second location"},
        // Requests of the wrong form, refused before any of the command's checks.
        {"", 6, cli::kExitUsage, nullptr},
        {"locator JO62QM KO85TS", 6, cli::kExitUsage, nullptr},
        {"distance JO62QM", 6, cli::kExitUsage, nullptr},
        {"decimal - 2", 6, cli::kExitUsage, "not a number: \"-\""},
        {"dms 90 31 15 N 13 22 30 N", 6, cli::kExitUsage, "longitude hemisphere must be E or W: \"N\""},
        {"dms 89.5 59 0 N 0 0 0 E", 6, cli::kExitUsage, "not a whole number: \"89.5\""},
        {"--chars 7 locator JO62QM", 6, cli::kExitUsage, "--chars takes 6, 8 or 10"},
        {"--verbose locator JO62QM", 6, cli::kExitUsage, "unknown option: \"--verbose\""},
        {"bearing JO62QM KO85TS", 6, cli::kExitUsage, "unknown command: \"bearing\""},
    };
    for (const auto& c : cases) {
        const cli::Request r = Ask(c.request, c.chars);
        EXPECT_EQ(r.status, c.status) << c.request << " -> " << r.text;
        if (c.text) {
            EXPECT_EQ(r.status == cli::kExitDone ? ResultLine(r.form, r.done) : r.text, c.text) << c.request;
        }
    }
    EXPECT_EQ(std::string(Ask("--chars 8 locator JO62QM", 6).command), "locator");
}

StreamRun Batch(const std::string& input)
{
    return RunOnStreams(input, [&](std::FILE* in, std::FILE* out, std::FILE* err) {
        return cli::RunForms({"--batch"}, false, in, out, err);
    });
}

TEST(Batch, EveryLineInGivesOneLineOutInOrder)
{
    // Tabs separate words and CR LF ends a line; a line with control bytes gets one complaint.
    const std::string nul = "error: a request holds no control bytes: \"\\x00\"\n";
    StreamRun b = Batch(std::string("\0\0\0\n\tdecimal\t0 0\r\n", 18));
    EXPECT_EQ(b.out, nul + "JJ00AA 0 0 0.00 N 0 0 0.00 E\n");
    EXPECT_EQ(b.status, cli::kExitRefused);
    EXPECT_EQ(Batch("").status, cli::kExitDone);
    // Lines across the reading blocks: each still one line out.
    std::string many;
    for (int i = 0; i < 20000; ++i)
        many += i % 3 ? "locator JO62QM\n" : std::string("\0\n", 2);
    b = Batch(many);
    EXPECT_EQ(std::count(b.out.begin(), b.out.end(), '\n'), 20000);
    EXPECT_EQ(b.out.substr(0, nul.size()), nul);
    EXPECT_EQ(b.err, "");
}

} // namespace
