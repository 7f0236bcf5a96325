#include "activities/screens.h"

#include "activities/balloon_reward.h"
#include "activities/intro_signin.h"
#include "activities/town_map.h"

namespace {

// Screens whose activity is still to come hold still and take no clicks.
void StillScreen() {}
void NoClick(ListElem*) {}

const ScreenHandlers kStill{StillScreen, NoClick};
const ScreenHandlers kCentreMapHandlers{CentreMapUpdate, CentreMapClick};
const ScreenHandlers kSideMapHandlers{SideMapUpdate, SideMapClick};
const ScreenHandlers kBalloonReward{BalloonRewardUpdate, BalloonRewardClick};
const ScreenHandlers kIntroSignIn{IntroSignInUpdate, IntroSignInClick};

} // namespace

const ScreenHandlers* HandlersForScreen(LONG screenId) {
    switch (screenId) {
    case kCentreMap:
        return &kCentreMapHandlers;
    case kLeftMap:
    case kRightMap:
        return &kSideMapHandlers;
    case 21:
        return &kBalloonReward;
    case 22:
        return &kIntroSignIn;
    default:
        break;
    }
    if ((screenId >= 2 && screenId <= 20) || screenId == 24 || screenId == 25)
        return &kStill;
    return nullptr;
}

void NameEntryKey(WPARAM virtualKey) {
    SignInKey(virtualKey);
}
void RaceSceneryStep() {}
