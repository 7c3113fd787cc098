// NMEA 0183: the three position sentences of any talker, their fix flags, their checksums, and
// coordinates to the last digit.
#include "formats/NmeaReader.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(NmeaReader, PositionSentences)
{
    struct Case {
        std::string sentence;
        NmeaOutcome outcome;
        double latitude = 0, longitude = 0;
    } const cases[] = {
        {"$GPGGA,1,4807.038,N,01131.000,E,1,08,0.9,545.4,M*23", NmeaOutcome::Fix, 48 + 7.038 / 60, 11 + 31.0 / 60},
        {"$GNRMC,1,A,3352.000,S,15112.000,W,0,0,230394,,,A*5E", NmeaOutcome::Fix, -33 - 52.0 / 60, -151 - 12.0 / 60},
        {"$GLGLL,5231.25,N,01322.5,E,225444,A,D*6A", NmeaOutcome::Fix, 52 + 31.25 / 60, 13 + 22.5 / 60},
        {"$GAGLL,0000,N,18000,W*61", NmeaOutcome::Fix, 0, -180},  // NMEA 1.5: no status
        {"$GPGGA,123519,4807.038,N,01131.000,E,0,08,0.9,545.4,M*1E", NmeaOutcome::NoFix},
        {"$GPRMC,123519,V,4807.038,N,01131.000,E,,,230394,,*0A", NmeaOutcome::NoFix},
        {"$GPGLL,4807.038,N,01131.000,E,225444,V,N*5C", NmeaOutcome::NoFix},
        {"$GPGGA,123519,4860.000,N,01131.000,E,1,08*7D", NmeaOutcome::Malformed},  // 60 minutes
        {"$GPGGA,123519,9100.000,N,01131.000,E,1,08*7F", NmeaOutcome::Malformed},
        {"$GPGGA,123519,4807.038,X,01131.000,E,1,08*61", NmeaOutcome::Malformed},
        {"$GPGGA,123519,4807.038,N,1131.000,E,1,08*47", NmeaOutcome::Malformed},  // 2-digit degrees
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
    }
}

} // namespace
