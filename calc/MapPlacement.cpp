#include "calc/MapPlacement.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

const char* const kNames[] = {"MapLeft", "MapTop", "MapWidth", "MapHeight", "MapRadius"};
const int kLargest = 16384;       // no screen is wider
const int kTitleBarReach = 24;    // so much of the top edge must be on a screen to grab it
const double kMetresPerKm = 1000;

bool Find(const SettingValues& stored, const char* name, std::uint32_t& value)
{
    for (const auto& [key, number] : stored.numbers)
        if (key == name) {
            value = number;
            return true;
        }
    return false;
}

} // namespace

std::vector<std::string> MapPlacementNames()
{
    return std::vector<std::string>(std::begin(kNames), std::end(kNames));
}

MapPlacement ReadMapPlacement(const SettingValues& stored, const std::vector<ScreenRect>& screens, int smallestWidth,
                              int smallestHeight)
{
    MapPlacement placement;
    std::uint32_t radius = 0;
    if (Find(stored, kNames[4], radius))
        placement.radiusKm = radius / kMetresPerKm;

    std::uint32_t numbers[4] = {};
    for (int i = 0; i < 4; ++i)
        if (!Find(stored, kNames[i], numbers[i]))
            return placement;
    // Left and top may be negative on a screen left of or above the main one.
    const int left = static_cast<std::int32_t>(numbers[0]), top = static_cast<std::int32_t>(numbers[1]);
    const std::uint32_t width = numbers[2], height = numbers[3];
    if (width < static_cast<std::uint32_t>(smallestWidth) || height < static_cast<std::uint32_t>(smallestHeight)
        || width > kLargest || height > kLargest || std::abs(left) > kLargest || std::abs(top) > kLargest)
        return placement;
    // The top edge, where the title bar is, on a screen for a grip's width at least.
    for (const ScreenRect& screen : screens) {
        const int from = left > screen.left ? left : screen.left;
        const int to = left + static_cast<int>(width) < screen.right ? left + static_cast<int>(width) : screen.right;
        if (to - from >= kTitleBarReach && top >= screen.top && top + kTitleBarReach <= screen.bottom) {
            placement.window = ScreenRect{left, top, left + static_cast<int>(width), top + static_cast<int>(height)};
            break;
        }
    }
    return placement;
}

SettingValues MapPlacementValues(const ScreenRect& window, double radiusKm)
{
    SettingValues values;
    values.numbers = {{kNames[0], static_cast<std::uint32_t>(window.left)},
                      {kNames[1], static_cast<std::uint32_t>(window.top)},
                      {kNames[2], static_cast<std::uint32_t>(window.right - window.left)},
                      {kNames[3], static_cast<std::uint32_t>(window.bottom - window.top)},
                      {kNames[4], static_cast<std::uint32_t>(std::lround(radiusKm * kMetresPerKm))}};
    return values;
}
