// The handler table: each screen's row, chosen by the ScreenId.
#include "shell/screen_table.h"

#include "activities/activity_screens.h"
#include "activities/balloon_reward.h"
#include "activities/intro_signin.h"
#include "activities/list_only_screens.h"
#include "activities/town_map.h"
#include "activities/vehicle_game.h"

namespace {

const ScreenHandlers kCentreMapHandlers{.update = CentreMapUpdate,
                                        .click = CentreMapClick,
                                        .busyWaitWork = nullptr,
                                        .key = nullptr,
                                        .hoversMap = true};
const ScreenHandlers kSideMapHandlers{.update = SideMapUpdate,
                                      .click = SideMapClick,
                                      .busyWaitWork = nullptr,
                                      .key = nullptr,
                                      .hoversMap = true};
const ScreenHandlers kBalloonReward{.update = BalloonRewardUpdate,
                                    .click = BalloonRewardClick,
                                    .busyWaitWork = nullptr,
                                    .key = nullptr};
const ScreenHandlers kIntroSignIn{.update = IntroSignInUpdate,
                                  .click = IntroSignInClick,
                                  .busyWaitWork = nullptr,
                                  .key = SignInKey};

const ScreenHandlers kGasStationHandlers{
    .update = GasStationUpdate, .click = GasStationClick, .busyWaitWork = nullptr, .key = nullptr};
const ScreenHandlers kRaceHandlers{
    .update = RaceUpdate, .click = RaceClick, .busyWaitWork = RaceBusyWaitWork, .key = nullptr};

const ScreenHandlers kCircusHandlers{
    .update = CircusUpdate, .click = CircusClick, .busyWaitWork = nullptr, .key = nullptr};
const ScreenHandlers kClassroomHandlers{
    .update = ClassroomUpdate, .click = ClassroomClick, .busyWaitWork = nullptr, .key = nullptr};
const ScreenHandlers kDaysHandlers{
    .update = DaysUpdate, .click = DaysClick, .busyWaitWork = nullptr, .key = nullptr};

} // namespace

const ScreenHandlers* HandlersForScreen(LONG screenId) {
    switch (screenId) {
    case kCentreMap:
        return &kCentreMapHandlers;
    case kLeftMap:
    case kRightMap:
        return &kSideMapHandlers;
    case kCircus:
        return &kCircusHandlers;
    case kGasStation:
        return &kGasStationHandlers;
    case kClassroom:
        return &kClassroomHandlers;
    case kDaysOfTheWeek:
        return &kDaysHandlers;
    case kRace:
        return &kRaceHandlers;
    case 21:
        return &kBalloonReward;
    case 22:
        return &kIntroSignIn;
    default:
        return ListOnlyScreen(screenId);
    }
}
