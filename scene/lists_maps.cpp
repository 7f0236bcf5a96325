// The three town maps: centre (1), left (12) and right (13). Each creates the
// backgrounds of its neighbours for the scroll between them.
#include "scene/lists_furniture.h"
#include "scene/lists_tables.h"

using namespace lists;

namespace {

constexpr const char* kBoing = "arrowscroll-boing.wav";

// clang-format off
constexpr CreationRecord kCentreBackground    {kBackdrop, "background-center.bmp",     kNone, kNone,  1, false, 1, 4, 0, 0,    0, 0, 0, 0, 1, false};
constexpr CreationRecord kRightBackground     {kBackdrop, "background-right.bmp",      kNone, kNone, 13, false, 1, 1, 0, 0, -640, 0, 0, 0, 3, false};
constexpr CreationRecord kLeftBackground      {kBackdrop, "background-left.bmp",       kNone, kNone,  6, false, 1, 1, 0, 0, -640, 0, 0, 0, 2, false};
constexpr CreationRecord kTransitionBackground{kBackdrop, "background-transition.bmp", kNone, kNone, 23, false, 1, 1, 0, 0, -640, 0, 0, 0, 4, false};
constexpr CreationRecord kArrowLeft {kPlain, "arrowswitch-left.bmp",  kBoing, kNone, 21, false, 1, 5, 0, 0,  17, 192, 0, 0, 5, true};
constexpr CreationRecord kArrowRight{kPlain, "arrowswitch-right.bmp", kBoing, kNone, 22, false, 1, 5, 0, 0, 594, 193, 0, 0, 5, true};
constexpr CreationRecord kSailboat  {kPlain, "sailboat", kNone, kNone,   2, false, 23, 6, 150, 0, 301, 316, 0, 0, 1, false};
constexpr CreationRecord kCarousel  {kPlain, "merrygo-", kNone, kNone, 267, false, 19, 5, 100, 0, 327,   0, 0, 0, 1, false};
constexpr CreationRecord kStopCentre{Acting(Behaviour::StopSign), "stopsign", kMenuClick, kNone, 603, false, 2, 5, 0, 0,  14, 384, 0, 0, 2, false};
constexpr CreationRecord kStopLeft  {Acting(Behaviour::StopSign), "stopsign", kMenuClick, kNone, 604, false, 2, 5, 0, 0,  62, 384, 0, 0, 2, false};
constexpr CreationRecord kStopRight {Acting(Behaviour::StopSign), "stopsign", kMenuClick, kNone, 605, false, 2, 5, 0, 0, 529, 384, 0, 0, 2, false};
constexpr CreationRecord kMayor     {kPlain, "mayor-monkey.bmp", kNone, kNone, 503, false, 1, 9, 0, 0, 11, 127, 0, 0, 2, false};
constexpr CreationRecord kPopupOk   {kPlain, "popupokdown.bmp", kMenuClick, kNone, 6012, false, 1, 14, 0, 0, 370, 240, 0, 0, 2, false};

constexpr CreationRecord kCentreMap[] = {
    kCentreBackground,
    kRightBackground,
    kLeftBackground,
    kSailboat,
    {kPlain, "pond.bmp",   kPlaceClick, kNone, 3, false, 1, 5, 0, 0, 157, 287, 0, 0, 1, true},
    {kPlain, "swings.bmp", kPlaceClick, kNone, 4, false, 1, 5, 0, 0,  58, 157, 0, 0, 1, true},
    kArrowLeft,
    kArrowRight,
    kCarousel,
    {Acting(Behaviour::Carousel), "merrygo-click-", kPlaceClick, kNone, 5, false, 19, 6, 100, 0, 327, 0, 0, 0, 1, true},
    kWordCircle,
    kStopCentre,
    kStopLeft,
    kStopRight,
    kMayor,
    kGuideEyes,
    kGuideMouth,
    kQuitPanel3,
    kNo,
    kYes,
    {kPlain, "popupwelcome.bmp",    kNone,      kNone, 6001, false, 1, 13, 0, 0, 129,  49, 0, 0, 2, false},
    {kPlain, "popupokdown.bmp",     kMenuClick, kNone, 6011, false, 1, 14, 0, 0, 370, 331, 0, 0, 2, false},
    kPopupOk,
    {kPlain, "popuplake.bmp",       kNone,      kNone, 6006, false, 1, 13, 0, 0, 129,  49, 0, 0, 2, false},
    {kPlain, "popupplayground.bmp", kNone,      kNone, 6008, false, 1, 13, 0, 0, 129,  49, 0, 0, 2, false},
    {kPlain, "popupcircus.bmp",     kNone,      kNone, 6002, false, 1, 13, 0, 0, 129,  49, 0, 0, 2, false},
};

constexpr CreationRecord kLeftMap[] = {
    kCentreBackground,
    kTransitionBackground,
    kRightBackground,
    kLeftBackground,
    kArrowLeft,
    kArrowRight,
    {kPlain, "store.bmp",               kPlaceClick, kNone,  7, false, 1, 2, 0, 0,  61, 190, 0, 0, 2, true},
    {kPlain, "cityhall.bmp",            kPlaceClick, kNone,  8, false, 1, 3, 0, 0, 292,  68, 0, 0, 2, true},
    {kPlain, "tunnelleft-overlay.bmp",  kNone,       kNone,  9, false, 1, 5, 0, 0, 549, 346, 0, 0, 2, false},
    {Acting(Behaviour::LeftTunnel), "tunnelleft.bmp", kPlaceClick, kNone, 10, false, 1, 2, 0, 0, 0, 310, 0, 0, 2, true},
    {kPlain, "tunnel-left-overlay.bmp", kPlaceClick, kNone, 11, true,  1, 4, 0, 0, 549, 346, 0, 0, 2, true},
    {kPlain, "moon.bmp",                kPlaceClick, kNone, 12, false, 1, 2, 0, 0,  28,  16, 0, 0, 2, true},
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
    kSailboat,
    kCarousel,
    kWordCircle,
    {kPlain, "main-ufo",                   kNone, kNone, 600, false, 6, 3, 100, 15, 161, -55, 0, 0, 2, false},
    {kPlain, "ufo-background-overlay.bmp", kNone, kNone, 601, true,  1, 4,   0,  0,   0,   0, 0, 0, 2, false},
    kStopCentre,
    kStopLeft,
    kStopRight,
    kMayor,
    kGuideEyes,
    kGuideMouth,
    kQuitPanel3,
    kNo,
    kYes,
    kPopupOk,
    {kPlain, "popupcityhall.bmp", kNone,      kNone, 6003, false, 1, 13, 0, 0, 129, 49, 0, 0, 2, false},
    {kPlain, "popupstore.bmp",    kMenuClick, kNone, 6013, false, 1, 14, 0, 0, 129, 49, 0, 0, 2, false},
    {kPlain, "popupmonths.bmp",   kNone,      kNone, 6007, false, 1, 13, 0, 0, 129, 49, 0, 0, 2, false},
};

constexpr CreationRecord kRightMap[] = {
    kCentreBackground,
    kTransitionBackground,
    kRightBackground,
    kLeftBackground,
    kArrowLeft,
    kArrowRight,
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
    kSailboat,
    kCarousel,
    {kPlain, "house.bmp",                kPlaceClick, kNone, 15, false, 1, 3, 0, 0,  88,  70, 0, 0, 3, true},
    {kPlain, "school.bmp",               kPlaceClick, kNone, 14, false, 1, 3, 0, 0, 339, 141, 0, 0, 3, true},
    {kPlain, "tunnel-right-overlay.bmp", kNone,       kNone, 17, true,  1, 4, 0, 0,   0, 341, 0, 0, 3, false},
    {kPlain, "tunnelright-overlay.bmp",  kPlaceClick, kNone, 18, false, 1, 5, 0, 0,   0, 341, 0, 0, 3, true},
    {Acting(Behaviour::RightTunnel), "tunnelright.bmp", kPlaceClick, kNone, 19, false, 1, 2, 0, 0, 0, 313, 0, 0, 3, true},
    {kPlain, "sun.bmp",                  kPlaceClick, kNone, 16, false, 1, 3, 0, 0, 304,   0, 0, 0, 3, true},
    kWordCircle,
    {Acting(Behaviour::Plane), "plane", kNone, kNone, 602, false, 23, 4, 0, 15, 0, 0, 0, 0, 2, false},
    kStopCentre,
    kStopLeft,
    kStopRight,
    kMayor,
    kGuideEyes,
    kGuideMouth,
    kQuitPanel3,
    kNo,
    kYes,
    {kPlain, "popupschool.bmp", kNone, kNone, 6009, false, 1, 13, 0, 0, 129, 49, 0, 0, 2, false},
    {kPlain, "popuphouse.bmp",  kNone, kNone, 6005, false, 1, 13, 0, 0, 129, 49, 0, 0, 2, false},
    {kPlain, "popupdays.bmp",   kNone, kNone, 6004, false, 1, 13, 0, 0, 129, 49, 0, 0, 2, false},
    kPopupOk,
};
// clang-format on

} // namespace

std::span<const CreationRecord> CentreMapList() {
    return kCentreMap;
}
std::span<const CreationRecord> LeftMapList() {
    return kLeftMap;
}
std::span<const CreationRecord> RightMapList() {
    return kRightMap;
}
