// The start of the race: the five vehicles line up, the guide tells the child
// which one it drives, the flag man waves them off and the track rolls.
#include "activities/menu_bar.h"
#include "activities/race.h"
#include "activities/screen_kit.h"
#include "activities/vehicle_game.h"
#include "audio/audio_interface.h"
#include "scene/object_list.h"
#include "scene/screen_object.h"
#include "scene/text_overlays.h"
#include "shell/frame_update.h"
#include "shell/globals.h"
#include "shell/program_random.h"

namespace {

constexpr LONG kFirstVehicle = 382;
constexpr LONG kCar = 385;
constexpr LONG kStartFlagMan = 314;
constexpr LONG kFinishFlagMan = 313;
constexpr LONG kLaneStartX = -40;
constexpr LONG kLaneTop = 57;
constexpr LONG kLaneHeight = 57;
constexpr LONG kFirstLaneLayer = 3;

// The vehicle chosen at the gas station; the car when the race was entered
// without one.
LONG ChildsVehicle() {
    LONG& chosen = frameUpdate.vehicleIndex;
    if (chosen < kFirstVehicle || chosen >= kFirstVehicle + 10)
        chosen = kCar;
    return chosen;
}

void DrawRivals() {
    FrameUpdate& f = frameUpdate;
    f.raceVehicles[kChildLane] = ChildsVehicle();
    for (LONG lane = 0; lane < kChildLane; ++lane)
        f.raceVehicles[lane] = 0;
    for (LONG lane = 0; lane < kChildLane; ++lane) {
        LONG id;
        do
            id = kFirstVehicle + ProgramRandomIndex(10);
        while (Holds(f.raceVehicles, id));
        f.raceVehicles[lane] = id;
    }
}

void LineUp() {
    FrameUpdate& f = frameUpdate;
    for (LONG lane = 0; lane < 5; ++lane) {
        const Racer& racer = RacerFor(f.raceVehicles[lane]);
        ListElem* element = objectList.FindById(racer.object);
        objectList.ResetCursor();
        f.objectSlots[lane] = element;
        if (!element || !element->object)
            continue;
        ScreenObject* object = element->object;
        object->SetFrameDelay(racer.frameDelay);
        object->SetPosition(kLaneStartX, kLaneTop + kLaneHeight * lane);
        object->SetLayer(kFirstLaneLayer + lane);
        object->SetVisible(true);
        object->SetVelocity(1, 0);
        object->SetMoveDelay(0);
    }
}

void Enter() {
    FrameUpdate& f = frameUpdate;
    PointerCursor();
    f.hoverEnabled = true;
    f.clickLock = false;
    numberPanel.SetLayout(1);
    numberPanel.ClearNumbers();
    numberPanel.SetVisible(false);
    f.objectSlotC = objectList.FindById(kWavingFlags);
    objectList.ResetCursor();
    SetClickable({kLeftMenuBar.guide, kLeftMenuBar.help, kLeftMenuBar.exit, kLeftMenuBar.balloon},
                 false);
    f.flagManStart = f.flagManFinish = 0;
    f.trackScrolling = false;
    f.movingLane = -1;
    CurrentNumberRange();
    DrawRivals();
    LineUp();
}

// The start flag man waves three times, then the track rolls.
void WaveOff() {
    FrameUpdate& f = frameUpdate;
    ScreenObject* flagMan = Find(f.flagManStart);
    if (flagMan && flagMan->Update(timeGetTime()))
        ++f.counter;
    if (f.counter < 4)
        return;
    SetUpTrack();
    audio.music.Load("vroom1.wav");
    audio.music.PlayLooped();
    GoTo(50);
}

} // namespace

void RaceStartUpdate() {
    FrameUpdate& f = frameUpdate;
    switch (f.state) {
    case 1:
        Enter();
        GoTo(5);
        break;
    case 5:
        if (After(1000)) {
            StartSlideOn(kRaceGuide);
            PlaySlideSound();
            GoTo(10);
        }
        break;
    case 10:
        if (SlideOnStep(kRaceGuide))
            GoTo(15);
        break;
    case 15:
        Blink();
        if (After(1000)) {
            audio.voice.LoadAndPlay(RacerFor(f.raceVehicles[kChildLane]).drivePrompt);
            GoTo(20);
        }
        break;
    case 20:
        Blink();
        if (MouthTalks())
            GoTo(25);
        break;
    case 25:
        Blink();
        if (After(1000)) {
            StartSlideOff(kRaceGuide);
            PlaySlideSound();
            GoTo(30);
        }
        break;
    case 30:
        if (SlideOffStep(kRaceGuide))
            GoTo(35);
        break;
    case 35:
        if (After(1000)) {
            audio.voice.LoadAndPlay("startengines.wav");
            GoTo(40);
        }
        break;
    case 40:
        if (!audio.voice.IsPlaying()) {
            f.flagManStart = kStartFlagMan;
            f.flagManFinish = kFinishFlagMan;
            f.counter = 1;
            GoTo(45);
        }
        break;
    case 45:
        WaveOff();
        break;
    case 50:
        if (After(1000) && !audio.voice.IsPlaying()) {
            audio.music.Duck();
            StartSlideOn(kRaceGuide);
            PlaySlideOnSound(kRaceGuide);
            Show(kLeftMenuBar.guide);
            GoTo(55);
        }
        break;
    case 55:
        if (SlideOnStep(kRaceGuide))
            GoTo(60);
        break;
    case 60:
        Blink();
        if (After(1000)) {
            audio.voice.LoadAndPlay("instructions-togofaster-v2.wav");
            GoTo(65);
        }
        break;
    case 65:
        Blink();
        if (MouthTalks())
            GoTo(66);
        break;
    case 66:
        Blink();
        if (After(1000)) {
            StartSlideOff(kRaceGuide);
            GoTo(67);
        }
        break;
    case 67:
        if (SlideOffStep(kRaceGuide)) {
            Hide(kLeftMenuBar.guide);
            SetClickable(kLeftMenuBar.exit, true);
            audio.music.Raise();
            GoTo(68);
        }
        break;
    default:
        break;
    }
}
