// The months trip: the launch from Earth (16), the flight to Mars (17), the
// launch from Mars (18), the flight back (19) and the landing (20).
#include "scene/lists_furniture.h"
#include "scene/lists_tables.h"

using namespace lists;

namespace {

// clang-format off
constexpr CreationRecord kHelmetOff  {kPlain, "astro-monkey-helmetoff.bmp", kNone, kNone, 496, false, 1,  9,   0, 0, 304, 144, 0, 0, 2, false};
constexpr CreationRecord kHelmetOn   {kPlain, "astro-monkey-helmeton.bmp",  kNone, kNone, 497, false, 1,  9,   0, 0, 364, 143, 0, 0, 2, false};
constexpr CreationRecord kAstroEyes  {kPlain, "astro-monkey-blink.bmp",     kNone, kNone, 512, false, 1, 10,   0, 0, 447, 199, 0, 0, 2, false};
constexpr CreationRecord kAstroMouth {kPlain, "astro-monkey-mouth",         kNone, kNone, 902, false, 4, 10, 100, 0, 449, 209, 0, 0, 2, false};
constexpr CreationRecord kControlPanel{kPlain, "controlpanel", kNone, kNone, 295, true, 20, 5, 125, 0,   0, 291, 0, 0, 2, false};
constexpr CreationRecord kCountdown   {kPlain, "countdown",    kNone, kNone, 296, true, 13, 6, 125, 0, 495, 387, 0, 0, 2, false};

constexpr CreationRecord kLaunch[] = {
    kBalloonButtonRight,
    kExitButtonRight,
    kHomeButtonRight,
    kGuideButtonRight,
    kMenuBarRight,
    kHelpButtonRight,
    {kPlain, "launch-earth", kNone, kNone, 312, true, 13, 1, 125, 0, 0, 0, 0, 0, 2, false},
    kHelmetOff,
    kGuideMouth,
    kGuideEyes,
    kYes,
    kNo,
    kQuitPanel,
    kHelmetOn,
    kAstroEyes,
    kAstroMouth,
};

constexpr CreationRecord kToMars[] = {
    kBalloonButtonRight,
    kExitButtonRight,
    kHomeButtonRight,
    kGuideButtonRight,
    kMenuBarRight,
    kHelpButtonRight,
    {kPlain, "to-mars-1-sp.bmp",        "word-january-sp.wav",     kNone, 313, true,  1, 1, 0, 20, 0, 0, 0, 0, 2, false},
    {kPlain, "to-mars-2-sp.bmp",        "word-february-sp.wav",    kNone, 314, false, 1, 1, 0, 20, 0, 0, 0, 0, 2, false},
    {kPlain, "to-mars-3-sp.bmp",        "word-march-sp.wav",       kNone, 315, false, 1, 1, 0, 20, 0, 0, 0, 0, 2, false},
    {kPlain, "to-mars-4-sp.bmp",        "word-april-sp.wav",       kNone, 316, false, 1, 1, 0, 20, 0, 0, 0, 0, 2, false},
    {kPlain, "to-mars-5-sp.bmp",        "word-may-sp.wav",         kNone, 317, false, 1, 1, 0, 20, 0, 0, 0, 0, 2, false},
    {kPlain, "to-mars-6-sp.bmp",        "word-june-sp.wav",        kNone, 318, false, 1, 1, 0, 20, 0, 0, 0, 0, 2, false},
    {kPlain, "to-mars-7-sp.bmp",        "word-july-sp.wav",        kNone, 319, false, 1, 1, 0, 20, 0, 0, 0, 0, 2, false},
    {kPlain, "to-mars-8-sp.bmp",        "word-august-sp.wav",      kNone, 320, false, 1, 1, 0, 20, 0, 0, 0, 0, 2, false},
    {kPlain, "to-mars-9-sp.bmp",        "word-september-sp.wav",   kNone, 321, false, 1, 1, 0, 20, 0, 0, 0, 0, 2, false},
    {kPlain, "to-mars-10-sp.bmp",       "word-october-sp.wav",     kNone, 322, false, 1, 1, 0, 20, 0, 0, 0, 0, 2, false},
    {kPlain, "to-mars-11-sp.bmp",       "word-november-sp.wav",    kNone, 323, false, 1, 1, 0, 20, 0, 0, 0, 0, 2, false},
    {kPlain, "to-mars-12-sp.bmp",       "word-december-sp.wav",    kNone, 324, false, 1, 1, 0, 20, 0, 0, 0, 0, 2, false},
    {kPlain, "to-mars-13-sp.bmp",       kNone,                     kNone, 325, false, 1, 1, 0, 20, 0, 0, 0, 0, 2, false},
    kHelmetOn,
    kAstroEyes,
    kControlPanel,
    kCountdown,
    {kPlain, "spaceship2mars", kNone, kNone, 306, true, 9, 2, 75, 0, 51, 111, 0, 0, 2, false},
    kAstroMouth,
    // The month buttons on the control panel.
    {kPlain, "months-april-sp.bmp",      "word-april-sp.wav",       kNone, 563, false, 1, 6, 0, 0,  34, 390, 0, 0, 2, false},
    {kPlain, "months-august-sp.bmp",     "word-august-sp.wav",      kNone, 564, false, 1, 6, 0, 0, 116, 350, 0, 0, 2, false},
    {kPlain, "months-december-sp.bmp",   "word-december-sp.wav",    kNone, 565, false, 1, 6, 0, 0, 116, 430, 0, 0, 2, false},
    {kPlain, "months-february-sp.bmp",   "word-february-sp.wav",    kNone, 566, false, 1, 6, 0, 0,  34, 350, 0, 0, 2, false},
    {kPlain, "months-january-sp.bmp",    "word-january-sp.wav",     kNone, 567, false, 1, 6, 0, 0,  34, 330, 0, 0, 2, false},
    {kPlain, "months-july-sp.bmp",       "word-july-sp.wav",        kNone, 568, false, 1, 6, 0, 0, 116, 330, 0, 0, 2, false},
    {kPlain, "months-june-sp.bmp",       "word-june-sp.wav",        kNone, 569, false, 1, 6, 0, 0,  34, 430, 0, 0, 2, false},
    {kPlain, "months-march-sp.bmp",      "word-march-sp.wav",       kNone, 570, false, 1, 6, 0, 0,  34, 370, 0, 0, 2, false},
    {kPlain, "months-may-sp.bmp",        "word-may-sp.wav",         kNone, 571, false, 1, 6, 0, 0,  34, 410, 0, 0, 2, false},
    {kPlain, "months-november-sp.bmp",   "word-november-sp.wav",    kNone, 572, false, 1, 6, 0, 0, 116, 410, 0, 0, 2, false},
    {kPlain, "months-october-sp.bmp",    "word-october-sp.wav",     kNone, 573, false, 1, 6, 0, 0, 116, 390, 0, 0, 2, false},
    {kPlain, "months-september-sp.bmp",  "word-september-sp.wav",   kNone, 574, false, 1, 6, 0, 0, 116, 370, 0, 0, 2, false},
    kYes,
    kNo,
    kQuitPanel,
};

constexpr CreationRecord kOnMars[] = {
    kBalloonButtonRight,
    kExitButtonRight,
    kHomeButtonRight,
    kGuideButtonRight,
    kMenuBarRight,
    kHelpButtonRight,
    kHelmetOn,
    kAstroEyes,
    kAstroMouth,
    {kPlain, "launch-mars", kNone, kNone, 311, true, 13, 1, 125, 0, 0, 0, 0, 0, 2, false},
    kYes,
    kNo,
    kQuitPanel,
};

// Flying home: the space sights come in from the screen's edges.
constexpr CreationRecord kToEarth[] = {
    {kPlain, "notext-to-earth-1.bmp",   "word-january-sp.wav",     kNone, 313, false, 1, 1, 0, 20, 0, 0, 0, 0, 2, false},
    {kPlain, "notext-to-earth-2.bmp",   "word-february-sp.wav",    kNone, 314, false, 1, 1, 0, 20, 0, 0, 0, 0, 2, false},
    {kPlain, "notext-to-earth-3.bmp",   "word-march-sp.wav",       kNone, 315, false, 1, 1, 0, 20, 0, 0, 0, 0, 2, false},
    {kPlain, "notext-to-earth-4.bmp",   "word-april-sp.wav",       kNone, 316, false, 1, 1, 0, 20, 0, 0, 0, 0, 2, false},
    {kPlain, "notext-to-earth-5.bmp",   "word-may-sp.wav",         kNone, 317, false, 1, 1, 0, 20, 0, 0, 0, 0, 2, false},
    {kPlain, "notext-to-earth-6.bmp",   "word-june-sp.wav",        kNone, 318, false, 1, 1, 0, 20, 0, 0, 0, 0, 2, false},
    {kPlain, "notext-to-earth-7.bmp",   "word-july-sp.wav",        kNone, 319, false, 1, 1, 0, 20, 0, 0, 0, 0, 2, false},
    {kPlain, "notext-to-earth-8.bmp",   "word-august-sp.wav",      kNone, 320, false, 1, 1, 0, 20, 0, 0, 0, 0, 2, false},
    {kPlain, "notext-to-earth-9.bmp",   "word-september-sp.wav",   kNone, 321, false, 1, 1, 0, 20, 0, 0, 0, 0, 2, false},
    {kPlain, "notext-to-earth-10.bmp",  "word-october-sp.wav",     kNone, 322, false, 1, 1, 0, 20, 0, 0, 0, 0, 2, false},
    {kPlain, "notext-to-earth-11.bmp",  "word-november-sp.wav",    kNone, 323, false, 1, 1, 0, 20, 0, 0, 0, 0, 2, false},
    {kPlain, "notext-to-earth-12.bmp",  "word-december-sp.wav",    kNone, 324, false, 1, 1, 0, 20, 0, 0, 0, 0, 2, false},
    {kPlain, "notext-to-earth-13.bmp",  kNone,                     kNone, 325, false, 1, 1, 0, 20, 0, 0, 0, 0, 2, false},
    {kPlain, "asteroid",          kNone, kNone, 294, false,  8, 3, 100, 30,  640,  60, -4, 1, 2, false},
    {kPlain, "flyingdino",        kNone, kNone, 297, false,  8, 3, 100, 30,  640, 200, -3, 0, 2, false},
    {kPlain, "mars-ufo",          kNone, kNone, 298, false,  6, 3, 100, 30, -140,  80,  3, 0, 2, false},
    {kPlain, "mars-ufo-eyes.bmp", kNone, kNone, 299, false,  1, 4,   0, 30, -100,  95,  3, 0, 2, false},
    {kPlain, "reversespaceship",  kNone, kNone, 302, false,  9, 3,  75,  0,  263, 111,  0, 0, 2, false},
    {kPlain, "rotatingmoon",      kNone, kNone, 303, false, 12, 2, 100,  0,  420,  40,  0, 0, 2, false},
    {kPlain, "spaceman",          kNone, kNone, 304, false,  8, 3, 100,  0,  100, 120,  0, 0, 2, false},
    {kPlain, "spaceship",         kNone, kNone, 305, true,   9, 3, 125,  0,  263, 111,  0, 0, 2, false},
    {kPlain, "witch.bmp",         kNone, kNone, 309, false,  1, 3,   0, 30,  640, 150, -5, 0, 2, false},
    {kPlain, "months-april-sp.bmp",      "word-april-sp.wav",       kNone, 563, false, 1, 6, 0, 0,  34, 390, 0, 0, 2, false},
    {kPlain, "months-august-sp.bmp",     "word-august-sp.wav",      kNone, 564, false, 1, 6, 0, 0, 116, 350, 0, 0, 2, false},
    {kPlain, "months-december-sp.bmp",   "word-december-sp.wav",    kNone, 565, false, 1, 6, 0, 0, 116, 430, 0, 0, 2, false},
    {kPlain, "months-february-sp.bmp",   "word-february-sp.wav",    kNone, 566, false, 1, 6, 0, 0,  34, 350, 0, 0, 2, false},
    {kPlain, "months-january-sp.bmp",    "word-january-sp.wav",     kNone, 567, false, 1, 6, 0, 0,  34, 330, 0, 0, 2, false},
    {kPlain, "months-july-sp.bmp",       "word-july-sp.wav",        kNone, 568, false, 1, 6, 0, 0, 116, 330, 0, 0, 2, false},
    {kPlain, "months-june-sp.bmp",       "word-june-sp.wav",        kNone, 569, false, 1, 6, 0, 0,  34, 430, 0, 0, 2, false},
    {kPlain, "months-march-sp.bmp",      "word-march-sp.wav",       kNone, 570, false, 1, 6, 0, 0,  34, 370, 0, 0, 2, false},
    {kPlain, "months-may-sp.bmp",        "word-may-sp.wav",         kNone, 571, false, 1, 6, 0, 0,  34, 410, 0, 0, 2, false},
    {kPlain, "months-november-sp.bmp",   "word-november-sp.wav",    kNone, 572, false, 1, 6, 0, 0, 116, 410, 0, 0, 2, false},
    {kPlain, "months-october-sp.bmp",    "word-october-sp.wav",     kNone, 573, false, 1, 6, 0, 0, 116, 390, 0, 0, 2, false},
    {kPlain, "months-september-sp.bmp",  "word-september-sp.wav",   kNone, 574, false, 1, 6, 0, 0, 116, 370, 0, 0, 2, false},
    kBalloonButtonRight,
    kExitButtonRight,
    kHomeButtonRight,
    kGuideButtonRight,
    kMenuBarRight,
    kHelpButtonRight,
    kHelmetOn,
    kAstroEyes,
    kAstroMouth,
    kControlPanel,
    kCountdown,
    kWrongMark,
    kYes,
    kNo,
    kQuitPanel,
    // The month names over the screen, in two pictures each.
    {kPlain, "months-overlay-january1-sp.bmp",    kNone, kNone, 3101, false, 1, 7, 0, 0, 175, 20, 0, 0, 2, false},
    {kPlain, "months-overlay-january2-sp.bmp",    kNone, kNone, 3113, false, 1, 7, 0, 0, 175, 20, 0, 0, 2, false},
    {kPlain, "months-overlay-february1-sp.bmp",   kNone, kNone, 3102, false, 1, 7, 0, 0, 175, 20, 0, 0, 2, false},
    {kPlain, "months-overlay-february2-sp.bmp",   kNone, kNone, 3114, false, 1, 7, 0, 0, 175, 20, 0, 0, 2, false},
    {kPlain, "months-overlay-march1-sp.bmp",      kNone, kNone, 3103, false, 1, 7, 0, 0, 175, 20, 0, 0, 2, false},
    {kPlain, "months-overlay-march2-sp.bmp",      kNone, kNone, 3115, false, 1, 7, 0, 0, 175, 20, 0, 0, 2, false},
    {kPlain, "months-overlay-april1-sp.bmp",      kNone, kNone, 3104, false, 1, 7, 0, 0, 175, 20, 0, 0, 2, false},
    {kPlain, "months-overlay-april2-sp.bmp",      kNone, kNone, 3116, false, 1, 7, 0, 0, 175, 20, 0, 0, 2, false},
    {kPlain, "months-overlay-may1-sp.bmp",        kNone, kNone, 3105, false, 1, 7, 0, 0, 175, 20, 0, 0, 2, false},
    {kPlain, "months-overlay-may2-sp.bmp",        kNone, kNone, 3117, false, 1, 7, 0, 0, 175, 20, 0, 0, 2, false},
    {kPlain, "months-overlay-june1-sp.bmp",       kNone, kNone, 3106, false, 1, 7, 0, 0, 175, 20, 0, 0, 2, false},
    {kPlain, "months-overlay-june2-sp.bmp",       kNone, kNone, 3118, false, 1, 7, 0, 0, 175, 20, 0, 0, 2, false},
    {kPlain, "months-overlay-july1-sp.bmp",       kNone, kNone, 3107, false, 1, 7, 0, 0, 175, 20, 0, 0, 2, false},
    {kPlain, "months-overlay-july2-sp.bmp",       kNone, kNone, 3119, false, 1, 7, 0, 0, 175, 20, 0, 0, 2, false},
    {kPlain, "months-overlay-august1-sp.bmp",     kNone, kNone, 3108, false, 1, 7, 0, 0, 175, 20, 0, 0, 2, false},
    {kPlain, "months-overlay-august2-sp.bmp",     kNone, kNone, 3120, false, 1, 7, 0, 0, 175, 20, 0, 0, 2, false},
    {kPlain, "months-overlay-september1-sp.bmp",  kNone, kNone, 3109, false, 1, 7, 0, 0, 175, 20, 0, 0, 2, false},
    {kPlain, "months-overlay-september2-sp.bmp",  kNone, kNone, 3121, false, 1, 7, 0, 0, 175, 20, 0, 0, 2, false},
    {kPlain, "months-overlay-october1-sp.bmp",    kNone, kNone, 3110, false, 1, 7, 0, 0, 175, 20, 0, 0, 2, false},
    {kPlain, "months-overlay-october2-sp.bmp",    kNone, kNone, 3122, false, 1, 7, 0, 0, 175, 20, 0, 0, 2, false},
    {kPlain, "months-overlay-november1-sp.bmp",   kNone, kNone, 3111, false, 1, 7, 0, 0, 175, 20, 0, 0, 2, false},
    {kPlain, "months-overlay-november2-sp.bmp",   kNone, kNone, 3123, false, 1, 7, 0, 0, 175, 20, 0, 0, 2, false},
    {kPlain, "months-overlay-december1-sp.bmp",   kNone, kNone, 3112, false, 1, 7, 0, 0, 175, 20, 0, 0, 2, false},
    {kPlain, "months-overlay-december2-sp.bmp",   kNone, kNone, 3124, false, 1, 7, 0, 0, 175, 20, 0, 0, 2, false},
};

constexpr CreationRecord kLanding[] = {
    kPlayAgainPanel,
    kYes,
    kNo,
    {kPlain, "crashlanding.bmp", kNone, kNone, 1000, false, 1, 1,   0, 0, 0, 0, 0, 0, 2, false},
    {kPlain, "crashlanding",     kNone, kNone,  312, false, 4, 2, 100, 0, 0, 0, 0, 0, 2, false},
    kHelmetOff,
    kGuideMouth,
    kGuideEyes,
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
};
// clang-format on

} // namespace

std::span<const CreationRecord> MonthsLaunchList() {
    return kLaunch;
}
std::span<const CreationRecord> MonthsToMarsList() {
    return kToMars;
}
std::span<const CreationRecord> MonthsOnMarsList() {
    return kOnMars;
}
std::span<const CreationRecord> MonthsToEarthList() {
    return kToEarth;
}
std::span<const CreationRecord> MonthsLandingList() {
    return kLanding;
}
