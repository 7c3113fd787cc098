// NMEA 0183: the three position sentences of any talker, their fix flags and mode letters, their
// checksums, noise that is no sentence, and coordinates to the last digit and exactly.
#include "formats/NmeaReader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>

namespace {

// The body between "$" and "*" with its checksum.
std::string Sentence(const std::string& body)
{
    unsigned sum = 0;
    for (char c : body)
        sum ^= static_cast<unsigned char>(c);
    char tail[8];
    std::snprintf(tail, sizeof tail, "*%02X", sum);
    return "$" + body + tail;
}

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
        {"$GPGGA,1,4807.038,N,01131.000,E,1,08,0.9,545.4,M*24", NmeaOutcome::BadChecksum},
        {"$GPGGA,1,4807.038,N,01131.000,E,1,08,0.9,545.4,M", NmeaOutcome::BadChecksum},
        {"$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*39", NmeaOutcome::Other},
        // Fix qualities and mode letters that are no position of a receiver's own.
        {Sentence("GPGGA,1,4807.038,N,01131.000,E,6,08,0.9,545.4,M"), NmeaOutcome::Estimated, 48 + 7.038 / 60,
         11 + 31.0 / 60},
        {Sentence("GPGGA,1,4807.038,N,01131.000,E,7,08,0.9,545.4,M"), NmeaOutcome::NotReal, 48 + 7.038 / 60,
         11 + 31.0 / 60},
        {Sentence("GPGGA,1,4807.038,N,01131.000,E,8,08,0.9,545.4,M"), NmeaOutcome::NotReal, 48 + 7.038 / 60,
         11 + 31.0 / 60},
        {Sentence("GPGGA,1,4807.038,N,01131.000,E,2,08,0.9,545.4,M"), NmeaOutcome::Fix, 48 + 7.038 / 60, 11 + 31.0 / 60},
        {Sentence("GPRMC,1,V,4807.038,N,01131.000,E,0,0,230394,,,E"), NmeaOutcome::Estimated, 48 + 7.038 / 60,
         11 + 31.0 / 60},
        {Sentence("GPRMC,1,A,4807.038,N,01131.000,E,0,0,230394,,,E"), NmeaOutcome::Estimated, 48 + 7.038 / 60,
         11 + 31.0 / 60},
        {Sentence("GPRMC,1,V,1800.000,N,07000.000,W,0,0,230394,,,S"), NmeaOutcome::NotReal, 18, -70},
        {Sentence("GPRMC,1,V,1800.000,N,07000.000,W,0,0,230394,,,M"), NmeaOutcome::NotReal, 18, -70},
        {Sentence("GPRMC,1,A,1800.000,N,07000.000,W,0,0,230394,,,N"), NmeaOutcome::NoFix},
        {Sentence("GPRMC,1,A,1800.000,N,07000.000,W,0,0,230394,,,D"), NmeaOutcome::Fix, 18, -70},
        {Sentence("GNGLL,1800.000,N,07000.000,W,1,V,S"), NmeaOutcome::NotReal, 18, -70},
        {Sentence("GNGLL,1800.000,N,07000.000,W,1,A,E"), NmeaOutcome::Estimated, 18, -70},
        {Sentence("GNGLL,1800.000,N,07000.000,W,1,A,N"), NmeaOutcome::NoFix},
        // No sentence at all: "$$", a "$" in binary data, text without a checksum.
        {"$", NmeaOutcome::Noise},
        {"", NmeaOutcome::Noise},
        {"GPGGA,1,4807.038,N,01131.000,E,1,08,0.9,545.4,M*23", NmeaOutcome::Noise},  // no "$"
        {"$\x01\xB5" "b\x06", NmeaOutcome::Noise},
        {"$GP", NmeaOutcome::Noise},
        {"$PSRFTXT,Version:GSW3.2.5", NmeaOutcome::Noise},
        {"$GPGSA,A,3,04", NmeaOutcome::Noise},
        {"$GPGGA,1,4807.038,N", NmeaOutcome::BadChecksum},  // a position is a fault, not noise
    };
    for (const Case& c : cases) {
        NmeaFix fix;
        fix.point = LatLon{-1, -1};
        std::string why;
        const NmeaOutcome outcome = CNmeaReader::ReadSentence(c.sentence, fix, why);
        EXPECT_EQ(static_cast<int>(outcome), static_cast<int>(c.outcome)) << c.sentence << ": " << why;
        if (c.outcome == NmeaOutcome::Fix || c.outcome == NmeaOutcome::Estimated || c.outcome == NmeaOutcome::NotReal) {
            EXPECT_DOUBLE_EQ(fix.point.Latitude, c.latitude) << c.sentence;
            EXPECT_DOUBLE_EQ(fix.point.Longitude, c.longitude) << c.sentence;
        } else {
            EXPECT_EQ(fix.point.Latitude, -1) << "a fix left as it was by " << c.sentence;
        }
    }
}

// The digits as they stand: minutes and their decimals, the hemisphere as the sign.
TEST(NmeaReader, CoordinatesExactly)
{
    double value = 0;
    DecimalAngle exact;
    ASSERT_TRUE(CNmeaReader::ReadCoordinate("3502.500", "S", false, value, exact));
    EXPECT_EQ(std::make_tuple(exact.negative, exact.whole, exact.decimals, exact.unitsPerDegree),
              std::make_tuple(true, 35L * 60 + 2, std::string("500"), 60L));
    ASSERT_TRUE(CNmeaReader::ReadCoordinate("17959", "E", true, value, exact));
    EXPECT_EQ(std::make_tuple(exact.negative, exact.whole, exact.decimals), std::make_tuple(false, 179L * 60 + 59, std::string()));
    EXPECT_EQ(value, 179 + 59.0 / 60);
}

} // namespace
