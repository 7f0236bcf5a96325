// The circus (2). Everything that rolls in and out with the cart is group 2;
// the backdrop and the menu bar stay (group 1).
#include "scene/lists_furniture.h"
#include "scene/lists_tables.h"

using namespace lists;

namespace {

// clang-format off
constexpr CreationRecord kCircus[] = {
    {kBackdrop, "circus-background.bmp", kNone, kNone, 47, true, 1, 1, 0, 0, 90, 0, 0, 0, 1, false},
    kMenuBarLeft,
    kHelpButtonLeft,
    kGuideButtonLeft,
    kExitButtonLeft,
    kBalloonButtonLeft,
    kHomeButtonLeft,
    // The animals wait off screen until the cart brings them to their places.
    {Animal("Camello"),      "blue-camel.bmp",     "word-camel-sp.wav",     "camel.wav",     51, false, 1, 6, 0, 0, -150, 0, 0, 0, 2, false},
    {Animal("Vaca"),         "blue-cow.bmp",       "word-cow-sp.wav",       "cow.wav",       52, false, 1, 6, 0, 0, -150, 0, 0, 0, 2, false},
    {Animal("Coyote"),       "blue-coyote.bmp",    "word-coyote-sp.wav",    "coyote.wav",    53, false, 1, 6, 0, 0, -150, 0, 0, 0, 2, false},
    {Animal("Cocodrilo"),    "blue-crocodile.bmp", "word-crocodile-sp.wav", "crocodile.wav", 54, false, 1, 6, 0, 0, -150, 0, 0, 0, 2, false},
    {Animal("Venado"),       "blue-deer.bmp",      "word-deer-sp.wav",      "deer.wav",      55, false, 1, 6, 0, 0, -150, 0, 0, 0, 2, false},
    {Animal("Delf\xEDn"),    "blue-Dolphin.bmp",   "word-dolphin-sp.wav",   "dolphin.wav",   56, false, 1, 6, 0, 0, -150, 0, 0, 0, 2, false},
    {Animal("Sapo"),         "blue-frog.bmp",      "word-frog-sp.wav",      "frog.wav",      57, false, 1, 6, 0, 0, -150, 0, 0, 0, 2, false},
    {Animal("Hiena"),        "blue-hyena.bmp",     "word-hyena-sp.wav",     "hyena.wav",     58, false, 1, 6, 0, 0, -150, 0, 0, 0, 2, false},
    {Animal("Langosta"),     "blue-lobster.bmp",   "word-lobster-sp.wav",   "lobster.wav",   59, false, 1, 6, 0, 0, -150, 0, 0, 0, 2, false},
    {Animal("Cerdo"),        "blue-pig.bmp",       "word-pig-sp.wav",       "pig.wav",       60, false, 1, 6, 0, 0, -150, 0, 0, 0, 2, false},
    {Animal("Rinoceronte"),  "blue-rhino.bmp",     "word-rhino-sp.wav",     "rhino.wav",     61, false, 1, 6, 0, 0, -150, 0, 0, 0, 2, false},
    {Animal("Oveja"),        "blue-sheep.bmp",     "word-sheep-sp.wav",     "sheep.wav",     62, false, 1, 6, 0, 0, -150, 0, 0, 0, 2, false},
    {Animal("Morsa"),        "blue-walrus.bmp",    "word-walrus-sp.wav",    "walrus.wav",    63, false, 1, 6, 0, 0, -150, 0, 0, 0, 2, false},
    {kPlain,    "circuscart.bmp", kNone, kNone, 64, true, 1, 2,  0, 0, -500,   5, 0, 0, 2, false},
    {kPlain,    "cart-wheels",    kNone, kNone, 65, true, 3, 6, 55, 0, -468, 408, 0, 0, 2, false},
    {kBackdrop, "circuspic.bmp",  kNone, kNone, 66, true, 1, 3,  0, 0, -497,  75, 0, 0, 2, false},
    {Animal("Conejo"),       "white-bunny.bmp",    "word-rabbit-sp.wav",    "rabbit.wav",    67, false, 1, 6, 0, 0, -150, 0, 0, 0, 2, false},
    {Animal("Gato"),         "white-cat.bmp",      "word-cat-sp.wav",       "cat.wav",       68, false, 1, 6, 0, 0, -150, 0, 0, 0, 2, false},
    {Animal("Perro"),        "white-dog.bmp",      "word-dog-sp.wav",       "dog.wav",       69, false, 1, 6, 0, 0, -150, 0, 0, 0, 2, false},
    {Animal("Aguila"),       "white-eagle.bmp",    "word-eagle-sp.wav",     "eagle.wav",     70, false, 1, 6, 0, 0, -150, 0, 0, 0, 2, false},
    {Animal("Elefante"),     "white-elephant.bmp", "word-elephant-sp.wav",  "elephant.wav",  71, false, 1, 6, 0, 0, -150, 0, 0, 0, 2, false},
    {Animal("Hipop\xF3tamo"), "white-hippo.bmp",   "word-hippo-sp.wav",     "hippo.wav",     72, false, 1, 6, 0, 0, -150, 0, 0, 0, 2, false},
    {Animal("Caballo"),      "white-horse.bmp",    "word-horse-sp.wav",     "horse.wav",     73, false, 1, 6, 0, 0, -150, 0, 0, 0, 2, false},
    {Animal("Canguro"),      "white-kangaroo.bmp", "word-kangaroo-sp.wav",  "kangaroo.wav",  74, false, 1, 6, 0, 0, -150, 0, 0, 0, 2, false},
    {Animal("Le\xF3n"),      "white-lion.bmp",     "word-lion-sp.wav",      "lion.wav",      75, false, 1, 6, 0, 0, -150, 0, 0, 0, 2, false},
    {Animal("Serpiente"),    "white-snake.bmp",    "word-snake-sp.wav",     "snake.wav",     76, false, 1, 6, 0, 0, -150, 0, 0, 0, 2, false},
    {Animal("Tigre"),        "white-tiger.bmp",    "word-tiger-sp.wav",     "tiger.wav",     77, false, 1, 6, 0, 0, -150, 0, 0, 0, 2, false},
    kSmallBubble1,
    kSmallBubble2,
    // The three acts, played on the cart's stand.
    {kPlain, "highwire-background.bmp",    kNone, kNone, 479, false, 1, 3,   0,  0, 131,  75,   0,   0, 2, false},
    {kPlain, "highwire-bike",              kNone, kNone, 480, false, 4, 4,  50, 30, 274,  97,  -3,   0, 2, false},
    {kPlain, "highwire-overlay.bmp",       kNone, kNone, 481, false, 1, 5,   0,  0,  90,  79,   0,   0, 2, false},
    {kPlain, "lionmouth-start",            kNone, kNone, 482, false, 3, 3, 100,  0, 131,  75,   0,   0, 2, false},
    {kPlain, "lionmouth-middle",           kNone, kNone, 483, false, 2, 3, 100,  0, 131,  75,   0,   0, 2, false},
    {kPlain, "lionmouth-end.bmp",          kNone, kNone, 484, false, 1, 3,   0,  0, 131,  75,   0,   0, 2, false},
    {kPlain, "cannonball-background.bmp",  kNone, kNone, 472, false, 1, 3,   0,  0, 131,  75,   0,   0, 2, false},
    {kPlain, "cannonball-cannon.bmp",      kNone, kNone, 473, false, 1, 5,   0,  0, 367, 207,   0,   0, 2, false},
    {kPlain, "cannonball-monkeyenter.bmp", kNone, kNone, 474, false, 1, 4,   0, 15, 297, 149,  20,  20, 2, false},
    {kPlain, "cannonball-monkeyexit.bmp",  kNone, kNone, 475, false, 1, 4,   0, 15, 398, 258, -20, -20, 2, false},
    {kPlain, "cannonball-monkeywave.bmp",  kNone, kNone, 476, false, 1, 4,   0,  0, 259, 145,   0,   0, 2, false},
    {kPlain, "cannonball-smoke1.bmp",      kNone, kNone, 477, false, 1, 5,   0,  0, 296, 137,   0,   0, 2, false},
    {kPlain, "cannonball-smoke2.bmp",      kNone, kNone, 478, false, 1, 5,   0,  0, 254, 103,   0,   0, 2, false},
    // The clown is this screen's guide.
    {kPlain, "clown.bmp",                  kNone, kNone, 498, false, 1, 9,   0, 15,  37, 150,   0,   0, 2, false},
    {kPlain, "clown-blink.bmp",            kNone, kNone, 499, false, 1, 10,  0,  0, 159, 228,   0,   0, 2, false},
    kGuideMouth,
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
    kQuitPanel3,
    kPlayAgainPanel3,
    kYes,
    kNo,
    kWrongMark,
};
// clang-format on

} // namespace

std::span<const CreationRecord> CircusList() {
    return kCircus;
}
