// What the gas station and the race share: the number range, the spoken
// numbers and the way home.
#include <cstdio>

#include "activities/menu_bar.h"
#include "activities/town_map.h"
#include "activities/vehicle_game.h"
#include "shell/frame_update.h"
#include "shell/globals.h"

LONG CurrentNumberRange() {
    LONG& range = frameUpdate.numberRange;
    if (range < 1 || range > 3)
        range = 1;
    return range;
}

LONG RangeNumber(LONG k) {
    switch (CurrentNumberRange()) {
    case 2:
        return k + 11;
    case 3:
        return (k + 1) * 10;
    default:
        return k + 1;
    }
}

void NumberRecording(LONG number, char* file, size_t size) {
    const char* pattern = number < 10    ? "number-00%d-sp.wav"
                          : number < 100 ? "number-0%d-sp.wav"
                                         : "number-%d-sp.wav";
    std::snprintf(file, size, pattern, static_cast<int>(number));
}

void VehicleGameHome() {
    GoHome(frameUpdate.originMap == 2 ? kLeftMap : kRightMap, "roundthemountain.wav");
}
