#include "activities/screen_kit.h"
#include "activities/town_map.h"
#include "shell/globals.h"
#include "shell/resource_handler.h"

namespace {

// clang-format off
constexpr MapLayout kMaps[] = {
    {kCentreMap, 1, 603, {3, 4, 5, kLeftArrow, kRightArrow, 603},           {6002, 6006, 6008}, nullptr,        0,     35000, 0},
    {kLeftMap,   6, 604, {7, 8, 12, 10, 11, kLeftArrow, kRightArrow, 604},  {6003, 6007, 6013}, "ufo-loop.wav", 600,   20000, 680},
    {kRightMap, 13, 605, {14, 15, 16, 18, 19, kLeftArrow, kRightArrow, 605}, {6004, 6005, 6009}, "airplane.wav", 602,   35000, 640},
};
// clang-format on

} // namespace

const MapLayout& CurrentMap() {
    LONG screen = resourceHandler.GetScreen();
    for (const MapLayout& map : kMaps)
        if (map.screen == screen)
            return map;
    return kMaps[0];
}

void SetMapClickable(bool clickable) {
    for (LONG id : CurrentMap().clickables)
        if (id != 0)
            SetClickable(id, clickable);
}
