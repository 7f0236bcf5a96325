// The race (24): the chosen vehicle races four rivals; the child clicks the
// sign that shows the spoken number, and each answer moves a vehicle one
// stage on. The first to the finish wins, and the race's balloon follows.
#include "activities/race.h"

#include "activities/balloon_award.h"
#include "activities/help_and_guide.h"
#include "activities/menu_bar.h"
#include "activities/quit_question.h"
#include "activities/screen_kit.h"
#include "activities/sequence.h"
#include "activities/vehicle_game.h"
#include "audio/audio_interface.h"
#include "scene/object_list.h"
#include "scene/screen_object.h"
#include "scene/text_overlays.h"
#include "shell/frame_update.h"
#include "shell/globals.h"

namespace {

constexpr LONG kAwardState = 154;
constexpr LONG kQuitState = 200;
constexpr LONG kGuideState = 300;
constexpr LONG kHelpState = 400;
constexpr LONG kTimeOutState = 500;
constexpr LONG kAskAgainState = 600;

void CloseBar() {
    SetClickable({kLeftMenuBar.exit, kLeftMenuBar.guide, kLeftMenuBar.help}, false);
}

void PutNumbersAway() {
    numberPanel.SetVisible(false);
    numberPanel.ClearNumbers();
}

void DuckMusic() {
    audio.music.Duck();
}

void QuitRefused() {
    Hide(kLeftMenuBar.exit);
    SetClickable(kLeftMenuBar.exit, true);
    audio.music.Raise();
    if (frameUpdate.returnState > 70)
        SetClickable({kLeftMenuBar.guide, kLeftMenuBar.help}, true);
}

void LeaveForTheEnd() {
    numberPanel.SetVisible(false);
}

const QuitQuestion kRaceQuit{
    .guide = &kRaceGuide,
    .pauseAfterArrival = 0,
    .panel = {274, 70},
    .yes = {332, 175},
    .no = {402, 175},
    .voice = Channel::Voice,
    .popsUp = true,
    .pauseOnYes = 0,
    .stopAllOnYes = true,
    .prepare = DuckMusic,
    .refused = QuitRefused,
    .panelLayer = 14,
    .buttonLayer = 15,
    .answersByClickLock = true,
    .leaving = LeaveForTheEnd,
};

// The instructions are over: the bar answers again, and a number that was
// waiting for its answer is asked anew.
void InstructionsGiven() {
    FrameUpdate& f = frameUpdate;
    SetClickable({kLeftMenuBar.exit, kLeftMenuBar.guide, kLeftMenuBar.help}, true);
    Hide(kLeftMenuBar.guide);
    audio.music.Raise();
    if (f.returnState == 71)
        f.returnState = kAskAgainState;
}

const GuideTalk kRaceInstructions{
    .guide = &kRaceGuide,
    .pauseBefore = 0,
    .recording = "instructions-saythelane-v2.wav",
    .channel = Channel::Voice,
    .pauseAfter = 0,
    .prepare = DuckMusic,
    .finish = InstructionsGiven,
};

void PrepareReminder() {
    audio.music.Duck();
    Show(kLeftMenuBar.guide);
    CloseBar();
}

// After the reminder the same number is asked again, not a new turn.
void Reminded() {
    InstructionsGiven();
    frameUpdate.returnState = kAskAgainState;
}

const GuideTalk kRaceReminder{
    .guide = &kRaceGuide,
    .pauseBefore = 0,
    .recording = "instructions-saythelane-v2.wav",
    .channel = Channel::Voice,
    .pauseAfter = 0,
    .prepare = PrepareReminder,
    .finish = Reminded,
};

void RaceAgain() {
    FrameUpdate& f = frameUpdate;
    BusyCursor();
    f.hoverEnabled = false;
    PutNumbersAway();
    f.numberRange = CurrentNumberRange() == 3 ? 1 : f.numberRange + 1;
    ChangeScreen(kGasStation);
}

void GoHomeFromTheRace() {
    PutNumbersAway();
    VehicleGameHome();
}

const BalloonAward kRaceAward{
    .guide = &kRaceGuide,
    .activity = BalloonActivity::Race,
    .bar = &kLeftMenuBar,
    .balloonLayer = 11,
    .panel = 707,
    .panelAt = {274, 70},
    .panelLayer = 14,
    .yes = {332, 175},
    .no = {402, 175},
    .buttonLayer = 15,
    .answersByClickLock = true,
    .playAgain = RaceAgain,
    .stop = GoHomeFromTheRace,
};

// The lane whose vehicle stands on the finish; the last such lane wins.
LONG WinningLane() {
    LONG winner = kChildLane;
    for (LONG lane = 0; lane < 5; ++lane)
        if (ScreenObject* racer = LaneObject(lane); racer && racer->GetX() == kFinishStage)
            winner = lane;
    return winner;
}

void AnnounceWinner() {
    FrameUpdate& f = frameUpdate;
    LONG lane = WinningLane();
    if (lane == kChildLane) {
        audio.voice.LoadAndPlay("youwon.wav");
        return;
    }
    audio.voice.LoadAndPlay(WinnerPrompt(f.raceVehicles[lane]));
}

void Finish() {
    FrameUpdate& f = frameUpdate;
    switch (f.state) {
    case 150:
        StartFinish();
        GoTo(151);
        break;
    case 151:
        if (FinishStep()) {
            f.BusyWait(1500);
            GoTo(152);
        }
        break;
    case 152:
        AnnounceWinner();
        GoTo(153);
        break;
    case 153:
        if (!audio.voice.IsPlaying())
            GoTo(kAwardState);
        break;
    default:
        break;
    }
}

} // namespace

void RaceUpdate() {
    FrameUpdate& f = frameUpdate;
    LONG state = f.state;
    UpdateLanes(timeGetTime());
    if (f.trackScrolling)
        TrackStep(timeGetTime());
    if (state < 68)
        RaceStartUpdate();
    else if (state < 150)
        RaceTurnsUpdate();
    else if (state < kAwardState)
        Finish();
    else if (state < kQuitState)
        RunPhases(kRaceAward, kAwardState, BalloonAwardStep);
    else if (state < kGuideState)
        RunPhases(kRaceQuit, kQuitState, QuitQuestionStep);
    else if (state < kHelpState)
        RunPhases(kRaceInstructions, kGuideState, GuideTalkStep);
    else if (state < kTimeOutState)
        RaceHelpUpdate();
    else if (state < kAskAgainState)
        RunPhases(kRaceReminder, kTimeOutState, GuideTalkStep);
    else
        RaceTurnsUpdate();
}

void RaceBusyWaitWork(DWORD now) {
    if (frameUpdate.state <= 50)
        return;
    UpdateLanes(now);
    if (frameUpdate.trackScrolling)
        TrackStep(now);
}

void RaceClick(ListElem* selected) {
    FrameUpdate& f = frameUpdate;
    LONG id = selected->object->GetId();
    if (id >= kFirstSign && id < kFirstSign + kSigns) {
        if (!f.clickLock) {
            f.clickLock = true;
            f.answerCode = id - kFirstSign;
        }
    } else if (id == 704 || id == 705) {
        // Yes and no come as a choice here, under the same lock.
        f.clickLock = true;
        f.answerCode = id == 704 ? 89 : 78;
    } else if (id == kLeftMenuBar.balloon) {
        PutNumbersAway();
        GoToBalloonScreen();
    } else if (id == kLeftMenuBar.home) {
        GoHomeFromTheRace();
    } else if (id == kLeftMenuBar.exit) {
        CloseBar();
        f.returnState = f.state;
        GoTo(kQuitState);
    } else if (id == kLeftMenuBar.guide) {
        CloseBar();
        f.returnState = f.state;
        GoTo(kGuideState);
    } else if (id == kLeftMenuBar.help) {
        CloseBar();
        numberPanel.ClearNumbers();
        GoTo(kHelpState);
    }
}
