// The ends of a path: a locator stands for its square's centre, LAT,LON for itself; anything
// else is refused with what is wrong.
#include "engine/Place.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Place, LocatorsAndPositionsAndWhatIsRefused)
{
    Place place;
    std::string why;
    ASSERT_TRUE(ReadPlace("jj00", place, why));
    EXPECT_EQ(place.name, "JJ00");
    EXPECT_EQ(place.point.Latitude, 0.5);
    EXPECT_EQ(place.point.Longitude, 1.0);
    ASSERT_TRUE(ReadPlace("-90,+180", place, why));
    EXPECT_EQ(place.name, "-90,+180");  // as given
    EXPECT_EQ(place.point.Latitude, -90.0);
    EXPECT_EQ(place.point.Longitude, 180.0);
    ASSERT_TRUE(ReadLocatorPlace("RR99XX99XX99", place, why));
    EXPECT_LT(place.point.Longitude, 180.0);

    const char* const latitude = "the latitude of LAT,LON must be a decimal number from -90 to 90";
    const char* const longitude = "the longitude of LAT,LON must be a decimal number from -180 to 180";
    const struct {
        const char* text;
        const char* why;
    } refused[] = {
        {"90.000001,0", latitude}, {"1e1,0", latitude}, {",0", latitude}, {"nan,0", latitude},
        {"0,-180.5", longitude},  {"0,", longitude},    {"0,1,2", longitude},
        {"JO6", "a locator has 2, 4, 6, 8, 10 or 12 characters, not 3"},
        {"JS", "character 2 of a locator must be A to R"},
    };
    for (const auto& r : refused) {
        Place unchanged{"x", {1, 2}};
        EXPECT_FALSE(ReadPlace(r.text, unchanged, why)) << r.text;
        EXPECT_EQ(why, r.why) << r.text;
        EXPECT_EQ(unchanged.name, "x");
    }
    EXPECT_FALSE(ReadLocatorPlace("0,0", place, why));
}

} // namespace
