// A receiver's stream as it comes: junk and cut sentences around the fixes, each kind of
// sentence skipped and counted, only changes, dead reckoning taken and noise reported on request.
#include "formats/NmeaStream.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Settings {
    int chars = 6;
    bool changesOnly = false, takeEstimated = false, reportNoise = false;
};

// What the stream handed on, a fix as "LINE LOCATOR" and a fault as "LINE: WHY", then its line
// count and its counts, in the order of NmeaCounts.
std::vector<std::string> Stream(const std::string& input, const Settings& s)
{
    std::FILE* file = std::tmpfile();
    std::fwrite(input.data(), 1, input.size(), file);
    std::rewind(file);
    CNmeaStream stream(file, s.chars, s.changesOnly, s.takeEstimated, s.reportNoise);
    std::vector<std::string> read;
    for (CNmeaStream::Event event; (event = stream.Next()) != CNmeaStream::Event::End;)
        read.push_back(std::to_string(stream.GetLineNumber())
                       + (event == CNmeaStream::Event::Fix ? " " + stream.GetLocator() : ": " + stream.GetWhy()));
    EXPECT_FALSE(stream.Failed());
    std::fclose(file);
    const NmeaCounts& n = stream.GetCounts();
    std::string counts = std::to_string(stream.GetLineNumber()) + " lines:";
    for (long count : {n.fixes, n.handedOn, n.estimated, n.notReal, n.noFix, n.badChecksum, n.malformed, n.other,
                       n.noise, n.junk})
        counts += " " + std::to_string(count);
    read.push_back(counts);
    return read;
}

const std::string kBerlin = "$GPGGA,1,5231.250,N,01322.500,E,1,08,0.9,5,M,4,M,,*46";
const std::string kMoscow = "$GNRMC,1,A,5546.250,N,03737.500,E,0,0,230394,,,A*50";

TEST(NmeaStream, EachDollarStartsASentence)
{
    const std::string input = "\xFF\xFEjunk\r\n" + kBerlin + "\r\n" + kBerlin + "\n" + "noise" + kBerlin.substr(0, 20)
                            + kMoscow + "\r\n" + std::string("\0$GPGGA,\0*00\n", 13) + "$GPGSV,1*48" + "\n"
                            + kMoscow.substr(0, 30) + "\n\n$GPRMC,1,A,4807.038,N,0113x.000,E*4B\n"
                            + kBerlin;  // the last line without its end
    EXPECT_EQ(Stream(input, {}),
              (std::vector<std::string>{"2 JO62QM", "3 JO62QM", "4: no checksum (*hh)", "4 KO85TS",
                                        "5: checksum *00, but the sentence sums to *7A", "7: no checksum (*hh)",
                                        "9: GPRMC field 5 (longitude) \"0113x.000,E\"", "10 JO62QM",
                                        "10 lines: 4 4 0 0 0 3 1 1 0 1"}));
    Settings changes;
    changes.chars = 10;
    changes.changesOnly = true;
    EXPECT_EQ(Stream(input, changes),
              (std::vector<std::string>{"2 JO62QM55AA", "4: no checksum (*hh)", "4 KO85TS55AA",
                                        "5: checksum *00, but the sentence sums to *7A", "7: no checksum (*hh)",
                                        "9: GPRMC field 5 (longitude) \"0113x.000,E\"", "10 JO62QM55AA",
                                        "10 lines: 4 3 0 0 0 3 1 1 0 1"}));
}

// Positions no receiver measured are skipped and counted, dead reckoning taken when asked; what
// is no sentence at all is counted quietly unless asked; a position on a grid line lies
// north-east of it, as its digits say.
TEST(NmeaStream, OnlyRealFixesAndQuietNoise)
{
    const std::string input = "$GPGGA,120000.00,3502.500,N,01322.500,E,1,08,0.9,5,M,4,M,,*59\n"  // on two lines
                              "$GPGGA,120003.00,3502.49999,N,01322.500,E,1,08,0.9,5,M,4,M,,*5B\n"  // 2 cm south
                              "$GPGGA,120001.00,1800.000,N,07000.000,W,8,08,0.9,5,M,4,M,,*4B\n"  // a simulator
                              "$GNRMC,1,V,1800.000,N,07000.000,W,0,0,230394,,,S*49\n"
                              "$$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*39\n"
                              + std::string("\xB5\x62\x01$\x07\x5C\x00\n", 8) + "$PSRFTXT,Version:GSW3\n"
                              "$GPGGA,120002.00,5231.250,N,01322.500,E,6,08,0.9,5,M,4,M,,*5F\n"  // dead reckoning
                              "$GPGGA,120004.00,5231.250,N,01322.500,E,0,08,0.9,5,M,4,M,,*5F\n";  // no fix
    EXPECT_EQ(Stream(input, {}), (std::vector<std::string>{"1 JM65QB", "2 JM65QA", "9 lines: 2 2 1 2 1 0 0 1 3 0"}));
    Settings asked;
    asked.chars = 12;
    asked.takeEstimated = true;
    asked.reportNoise = true;
    EXPECT_EQ(Stream(input, asked),
              (std::vector<std::string>{"1 JM65QB50AA00", "2 JM65QA59AX09", "5: no sentence: \"$\"",
                                        "6: no sentence: \"$\\x07\\x5C\\x00\"",
                                        "7: text without a checksum: \"$PSRFTXT,Ver\"", "8 JO62QM55AA00",
                                        "9 lines: 3 3 1 2 1 0 0 1 3 0"}));
}

} // namespace
