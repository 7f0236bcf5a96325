#include "activities/balloon_reward.h"

#include <cstdio>

#include "activities/help_and_guide.h"
#include "activities/menu_bar.h"
#include "activities/quit_question.h"
#include "activities/screen_kit.h"
#include "activities/sequence.h"
#include "audio/audio_interface.h"
#include "platform/mmsystem.h"
#include "scene/object_list.h"
#include "scene/screen_object.h"
#include "shell/blinker.h"
#include "shell/frame_update.h"
#include "shell/globals.h"
#include "shell/player_roster.h"

namespace {

constexpr LONG kGuide = 488;
constexpr LONG kCountingGuide = 485;
constexpr LONG kIdle = 201;
constexpr LONG kFullCount = 9;

// The guide stands there already when the child asks to quit or to hear it again.
void GuideComesForward() {
    Hide({kBalloonCounter, kCountingGuide});
    Show(kGuide);
}

void PrepareQuit() {
    SetClickable({kLeftMenuBar.home, kLeftMenuBar.guide, kLeftMenuBar.help}, false);
    GuideComesForward();
}

void QuitRefused() {
    Hide(kLeftMenuBar.exit);
    SetClickable({kLeftMenuBar.exit, kLeftMenuBar.home, kLeftMenuBar.guide, kLeftMenuBar.help},
                 true);
}

void PrepareGuideTalk() {
    SetClickable({kLeftMenuBar.home, kLeftMenuBar.exit, kLeftMenuBar.help}, false);
    GuideComesForward();
}

void GuideTalkDone() {
    SetClickable({kLeftMenuBar.exit, kLeftMenuBar.home, kLeftMenuBar.guide, kLeftMenuBar.help},
                 true);
    Hide(kLeftMenuBar.guide);
}

const QuitQuestion kBalloonQuit{
    nullptr, 0,   {273, 113}, {331, 218},  {401, 218},  Channel::Voice,
    false,   400, false,      PrepareQuit, QuitRefused,
};

const GuideTalk kBalloonGuideTalk{
    nullptr, 0, "firsttimeyoufinish.wav", Channel::Voice, 0, PrepareGuideTalk, GuideTalkDone,
};

void PlayNumbered(const char* pattern, LONG number) {
    char file[32];
    std::snprintf(file, sizeof file, pattern, static_cast<int>(number));
    audio.voice.LoadAndPlay(file);
}

// One more balloon on the counter, with its pop.
void CountUp(bool first) {
    if (ScreenObject* counter = Find(kBalloonCounter)) {
        if (first) {
            counter->FirstFrame();
            counter->SetVisible(true);
        } else {
            counter->NextFrame();
        }
    }
    audio.effects.LoadAndPlay("balloons-popup.wav");
    frameUpdate.BusyWait(500);
}

void Greeting() {
    FrameUpdate& f = frameUpdate;
    switch (f.state) {
    case 1:
        // Nothing may be clicked while the guide counts, however the child came.
        f.hoverEnabled = false;
        PointerCursor();
        Hide(kLeftMenuBar.balloon);
        SetClickable(kLeftMenuBar.balloon, false);
        StartSlideOn(kBalloonGuide);
        if (ScreenObject* eyes = Find(kGuideEyes)) {
            eyes->SetPosition(kBalloonGuide.eyes.x, kBalloonGuide.eyes.y);
            eyes->SetLayer(kBalloonGuide.eyesLayer);
        }
        blinker.Start(objectList.FindById(kGuideEyes), timeGetTime());
        objectList.ResetCursor();
        GoTo(2);
        break;
    case 2:
        if (After(500)) {
            PlaySlideSound();
            GoTo(3);
        }
        break;
    case 3:
        if (SlideOnStep(kBalloonGuide)) {
            Show(kLeftMenuBar.guide);
            GoTo(4);
        }
        break;
    case 4:
        if (After(1000)) {
            audio.voice.LoadAndPlay("firsttimeyoufinish.wav");
            GoTo(5);
        }
        break;
    case 5:
        if (MouthTalks()) {
            Hide(kLeftMenuBar.guide);
            GoTo(7);
        }
        break;
    default:
        break;
    }
}

void Count() {
    FrameUpdate& f = frameUpdate;
    switch (f.state) {
    case 7:
        if (!After(1000))
            break;
        if (balloonRecord.Count() == 0) {
            audio.voice.LoadAndPlay("collect9andgetsurprise.wav");
            GoTo(101);
            break;
        }
        Hide({kGuide, kBalloonCounter});
        Show(kCountingGuide);
        Show(kLeftMenuBar.help);
        GoTo(8);
        break;
    case 8:
        if (!After(1000))
            break;
        f.balloonCount = balloonRecord.Count();
        if (f.balloonCount == 1) {
            audio.voice.LoadAndPlay("01balloon.wav");
            if (ScreenObject* counter = Find(kBalloonCounter)) {
                counter->FirstFrame();
                counter->SetVisible(true);
            }
            GoTo(9);
        } else {
            f.countStep = 1;
            GoTo(10);
        }
        break;
    case 9:
        if (MouthTalks())
            GoTo(100);
        break;
    case 10:
        CountUp(f.countStep == 1);
        PlayNumbered("youhave%d.wav", f.countStep);
        GoTo(11);
        break;
    case 11:
        if (!After(1300))
            break;
        if (f.countStep == f.balloonCount - 1) {
            GoTo(20);
        } else {
            ++f.countStep;
            GoTo(10);
        }
        break;
    case 20:
        CountUp(false);
        PlayNumbered("%02dballoons.wav", f.balloonCount);
        GoTo(100);
        break;
    case 100:
        if (!After(1000) || audio.voice.IsPlaying())
            break;
        Hide(kLeftMenuBar.help);
        if (balloonRecord.Count() == kFullCount) {
            audio.voice.LoadAndPlay("youvegot9balloons.wav");
            GoTo(110);
        } else {
            audio.voice.LoadAndPlay("collect9andgetsurprise.wav");
            GoTo(101);
        }
        break;
    case 101:
        if (MouthTalks())
            GoTo(200);
        break;
    case 200:
        if (After(1000)) {
            f.hoverEnabled = true;
            PointerCursor();
            Hide({kLeftMenuBar.guide, kLeftMenuBar.help});
            SetClickable({kLeftMenuBar.guide, kLeftMenuBar.help}, true);
            GoTo(kIdle);
        }
        break;
    default:
        break;
    }
}

void Help() {
    frameUpdate.hoverEnabled = false;
    if (balloonRecord.Count() > 0) {
        Hide(kGuide);
        if (ScreenObject* counter = Find(kBalloonCounter)) {
            counter->SetVisible(false);
            counter->FirstFrame();
        }
    }
    GoTo(7);
}

} // namespace

void BalloonRewardUpdate() {
    LONG state = frameUpdate.state;
    if (state <= 3) {
        Greeting();
        return;
    }
    if ((state >= 111 && state <= 122) || state == 600 || state == 601) {
        BalloonSurpriseUpdate();
        return;
    }
    Blink();
    MouthFollowsVoice();
    if (state >= 300 && state <= 306)
        RunPhases(kBalloonQuit, 300, QuitQuestionStep);
    else if (state >= 400 && state <= 406)
        RunPhases(kBalloonGuideTalk, 400, GuideTalkStep);
    else if (state == 500)
        Help();
    else if (state == 110)
        BalloonSurpriseUpdate();
    else if (state <= 5)
        Greeting();
    else
        Count();
}

void BalloonRewardClick(ListElem* selected) {
    FrameUpdate& f = frameUpdate;
    LONG id = selected->object->GetId();
    if (TakeYesNoClick(id))
        return;
    if (id == kLeftMenuBar.guide) {
        SetClickable(id, false);
        f.returnState = kIdle;
        GoTo(400);
    } else if (id == kLeftMenuBar.help) {
        SetClickable(id, false);
        GoTo(500);
    } else if (id == kLeftMenuBar.exit) {
        StartQuitQuestion(id, 300);
        f.returnState = kIdle;
    } else if (id == kLeftMenuBar.home) {
        f.hoverEnabled = false;
        GoHome(1, "roundthemountain.wav");
    }
}
