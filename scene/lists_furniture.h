// Records that many screens create alike: the menu bars and their buttons, the
// question panels with yes and no, the guide's mouth and eyes, the celebration
// balloons, the wrong-answer mark, the word-bubble circle, and the road
// vehicles of the maps and the race. Field order is CreationRecord's: kind,
// picture, sound, second sound, id, shown, frames, layer, frame delay, move
// delay, x, y, velocity x, velocity y, group, clickable.
#pragma once

#include "scene/creation_record.h"

namespace lists {

inline constexpr const char* kNone = "NONE";
inline constexpr const char* kMenuClick = "clickon-menu.wav";
inline constexpr const char* kAnswerClick = "clickon1.wav";
inline constexpr const char* kPlaceClick = "clickon-activities.wav";

inline constexpr ObjectKind kPlain{};
// A full-screen picture drawn without the colour key.
inline constexpr ObjectKind kBackdrop{Behaviour::Plain, nullptr, true};
constexpr ObjectKind Word(const char* label) {
    return {Behaviour::Plain, label, false};
}
// The circus animals: labelled, and drawn without the colour key.
constexpr ObjectKind Animal(const char* label) {
    return {Behaviour::Plain, label, true};
}
constexpr ObjectKind Acting(Behaviour behaviour) {
    return {behaviour, nullptr, false};
}

// clang-format off

// The left menu bar (circus, gas station, alphabet, school, fishing, days,
// balloon screen, race, grocery); the buttons are hidden click areas.
inline constexpr CreationRecord kMenuBarLeft      {kPlain, "menubar.bmp",              kNone,      kNone, 41, true,  1, 7, 0, 0, 0,   0, 0, 0, 1, false};
inline constexpr CreationRecord kGuideButtonLeft  {kPlain, "menubar-monkeyhead.bmp",   kMenuClick, kNone, 42, false, 1, 8, 0, 0, 0,   0, 0, 0, 1, true};
inline constexpr CreationRecord kHelpButtonLeft   {kPlain, "menubar-questionmark.bmp", kMenuClick, kNone, 44, false, 1, 8, 0, 0, 0,  93, 0, 0, 1, true};
inline constexpr CreationRecord kHomeButtonLeft   {kPlain, "menubar-home.bmp",         kMenuClick, kNone, 39, false, 1, 8, 0, 0, 0, 174, 0, 0, 1, true};
inline constexpr CreationRecord kBalloonButtonLeft{kPlain, "menubar-balloon.bmp",      kMenuClick, kNone, 34, false, 1, 8, 0, 0, 0, 268, 0, 0, 1, true};
inline constexpr CreationRecord kExitButtonLeft   {kPlain, "menubar-exit-x.bmp",       kMenuClick, kNone, 37, false, 1, 8, 0, 0, 0, 339, 0, 0, 1, true};

// The right menu bar (house and rooms, jobs, months, sign-in).
inline constexpr CreationRecord kMenuBarRight      {kPlain, "menubar.bmp",              kNone,      kNone, 36, true,  1, 7, 0, 0, 550,   0, 0, 0, 1, false};
inline constexpr CreationRecord kGuideButtonRight  {kPlain, "menubar-monkeyhead.bmp",   kMenuClick, kNone, 43, false, 1, 8, 0, 0, 550,   0, 0, 0, 1, true};
inline constexpr CreationRecord kHelpButtonRight   {kPlain, "menubar-questionmark.bmp", kMenuClick, kNone, 45, false, 1, 8, 0, 0, 550,  93, 0, 0, 1, true};
inline constexpr CreationRecord kHomeButtonRight   {kPlain, "menubar-home.bmp",         kMenuClick, kNone, 40, false, 1, 8, 0, 0, 550, 174, 0, 0, 1, true};
inline constexpr CreationRecord kBalloonButtonRight{kPlain, "menubar-balloon.bmp",      kMenuClick, kNone, 35, false, 1, 8, 0, 0, 550, 268, 0, 0, 1, true};
inline constexpr CreationRecord kExitButtonRight   {kPlain, "menubar-exit-x.bmp",       kMenuClick, kNone, 38, false, 1, 8, 0, 0, 550, 339, 0, 0, 1, true};

// Question panels, each art at its own place, and the answer buttons.
inline constexpr CreationRecord kQuitPanel      {kPlain, "quit.bmp",       kNone, kNone, 706, false, 1, 10, 0, 0, 118,  29, 0, 0, 2, false};
inline constexpr CreationRecord kQuitPanel2     {kPlain, "quit2.bmp",      kNone, kNone, 706, false, 1, 10, 0, 0,  50,  50, 0, 0, 2, false};
inline constexpr CreationRecord kQuitPanel3     {kPlain, "quit3.bmp",      kNone, kNone, 706, false, 1, 10, 0, 0, 253,  81, 0, 0, 2, false};
inline constexpr CreationRecord kPlayAgainPanel {kPlain, "playagain.bmp",  kNone, kNone, 703, false, 1, 10, 0, 0, 118,  29, 0, 0, 2, false};
inline constexpr CreationRecord kPlayAgainPanel2{kPlain, "playagain2.bmp", kNone, kNone, 707, false, 1, 10, 0, 0,  50,  50, 0, 0, 2, false};
inline constexpr CreationRecord kPlayAgainPanel3{kPlain, "playagain3.bmp", kNone, kNone, 707, false, 1, 10, 0, 0, 253,  81, 0, 0, 2, false};
// Where the days screen shows it.
inline constexpr CreationRecord kPlayAgainPanel4{kPlain, "playagain4.bmp", kNone, kNone, 707, false, 1, 10, 0, 0, 216, 228, 0, 0, 2, false};
inline constexpr CreationRecord kYes{kPlain, "yes.bmp", kAnswerClick, kNone, 704, false, 1, 11, 0, 0, 165, 134, 0, 0, 2, false};
inline constexpr CreationRecord kNo {kPlain, "no.bmp",  kAnswerClick, kNone, 705, false, 1, 11, 0, 0, 235, 134, 0, 0, 2, false};

// The guide's talking mouth and closed eyes.
inline constexpr CreationRecord kGuideMouth{kPlain, "monkey-mouth-",    kNone, kNone, 3000, false, 5, 10, 75, 0, 254, 103, 0, 0, 2, false};
inline constexpr CreationRecord kGuideEyes {kPlain, "monkey-blink.bmp", kNone, kNone,  199, false, 1,  2,  0, 0, 447, 199, 0, 0, 2, false};

// The ten celebration balloons below the screen, each rising at its own pace.
inline constexpr CreationRecord kBigBalloon1   {kPlain, "bigballoon1.bmp",    kNone, kNone, 186, false, 1, 9, 0, 15, 150, 480, 0, -10, 2, false};
inline constexpr CreationRecord kBigBalloon2   {kPlain, "bigballoon2.bmp",    kNone, kNone, 188, false, 1, 9, 0, 15, 220, 480, 0,  -8, 2, false};
inline constexpr CreationRecord kBigBalloon3   {kPlain, "bigballoon3.bmp",    kNone, kNone, 189, false, 1, 9, 0, 27, 300, 480, 0, -10, 2, false};
inline constexpr CreationRecord kBigBalloon4   {kPlain, "bigballoon4.bmp",    kNone, kNone, 190, false, 1, 9, 0, 20, 600, 500, 0, -25, 2, false};
inline constexpr CreationRecord kLittleBalloon1{kPlain, "littleballoon1.bmp", kNone, kNone, 191, false, 1, 9, 0, 26, 457, 510, 0, -15, 2, false};
inline constexpr CreationRecord kLittleBalloon2{kPlain, "littleballoon2.bmp", kNone, kNone, 192, false, 1, 9, 0, 15, 355, 485, 0, -12, 2, false};
inline constexpr CreationRecord kLittleBalloon3{kPlain, "littleballoon3.bmp", kNone, kNone, 193, false, 1, 9, 0, 50,  10, 480, 0, -18, 2, false};
inline constexpr CreationRecord kLittleBalloon4{kPlain, "littleballoon4.bmp", kNone, kNone, 194, false, 1, 9, 0, 35, 500, 480, 0, -18, 2, false};
inline constexpr CreationRecord kBigBalloon5   {kPlain, "bigballoon5.bmp",    kNone, kNone, 701, false, 1, 9, 0, 20, 280, 480, 0, -15, 2, false};
inline constexpr CreationRecord kLittleBalloon5{kPlain, "littleballoon5.bmp", kNone, kNone, 702, false, 1, 9, 0, 40, 110, 480, 0, -13, 2, false};

inline constexpr CreationRecord kWrongMark {kPlain, "wronganswer.bmp",   kNone, kNone, 2000, false, 1, 15, 0, 0, 160, 140, 0, 0, 2, false};
inline constexpr CreationRecord kWordCircle{kPlain, "smallcircle01.bmp", kNone, kNone, 2001, false, 1, 14, 0, 0, 207, 145, 0, 0, 2, false};

// Speech bubbles, parked out of sight until a screen places them.
inline constexpr CreationRecord kSmallBubble1{kPlain, "smallbubble1.bmp", kNone, kNone,  78, false, 1, 9, 0, 0, -150, 0, 0, 0, 2, false};
inline constexpr CreationRecord kSmallBubble2{kPlain, "smallbubble2.bmp", kNone, kNone,  79, false, 1, 9, 0, 0, -150, 0, 0, 0, 2, false};
inline constexpr CreationRecord kSmallBubble3{kPlain, "smallbubble3.bmp", kNone, kNone, 393, false, 1, 9, 0, 0, -150, 0, 0, 0, 2, false};
inline constexpr CreationRecord kSmallBubble4{kPlain, "smallbubble4.bmp", kNone, kNone, 394, false, 1, 9, 0, 0, -150, 0, 0, 0, 2, false};

// The road vehicles of the left and right maps, raced again on the track.
inline constexpr CreationRecord kTruckRoad     {kPlain, "truck-animation",      kNone, "truck.wav",      24, false, 6, 3,  50, 10, -350, 352, 3, 0, 6, false};
inline constexpr CreationRecord kBicycleRoad   {kPlain, "bicycle-animation",    kNone, "bicycle.wav",    25, false, 4, 3, 100, 25, -350, 352, 3, 0, 6, false};
inline constexpr CreationRecord kBusRoad       {kPlain, "bus-animation",        kNone, "schoolbus.wav",  26, false, 6, 3,  50, 10, -350, 352, 3, 0, 6, false};
inline constexpr CreationRecord kCarRoad       {kPlain, "car-animation",        kNone, "car.wav",        27, false, 4, 3,  75, 10, -350, 352, 3, 0, 6, false};
inline constexpr CreationRecord kAmbulanceRoad {kPlain, "ambulance-animation",  kNone, "ambulance.wav",  28, false, 6, 3,  50, 10, -350, 352, 3, 0, 6, false};
inline constexpr CreationRecord kTaxiRoad      {kPlain, "taxi-animation",       kNone, "taxi.wav",       29, false, 4, 3,  75, 10, -350, 352, 3, 0, 6, false};
inline constexpr CreationRecord kPoliceCarRoad {kPlain, "policecar-animation",  kNone, "policecar.wav",  30, false, 4, 3,  75, 10, -350, 352, 3, 0, 6, false};
inline constexpr CreationRecord kPickupRoad    {kPlain, "pickup-animation",     kNone, "pickup.wav",     31, false, 4, 3,  75, 10, -350, 352, 3, 0, 6, false};
inline constexpr CreationRecord kMotorcycleRoad{kPlain, "motorcycle-animation", kNone, "motorcycle.wav", 32, false, 4, 3,  75, 10, -350, 352, 3, 0, 6, false};
inline constexpr CreationRecord kFiretruckRoad {kPlain, "firetruck-animation",  kNone, "firetruck.wav",  33, false, 6, 3,  50, 10, -350, 352, 3, 0, 6, false};

// The guide used in the house and its rooms: rests at (318, 140) and slides
// on from (388, 490) in 14 steps.
inline constexpr CreationRecord kMoverGuide     {kPlain, "monkey-mover.bmp",       kNone, kNone, 200, false, 1, 11, 0, 15, 318, 140, -5, -25, 2, false};
inline constexpr CreationRecord kMoverGuideEyes {kPlain, "monkey-mover-blink.bmp", kNone, kNone, 201, false, 1, 12, 0,  0, 318, 140,  0,   0, 2, false};

// clang-format on

} // namespace lists
