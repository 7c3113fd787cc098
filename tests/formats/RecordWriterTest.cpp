// Records as CSV and JSON, and places, squares and lines as GeoJSON: what other programs parse.
#include "engine/LocatorSquare.h"
#include "formats/GeoJsonWriter.h"
#include "formats/RecordWriter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(RecordWriter, CsvAndJsonEscapeWhatTheyMust)
{
    CRecordWriter r;
    r.AddText("name", "a,\"b\"");
    r.AddNumber("km", -0.04, 1);
    r.AddNumberText("line", "12");
    EXPECT_EQ(r.CsvHeader(), "name,km,line\n");
    EXPECT_EQ(r.CsvRow(), "\"a,\"\"b\"\"\",0.0,12\n");
    EXPECT_EQ(r.Json(), "{\"name\":\"a,\\\"b\\\"\",\"km\":0.0,\"line\":12}");
    EXPECT_EQ(CRecordWriter::JsonString("a\"b\\c\x01\x7f\xe9"), "\"a\\\"b\\\\c\\u0001\\u007f\\u00e9\"");
    EXPECT_EQ(CRecordWriter::CsvField("plain"), "plain");
    EXPECT_EQ(CRecordWriter::CsvField("two\r\nlines"), "\"two\r\nlines\"");
}

TEST(GeoJsonWriter, PolygonsPointsAndLinesCutAtLongitude180)
{
    CRecordWriter properties;
    properties.AddText("role", "x");
    CLocatorSquare square;
    std::string why;
    ASSERT_TRUE(square.SetLocator("JJ00", why));
    EXPECT_EQ(CGeoJsonWriter::Square(square, properties),
              "{\"type\":\"Feature\",\"geometry\":{\"type\":\"Polygon\",\"coordinates\":[[[0.000000,0.000000],"
              "[2.000000,0.000000],[2.000000,1.000000],[0.000000,1.000000],[0.000000,0.000000]]]},"
              "\"properties\":{\"role\":\"x\"}}");
    // Longitude first.
    EXPECT_NE(CGeoJsonWriter::PointFeature({-33.9, 151.2}, properties).find("[151.200000,-33.900000]"),
              std::string::npos);
    EXPECT_NE(CGeoJsonWriter::LineFeature({{10, 170}, {12, 175}}, properties).find("\"LineString\""),
              std::string::npos);
    const std::string cut = CGeoJsonWriter::LineFeature({{10, 170}, {10, -170}}, properties);
    EXPECT_NE(cut.find("\"MultiLineString\",\"coordinates\":[[[170.000000,10.000000],[180.000000,"), std::string::npos)
        << cut;
    EXPECT_NE(cut.find("],[[-180.000000,"), std::string::npos) << cut;
    EXPECT_EQ(CGeoJsonWriter::Collection({"A", "B"}), "{\"type\":\"FeatureCollection\",\"features\":[\nA,\nB\n]}\n");
}

} // namespace
