// The jobs (15). The workers stand on layer 1 under the backdrop, which shows
// them through its windows; back and front views of a worker share a place.
// Heads wait off screen until the screen puts them on a worker.
#include "scene/lists_furniture.h"
#include "scene/lists_tables.h"

using namespace lists;

namespace {

constexpr size_t kVariantHeadsFirst = 32;
constexpr size_t kVariantHeadsCount = 7;

// clang-format off
constexpr CreationRecord kJobs[] = {
    {kPlain, "jobs-background.bmp",  kNone, kNone, 425, true,  1, 1, 0,  0,   0,   0, 0, 0, 2, false},
    {kPlain, "jobs-greenwall.bmp",   kNone, kNone, 426, true,  1, 5, 0,  0,   0, 236, 0, 0, 2, false},
    {kPlain, "jobs-yellowall.bmp",   kNone, kNone, 427, true,  1, 9, 0,  0,   0, 353, 0, 0, 2, false},
    // The guide stands behind the yellow wall.
    {kPlain, "jobs-mainmonkey.bmp",  kNone, kNone, 511, false, 1, 9, 0, 15, 330, 130, 0, 0, 2, false},
    kGuideMouth,
    {Word("Astronauta"),        "astronaut-back.bmp", kNone, kNone, 403, false, 1, 1, 0, 0,  10,  90, 0, 0, 2, false},
    {Word("Cocinero"),          "chef-back.bmp",      kNone, kNone, 404, false, 1, 1, 0, 0, 100,  90, 0, 0, 2, false},
    {kPlain,                    "chef-front.bmp",     kNone, kNone, 405, false, 1, 1, 0, 0, 100,  90, 0, 0, 2, false},
    {Word("Payaso"),            "clown-back.bmp",     kNone, kNone, 406, false, 1, 1, 0, 0, 190,  90, 0, 0, 2, false},
    {kPlain,                    "clown-front.bmp",    kNone, kNone, 407, false, 1, 1, 0, 0, 190,  90, 0, 0, 2, false},
    {Word("Polic\xED" "a"),     "cop-back.bmp",       kNone, kNone, 408, false, 1, 1, 0, 0, 280,  90, 0, 0, 2, false},
    {kPlain,                    "cop-front.bmp",      kNone, kNone, 409, false, 1, 1, 0, 0, 280,  90, 0, 0, 2, false},
    {Word("Doctor"),            "doctor-back.bmp",    kNone, kNone, 410, false, 1, 1, 0, 0, 370,  90, 0, 0, 2, false},
    {kPlain,                    "doctor-front.bmp",   kNone, kNone, 411, false, 1, 1, 0, 0, 370,  90, 0, 0, 2, false},
    {Word("Agricultor"),        "farmer-back.bmp",    kNone, kNone, 412, false, 1, 1, 0, 0, 460,  90, 0, 0, 2, false},
    {kPlain,                    "farmer-front.bmp",   kNone, kNone, 413, false, 1, 1, 0, 0, 460,  90, 0, 0, 2, false},
    {Word("Bombero"),           "fireman-front.bmp",  kNone, kNone, 414, false, 1, 1, 0, 0,  10, 200, 0, 0, 2, false},
    {kPlain, "head-black",     kNone, kNone, 417, false, 4, 2, 150, 0, -100, 0, 0, 0, 2, false},
    {kPlain, "head-man",       kNone, kNone, 419, false, 4, 2, 150, 0, -100, 0, 0, 0, 2, false},
    {kPlain, "head-monkey",    kNone, kNone, 421, false, 4, 2, 150, 0, -100, 0, 0, 0, 2, false},
    {kPlain, "head-woman1-sp", kNone, kNone, 423, false, 4, 2, 150, 0, -100, 0, 0, 0, 2, false},
    {kPlain, "head-asian1-sp", kNone, kNone, 424, false, 4, 2, 150, 0, -100, 0, 0, 0, 2, false},
    {Word("Cartero"),           "mailman-back.bmp",   kNone, kNone, 428, false, 1, 1, 0, 0, 100, 200, 0, 0, 2, false},
    {kPlain,                    "mailman-front.bmp",  kNone, kNone, 429, false, 1, 1, 0, 0, 100, 200, 0, 0, 2, false},
    {kPlain,                    "mechanic-front.bmp", kNone, kNone, 431, false, 1, 1, 0, 0, 190, 200, 0, 0, 2, false},
    {Word("Mec\xE1nico"),       "mechanic-back.bmp",  kNone, kNone, 430, false, 1, 1, 0, 0, 190, 200, 0, 0, 2, false},
    {Word("Piloto"),            "pilot-back.bmp",     kNone, kNone, 432, false, 1, 1, 0, 0, 280, 200, 0, 0, 2, false},
    {kPlain,                    "pilot-front.bmp",    kNone, kNone, 433, false, 1, 1, 0, 0, 280, 200, 0, 0, 2, false},
    {Word("Marinero"),          "sailor-back.bmp",    kNone, kNone, 434, false, 1, 1, 0, 0, 370, 200, 0, 0, 2, false},
    {kPlain,                    "sailor-front.bmp",   kNone, kNone, 435, false, 1, 1, 0, 0, 370, 200, 0, 0, 2, false},
    {Word("Soldado"),           "soldier-back.bmp",   kNone, kNone, 436, false, 1, 1, 0, 0, 460, 200, 0, 0, 2, false},
    {kPlain,                    "soldier-front.bmp",  kNone, kNone, 437, false, 1, 1, 0, 0, 460, 200, 0, 0, 2, false},
    // Created only while PromptVariantFlag is 0.
    {kPlain, "head-asian1-sp", kNone, kNone, 438, false, 4, 2, 150, 0, -100, 0, 0, 0, 2, false},
    {kPlain, "head-asian1-sp", kNone, kNone, 441, false, 4, 2, 150, 0, -100, 0, 0, 0, 2, false},
    {kPlain, "head-black",     kNone, kNone, 418, false, 4, 2, 150, 0, -100, 0, 0, 0, 2, false},
    {kPlain, "head-woman1-sp", kNone, kNone, 422, false, 4, 2, 150, 0, -100, 0, 0, 0, 2, false},
    {kPlain, "head-man",       kNone, kNone, 420, false, 4, 2, 150, 0, -100, 0, 0, 0, 2, false},
    {kPlain, "head-monkey",    kNone, kNone, 439, false, 4, 2, 150, 0, -100, 0, 0, 0, 2, false},
    {kPlain, "head-monkey",    kNone, kNone, 440, false, 4, 2, 150, 0, -100, 0, 0, 0, 2, false},
    kBalloonButtonRight,
    kExitButtonRight,
    kHomeButtonRight,
    kGuideButtonRight,
    kMenuBarRight,
    kHelpButtonRight,
    kWordCircle,
    kSmallBubble2,
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
    kWrongMark,
    kPlayAgainPanel,
    kYes,
    kNo,
    kQuitPanel,
    kGuideEyes,
};
// clang-format on
static_assert(kJobs[kVariantHeadsFirst].id == 438);
static_assert(kJobs[kVariantHeadsFirst + kVariantHeadsCount - 1].id == 440);

} // namespace

std::span<const CreationRecord> JobsList() {
    return kJobs;
}
std::span<const CreationRecord> JobsVariantHeads() {
    return std::span<const CreationRecord>(kJobs).subspan(kVariantHeadsFirst, kVariantHeadsCount);
}
