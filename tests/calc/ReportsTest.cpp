// The toolbox's results as named fields: a path's and a square's figures with their units, and
// the window's four results in the order and under the names the command line writes them.
#include "calc/PathReport.h"
#include "calc/ResultFields.h"
#include "calc/SquareReport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Reports, PathAndSquareFiguresByName)
{
    // Locators stand for their centres: JJ00 is 0.5 N 1 E, one degree north of 0.5 S 1 E.
    const CPathReport path(Place{"JJ00", {0.5, 1}}, Place{"-0.5,1", {-0.5, 1}}, CEarth());
    const CRecordWriter record = path.Record(2);
    EXPECT_EQ(record.CsvHeader(), "from,to,from_lat_deg,from_lon_deg,to_lat_deg,to_lon_deg,radius_km,"
                                  "short_bearing_deg,short_km,short_mi,short_nmi,long_bearing_deg,long_km,long_mi,"
                                  "long_nmi\n");
    EXPECT_EQ(record.CsvRow(), "JJ00,\"-0.5,1\",0.500000,1.000000,-0.500000,1.000000,6366.707,180.00,111.12,69.05,"
                               "60.00,0.00,39892.08,24787.79,21540.00\n");
    EXPECT_EQ(path.Text(1), "JJ00 to -0.5,1\nshort path: 180.0 deg, 111.1 km, 69.0 mi, 60.0 nmi\n"
                            "long path: 0.0 deg, 39892.1 km, 24787.8 mi, 21540.0 nmi\n");
    // A bearing that rounds to 360 is 0; the GeoJSON has both ends and both paths.
    EXPECT_EQ(CPathReport::Bearing(359.96, 1), "0.0");
    // A rotator turns to the bearing as written: 44.996 is 45.0.
    const CPathReport diagonal(Place{"0,0", {0, 0}}, Place{"1,1", {1, 1}}, CEarth());
    EXPECT_EQ(diagonal.RotatorBearing(false), 45.0);
    EXPECT_EQ(diagonal.RotatorBearing(true), 225.0);
    const std::string geojson = path.GeoJson(1);
    for (const char* part : {"\"role\":\"from\"", "\"role\":\"to\"", "\"role\":\"short path\"", "\"role\":\"long path\""})
        EXPECT_NE(geojson.find(part), std::string::npos) << part;

    CLocatorSquare square;
    std::string why;
    ASSERT_TRUE(square.SetLocator("aa00", why));
    const CSquareReport report(square);
    EXPECT_EQ(report.Record(1).CsvHeader(),
              "locator,south_deg,west_deg,north_deg,east_deg,centre_lat_deg,centre_lon_deg,height_deg,width_deg\n");
    EXPECT_EQ(report.Record(1).CsvRow(), "AA00,-90.0,-180.0,-89.0,-178.0,-89.5,-179.0,1.0,2.0\n");
    EXPECT_EQ(report.Text(0), "AA00\nsouth-west: -90 -180\nnorth-east: -89 -178\ncentre: -90 -179\n"
                              "size: 1 2 (degrees of latitude and longitude)\n");
    EXPECT_NE(report.GeoJsonFeature(0).find("\"Polygon\""), std::string::npos);
}

TEST(ResultFields, EachCommandsResultsFromTheFormItLeft)
{
    CForm form;
    form.Text(Box::LatitudeDecimal) = "-33.868800";
    form.Text(Box::LongitudeDecimal) = "151.209300";
    ASSERT_EQ(CalculateDecimal(form).kind, Outcome::kDone);
    EXPECT_EQ(ResultLine(form, SavedGroup::Decimal), "QF56OD 33 52 7.68 S 151 12 33.48 E");
    EXPECT_EQ(ResultRecord(form, SavedGroup::Decimal).Json(),
              "{\"locator\":\"QF56OD\",\"lat_whole_deg\":33,\"lat_min\":52,\"lat_sec\":7.68,\"lat_hemisphere\":\"S\","
              "\"lon_whole_deg\":151,\"lon_min\":12,\"lon_sec\":33.48,\"lon_hemisphere\":\"E\"}");
    form.Text(Box::Locator) = "JO62QM";
    ASSERT_EQ(CalculateLocator(form).kind, Outcome::kDone);
    EXPECT_EQ(ResultLine(form, SavedGroup::Locator), "52.520833 52 31 15.00 N 13.375000 13 22 30.00 E");
    EXPECT_EQ(ResultRecord(form, SavedGroup::Locator).CsvHeader(),
              "lat_deg,lat_whole_deg,lat_min,lat_sec,lat_hemisphere,lon_deg,lon_whole_deg,lon_min,lon_sec,"
              "lon_hemisphere\n");
    EXPECT_EQ(ResultLine(form, SavedGroup::Dms), "52.520833 13.375000 JO62QM");
    form.Text(Box::Location1) = "JO62QM";
    form.Text(Box::Location2) = "KO85TS";
    ASSERT_EQ(CalculateDistance(form).kind, Outcome::kDone);
    EXPECT_EQ(ResultRecord(form, SavedGroup::Distance).Json(),
              "{\"bearing_deg\":67.4,\"distance_mi\":1000.5,\"distance_km\":1610.1,\"distance_nmi\":869.4}");
    // Every field is named once, and only a number box is written as a number.
    for (SavedGroup command : {SavedGroup::Dms, SavedGroup::Decimal, SavedGroup::Locator, SavedGroup::Distance})
        for (const ResultField& field : ResultFields(command))
            EXPECT_EQ(field.kind == ResultField::kNumber, DecimalsShown(field.box) >= 0 && field.kind != ResultField::kHemisphere)
                << field.name;
}

} // namespace
