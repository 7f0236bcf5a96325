// The vehicle game: the gas station (3) and the race (24).
#include "scene/lists_furniture.h"
#include "scene/lists_tables.h"

using namespace lists;

namespace {

// clang-format off
constexpr CreationRecord kGasStation[] = {
    {kPlain, "gasstation.bmp", kNone, kNone, 48, true, 1, 1, 0, 0, 90, 0, 0, 0, 1, false},
    kMenuBarLeft,
    kHelpButtonLeft,
    kGuideButtonLeft,
    kExitButtonLeft,
    kBalloonButtonLeft,
    kHomeButtonLeft,
    // The vehicles at the pumps, named in English.
    {Word("Ambulance"),  "ambulance-up.bmp",  kPlaceClick, "word-ambulance.wav",  382, false, 1, 2, 125, 0, 320, 195, 0, 0, 2, false},
    {Word("Bicycle"),    "bicycle-up.bmp",    kPlaceClick, "word-bicycle.wav",    383, false, 1, 2, 125, 0, 469,  26, 0, 0, 2, false},
    {Word("School Bus"), "bus-up.bmp",        kPlaceClick, "word-schoolbus.wav",  384, false, 1, 2, 125, 0, 143, 317, 0, 0, 2, false},
    {Word("Car"),        "car-up.bmp",        kPlaceClick, "word-car.wav",        385, false, 1, 2, 125, 0, 337, 389, 0, 0, 2, false},
    {Word("Firetruck"),  "firetruck-up.bmp",  kPlaceClick, "word-firetruck.wav",  386, false, 1, 2, 125, 0, 162,  91, 0, 0, 2, false},
    {Word("Motorcycle"), "motorcycle-up.bmp", kPlaceClick, "word-motorcycle.wav", 388, false, 1, 2, 125, 0,  96, 364, 0, 0, 2, false},
    {Word("Pickup"),     "pickup-up.bmp",     kPlaceClick, "word-pickup.wav",     389, false, 1, 2, 125, 0, 469, 162, 0, 0, 2, false},
    {Word("Policecar"),  "policecar-up.bmp",  kPlaceClick, "word-policecar.wav",  390, false, 1, 2, 125, 0, 114, 159, 0, 0, 2, false},
    {Word("Taxi"),       "taxi-up.bmp",       kPlaceClick, "word-taxi.wav",       391, false, 1, 2, 125, 0, 238, 250, 0, 0, 2, false},
    {Word("Truck"),      "truck-up.bmp",      kPlaceClick, "word-truck.wav",      387, false, 1, 2, 125, 0, 408, 311, 0, 0, 2, false},
    kSmallBubble1,
    kSmallBubble2,
    kSmallBubble3,
    {kPlain, "gasstation-monkey.bmp",       kNone, kNone, 500, false, 1, 10, 0, 15,  57, 151, 0, 0, 2, false},
    {kPlain, "gasstation-monkey-blink.bmp", kNone, kNone, 501, false, 1, 11, 0,  0, 166, 209, 0, 0, 2, false},
    kGuideMouth,
    kQuitPanel3,
    kYes,
    kNo,
};

constexpr CreationRecord kRace[] = {
    kMenuBarLeft,
    // The answer signs along the bottom, hidden until a turn shows them.
    {kPlain, "sign-yellowtriangle.bmp", kMenuClick, kNone, 320, false, 1, 9, 0, 0, 136, 414, 0, 0, 2, false},
    {kPlain, "sign-graycircle.bmp",     kMenuClick, kNone, 321, false, 1, 9, 0, 0, 224, 413, 0, 0, 2, false},
    {kPlain, "sign-orangepolygon.bmp",  kMenuClick, kNone, 322, false, 1, 9, 0, 0, 300, 413, 0, 0, 2, false},
    {kPlain, "sign-graysquare.bmp",     kMenuClick, kNone, 323, false, 1, 9, 0, 0, 375, 414, 0, 0, 2, false},
    {kPlain, "sign-bluetriangle.bmp",   kMenuClick, kNone, 324, false, 1, 9, 0, 0, 446, 414, 0, 0, 2, false},
    {kPlain, "streetsigns-alt.bmp",     kNone,      kNone, 325, true,  1, 8, 0, 0, 134, 411, 0, 0, 2, false},
    kHelpButtonLeft,
    kGuideButtonLeft,
    kExitButtonLeft,
    kBalloonButtonLeft,
    kHomeButtonLeft,
    // The track strips, all at the track's place; the scenery step moves them.
    {kPlain, "racetrack-finishline.bmp",   kNone, kNone, 318, false, 1, 1, 0, 0, 90, 0, 0, 0, 2, false},
    {kPlain, "racetrack-startingline.bmp", kNone, kNone, 319, true,  1, 1, 0, 0, 90, 0, 0, 0, 2, false},
    {kPlain, "racetrack-background01.bmp", kNone, kNone, 331, false, 1, 1, 0, 0, 90, 0, 0, 0, 2, false},
    {kPlain, "racetrack-background02.bmp", kNone, kNone, 332, false, 1, 1, 0, 0, 90, 0, 0, 0, 2, false},
    {kPlain, "racetrack-background03.bmp", kNone, kNone, 333, false, 1, 1, 0, 0, 90, 0, 0, 0, 2, false},
    {kPlain, "racetrack-background04.bmp", kNone, kNone, 334, false, 1, 1, 0, 0, 90, 0, 0, 0, 2, false},
    {kPlain, "racetrack-background05.bmp", kNone, kNone, 335, false, 1, 1, 0, 0, 90, 0, 0, 0, 2, false},
    {kPlain, "flags",                      kNone, kNone, 316, true,  6, 8, 100, 0, 559, 153, 0, 0, 2, false},
    {kPlain, "racetrack-monkey.bmp",       kNone, kNone, 507, false, 1, 11, 0, 15,  41, 129, 0, 0, 2, false},
    kGuideMouth,
    kGuideEyes,
    {kPlain, "flagguy-green",              kNone, kNone, 314, true,  4, 2,  50, 0, 227, 0, 0, 0, 2, false},
    {kPlain, "flagguy-checkered",          kNone, kNone, 313, false, 6, 2, 125, 0, 227, 0, 0, 0, 2, false},
    kTruckRoad,
    kBicycleRoad,
    kBusRoad,
    kCarRoad,
    kAmbulanceRoad,
    kTaxiRoad,
    kPoliceCarRoad,
    kPickupRoad,
    kMotorcycleRoad,
    kFiretruckRoad,
    {kPlain, "flagpoles.bmp", kNone, kNone, 315, true, 1, 9, 0, 0, 614, 124, 0, 0, 2, false},
    kWrongMark,
    kQuitPanel3,
    kPlayAgainPanel3,
    kYes,
    kNo,
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

std::span<const CreationRecord> GasStationList() {
    return kGasStation;
}
std::span<const CreationRecord> RaceList() {
    return kRace;
}
