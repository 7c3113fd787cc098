// NMEA sentences: checksums, the three position sentences of any talker, their fix flags,
// coordinates to the last digit; and the command on a stream of lines as a receiver sends them.
#include "NmeaCommand.h"
#include "NmeaReader.h"
#include "StreamRun.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using cli::CNmeaReader;
using cli::NmeaOutcome;

TEST(NmeaReader, PositionSentences)
{
    struct Case {
        std::string sentence;
        NmeaOutcome outcome;
        double latitude = 0, longitude = 0;
    } const cases[] = {
        {"$GPGGA,1,4807.038,N,01131.000,E,1,08,0.9,545.4,M*23", NmeaOutcome::Fix, 48 + 7.038 / 60, 11 + 31.0 / 60},
        {"$GNRMC,123519,A,3352.000,S,15112.000,W,022.4,084.4,230394,003.1,W,A*15", NmeaOutcome::Fix,
         -(33 + 52.0 / 60), -(151 + 12.0 / 60)},
        {"$GLGLL,5231.25,N,01322.5,E,225444,A,D*6A", NmeaOutcome::Fix, 52 + 31.25 / 60, 13 + 22.5 / 60},
        {"$GAGLL,0000,N,18000,W*61", NmeaOutcome::Fix, 0, -180},  // NMEA 1.5: no status
        {"$GPGGA,123519,4807.038,N,01131.000,E,0,08,0.9,545.4,M*1E", NmeaOutcome::NoFix},
        {"$GPRMC,123519,V,4807.038,N,01131.000,E,,,230394,,*0A", NmeaOutcome::NoFix},
        {"$GPRMC,123519,A,4807.038,N,01131.000,E,,,230394,,,N*7F", NmeaOutcome::NoFix},
        {"$GPGLL,4807.038,N,01131.000,E,225444,V,N*5C", NmeaOutcome::NoFix},
        {"$GPGSV,3,1,11,03,03,111,00*4A", NmeaOutcome::Other},
        {"$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M*48", NmeaOutcome::BadChecksum},
        {"$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M", NmeaOutcome::BadChecksum},
        {"$GPGGA,123519,4860.000,N,01131.000,E,1,08*7D", NmeaOutcome::Malformed},  // 60 minutes
        {"$GPGGA,123519,9100.000,N,01131.000,E,1,08*7F", NmeaOutcome::Malformed},
        {"$GPGGA,123519,4807.038,X,01131.000,E,1,08*61", NmeaOutcome::Malformed},
        {"$GPGGA,123519,4807.038,N,1131.000,E,1,08*47", NmeaOutcome::Malformed},  // 2-digit degrees
        {"$GPGGA,123519,4807.038,N,18001.000,E,1,08*7D", NmeaOutcome::Malformed},
        {"$GPGGA,123519,4807.038,N*27", NmeaOutcome::Malformed},
    };
    for (const Case& c : cases) {
        LatLon fix{-1, -1};
        std::string why;
        const NmeaOutcome outcome = CNmeaReader::ReadSentence(c.sentence, fix, why);
        EXPECT_EQ(static_cast<int>(outcome), static_cast<int>(c.outcome)) << c.sentence << ": " << why;
        if (c.outcome == NmeaOutcome::Fix) {
            EXPECT_DOUBLE_EQ(fix.Latitude, c.latitude) << c.sentence;
            EXPECT_DOUBLE_EQ(fix.Longitude, c.longitude) << c.sentence;
        }
        if (c.outcome == NmeaOutcome::Malformed || c.outcome == NmeaOutcome::BadChecksum) {
            EXPECT_FALSE(why.empty()) << c.sentence;
        }
    }
    LatLon fix{0, 0};
    std::string why;
    CNmeaReader::ReadSentence("$GPRMC,1,A,4807.038,N,0113x.000,E*4B", fix, why);
    EXPECT_EQ(why, "GPRMC field 5 (longitude) \"0113x.000,E\"");
    CNmeaReader::ReadSentence("$GPGLL,1*00", fix, why);
    EXPECT_EQ(why, "checksum *00, but the sentence sums to *4D");
}

StreamRun RunNmea(const std::string& input, const cli::ToolboxOptions& options)
{
    return RunOnStreams(input, [&](std::FILE* in, std::FILE* out, std::FILE* err) {
        return cli::CNmeaCommand::Run(options, in, out, err);
    });
}

TEST(NmeaCommand, AStreamAsAReceiverSendsIt)
{
    const std::string berlin = "$GPGGA,1,5231.250,N,01322.500,E,1,08,0.9,5,M,4,M,,*46";
    const std::string moscow = "$GNRMC,1,A,5546.250,N,03737.500,E,0,0,230394,,,A*50";
    const std::string input = "\xFF\xFEjunk\r\n" + berlin + "\r\n" + berlin + "\n" + "noise" + berlin.substr(0, 20)
                            + moscow + "\r\n" + std::string("\0$GPGGA,\0*00\n", 13) + "$GPGSV,1*48" + "\n"
                            + moscow.substr(0, 30) + "\n" + berlin;  // the last line without its end
    cli::ToolboxOptions o;
    StreamRun r = RunNmea(input, o);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "JO62QM\nJO62QM\nKO85TS\nJO62QM\n");
    EXPECT_EQ(r.err, "locatrix-cli: nmea: line 4: no checksum (*hh)\n"
                     "locatrix-cli: nmea: line 5: checksum *00, but the sentence sums to *7A\n"
                     "locatrix-cli: nmea: line 7: no checksum (*hh)\n"
                     "nmea: 8 lines: 4 fixes (4 printed), 0 without a fix, 3 bad checksums, 0 malformed, "
                     "1 other sentences, 1 other lines\n");
    o.changes = true;
    o.chars = 10;
    o.format = cli::OutputFormat::Csv;
    r = RunNmea(input, o);
    EXPECT_EQ(r.out, "line,locator,lat_deg,lon_deg\n2,JO62QM55AA,52.520833,13.375000\n"
                     "4,KO85TS55AA,55.770833,37.625000\n8,JO62QM55AA,52.520833,13.375000\n");
    o.values = {"/nonexistent/nmea.log"};
    r = RunNmea("", o);
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.err.find("locatrix-cli: nmea: cannot open \"/nonexistent/nmea.log\": "), 0u) << r.err;
}

} // namespace
