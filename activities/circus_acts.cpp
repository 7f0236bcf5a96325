// The circus's three acts, played on the stand once the ninth animal has
// gone: the high-wire bicycle, the lion's mouth, the human cannonball. Each
// ends with "tada.wav" and the award.
#include "activities/circus_show.h"
#include "activities/menu_bar.h"
#include "activities/screen_kit.h"
#include "audio/audio_interface.h"
#include "platform/mmsystem.h"
#include "scene/screen_object.h"
#include "shell/frame_update.h"
#include "shell/globals.h"

namespace circus {

namespace {

constexpr LONG kHighWire = 1;
constexpr LONG kLion = 2;

constexpr LONG kWireBackground = 479;
constexpr LONG kBike = 480;
constexpr LONG kWireOverlay = 481;
constexpr LONG kLionOpening = 482;
constexpr LONG kLionMiddle = 483;
constexpr LONG kLionEnd = 484;
constexpr LONG kCannonBackground = 472;
constexpr LONG kCannon = 473;
constexpr LONG kMonkeyIn = 474;
constexpr LONG kMonkeyOut = 475;
constexpr LONG kMonkeyWave = 476;
constexpr LONG kSmoke1 = 477;
constexpr LONG kSmoke2 = 478;

void PutBack(LONG id, bool shown) {
    if (ScreenObject* object = Find(id)) {
        object->ResetPosition();
        object->FirstFrame();
        object->SetVisible(shown);
    }
}

// Whether the object moved or changed frame this frame.
bool Advanced(LONG id) {
    ScreenObject* object = Find(id);
    return object && object->Update(timeGetTime());
}

LONG XOf(LONG id) {
    ScreenObject* object = Find(id);
    return object ? object->GetX() : 0;
}

// The stand and the bar rest while an act plays.
void StandStill() {
    if (PromptVariantFlag == 0)
        SetStandClickable(false);
    SetClickable({kLeftMenuBar.guide, kLeftMenuBar.help}, false);
}

void Applause() {
    audio.voice.LoadAndPlay("tada.wav");
    frameUpdate.BusyWait(300);
    GoTo(kAwardState);
}

void HighWire() {
    switch (frameUpdate.state) {
    case 200:
        if (!After(500))
            break;
        StandStill();
        audio.effects.Load("bicycle.wav");
        audio.effects.PlayLooped();
        GoTo(10);
        break;
    case 10:
        Advanced(kBike);
        if (XOf(kBike) < -50) {
            audio.voice.Stop();
            audio.effects.Stop();
            Hide({kBike, kWireOverlay});
            Applause();
        }
        break;
    default:
        break;
    }
}

void LionsMouth() {
    FrameUpdate& f = frameUpdate;
    switch (f.state) {
    case 11:
        if (!After(1500))
            break;
        StandStill();
        audio.voice.Stop();
        f.stepCounter = 0;
        GoTo(12);
        break;
    case 12:
        if (Advanced(kLionOpening))
            ++f.stepCounter;
        if (f.stepCounter >= 2) {
            Hide(kLionOpening);
            Show(kLionMiddle);
            audio.voice.LoadAndPlay("lionmouth.wav");
            GoTo(201);
        }
        break;
    case 201:
        if (audio.voice.IsPlaying()) {
            Advanced(kLionMiddle);
            break;
        }
        Hide(kLionMiddle);
        PutBack(kLionEnd, true);
        GoTo(202);
        break;
    case 202:
        Applause();
        break;
    default:
        break;
    }
}

void Cannonball() {
    FrameUpdate& f = frameUpdate;
    switch (f.state) {
    case 13:
        if (!After(1000))
            break;
        StandStill();
        Hide(kMonkeyWave);
        Show(kMonkeyIn);
        GoTo(14);
        break;
    case 14:
        Advanced(kMonkeyIn);
        if (After(500)) {
            f.stepCounter = 1;
            GoTo(15);
        }
        break;
    case 15:
        if (Advanced(kMonkeyIn) && ++f.stepCounter >= 10) {
            Hide(kMonkeyIn);
            Show(kMonkeyOut);
            GoTo(16);
        }
        break;
    case 16:
        if (After(500)) {
            Show(kSmoke1);
            audio.voice.Stop();
            audio.voice.LoadAndPlay("outofcannon2.wav");
            GoTo(160);
        }
        break;
    case 160:
        if (After(400))
            GoTo(17);
        break;
    case 17:
        Advanced(kMonkeyOut);
        if (After(200)) {
            Hide(kSmoke1);
            Show(kSmoke2);
            GoTo(18);
        }
        break;
    case 18:
        Advanced(kMonkeyOut);
        if (After(200)) {
            Hide(kSmoke2);
            GoTo(19);
        }
        break;
    case 19:
        Advanced(kMonkeyOut);
        if (XOf(kMonkeyOut) < -200 && !audio.voice.IsPlaying())
            Applause();
        break;
    default:
        break;
    }
}

} // namespace

void PrepareAct(LONG act) {
    if (act == kHighWire) {
        PutBack(kWireBackground, true);
        PutBack(kBike, true);
        PutBack(kWireOverlay, true);
    } else if (act == kLion) {
        PutBack(kLionOpening, true);
        PutBack(kLionMiddle, false);
        if (ScreenObject* end = Find(kLionEnd))
            end->ResetPosition();
    } else {
        PutBack(kCannonBackground, true);
        PutBack(kCannon, true);
        for (LONG id : {kMonkeyIn, kMonkeyOut})
            if (ScreenObject* monkey = Find(id))
                monkey->ResetPosition();
    }
}

LONG ActState(LONG act) {
    return act == kHighWire ? 200 : act == kLion ? 11 : 13;
}

bool PlayAct() {
    const LONG state = frameUpdate.state;
    if (state == 200 || state == 10)
        HighWire();
    else if (state == 11 || state == 12 || state == 201 || state == 202)
        LionsMouth();
    else if ((state >= 13 && state <= 19) || state == 160)
        Cannonball();
    else
        return false;
    return true;
}

} // namespace circus
