// The map window's placement as settings: what is written reads back, on any screen, and what
// no window could have been gives the default placement, keeping the radius.
#include "calc/MapPlacement.h"

#include <gtest/gtest.h>

namespace {

const std::vector<ScreenRect> kScreens = {{0, 0, 1920, 1040}, {-1280, -200, 0, 824}};

void ExpectSame(const ScreenRect& a, const ScreenRect& b)
{
    EXPECT_EQ(a.left, b.left);
    EXPECT_EQ(a.top, b.top);
    EXPECT_EQ(a.right, b.right);
    EXPECT_EQ(a.bottom, b.bottom);
}

TEST(MapPlacement, WrittenPlacesReadBackOnAnyScreen)
{
    for (const ScreenRect& window : {ScreenRect{100, 80, 660, 720}, ScreenRect{-1200, -150, -500, 500},
                                     ScreenRect{1800, 1000, 2400, 1600}}) {
        const MapPlacement read = ReadMapPlacement(MapPlacementValues(window, 2012.625), kScreens, 240, 280);
        ASSERT_TRUE(read.window);
        ExpectSame(*read.window, window);
        EXPECT_EQ(read.radiusKm, 2012.625);
    }
    EXPECT_EQ(MapPlacementNames().size(), MapPlacementValues(ScreenRect{0, 0, 300, 300}, 50).numbers.size());
}

TEST(MapPlacement, WhatNoWindowCouldHaveBeenGivesTheDefault)
{
    const ScreenRect hostile[] = {
        {100, 100, 100, 500},         // no width
        {100, 100, 300, 120},         // too low to hold the map
        {0, 0, 40000, 600},           // wider than any screen
        {3000, 100, 3600, 700},       // right of every screen
        {100, 1030, 700, 1600},       // title bar under the screen's foot
        {-2000, -900, -1400, -300},   // above the second screen
        {1910, 500, 2500, 1100},      // ten pixels on the screen: nothing to grab
    };
    for (const ScreenRect& window : hostile) {
        const MapPlacement read = ReadMapPlacement(MapPlacementValues(window, 500), kScreens, 240, 280);
        EXPECT_FALSE(read.window) << window.left << "," << window.top << " " << window.right << "," << window.bottom;
        EXPECT_EQ(read.radiusKm, 500);
    }
    // A value missing, or none at all.
    SettingValues partial = MapPlacementValues(ScreenRect{100, 80, 660, 720}, 300);
    partial.numbers.erase(partial.numbers.begin() + 2);
    EXPECT_FALSE(ReadMapPlacement(partial, kScreens, 240, 280).window);
    const MapPlacement none = ReadMapPlacement(SettingValues{}, kScreens, 240, 280);
    EXPECT_FALSE(none.window);
    EXPECT_EQ(none.radiusKm, 0);
    EXPECT_FALSE(ReadMapPlacement(MapPlacementValues(ScreenRect{100, 80, 660, 720}, 300), {}, 240, 280).window);
}

} // namespace
