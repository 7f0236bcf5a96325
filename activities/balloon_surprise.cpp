// Nine balloons: the guide floats away under them over a passing landscape,
// lets go, splashes into the water, comes back wet and asks whether the child
// wants to go on.
#include <cmath>

#include "activities/balloon_reward.h"
#include "activities/menu_bar.h"
#include "activities/screen_kit.h"
#include "audio/audio_interface.h"
#include "platform/mmsystem.h"
#include "scene/object_list.h"
#include "scene/screen_object.h"
#include "shell/blinker.h"
#include "shell/frame_update.h"
#include "shell/globals.h"

namespace {

constexpr LONG kBackground = 484;
constexpr LONG kCountingGuide = 485;
constexpr LONG kGrabbingGuide = 486;
constexpr LONG kRisingGuide = 487;
constexpr LONG kHangingGuide = 491;
constexpr LONG kLandscape[] = {492, 493, 494};
constexpr LONG kSplash = 489;
constexpr LONG kAfterSplash = 490;
constexpr LONG kContinuePanel = 1001;
constexpr LONG kYesButton = 704;
constexpr LONG kNoButton = 705;

constexpr LONG kHangingX = 437;
constexpr LONG kLandscapeEndX = -1076;

// The hanging guide bobs up and down along the way.
LONG BobbingY(double x) {
    return static_cast<LONG>((std::sin((x + 370) * 0.03) + 1) * 20);
}

// Counts the frame changes of an animation in countStep; true on a change.
bool Animates(LONG id) {
    ScreenObject* object = Find(id);
    if (!object || !object->Update(timeGetTime()))
        return false;
    ++frameUpdate.countStep;
    return true;
}

void TakeOff() {
    Hide({kGuideEyes, kCountingGuide, kGuideMouth, kBalloonCounter});
    // The menu bar goes with the landscape: its buttons must not answer.
    SetClickable({kLeftMenuBar.guide, kLeftMenuBar.help, kLeftMenuBar.home, kLeftMenuBar.exit},
                 false);
    Show(kGrabbingGuide);
}

void StartFloating() {
    if (ScreenObject* rising = Find(kRisingGuide)) {
        rising->SetMoveDelay(0);
        rising->SetVisible(false);
    }
    Hide({kBackground, kLeftMenuBar.bar});
    for (LONG id : kLandscape)
        Show(id);
    ShowAt(kHangingGuide, -70, static_cast<LONG>(std::sin(300.0) * 20 + 20));
    StartMusic("walking.wav");
}

// The guide drifts to the middle of the screen.
void Drift() {
    if (!After(15))
        return;
    ScreenObject* hanging = Find(kHangingGuide);
    if (!hanging)
        return;
    double x = hanging->GetX() + 2.0;
    hanging->SetPosition(static_cast<LONG>(x), BobbingY(x));
    RestartTimer();
    if (x > kHangingX) {
        frameUpdate.countStep = static_cast<LONG>(x);
        if (ScreenObject* landscape = Find(kLandscape[0]))
            landscape->SetMoveDelay(15);
        GoTo(116);
    }
}

// The landscape passes below; at its end the guide lets go.
void Pass() {
    FrameUpdate& f = frameUpdate;
    ScreenObject* first = Find(kLandscape[0]);
    if (!first)
        return;
    if (first->Update(timeGetTime())) {
        for (LONG id : {kLandscape[1], kLandscape[2]})
            if (ScreenObject* part = Find(id))
                part->Step();
        f.countStep += 2;
        Place(kHangingGuide, kHangingX, BobbingY(f.countStep));
    }
    if (first->GetX() != kLandscapeEndX)
        return;
    first->SetMoveDelay(0);
    Hide(kHangingGuide);
    Show(kSplash);
    audio.music.Stop();
    audio.voice.LoadAndPlay("letgo.wav");
    f.countStep = 1;
    GoTo(117);
}

void Splash() {
    if (!Animates(kSplash))
        return;
    if (frameUpdate.countStep == 6) {
        audio.effects.LoadAndPlay("splash.wav");
    } else if (frameUpdate.countStep == 16) {
        audio.effects.LoadAndPlay("hat-hit.wav");
        GoTo(600);
    }
}

void ComeBackWet() {
    StartSlideOn(kWetGuide);
    if (ScreenObject* eyes = Find(kGuideEyes)) {
        eyes->SetPosition(kWetGuide.eyes.x, kWetGuide.eyes.y);
        eyes->SetLayer(kWetGuide.eyesLayer);
    }
    blinker.Start(objectList.FindById(kGuideEyes), timeGetTime());
    objectList.ResetCursor();
    audio.effects.LoadAndPlay("splash2.wav");
}

void AskToContinue() {
    frameUpdate.hoverEnabled = true;
    frameUpdate.answerPending = false;
    PointerCursor();
    ShowAt(kContinuePanel, 273, 113);
    Place(kYesButton, 331, 218);
    Place(kNoButton, 401, 218);
    SetClickable({kYesButton, kNoButton}, true);
    audio.voice.LoadAndPlay("continue.wav");
}

void TakeContinueAnswer() {
    LONG answer = TakeAnswer();
    if (answer == 89) {
        frameUpdate.RenderFrame();
        frameUpdate.hoverEnabled = false;
        BusyCursor();
        ChangeScreen(1);
        StartMusic("roundthemountain.wav");
    } else if (answer == 78) {
        frameUpdate.BusyWait(400);
        ChangeScreen(26);
    }
}

} // namespace

void BalloonSurpriseUpdate() {
    FrameUpdate& f = frameUpdate;
    switch (f.state) {
    case 110:
        if (MouthTalks())
            GoTo(111);
        break;
    case 111:
        if (After(1000)) {
            TakeOff();
            GoTo(112);
        }
        break;
    case 112:
        if (After(100)) {
            Hide(kGrabbingGuide);
            Show(kRisingGuide);
            GoTo(113);
        }
        break;
    case 113:
        if (After(100)) {
            audio.effects.LoadAndPlay("balloonrise1.wav");
            if (ScreenObject* rising = Find(kRisingGuide)) {
                rising->SetVelocity(1, -5);
                rising->SetMoveDelay(20);
            }
            GoTo(114);
        }
        break;
    case 114: {
        ScreenObject* rising = Find(kRisingGuide);
        if (rising)
            rising->Update(timeGetTime());
        if ((!rising || rising->GetY() < -1000) && !audio.effects.IsPlaying()) {
            StartFloating();
            GoTo(115);
        }
        break;
    }
    case 115:
        Drift();
        break;
    case 116:
        Pass();
        break;
    case 117:
        Splash();
        break;
    case 600:
        if (After(3000)) {
            Hide(kSplash);
            Show(kAfterSplash);
            f.countStep = 1;
            audio.effects.LoadAndPlay("splash2.wav");
            GoTo(601);
        }
        break;
    case 601:
        if (Animates(kAfterSplash) && f.countStep == 4) {
            Hide(kAfterSplash);
            GoTo(118);
        }
        break;
    case 118:
        if (After(1000)) {
            ComeBackWet();
            GoTo(119);
        }
        break;
    case 119:
        if (SlideOnStep(kWetGuide))
            GoTo(120);
        break;
    case 120:
        Blink();
        if (After(1000)) {
            AskToContinue();
            GoTo(121);
        }
        break;
    case 121:
        Blink();
        if (MouthTalks())
            GoTo(122);
        break;
    case 122:
        Blink();
        TakeContinueAnswer();
        break;
    default:
        break;
    }
}
