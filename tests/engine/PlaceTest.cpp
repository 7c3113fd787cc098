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

// A QSO on a grid line or corner: the centre of the area its squares cover, whichever order
// and case they come in, across the 180th meridian too.
TEST(Place, SquaresOnAGridLineOrCorner)
{
    const struct {
        const char* list;
        double latitude, longitude;
    } lists[] = {
        {"FM19,FM29", 39.5, -76},
        {"fm29, FM19", 39.5, -76},
        {"FN20,FN21", 41, -75},
        {"EM99,EN90,FM09,FN00", 40, -80},
        {"RL99,AL09", 29.5, -180},
        {"JO62QM,JO62RM", 52.520833333333336, 13.416666666666666},
    };
    for (const auto& l : lists) {
        Place place;
        std::string why;
        ASSERT_TRUE(ReadSquaresPlace(l.list, place, why)) << l.list << ": " << why;
        EXPECT_DOUBLE_EQ(place.point.Latitude, l.latitude) << l.list;
        EXPECT_DOUBLE_EQ(place.point.Longitude, l.longitude) << l.list;
    }
    const struct {
        const char* list;
        const char* why;
    } refused[] = {
        {"FM19", "a list of squares has 2 or 4 of them, not 1"},
        {"FM19,FM29,FM39", "a list of squares has 2 or 4 of them, not 3"},
        {"FM19,FM39", "the squares of a list must meet on a grid line or at a corner"},
        {"FM19,FM28", "the squares of a list must meet on a grid line or at a corner"},
        {"FM19,FM29,FM39,FM49", "the squares of a list must meet on a grid line or at a corner"},
        {"FM19,FM29,FM18,FM18", "a list names a square twice"},
        {"FM19,FM29QA", "the squares of a list must be of one size"},
        {"FM19,", "a locator has 2, 4, 6, 8, 10 or 12 characters, not 0"},
    };
    for (const auto& r : refused) {
        Place unchanged{"x", {1, 2}};
        std::string why;
        EXPECT_FALSE(ReadSquaresPlace(r.list, unchanged, why)) << r.list;
        EXPECT_EQ(why, r.why) << r.list;
        EXPECT_EQ(unchanged.name, "x");
    }
}

} // namespace
