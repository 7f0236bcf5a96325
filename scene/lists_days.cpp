// The days of the week (14). Day k's row is at y 2 + 68 k; the day pictures
// stand in the left column (x 92), the answer buttons in the right (x 365).
#include "scene/lists_furniture.h"
#include "scene/lists_tables.h"

using namespace lists;

namespace {

// clang-format off
constexpr CreationRecord kDays[] = {
    {kPlain, "friday-sp.bmp",            kNone,                   kNone, 535, false,  1, 3,   0, 0,  92, 274, 0, 0, 2, false},
    {kPlain, "intro-friday-sp.bmp",      "word-friday-sp.wav",    kNone, 536, false,  1, 3,   0, 0,  92, 274, 0, 0, 2, false},
    {kPlain, "intro-monday-sp.bmp",      "word-monday-sp.wav",    kNone, 537, false,  1, 3,   0, 0,  92,   2, 0, 0, 2, false},
    {kPlain, "intro-saturday-sp.bmp",    "word-saturday-sp.wav",  kNone, 538, false,  1, 3,   0, 0,  92, 342, 0, 0, 2, false},
    {kPlain, "intro-sunday-sp.bmp",      "word-sunday-sp.wav",    kNone, 539, false,  1, 3,   0, 0,  92, 410, 0, 0, 2, false},
    {kPlain, "intro-thursday-sp.bmp",    "word-thursday-sp.wav",  kNone, 540, false,  1, 3,   0, 0,  92, 206, 0, 0, 2, false},
    {kPlain, "intro-tuesday-sp.bmp",     "word-tuesday-sp.wav",   kNone, 541, false,  1, 3,   0, 0,  92,  70, 0, 0, 2, false},
    {kPlain, "intro-wednesday-sp.bmp",   "word-wednesday-sp.wav", kNone, 542, false,  1, 3,   0, 0,  92, 138, 0, 0, 2, false},
    {kPlain, "monday-sp.bmp",            kNone,                   kNone, 543, false,  1, 3,   0, 0,  92,   2, 0, 0, 2, false},
    {kPlain, "nextday-friday-sp.bmp",    "big-pop.wav",           kNone, 544, false,  1, 3,   0, 0, 365, 274, 0, 0, 2, false},
    {kPlain, "nextday-monday-sp.bmp",    "big-pop.wav",           kNone, 545, false,  1, 3,   0, 0, 365,   2, 0, 0, 2, false},
    {kPlain, "nextday-saturday-sp.bmp",  "big-pop.wav",           kNone, 546, false,  1, 3,   0, 0, 365, 342, 0, 0, 2, false},
    {kPlain, "nextday-sunday-sp.bmp",    "big-pop.wav",           kNone, 547, false,  1, 3,   0, 0, 365, 410, 0, 0, 2, false},
    {kPlain, "nextday-thursday-sp.bmp",  "big-pop.wav",           kNone, 548, false,  1, 3,   0, 0, 365, 206, 0, 0, 2, false},
    {kPlain, "nextday-tuesday-sp.bmp",   "big-pop.wav",           kNone, 549, false,  1, 3,   0, 0, 365,  70, 0, 0, 2, false},
    {kPlain, "nextday-wednesday-sp.bmp", "big-pop.wav",           kNone, 550, false,  1, 3,   0, 0, 365, 138, 0, 0, 2, false},
    {kPlain, "saturday-sp.bmp",          kNone,                   kNone, 551, false,  1, 3,   0, 0,  92, 342, 0, 0, 2, false},
    {kPlain, "sunday-sp.bmp",            kNone,                   kNone, 552, false,  1, 3,   0, 0,  92, 410, 0, 0, 2, false},
    {kPlain, "sun-friday",               kNone,                   kNone, 553, false, 11, 4, 125, 0,  92, 274, 0, 0, 2, false},
    {kPlain, "sun-monday",               kNone,                   kNone, 554, false, 11, 4, 125, 0,  92,   2, 0, 0, 2, false},
    {kPlain, "sun-saturday",             kNone,                   kNone, 555, false, 11, 4, 125, 0,  92, 342, 0, 0, 2, false},
    {kPlain, "sun-sunday",               kNone,                   kNone, 556, false, 11, 4, 125, 0,  92, 410, 0, 0, 2, false},
    {kPlain, "sun-thursday",             kNone,                   kNone, 557, false, 11, 4, 125, 0,  92, 206, 0, 0, 2, false},
    {kPlain, "sun-tuesday",              kNone,                   kNone, 558, false, 11, 4, 125, 0,  92,  70, 0, 0, 2, false},
    {kPlain, "sun-wednesday",            kNone,                   kNone, 559, false, 11, 4, 125, 0,  92, 138, 0, 0, 2, false},
    {kPlain, "thursday-sp.bmp",          kNone,                   kNone, 560, false,  1, 3,   0, 0,  92, 206, 0, 0, 2, false},
    {kPlain, "tuesday-sp.bmp",           kNone,                   kNone, 561, false,  1, 3,   0, 0,  92,  70, 0, 0, 2, false},
    {kPlain, "wednesday-sp.bmp",         kNone,                   kNone, 562, false,  1, 3,   0, 0,  92, 138, 0, 0, 2, false},
    kMenuBarLeft,
    kHelpButtonLeft,
    kGuideButtonLeft,
    kExitButtonLeft,
    kBalloonButtonLeft,
    kHomeButtonLeft,
    {kPlain, "monkey-sun02.bmp", kNone, kNone, 505, false, 1, 9, 0, 15, 204, 175, 0, 0, 2, false},
    kGuideMouth,
    kQuitPanel,
    kBigBalloon1,
    kBigBalloon2,
    kBigBalloon3,
    kBigBalloon4,
    kLittleBalloon1,
    kLittleBalloon2,
    kLittleBalloon3,
    kLittleBalloon4,
    kBigBalloon5,
    kLittleBalloon5,
    kPlayAgainPanel4,
    kYes,
    kNo,
    // The guide's sunrise face over the whole week, and its mouth.
    {kPlain, "sunrisemonkeyface", kNone, kNone, 563, false, 17, 6, 125, 0,   0,   0, 0, 0, 2, false},
    {kPlain, "sunmonkeymouth",    kNone, kNone, 565, false,  4, 7, 100, 0, 295, 153, 0, 0, 2, false},
    kWrongMark,
};
// clang-format on

} // namespace

std::span<const CreationRecord> DaysList() {
    return kDays;
}
