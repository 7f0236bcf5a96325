// The end of the week (14): the sunrise face rises over the week, balloons
// rise for a first week, and the face gives the days' balloon and asks to
// play again from Monday.
#include "activities/balloon_award.h"
#include "activities/days_parts.h"
#include "activities/guide.h"
#include "activities/menu_bar.h"
#include "activities/screen_kit.h"
#include "activities/sequence.h"
#include "audio/audio_interface.h"
#include "scene/screen_object.h"
#include "shell/frame_update.h"
#include "shell/globals.h"
#include "shell/player_roster.h"

namespace days {

namespace {

constexpr LONG kSunriseFace = 563;
constexpr LONG kSunriseMouth = 565;

// The sunrise face talks with its own mouth after the week.
constexpr GuideParts kSunriseGuide{
    .body = kSunriseFace,
    .rest = {0, 0},
    .start = {0, 0},
    .step = {0, 0},
    .mouthStart = {295, 153},
    .eyes = {0, 0},
    .eyesLayer = 0,
    .slidingLayer = 0,
    .restingLayer = 0,
    .mouth = kSunriseMouth,
    .eyesId = 0,
};

void WeekAgain() {
    Hide(kSunriseMouth);
    if (ScreenObject* face = Find(kSunriseFace)) {
        face->SetVisible(false);
        face->NextFrame();
    }
    Show(kLeftMenuBar.bar);
    GoTo(28);
}

// The face and the balloons come first (states 20 to 26); the week joins the
// shared sequence at the award itself, or at the question once won.
const BalloonAward kDaysAward{
    .guide = &kSunriseGuide,
    .activity = BalloonActivity::DaysOfTheWeek,
    .bar = &kLeftMenuBar,
    .balloonLayer = 0,
    .panel = 707,
    .panelAt = {216, 228},
    .panelLayer = 0,
    .yes = {262, 385},
    .no = {332, 385},
    .buttonLayer = 0,
    .answersByClickLock = false,
    .playAgain = WeekAgain,
    .stop = BackToTheMap,
};

} // namespace

// After Sunday: the sunrise face, the balloons for a first week, the award.
void EndOfTheWeek() {
    FrameUpdate& f = frameUpdate;
    const bool won = balloonRecord.HasWon(BalloonActivity::DaysOfTheWeek);
    switch (f.state) {
    case 20:
        if (!After(1500))
            break;
        SetClickable({kLeftMenuBar.balloon, kLeftMenuBar.exit, kLeftMenuBar.home}, false);
        Show(kSunriseFace);
        audio.voice.LoadAndPlay("sunrise.wav");
        f.stepCount = 1;
        GoTo(21);
        break;
    case 21:
        if (Animated(kSunriseFace, 17))
            GoTo(22);
        break;
    case 22:
        if (!After(1000))
            break;
        if (!won) {
            ReleaseCelebrationBalloons(0);
            audio.effects.LoadAndPlay("cheer.wav");
        }
        GoTo(23);
        break;
    case 23:
        if (!won && !After(3000))
            f.UpdateBalloons();
        else
            GoTo(24);
        break;
    case 24:
        if (won) {
            Show(kSunriseMouth);
            audio.effects.LoadAndPlay("big-pop.wav");
            audio.voice.LoadAndPlay("goodjob.wav");
            GoTo(25);
            break;
        }
        // The balloons fly off before the face speaks.
        while (!CelebrationBalloonsGone())
            f.RenderFrame();
        Show(kSunriseMouth);
        audio.voice.LoadAndPlay("goodjob.wav");
        GoTo(25);
        break;
    case 25:
        if (!MouthTalks(Channel::Voice, kSunriseMouth))
            break;
        if (won) {
            GoTo(kAwardState + kPlayAgainAsked);
        } else {
            audio.voice.LoadAndPlay("youwonaballoon.wav");
            GoTo(26);
        }
        break;
    case 26:
        if (MouthTalks(Channel::Voice, kSunriseMouth))
            GoTo(kAwardState + kBalloonAwarded);
        break;
    case 28:
        if (After(1000)) {
            SetClickable({kLeftMenuBar.balloon, kLeftMenuBar.exit, kLeftMenuBar.home}, true);
            f.dayIndex = 0;
            GoTo(6);
        }
        break;
    default:
        break;
    }
}

void AwardAndQuestion() {
    RunPhases(kDaysAward, kAwardState, BalloonAwardStep);
}

} // namespace days
