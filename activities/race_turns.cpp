// A turn of the race: five numbers on the signs, one spoken; the right sign
// moves the child's vehicle a stage on, a wrong one moves a rival. The help
// shows and says every number of the range.
#include "activities/menu_bar.h"
#include "activities/race.h"
#include "activities/screen_kit.h"
#include "activities/vehicle_game.h"
#include "audio/audio_interface.h"
#include "scene/screen_object.h"
#include "scene/text_overlays.h"
#include "shell/frame_update.h"
#include "shell/globals.h"
#include "shell/program_random.h"

namespace {

constexpr LONG kWrongMark = 2000;
constexpr LONG kNoNumber = 99;
constexpr LONG kNoSign = 10;

// Five different numbers of the range, and the signs they go on.
void DrawTurn() {
    FrameUpdate& f = frameUpdate;
    for (LONG& number : f.laneNumbers)
        number = kNoNumber;
    for (LONG& number : f.laneNumbers) {
        LONG drawn;
        do
            drawn = RangeNumber(ProgramRandomIndex(10));
        while (Holds(f.laneNumbers, drawn));
        number = drawn;
    }
    for (LONG& sign : f.signOrder)
        sign = kNoSign;
    for (LONG& sign : f.signOrder) {
        LONG drawn;
        do
            drawn = ProgramRandomIndex(kSigns);
        while (Holds(f.signOrder, drawn));
        sign = drawn;
    }
}

void SetSignsClickable(bool clickable) {
    for (LONG sign = 0; sign < kSigns; ++sign)
        SetClickable(kFirstSign + sign, clickable);
}

// One sign comes up with its number.
void ShowSign(LONG k) {
    FrameUpdate& f = frameUpdate;
    audio.effects.LoadAndPlay("wordbubbles-popup.wav");
    Show(kFirstSign + k);
    numberPanel.SetNumber(f.laneNumbers[f.signOrder[k]], k);
}

void SayNumber(LONG number, bool onVoice) {
    char file[32];
    NumberRecording(number, file, sizeof file);
    if (onVoice)
        audio.voice.LoadAndPlay(file);
    else
        audio.effects.LoadAndPlay(file);
}

void AskNumber() {
    FrameUpdate& f = frameUpdate;
    SayNumber(f.laneNumbers[f.signOrder[f.targetSign]], true);
    f.BusyWait(1000);
    audio.music.Raise();
}

void JudgeAnswer() {
    FrameUpdate& f = frameUpdate;
    if (f.answerCode == f.targetSign) {
        audio.voice.LoadAndPlay("answer-right.wav");
        f.BusyWait(300);
        GoTo(80);
        return;
    }
    ShowAt(kWrongMark, 241, 140);
    audio.voice.LoadAndPlay("answer-wrong.wav");
    GoTo(75);
}

// A rival moves: never the child's lane.
LONG DrawRivalLane() {
    LONG lane;
    do
        lane = ProgramRandomIndex(4);
    while (lane == frameUpdate.targetSign);
    return lane;
}

// The stage move is over: the signs go, and the race ends or a new turn comes.
void EndOfMove(LONG lane) {
    FrameUpdate& f = frameUpdate;
    for (LONG sign = 0; sign < kSigns; ++sign)
        Hide(kFirstSign + sign);
    SetSignsClickable(false);
    ScreenObject* racer = LaneObject(lane);
    bool finished = racer && racer->GetX() == kFinishStage;
    f.clickLock = false;
    numberPanel.ClearNumbers();
    SetClickable(kLeftMenuBar.exit, true);
    GoTo(finished ? 150 : 68);
}

// Nothing on the bar may interrupt a vehicle on its way to its stage.
void StartMove(LONG lane, LONG next) {
    SetClickable({kLeftMenuBar.exit, kLeftMenuBar.guide, kLeftMenuBar.help}, false);
    MoveOneStage(lane);
    GoTo(next);
}

} // namespace

void RaceTurnsUpdate() {
    FrameUpdate& f = frameUpdate;
    switch (f.state) {
    case 68:
        DrawTurn();
        numberPanel.SetLayout(1);
        numberPanel.SetVisible(true);
        f.counter = 0;
        GoTo(69);
        break;
    case 69:
        ShowSign(f.counter);
        GoTo(70);
        break;
    case 70:
        if (!After(500))
            break;
        if (++f.counter < kSigns) {
            GoTo(69);
            break;
        }
        SetClickable({kLeftMenuBar.guide, kLeftMenuBar.help}, true);
        f.targetSign = ProgramRandomIndex(kSigns);
        GoTo(600);
        break;
    case 600:
        audio.music.Duck();
        SetSignsClickable(true);
        f.clickLock = false;
        GoTo(700);
        break;
    case 700:
        AskNumber();
        GoTo(71);
        break;
    case 71:
        if (f.clickLock) {
            JudgeAnswer();
        } else if (After(15000)) {
            f.clickLock = true;
            f.returnState = 600;
            GoTo(500);
        }
        break;
    case 75:
        if (After(500)) {
            Hide(kWrongMark);
            GoTo(77);
        }
        break;
    case 77:
        f.movedLane = DrawRivalLane();
        StartMove(f.movedLane, 78);
        break;
    case 78:
        if (!LaneMoving())
            GoTo(79);
        break;
    case 79:
        EndOfMove(f.movedLane);
        break;
    case 80:
        StartMove(kChildLane, 81);
        break;
    case 81:
        if (!LaneMoving())
            GoTo(82);
        break;
    case 82:
        EndOfMove(kChildLane);
        break;
    default:
        break;
    }
}

// The help: the range's ten numbers on the signs, five at a time, each said.
void RaceHelpUpdate() {
    FrameUpdate& f = frameUpdate;
    switch (f.state) {
    case 400:
        if (After(1000)) {
            audio.music.Duck();
            f.counter = 0;
            GoTo(401);
        }
        break;
    case 401: {
        LONG value = RangeNumber(f.counter);
        numberPanel.SetNumber(value, f.counter % kSigns);
        SayNumber(value, false);
        GoTo(402);
        break;
    }
    case 402:
        if (!After(1500))
            break;
        if (++f.counter % kSigns == 0)
            numberPanel.ClearNumbers();
        GoTo(f.counter < 10 ? 401 : 403);
        break;
    case 403:
        if (After(1000)) {
            SetClickable({kLeftMenuBar.exit, kLeftMenuBar.guide, kLeftMenuBar.help}, true);
            Hide(kLeftMenuBar.help);
            audio.music.Raise();
            f.counter = 0;
            GoTo(69);
        }
        break;
    default:
        break;
    }
}
