// Screen 22: the title, the guide's greeting, the sign-in, then the tour.
#include "activities/intro_signin.h"

#include "activities/guide.h"
#include "activities/menu_bar.h"
#include "activities/screen_kit.h"
#include "audio/audio_interface.h"
#include "platform/mmsystem.h"
#include "scene/object_list.h"
#include "scene/screen_object.h"
#include "scene/text_overlays.h"
#include "shell/frame_update.h"
#include "shell/globals.h"

namespace {

constexpr LONG kTitle = 584;
constexpr LONG kBackground = 513;
constexpr LONG kSign = 578;
constexpr LONG kSignInBox = 582;
constexpr LONG kOk = 1063;
constexpr LONG kErase = 1065;
constexpr LONG kErasePressed = 1066;
constexpr LONG kExitPointer = 518;
constexpr LONG kClosingBubble = 3051;

const GuideParts kIntroGuide{
    515, {13, 112}, {13, 487}, {0, -25}, {141, 631}, {128, 219}, 9, 8, 4,
};

void ScrollSignOff() {
    if (ScreenObject* sign = Find(kSign)) {
        sign->SetVelocity(0, -10);
        sign->SetMoveDelay(25);
    }
    audio.voice.LoadAndPlay("scrolloff-sign.wav");
}

// True once the sign is out of sight, then it stands still, hidden.
bool SignGone() {
    ScreenObject* sign = Find(kSign);
    if (sign) {
        sign->Update(timeGetTime());
        if (sign->GetY() >= -300)
            return false;
        sign->SetVisible(false);
        sign->SetMoveDelay(0);
    }
    return true;
}

// The title, then the guide arrives; it blinks from then until its goodbye.
void Greeting() {
    FrameUpdate& f = frameUpdate;
    switch (f.state) {
    case 1:
        f.nameKeysEnabled = false;
        f.introSkippable = false;
        f.hoverEnabled = false;
        f.signInRowChosen = false;
        // The bar only comes on during the tour, to be shown, not clicked.
        SetMenuButtonsClickable(kRightMenuBar, false);
        Place(kRightMenuBar.bar, 640, 0);
        Hide(kRightMenuBar.bar);
        GoTo(2);
        break;
    case 2:
        GoTo(3);
        break;
    case 3:
        if (After(4000)) {
            Hide(kTitle);
            Show(kBackground);
            Show(kSign);
            GoTo(4);
        }
        break;
    case 4:
        if (After(1500)) {
            StartSlideOn(kIntroGuide);
            PlaySlideSound();
            GoTo(5);
        }
        break;
    case 5:
        if (SlideOnStep(kIntroGuide))
            GoTo(6);
        break;
    default:
        break;
    }
}

void SignIn() {
    FrameUpdate& f = frameUpdate;
    Blink();
    switch (f.state) {
    case 6:
        if (After(1000)) {
            audio.voice.LoadAndPlay("welcome2vocabuloon.wav");
            GoTo(8);
        }
        break;
    case 8:
        if (MouthTalks()) {
            ScrollSignOff();
            GoTo(9);
        }
        break;
    case 9:
        if (SignGone()) {
            audio.voice.LoadAndPlay("imsimean.wav");
            GoTo(169);
        }
        break;
    case 169:
        if (MouthTalks()) {
            OpenSignInBox();
            audio.voice.LoadAndPlay("big-pop.wav");
            GoTo(100);
        }
        break;
    case 100:
        if (!audio.voice.IsPlaying())
            GoTo(101);
        break;
    case 101:
        if (After(500)) {
            audio.voice.LoadAndPlay("entername.wav");
            GoTo(102);
        }
        break;
    case 102:
        if (MouthTalks()) {
            PointerCursor();
            f.hoverEnabled = true;
            GoTo(10);
        }
        break;
    case 10:
        ShowOkWhenNamed();
        break;
    case 11:
        if (After(200)) {
            // Another row may have been chosen meanwhile: only a name signs in.
            if (ConfirmSignIn())
                GoTo(12);
            else
                GoTo(10);
        }
        break;
    case 500:
        if (After(200)) {
            Hide(kErasePressed);
            // Typing goes on in the erased row, not in a stored name chosen meanwhile.
            f.nameKeysEnabled = !ChosenRowNamed();
            GoTo(10);
        }
        break;
    default:
        break;
    }
}

void Farewell() {
    switch (frameUpdate.state) {
    case 452:
        if (After(500)) {
            Hide({kExitPointer, kRightMenuBar.exit, kGuideEyes, kGuideMouth});
            Show(kClosingBubble);
            audio.voice.LoadAndPlay("big-pop.wav");
            GoTo(453);
        }
        break;
    case 453:
        if (!audio.voice.IsPlaying())
            GoTo(454);
        break;
    case 454:
        if (After(5000))
            GoTo(46);
        break;
    case 46:
        if (MouthTalks())
            GoTo(50);
        break;
    case 50:
        LeaveForTown();
        break;
    default:
        break;
    }
}

} // namespace

void IntroSignInUpdate() {
    LONG state = frameUpdate.state;
    if (state <= 5)
        Greeting();
    else if ((state >= 6 && state <= 11) || (state >= 100 && state <= 102) || state == 169 ||
             state == 500)
        SignIn();
    else if ((state >= 12 && state <= 45) || state == 451)
        IntroTourUpdate();
    else
        Farewell();
}

void IntroSignInClick(ListElem* selected) {
    switch (selected->object->GetId()) {
    case kSignInBox:
        ChooseRow(frameUpdate.answerCode);
        break;
    case kOk:
        PressOk();
        break;
    case kErase:
        PressErase();
        break;
    default:
        break;
    }
}

void LeaveForTown() {
    frameUpdate.nameKeysEnabled = false;
    BusyCursor();
    ChangeScreen(1);
    StartMusic("roundthemountain.wav");
    GoTo(500);
}
