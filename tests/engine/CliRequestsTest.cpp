// locatrix-cli's requests: words into the form, the result lines, and the request forms. The
// commands' rules are the calculator's tests', the calculations the engine's.
#include "Batch.h"
#include "CommandResult.h"
#include "Requests.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
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
    Expect(kUsage, "unknown option: \"--verbose\"", {"--verbose locator JO62QM"});
    Expect(kUsage, "unknown command: \"bearing\"", {"bearing JO62QM KO85TS"});
    // Degrees and minutes are whole numbers, as the window's boxes hold them.
    Expect(kUsage, "not a whole number: \"89.5\"", {"dms 89.5 59 0 N 0 0 0 E"});
    Expect(kUsage, "not a whole number: \"59.\"", {"dms 89 59. 0 N 0 0 0 E"});
    Expect(kUsage, "not a whole number: \"179.99\"", {"dms 89 59 59 S 179.99 59 59 W"});
    Expect(kUsage, "not a whole number: \"1.5\"", {"dms 1 0 0 N 0 1.5 0 E"});
}

TEST(CliRequests, MessagesQuoteAShortEscapedPrefixOfTheWord)
{
    const std::string forty(40, 'x');
    const struct {
        std::vector<std::string> words;
        const char* text;
    } cases[] = {
        {{forty}, "unknown command: \"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\""},
        {{forty + "y"}, "unknown command: \"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\"..."},
        {{std::string(10000000, 'z')}, nullptr},
        {{"\x1b[31mred\x7f\xc3\xa9\"\\"}, "unknown command: \"\\x1B[31mred\\x7F\\xC3\\xA9\\x22\\x5C\""},
        {{std::string("a\0b", 3)}, "unknown command: \"a\\x00b\""},
        {{"--\t"}, "unknown option: \"--\\x09\""},
        {{"decimal", "1\n", "2"}, "not a number: \"1\\x0A\""},
        {{"dms", "1", "0", "0", "\x1b", "0", "0", "0", "E"}, "latitude hemisphere must be N or S: \"\\x1B\""},
        {{"dms", "1", "0", "0", "N", "0", "0", "0", "\xff"}, "longitude hemisphere must be E or W: \"\\xFF\""},
    };
    for (const auto& c : cases) {
        const cli::Result r = cli::RunRequest(c.words, 6);
        EXPECT_EQ(r.status, kUsage);
        EXPECT_LT(r.text.size(), 120u) << r.text.substr(0, 200);
        if (c.text) {
            EXPECT_EQ(r.text, c.text);
        }
    }
}

TEST(CliRequests, SecondsZerosAndLettersOffTheGrid)
{
    Expect(kRejected, "Please enter Latitude Seconds", {"dms 52 31 75 N 13 22 30 E", "dms 52 31 60 N 0 0 0 E"});
    Expect(kRejected, "Please enter Longitude Seconds", {"dms 52 31 15 N 13 22 60.5 E"});
    Expect(kOk, "52.516667 13.366667 JO62QM", {"dms 52 31 '' N 13 22 '' E"});
    Expect(kOk, "0.000000 0.000000 JJ00AA", {"dms -0 -0 -0 N -0 -0 -0 E", "dms 0 0 0.0001 S 0 0 0.0001 W"});
    Expect(kOk, "JJ00AA 0 0 0.00 N 0 0 0.00 E", {"decimal -0 -0"});
    Expect(kRejected, "Locator not accepted", {"locator ZZ99ZZ", "locator jn77ya", "locator JO62QM55YA"});
    Expect(kRejected, "Locations not accepted", {"distance JN77YA JN77XA", "distance JN77XA SA00AA"});
}

// The batch loop over temporary files: the input's bytes in, the output's bytes out.
struct Batch {
    int status;
    std::string out;
    std::string failure;
};

Batch RunBatch(const std::string& input)
{
    Batch b{};
    std::FILE* in = std::tmpfile();
    std::FILE* out = std::tmpfile();
    if (!in || !out) {
        ADD_FAILURE() << "no temporary files";
        return b;
    }
    std::fwrite(input.data(), 1, input.size(), in);
    std::rewind(in);
    b.status = cli::RunBatch(in, out, 6, b.failure);
    std::rewind(out);
    char chunk[4096];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, out)) > 0)
        b.out.append(chunk, got);
    std::fclose(in);
    std::fclose(out);
    return b;
}

TEST(CliBatch, EveryLineInGivesOneLineOutInOrder)
{
    const std::string nul = "error: a request holds no control bytes: \"\\x00\"\n";
    const struct {
        std::string in;
        std::string out;
        int status;
    } cases[] = {
        {std::string("locator \0\nlocator JO62QM\n", 25),
         nul + "52.520833 52 31 15.00 N 13.375000 13 22 30.00 E\n", cli::kExitRefused},
        {std::string("\0\0\0\n\0\n", 6), nul + nul, cli::kExitRefused},
        {std::string("locator JO62QM\0\n\ndecimal 0 0", 28), nul + "\nJJ00AA 0 0 0.00 N 0 0 0.00 E\n",
         cli::kExitRefused},
        {"decimal 0 0\x1b[2J", "error: a request holds no control bytes: \"\\x1B\"\n", cli::kExitRefused},
        {"decimal 0 0\f\n", "error: a request holds no control bytes: \"\\x0C\"\n", cli::kExitRefused},
        {"decimal 0 0\r\n\tdecimal\t0 0\n", "JJ00AA 0 0 0.00 N 0 0 0.00 E\nJJ00AA 0 0 0.00 N 0 0 0.00 E\n",
         cli::kExitDone},
        {"", "", cli::kExitDone},
    };
    for (const auto& c : cases) {
        const Batch b = RunBatch(c.in);
        EXPECT_EQ(b.out, c.out);
        EXPECT_EQ(b.status, c.status);
        EXPECT_EQ(b.failure, "");
    }
    // Lines across the reading blocks: each still one line out.
    std::string many;
    for (int i = 0; i < 20000; ++i)
        many += i % 3 ? "locator JO62QM\n" : std::string("\0\n", 2);
    const Batch b = RunBatch(many);
    EXPECT_EQ(std::count(b.out.begin(), b.out.end(), '\n'), 20000);
    EXPECT_EQ(b.out.substr(0, nul.size()), nul);
}

TEST(CliBatch, ReadAndWriteFailuresAreNoSuccess)
{
    // A file open only for writing cannot be read, one open only for reading not written.
    const std::string name = "cli_batch_failures.tmp";
    std::FILE* writeOnly = std::fopen(name.c_str(), "w");
    std::FILE* readOnly = std::fopen(name.c_str(), "r");
    ASSERT_TRUE(writeOnly && readOnly);
    std::FILE* sink = std::tmpfile();
    std::FILE* source = std::tmpfile();
    ASSERT_TRUE(sink && source);
    std::fputs("locator JO62QM\n", source);
    std::rewind(source);

    std::string failure;
#ifndef _WIN32
    // Wine's C runtime gives a write-only stream's reader a plain end of file, no error.
    EXPECT_EQ(cli::RunBatch(writeOnly, sink, 6, failure), cli::kExitFile);
    EXPECT_EQ(failure.compare(0, 29, "reading standard input failed"), 0) << failure;
    failure.clear();
#endif
    EXPECT_EQ(cli::RunBatch(source, readOnly, 6, failure), cli::kExitFile);
    EXPECT_EQ(failure.compare(0, 30, "writing standard output failed"), 0) << failure;
    for (std::FILE* f : {writeOnly, readOnly, sink, source})
        std::fclose(f);
    std::remove(name.c_str());
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
