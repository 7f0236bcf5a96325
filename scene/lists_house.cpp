// Moving day: the house (8), its four rooms (bathroom 5, bedroom 9, kitchen
// 10, living room 11) and the walks from the house into a room.
//
// In a room the picture fades in on layer 1, the furniture stands on layer 2,
// and the option bar unrolls along the bottom with the six choices on it.
#include "scene/lists_furniture.h"
#include "scene/lists_tables.h"

using namespace lists;

namespace {

// clang-format off
constexpr CreationRecord kMovingDay[] = {
    {kBackdrop, "movingday-background.bmp", kNone, kNone, 50, true, 1, 1, 0, 0, 0, 0, 0, 0, 1, false},
    {kPlain, "movingvan",     kNone, kNone, 197, false, 6, 3, 50, 25, 485, 244, 8, 0, 2, false},
    {kPlain, "movingday-van", kNone, kNone, 196, false, 6, 3, 50,  0, 375, 252, 0, 0, 2, false},
    kBalloonButtonRight,
    kExitButtonRight,
    kHomeButtonRight,
    kGuideButtonRight,
    kMenuBarRight,
    {Acting(Behaviour::HouseCutaway), "movingday-cutaway", kPlaceClick, kNone, 195, false, 5, 3, 125, 0, 41, 101, 0, 0, 2, false},
    kMoverGuide,
    kMoverGuideEyes,
    kQuitPanel,
    kYes,
    kNo,
};

constexpr CreationRecord kBathroom[] = {
    {kPlain, "fade2-bath", kNone, kNone, 235, false, 11, 1, 100, 0, 0, 0, 0, 0, 2, false},
    kBalloonButtonRight,
    kExitButtonRight,
    kHomeButtonRight,
    kGuideButtonRight,
    kHelpButtonRight,
    kMenuBarRight,
    {kPlain, "bathroom-optionbar-", kNone, kNone, 220, false, 6, 2, 100, 0, 5, 380, 0, 0, 2, false},
    kMoverGuide,
    kMoverGuideEyes,
    kSmallBubble2,
    kSmallBubble1,
    kWordCircle,
    {Word("Ba\xF1" "era"), "bathoption6-bath.bmp",   "word-bath-sp.wav",   kNone, 218, false, 1, 5, 0, 0, 455, 390, 0, 0, 2, false},
    {Word("Ducha"),        "bathoption2-shower.bmp", "word-shower-sp.wav", kNone, 214, false, 1, 5, 0, 0, 103, 390, 0, 0, 2, false},
    {Word("Toilet"),       "bathoption1-toilet.bmp", "word-toilet-sp.wav", kNone, 213, false, 1, 5, 0, 0,  15, 390, 0, 0, 2, false},
    {Word("Espejo"),       "bathoption3-mirror.bmp", "word-mirror-sp.wav", kNone, 215, false, 1, 5, 0, 0, 191, 390, 0, 0, 2, false},
    {Word("Lavabo"),       "bathoption4-sink.bmp",   "word-sink-sp.wav",   kNone, 216, false, 1, 5, 0, 0, 279, 390, 0, 0, 2, false},
    {Word("Toalla"),       "bathoption5-towel.bmp",  "word-towel-sp.wav",  kNone, 217, false, 1, 5, 0, 0, 367, 390, 0, 0, 2, false},
    {kPlain, "bath-sink",       kNone, kNone, 207, false, 4,  2, 100, 0, 200, 200, 0, 0, 2, false},
    {kPlain, "bath-bath",       kNone, kNone, 208, false, 4,  2, 100, 0, 370, 210, 0, 0, 2, false},
    {kPlain, "bath-towel",      kNone, kNone, 209, false, 4,  2, 100, 0, 370,  40, 0, 0, 2, false},
    {kPlain, "bath-shower",     kNone, kNone, 210, false, 4,  2, 100, 0,  20,  40, 0, 0, 2, false},
    {kPlain, "bath-toilet",     kNone, kNone, 211, false, 4,  2, 100, 0,  30, 210, 0, 0, 2, false},
    {kPlain, "bath-mirror",     kNone, kNone, 212, false, 4,  2, 100, 0, 200,  30, 0, 0, 2, false},
    {kPlain, "bathroom-monkey", kNone, kNone, 219, false, 4, 10,   0, 0, 380, 120, 0, 0, 2, false},
    {kPlain, "bathroom-mouth",  kNone, kNone, 267, false, 5, 11,  75, 0, 455, 235, 0, 0, 2, false},
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
    kPlayAgainPanel,
    kYes,
    kNo,
    kWrongMark,
};

// The room's guide, created twice under one id (the later one is found).
constexpr CreationRecord kBedroomGuide{kPlain, "bedroom-monkey", kNone, kNone, 233, false, 4, 10, 0, 0, 380, 120, 0, 0, 2, false};

constexpr CreationRecord kBedroom[] = {
    {kPlain, "fade2-bed", kNone, kNone, 236, false, 11, 1, 100, 0, 0, 0, 0, 0, 2, false},
    kBalloonButtonRight,
    kExitButtonRight,
    kHomeButtonRight,
    kGuideButtonRight,
    kHelpButtonRight,
    kMenuBarRight,
    kMoverGuide,
    kMoverGuideEyes,
    kSmallBubble2,
    kSmallBubble1,
    kWordCircle,
    {kPlain, "bed-nightstand", kNone, kNone, 221, false, 4, 2, 100, 0,  30, 210, 0, 0, 2, false},
    {kPlain, "bed-desk",       kNone, kNone, 222, false, 4, 2, 100, 0, 370, 210, 0, 0, 2, false},
    {kPlain, "bed-dresser",    kNone, kNone, 223, false, 4, 2, 100, 0, 370,  40, 0, 0, 2, false},
    {kPlain, "bed-clock",      kNone, kNone, 226, false, 4, 2, 100, 0,  20,  40, 0, 0, 2, false},
    {kPlain, "bed-lamp",       kNone, kNone, 225, false, 4, 2, 100, 0, 200,  30, 0, 0, 2, false},
    {kPlain, "bed-bed",        kNone, kNone, 224, false, 4, 2, 100, 0, 200, 200, 0, 0, 2, false},
    {Word("Cama"),               "bedoption1-bed.bmp",        "word-bed-sp.wav",        kNone, 227, false, 1, 3, 0, 0,  15, 390, 0, 0, 2, false},
    {Word("Reloj"),              "bedoption2-clock.bmp",      "word-clock-sp.wav",      kNone, 228, false, 1, 3, 0, 0, 103, 390, 0, 0, 2, false},
    {Word("Mesita"),             "bedoption3-nightstand.bmp", "word-nightstand-sp.wav", kNone, 229, false, 1, 3, 0, 0, 191, 390, 0, 0, 2, false},
    {Word("Escritorio"),         "bedoption4-desk.bmp",       "word-desk-sp.wav",       kNone, 230, false, 1, 6, 0, 0, 279, 390, 0, 0, 2, false},
    {Word("C\xF3" "moda"),       "bedoption6-dresser.bmp",    "word-dresser-sp.wav",    kNone, 232, false, 1, 3, 0, 0, 455, 390, 0, 0, 2, false},
    {Word("L\xE1" "mpara"),      "bedoption5-lamp.bmp",       "word-lamp-sp.wav",       kNone, 231, false, 1, 6, 0, 0, 367, 390, 0, 0, 2, false},
    kBedroomGuide,
    {kPlain, "bedroom-optionbar", kNone, kNone, 234, false, 6, 2, 100, 0, 5, 380, 0, 0, 2, false},
    kQuitPanel,
    kBedroomGuide,
    {kPlain, "bedroom-mouth", kNone, kNone, 267, false, 5, 11, 75, 0, 455, 235, 0, 0, 2, false},
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
    kPlayAgainPanel,
    kYes,
    kNo,
    kWrongMark,
};

constexpr CreationRecord kKitchen[] = {
    {kPlain, "fade2-kitchen", kNone, kNone, 237, false, 11, 1, 100, 0, 0, 0, 0, 0, 2, false},
    kBalloonButtonRight,
    kExitButtonRight,
    kHomeButtonRight,
    kGuideButtonRight,
    kHelpButtonRight,
    kMenuBarRight,
    kMoverGuide,
    kMoverGuideEyes,
    kSmallBubble2,
    kSmallBubble1,
    kWordCircle,
    {kPlain, "kitchen-optionbar", kNone, kNone, 252, false, 6, 2, 100, 0, 5, 380, 0, 0, 2, false},
    {Word("Gabinetes"),     "kitchenoption3-counters.bmp",  "word-cabinets-sp.wav",  kNone, 248, false, 1, 4, 0, 0, 191, 390, 0, 0, 2, false},
    {Word("Mes\xF3n"),      "kitchenoption1-counter.bmp",   "word-counter-sp.wav",   kNone, 246, false, 1, 4, 0, 0,  15, 390, 0, 0, 2, false},
    {Word("Nevera"),        "kitchenoption2-fridge.bmp",    "word-fridge-sp.wav",    kNone, 247, false, 1, 4, 0, 0, 103, 390, 0, 0, 2, false},
    {Word("Microonda"),     "kitchenoption6-microwave.bmp", "word-microwave-sp.wav", kNone, 251, false, 1, 4, 0, 0, 455, 390, 0, 0, 2, false},
    {Word("Estufa"),        "kitchenoption4-oven.bmp",      "word-oven-sp.wav",      kNone, 249, false, 1, 4, 0, 0, 279, 390, 0, 0, 2, false},
    {Word("Banquillo"),     "kitchenoption5-stool.bmp",     "word-stool-sp.wav",     kNone, 250, false, 1, 4, 0, 0, 367, 390, 0, 0, 2, false},
    {kPlain, "kitchen-cabinet",   kNone, kNone, 240, false, 4, 2, 100, 0, 200,  30, 0, 0, 2, false},
    {kPlain, "kitchen-counter",   kNone, kNone, 243, false, 4, 2, 100, 0,  30, 210, 0, 0, 2, false},
    {kPlain, "kitchen-fridge",    kNone, kNone, 239, false, 4, 2, 100, 0,  20,  40, 0, 0, 2, false},
    {kPlain, "kitchen-microwave", kNone, kNone, 244, false, 4, 2, 100, 0, 370,  40, 0, 0, 2, false},
    {kPlain, "kitchen-oven",      kNone, kNone, 241, false, 4, 2, 100, 0, 200, 200, 0, 0, 2, false},
    {kPlain, "kitchen-stool",     kNone, kNone, 242, false, 4, 2, 100, 0, 370, 210, 0, 0, 2, false},
    {kPlain, "kitchen-monkey",    kNone, kNone, 245, false, 4, 10,  0, 0, 380, 120, 0, 0, 2, false},
    kQuitPanel,
    {kPlain, "kitchen-mouth",     kNone, kNone, 267, false, 5, 11, 75, 0, 455, 235, 0, 0, 2, false},
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
    kPlayAgainPanel,
    kYes,
    kNo,
    kWrongMark,
};

constexpr CreationRecord kLivingRoom[] = {
    {kPlain, "fade2-livingroom", kNone, kNone, 238, false, 11, 1, 100, 0, 0, 0, 0, 0, 2, false},
    kBalloonButtonRight,
    kExitButtonRight,
    kHomeButtonRight,
    kGuideButtonRight,
    kHelpButtonRight,
    kMenuBarRight,
    kMoverGuide,
    kMoverGuideEyes,
    kSmallBubble2,
    kSmallBubble1,
    kWordCircle,
    {Word("Sill\xF3n"),          "livingoption6-chair.bmp",    "word-chair-sp.wav",    kNone, 258, false, 1, 5, 0, 0, 455, 390, 0, 0, 2, false},
    {Word("Sof\xE1"),            "livingoption3-couch.bmp",    "word-couch-sp.wav",    kNone, 255, false, 1, 5, 0, 0, 191, 390, 0, 0, 2, false},
    {Word("Cortinas"),           "livingoption4-curtains.bmp", "word-curtains-sp.wav", kNone, 256, false, 1, 5, 0, 0, 279, 390, 0, 0, 2, false},
    {Word("Tel\xE9" "fono"),     "livingoption5-phone.bmp",    "word-phone-sp.wav",    kNone, 257, false, 1, 5, 0, 0, 367, 390, 0, 0, 2, false},
    {Word("Mesa"),               "livingoption2-table.bmp",    "word-table-sp.wav",    kNone, 254, false, 1, 5, 0, 0, 103, 390, 0, 0, 2, false},
    {Word("Televisi\xF3n"),      "livingoption1-tv.bmp",       "word-tv-sp.wav",       kNone, 253, false, 1, 5, 0, 0,  15, 390, 0, 0, 2, false},
    {kPlain, "livingroom-optionbar", kNone, kNone, 266, false, 6, 2, 100, 0, 5, 380, 0, 0, 2, false},
    {kPlain, "livingroom-chair",   kNone, kNone, 262, false, 4, 2, 100, 0, 370, 210, 0, 0, 2, false},
    {kPlain, "livingroom-couch",   kNone, kNone, 260, false, 4, 2, 100, 0, 200, 200, 0, 0, 2, false},
    {kPlain, "livingroom-curtain", kNone, kNone, 261, false, 4, 2, 100, 0, 200,  30, 0, 0, 2, false},
    {kPlain, "livingroom-monkey",  kNone, kNone, 265, false, 4, 10,  0, 0, 380, 120, 0, 0, 2, false},
    {kPlain, "livingroom-phone",   kNone, kNone, 264, false, 4, 2, 100, 0, 370,  40, 0, 0, 2, false},
    {kPlain, "livingroom-table",   kNone, kNone, 259, false, 4, 2, 100, 0,  30, 210, 0, 0, 2, false},
    {kPlain, "livingroom-tv",      kNone, kNone, 263, false, 4, 2, 100, 0,  20,  40, 0, 0, 2, false},
    {kPlain, "livingroom-mouth",   kNone, kNone, 267, false, 5, 11, 75, 0, 455, 235, 0, 0, 2, false},
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
    kPlayAgainPanel,
    kYes,
    kNo,
    kWrongMark,
};

// The walks into a room, added to the house's list during play: hidden, on
// layer 7, 100 ms a frame, not moving.
constexpr CreationRecord kStairClimb{kPlain, "walkbox-stairclimb", kNone, kNone, 206, false, 36, 7, 100, 0, 237, 280, 0, 0, 2, false};

constexpr CreationRecord kToBathroom[] = {
    {kPlain, "opendoor-bathroom", kNone, kNone, 202, false,  4, 7, 100, 0, 100, 150, 0, 0, 2, false},
    kStairClimb,
    {kPlain, "fade2-bath",        kNone, kNone, 235, false, 11, 7, 100, 0,   0,   0, 0, 0, 2, false},
};
constexpr CreationRecord kToBedroom[] = {
    {kPlain, "opendoor-bedroom",  kNone, kNone, 203, false,  4, 7, 100, 0, 238, 137, 0, 0, 2, false},
    kStairClimb,
    {kPlain, "fade2-bed",         kNone, kNone, 236, false, 11, 7, 100, 0,   0,   0, 0, 0, 2, false},
};
constexpr CreationRecord kToKitchen[] = {
    {kPlain, "walkbox-kitchen",   kNone, kNone, 204, false, 43, 7, 100, 0,  73, 320, 0, 0, 2, false},
    {kPlain, "fade2-kitchen",     kNone, kNone, 237, false, 11, 7, 100, 0,   0,   0, 0, 0, 2, false},
};
constexpr CreationRecord kToLivingRoom[] = {
    {kPlain, "fade2-livingroom",  kNone, kNone, 238, false, 11, 7, 100, 0,   0,   0, 0, 0, 2, false},
    {kPlain, "walkbox-livingroom", kNone, kNone, 205, false, 31, 7, 100, 0, 198, 320, 0, 0, 2, false},
};
// clang-format on

} // namespace

std::span<const CreationRecord> MovingDayList() {
    return kMovingDay;
}
std::span<const CreationRecord> BathroomList() {
    return kBathroom;
}
std::span<const CreationRecord> BedroomList() {
    return kBedroom;
}
std::span<const CreationRecord> KitchenList() {
    return kKitchen;
}
std::span<const CreationRecord> LivingRoomList() {
    return kLivingRoom;
}

std::span<const CreationRecord> RoomTransitionTable(Room room) {
    switch (room) {
    case Room::Bathroom:
        return kToBathroom;
    case Room::Bedroom:
        return kToBedroom;
    case Room::Kitchen:
        return kToKitchen;
    case Room::LivingRoom:
        return kToLivingRoom;
    }
    return {};
}
