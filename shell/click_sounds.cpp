#include "shell/click_sounds.h"

namespace {

struct ClickSoundRange {
    LONG first;
    LONG last;
    ClickSound sound;
};

constexpr ClickSound kEffect{false, false, 0};
constexpr ClickSound kAnimalWord{true, false, 1200};
constexpr ClickSound kPop{true, true, 1000};
constexpr ClickSound kLongWord{true, false, 1500};
constexpr ClickSound kOther{false, false, 500};

const ClickSoundRange kClickSounds[] = {
    {21, 22, kEffect},   {320, 324, kEffect},   {382, 391, kEffect},   {417, 424, kEffect},
    {438, 441, kEffect}, {51, 63, kAnimalWord}, {67, 77, kAnimalWord}, {213, 218, kPop},
    {227, 232, kPop},    {246, 251, kPop},      {253, 258, kPop},      {563, 574, kLongWord},
};

} // namespace

ClickSound ClickSoundFor(LONG objectId) {
    for (const ClickSoundRange& range : kClickSounds)
        if (objectId >= range.first && objectId <= range.last)
            return range.sound;
    return kOther;
}
