// The gas station (3): the vehicles come out one by one, each honking and
// showing its number while the number is spoken; then the child picks the
// vehicle to race with.
#include <cstdio>

#include "activities/guide.h"
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
#include "shell/program_random.h"

namespace {

constexpr LONG kFirstVehicle = 382;
constexpr LONG kVehicles = 10;
constexpr LONG kQuitState = 100;
constexpr LONG kNumberLayer = 10;
constexpr LONG kLabelLayer = 11;

struct Vehicle {
    LONG id;
    const char* horn;
    LONG bubble; // 1 to 3: the bubble picture, also the word's placement
    Point bubbleAt;
};

// clang-format off
constexpr Vehicle kVehicleTable[kVehicles] = {
    {382, "horn-ambulance.wav",  1, {319, 131}},
    {383, "horn-bicycle.wav",    3, {397,  44}},
    {384, "horn-schoolbus.wav",  2, {285, 265}},
    {385, "horn-car.wav",        1, {291, 323}},
    {386, "horn-firetruck.wav",  2, {368,  32}},
    {387, "horn-truck.wav",      1, {461, 255}},
    {388, "horn-motorcycle.wav", 2, {169, 304}},
    {389, "horn-pickup.wav",     1, {435,  91}},
    {390, "horn-policecar.wav",  2, {205,  99}},
    {391, "horn-taxi.wav",       2, {342, 186}},
};
// clang-format on

constexpr LONG kBubbles[4] = {0, 78, 79, 393};

constexpr GuideParts kGasGuide{
    .body = 500,
    .rest = {57, 151},
    .start = {57, 501},
    .step = {0, -25},
    .mouthStart = {178, 596},
    .eyes = {166, 209},
    .eyesLayer = 11,
    .slidingLayer = 0,
    .restingLayer = 0,
    .eyesId = 501,
    .mouthLayer = 11,
};

const Vehicle* VehicleFor(LONG id) {
    if (id < kFirstVehicle || id >= kFirstVehicle + kVehicles)
        return nullptr;
    return &kVehicleTable[id - kFirstVehicle];
}

void SetVehiclesClickable(bool clickable) {
    for (LONG id = kFirstVehicle; id < kFirstVehicle + kVehicles; ++id)
        SetClickable(id, clickable);
}

// The choice is open only from state 50 on; whatever leaves it closes it.
void CloseChoice() {
    SetVehiclesClickable(false);
    SetClickable({kLeftMenuBar.guide, kLeftMenuBar.help}, false);
}

void OpenChoice() {
    SetVehiclesClickable(true);
    SetClickable({kLeftMenuBar.guide, kLeftMenuBar.help}, true);
}

void PrepareQuit() {
    CloseChoice();
}

void QuitRefused() {
    Hide(kLeftMenuBar.exit);
    SetClickable(kLeftMenuBar.exit, true);
    if (frameUpdate.returnState > 50)
        OpenChoice();
}

const QuitQuestion kGasQuit{
    .guide = &kGasGuide,
    .pauseAfterArrival = 500,
    .panel = {269, 57},
    .yes = {327, 162},
    .no = {397, 162},
    .voice = Channel::Voice,
    .popsUp = false,
    .pauseOnYes = 300,
    .stopAllOnYes = false,
    .prepare = PrepareQuit,
    .refused = QuitRefused,
    .panelLayer = 12,
    .buttonLayer = 13,
};

// Each vehicle once, in a fresh random order.
void DrawVehicleOrder() {
    FrameUpdate& f = frameUpdate;
    for (LONG& id : f.vehicleOrder)
        id = 0;
    for (LONG i = 0; i < kVehicles; ++i) {
        LONG id;
        do
            id = kFirstVehicle + ProgramRandomIndex(kVehicles);
        while (Holds(f.vehicleOrder, id));
        f.vehicleOrder[i] = id;
    }
}

// One vehicle honks and shows its number while the number is spoken.
void PresentVehicle() {
    FrameUpdate& f = frameUpdate;
    const Vehicle* vehicle = VehicleFor(f.vehicleOrder[f.vehicleIndex]);
    if (!vehicle)
        return;
    Show(vehicle->id);
    f.RenderFrame();
    audio.voice.LoadAndPlay(vehicle->horn);
    f.BusyWait(800);
    ShowAt(kBubbles[vehicle->bubble], vehicle->bubbleAt.x, vehicle->bubbleAt.y);
    audio.voice.LoadAndPlay("wordbubbles-popup.wav");
    LONG number = RangeNumber(f.vehicleIndex);
    char text[8];
    std::snprintf(text, sizeof text, "%d", static_cast<int>(number));
    wordText.SetText(text, vehicle->bubbleAt.x, vehicle->bubbleAt.y, kNumberLayer, 150,
                     vehicle->bubble);
    f.BusyWait(400);
    char file[32];
    NumberRecording(number, file, sizeof file);
    audio.effects.LoadAndPlay(file);
}

void PutVehicleAway() {
    FrameUpdate& f = frameUpdate;
    wordText.Hide();
    Hide({kBubbles[1], kBubbles[2], kBubbles[3]});
    Hide(f.vehicleOrder[f.vehicleIndex]);
}

// The chosen vehicle honks and says its name in its bubble.
void NameChosenVehicle(const Vehicle& vehicle) {
    FrameUpdate& f = frameUpdate;
    audio.voice.LoadAndPlay(vehicle.horn);
    f.BusyWait(800);
    ShowAt(kBubbles[vehicle.bubble], vehicle.bubbleAt.x, vehicle.bubbleAt.y);
    ScreenObject* object = Find(vehicle.id);
    wordText.SetText(object ? object->GetClassName() : "", vehicle.bubbleAt.x, vehicle.bubbleAt.y,
                     kLabelLayer, 100, vehicle.bubble);
    f.RenderFrame();
    audio.voice.LoadAndPlay("wordbubbles-popup.wav");
    f.BusyWait(1000);
    if (object)
        audio.effects.LoadAndPlay(object->GetSecondSound());
}

void DriveToTheRace() {
    FrameUpdate& f = frameUpdate;
    LONG chosen = f.answerCode;
    BusyCursor();
    f.hoverEnabled = false;
    wordText.Hide();
    ChangeScreen(kRace);
    f.vehicleIndex = chosen;
}

void Introduction() {
    FrameUpdate& f = frameUpdate;
    switch (f.state) {
    case 1:
        PointerCursor();
        f.hoverEnabled = true;
        CurrentNumberRange();
        SetClickable({kLeftMenuBar.balloon, kLeftMenuBar.guide, kLeftMenuBar.help}, false);
        GoTo(2);
        break;
    case 2:
        if (After(3000))
            GoTo(3);
        break;
    case 3:
        StartSlideOn(kGasGuide);
        PlaySlideOnSound(kGasGuide);
        SetClickable(kLeftMenuBar.exit, false);
        GoTo(4);
        break;
    case 4:
        if (SlideOnStep(kGasGuide))
            GoTo(5);
        break;
    case 5:
        Blink();
        if (After(500)) {
            audio.voice.LoadAndPlay("payattention.wav");
            GoTo(6);
        }
        break;
    case 6:
        Blink();
        if (MouthTalks())
            GoTo(7);
        break;
    case 7:
        Blink();
        if (After(500)) {
            StartSlideOff(kGasGuide);
            GoTo(8);
        }
        break;
    case 8:
        if (SlideOffStep(kGasGuide)) {
            SetClickable(kLeftMenuBar.exit, true);
            GoTo(9);
        }
        break;
    case 9:
        if (After(1000))
            GoTo(10);
        break;
    default:
        break;
    }
}

void Presentation() {
    FrameUpdate& f = frameUpdate;
    switch (f.state) {
    case 10:
        DrawVehicleOrder();
        Show(kLeftMenuBar.help);
        f.vehicleIndex = 0;
        GoTo(15);
        break;
    case 15:
        PresentVehicle();
        GoTo(20);
        break;
    case 20:
        if (!audio.voice.IsPlaying())
            GoTo(21);
        break;
    case 21:
        if (!After(1000))
            break;
        PutVehicleAway();
        if (++f.vehicleIndex < kVehicles) {
            GoTo(15);
            break;
        }
        Hide(kLeftMenuBar.help);
        GoTo(25);
        break;
    default:
        break;
    }
}

void Choice() {
    FrameUpdate& f = frameUpdate;
    switch (f.state) {
    case 25:
        StartSlideOn(kGasGuide);
        PlaySlideOnSound(kGasGuide);
        Show(kLeftMenuBar.guide);
        SetClickable(kLeftMenuBar.exit, false);
        GoTo(26);
        break;
    case 26:
        if (SlideOnStep(kGasGuide))
            GoTo(27);
        break;
    case 27:
        Blink();
        if (After(500)) {
            audio.voice.LoadAndPlay("clickonvehicle.wav");
            GoTo(28);
        }
        break;
    case 28:
        Blink();
        if (MouthTalks())
            GoTo(29);
        break;
    case 29:
        Blink();
        if (After(500)) {
            StartSlideOff(kGasGuide);
            GoTo(30);
        }
        break;
    case 30:
        if (SlideOffStep(kGasGuide)) {
            Hide(kLeftMenuBar.guide);
            SetClickable(kLeftMenuBar.exit, true);
            GoTo(50);
        }
        break;
    case 50:
        OpenChoice();
        f.clickLock = false;
        GoTo(55);
        break;
    case 55:
        if (f.clickLock) {
            f.clickLock = false;
            GoTo(60);
        } else if (After(15000)) {
            CloseChoice();
            GoTo(25);
        }
        break;
    case 60:
        if (const Vehicle* vehicle = VehicleFor(f.answerCode)) {
            NameChosenVehicle(*vehicle);
            GoTo(61);
        } else {
            GoTo(50);
        }
        break;
    case 61:
        if (After(1000))
            DriveToTheRace();
        break;
    default:
        break;
    }
}

} // namespace

void GasStationUpdate() {
    LONG state = frameUpdate.state;
    if (state < 10)
        Introduction();
    else if (state < 25)
        Presentation();
    else if (state < kQuitState)
        Choice();
    else
        RunPhases(kGasQuit, kQuitState, QuitQuestionStep);
}

void GasStationClick(ListElem* selected) {
    FrameUpdate& f = frameUpdate;
    LONG id = selected->object->GetId();
    if (TakeYesNoClick(id))
        return;
    if (VehicleFor(id)) {
        f.clickLock = true;
        f.answerCode = id;
        return;
    }
    if (id == kLeftMenuBar.balloon) {
        GoToBalloonScreen();
    } else if (id == kLeftMenuBar.home) {
        VehicleGameHome();
    } else if (id == kLeftMenuBar.exit) {
        StartQuitQuestion(kLeftMenuBar.exit, kQuitState);
    } else if (id == kLeftMenuBar.guide) {
        CloseChoice();
        GoTo(25);
    } else if (id == kLeftMenuBar.help) {
        CloseChoice();
        GoTo(10);
    }
}
