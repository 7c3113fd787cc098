// The land built into the program: every ring decodes, and known places are land or sea at
// both scales.
#include "map/Land.h"

#include <gtest/gtest.h>

namespace {

TEST(Land, EveryRingDecodesAndKnownPlacesAreLandOrSea)
{
    for (const LandData* data : {&kLand110m, &kLand50m}) {
        const CLand land(*data);
        ASSERT_EQ(land.GetRings().size(), data->ringCount);
        std::size_t points = 0;
        for (const LandRing& ring : land.GetRings()) {
            points += ring.size();
            for (const LatLon& p : ring) {
                ASSERT_TRUE(p.Latitude >= -90 && p.Latitude <= 90) << p.Latitude;
                ASSERT_TRUE(p.Longitude >= -180 && p.Longitude <= 180) << p.Longitude;
            }
        }
        EXPECT_GT(points, data->ringCount * 3);
        const LatLon landPoints[] = {{52.5, 13.4},  {23, 10},     {-25, 134}, {-89.9, 0}, {-80, 100},
                                     {72, -40},     {40, -100},   {-10, -60}, {64, 100},  {-43.5, 171}};
        for (const LatLon& p : landPoints)
            EXPECT_TRUE(land.IsLand(p)) << p.Latitude << "," << p.Longitude;
        const LatLon seaPoints[] = {{30, -40}, {0, -150}, {-30, 80},   {89.9, 0}, {-60, -60},
                                    {55, 5},   {35, 18},  {42, 50.5}, {0, 179.9}, {-52.5, -166.6}};
        for (const LatLon& p : seaPoints)
            EXPECT_FALSE(land.IsLand(p)) << p.Latitude << "," << p.Longitude;
    }
    // The detailed scale is the detailed one.
    EXPECT_GT(CLand::Detailed().GetRings().size(), 4 * CLand::Coarse().GetRings().size());
}

} // namespace
