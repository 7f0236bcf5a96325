// The sign-in screen (22), the balloon reward (21) and the end screen (26).
#include "scene/lists_furniture.h"
#include "scene/lists_tables.h"

using namespace lists;

namespace {

// clang-format off
constexpr CreationRecord kSignIn[] = {
    {kPlain, "vocabuloon-full-sp.bmp",       kNone,      kNone,  584, true,   1, 1,  0,  0,    0,   0, 0,   0, 2, false},
    {kPlain, "intro-background.bmp",         kNone,      kNone,  513, false,  1, 1,  0,  0,    0,   0, 0,   0, 2, false},
    {Acting(Behaviour::SignInBox), "signin-box.bmp", kMenuClick, kNone, 582, false, 1, 2, 0, 0, 290, 27, 0, 0, 2, false},
    {kPlain, "ok-up.bmp",                    kMenuClick, kNone, 1063, false,  1, 5,  0,  0,  280, 360, 0,   0, 2, false},
    {kPlain, "ok-down.bmp",                  kNone,      kNone, 1064, false,  1, 5,  0,  0,  280, 360, 0,   0, 2, false},
    {kPlain, "erase-up.bmp",                 kMenuClick, kNone, 1065, false,  1, 5,  0,  0,  425, 360, 0,   0, 2, false},
    {kPlain, "erase-down.bmp",               kNone,      kNone, 1066, false,  1, 5,  0,  0,  425, 360, 0,   0, 2, false},
    {kPlain, "ok-erase-grey.bmp",            kMenuClick, kNone,  583, false,  1, 4,  0,  0,  280, 360, 0,   0, 2, true},
    // The guide rests at (13, 112) and slides on from 15 steps below.
    {kPlain, "intromonkey-armdown.bmp",      kNone,      kNone,  515, false,  1, 4,  0, 15,   13, 112, 0,   0, 2, false},
    kGuideEyes,
    kGuideMouth,
    {kPlain, "textcursor.bmp",               kNone,      kNone, 3050, false,  1, 7,  0,  0,  340,  54, 0,   0, 2, false},
    // The sign scrolls off upwards once the screen gives it a move delay.
    {kPlain, "vocabuloon-introscreen.bmp",   kNone,      kNone,  578, false,  1, 2,  0,  0,  247,  42, 0, -10, 2, false},
    {kPlain, "scrollon-house",               kNone,      kNone,  580, false, 17, 2, 75,  0,  302, 207, 0,   0, 2, false},
    {kPlain, "scrollon-arrow",               kNone,      kNone,  579, false, 10, 2, 75,  0,    0,   0, 0,   0, 2, false},
    {kPlain, "scrollon-sun",                 kNone,      kNone,  581, false, 18, 2, 75,  0,  249,   0, 0,   0, 2, false},
    kBalloonButtonRight,
    kExitButtonRight,
    kHomeButtonRight,
    kGuideButtonRight,
    kHelpButtonRight,
    kMenuBarRight,
    // The guide pointing at each thing it introduces, standing in for its body.
    {kPlain, "intromonkey-mouse.bmp",        kNone,      kNone, 3031, false,  1, 4,  0,  0,   13, 112, 0,   0, 2, false},
    {kPlain, "intromonkey-arrow.bmp",        kNone,      kNone,  516, false,  1, 4,  0,  0,   13, 112, 0,   0, 2, false},
    {kPlain, "intromonkey-balloons.bmp",     kNone,      kNone,  517, false,  1, 4,  0,  0,   13, 112, 0,   0, 2, false},
    {kPlain, "intromonkey-exit.bmp",         kNone,      kNone,  518, false,  1, 4,  0,  0,   13, 112, 0,   0, 2, false},
    {kPlain, "intromonkey-home.bmp",         kNone,      kNone,  519, false,  1, 4,  0,  0,   13, 112, 0,   0, 2, false},
    {kPlain, "intromonkey-house.bmp",        kNone,      kNone,  520, false,  1, 4,  0,  0,   13, 112, 0,   0, 2, false},
    {kPlain, "intromonkey-monkeyhead.bmp",   kNone,      kNone,  521, false,  1, 4,  0,  0,   13, 112, 0,   0, 2, false},
    {kPlain, "intromonkey-questionmark.bmp", kNone,      kNone,  522, false,  1, 4,  0,  0,   13, 112, 0,   0, 2, false},
    {kPlain, "intromonkey-sun.bmp",          kNone,      kNone,  523, false,  1, 4,  0,  0,   13, 112, 0,   0, 2, false},
    {kPlain, "intro-house.bmp",              kNone,      kNone,  514, false,  1, 3,  0,  0,  328, 211, 0,   0, 2, false},
    {kPlain, "intro-sunrays.bmp",            kNone,      kNone,  524, false,  1, 4,  0,  0,  253,  12, 0,   0, 2, false},
    {kPlain, "arrowswich-left.bmp",          kNone,      kNone,  525, false,  1, 3,  0,  0,   32,  34, 0,   0, 2, false},
    {kPlain, "introbubble.bmp",              kNone,      kNone, 3051, false,  1, 3,  0,  0,  150, 120, 0,   0, 2, false},
};

constexpr CreationRecord kBalloonReward[] = {
    {kPlain, "balloon-background.bmp",  kNone, kNone,  484, true,   1, 1,   0,  0,   90,   0,  0,  0, 2, false},
    kMenuBarLeft,
    kBalloonButtonLeft,
    kGuideButtonLeft,
    kHomeButtonLeft,
    kHelpButtonLeft,
    kExitButtonLeft,
    {kPlain, "balloon-monkey00.bmp",    kNone, kNone,  488, false,  1, 9,   0, 15,   60, 153,  0,  0, 2, false},
    {kPlain, "balloon-monkey01.bmp",    kNone, kNone,  485, false,  1, 9,   0,  0,   60, 153,  0,  0, 2, false},
    {kPlain, "balloon-monkey02.bmp",    kNone, kNone,  486, false,  1, 9,   0,  0,   60,   0,  0,  0, 2, false},
    {kPlain, "balloon-monkey03.bmp",    kNone, kNone,  487, false,  1, 9,   0,  0,   60,   0,  1, -5, 2, false},
    {kPlain, "balloon-monkey-wet.bmp",  kNone, kNone,  902, false,  1, 9,   0, 15,   60, 153,  0,  0, 2, false},
    kGuideEyes,
    kGuideMouth,
    {kPlain, "balloon-",                kNone, kNone,  483, false, 10, 2,   0,  0,  251,  12,  0,  0, 2, false},
    {kPlain, "floating-monkey.bmp",     kNone, kNone,  491, false,  1, 2,   0, 20,  -70,  17,  0,  0, 2, false},
    {kPlain, "flyby-background01.bmp",  kNone, kNone,  492, false,  1, 1,   0,  0,    0,   0, -2,  0, 2, false},
    {kPlain, "flyby-background02.bmp",  kNone, kNone,  493, false,  1, 1,   0,  0,  640,   0, -2,  0, 2, false},
    {kPlain, "flyby-background03.bmp",  kNone, kNone,  494, false,  1, 1,   0,  0, 1076,   0, -2,  0, 2, false},
    {kPlain, "balloon-splash",          kNone, kNone,  489, false, 16, 3, 170,  0,  416,   0,  0,  0, 2, false},
    {kPlain, "after-balloon-splash",    kNone, kNone,  490, false,  4, 3, 100,  0,  416,   0,  0,  0, 2, false},
    {kPlain, "continue3.bmp",           kNone, kNone, 1001, false,  1, 10,  0,  0,  253,  81,  0,  0, 2, false},
    kNo,
    kYes,
    kQuitPanel3,
};

constexpr CreationRecord kEndScreen[] = {
    {kPlain, "credits-sp.bmp", kNone, kNone, 5000, true,  1, 1, 0, 0, 0, 0, 0, 0, 2, false},
    {kPlain, "end-screen.bmp", kNone, kNone, 5001, false, 1, 1, 0, 0, 0, 0, 0, 0, 2, false},
};
// clang-format on

} // namespace

std::span<const CreationRecord> SignInList() {
    return kSignIn;
}
std::span<const CreationRecord> BalloonRewardList() {
    return kBalloonReward;
}
std::span<const CreationRecord> EndScreenList() {
    return kEndScreen;
}
