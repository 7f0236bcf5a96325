// The race's busiest frames: a turn (five vehicles animating, one driving to
// its stage, both strips scrolling, the flags, the signs' five numbers, the
// guide talking) and the finish (the line and strips rolling in, the ten
// balloons rising). Each frame's update, render pass and Present, held
// against a plain page copy.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "activities/race.h"
#include "audio/audio_interface.h"
#include "bench.h"
#include "display/display_interface.h"
#include "platform/mmsystem.h"
#include "scene/object_list.h"
#include "scene/screen_object.h"
#include "scene/text_overlays.h"
#include "shell/frame_update.h"
#include "shell/globals.h"
#include "shell/resource_handler.h"

namespace bench {

namespace {

constexpr LONG kRacingObjects[5] = {24, 25, 26, 27, 28};
constexpr LONG kBalloons[10] = {186, 188, 189, 190, 191, 192, 193, 194, 701, 702};
constexpr int kFrames = 300;

ListElem* Element(LONG id) {
    ListElem* element = objectList.FindById(id);
    objectList.ResetCursor();
    return element;
}

ScreenObject* Object(LONG id) {
    ListElem* element = Element(id);
    return element ? element->object : nullptr;
}

void GuideTalking() {
    if (ScreenObject* guide = Object(507)) {
        guide->SetPosition(41, 129);
        guide->SetVisible(true);
    }
    if (ScreenObject* mouth = Object(3000)) {
        mouth->SetPosition(187, 256);
        mouth->SetLayer(12);
        mouth->SetVisible(true);
    }
}

void LineUp(bool animating) {
    FrameUpdate& f = frameUpdate;
    for (LONG lane = 0; lane < 5; ++lane) {
        f.objectSlots[lane] = Element(kRacingObjects[lane]);
        ScreenObject* racer = f.objectSlots[lane] ? f.objectSlots[lane]->object : nullptr;
        if (!racer)
            continue;
        racer->SetFrameDelay(animating ? 50 : 0);
        racer->SetPosition(23 + 77 * lane / 2, 57 + 57 * lane);
        racer->SetLayer(3 + lane);
        racer->SetVisible(true);
        racer->SetVelocity(1, 0);
        racer->SetMoveDelay(0);
    }
    f.objectSlotC = Element(kWavingFlags);
}

void SetUpTurn() {
    FrameUpdate& f = frameUpdate;
    resourceHandler.SetScreen(24);
    resourceHandler.LoadScreen();
    LineUp(true);
    // Lane 4 drives on for the whole measure: its stage lies far ahead.
    f.movingLane = kChildLane;
    f.counter = 100000;
    if (ScreenObject* racer = LaneObject(kChildLane))
        racer->SetMoveDelay(15);
    SetUpTrack();
    numberPanel.SetLayout(1);
    for (LONG slot = 0; slot < 5; ++slot)
        numberPanel.SetNumber(slot * 2 + 1, slot);
    numberPanel.SetVisible(true);
    GuideTalking();
}

void SetUpFinish() {
    FrameUpdate& f = frameUpdate;
    resourceHandler.SetScreen(24);
    resourceHandler.LoadScreen();
    LineUp(false);
    f.movingLane = -1;
    SetUpTrack();
    f.flagManFinish = 313;
    StartFinish();
    numberPanel.SetVisible(false);
    for (int i = 0; i < 10; ++i) {
        f.celebrationBalloons[i] = Element(kBalloons[i]);
        if (ScreenObject* balloon =
                f.celebrationBalloons[i] ? f.celebrationBalloons[i]->object : nullptr) {
            balloon->SetLayer(11);
            balloon->SetVisible(true);
        }
    }
    GuideTalking();
}

double Median(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

template <class Work> double Time(Work work) {
    auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
        .count();
}

// Frames of the scene as the race runs them; the mouth talks throughout.
void MeasureFrames(const char* scene, void (*update)(DWORD now), bool redrawSigns, double copy) {
    std::vector<double> updates, renders, presents;
    for (int frame = 0; frame < kFrames; ++frame) {
        DWORD now = timeGetTime();
        updates.push_back(Time([&] {
            update(now);
            if (ScreenObject* mouth = Object(3000))
                mouth->Update(now);
        }));
        if (redrawSigns)
            numberPanel.SetNumber(frame % 100, frame % 5);
        renders.push_back(Time([] { frameUpdate.RenderFrame(); }));
        presents.push_back(Time([] { display.Present(); }));
    }
    double updateCost = Median(updates);
    double present = Median(presents);
    // RenderFrame ends with its own Present.
    double render = Median(renders) - present;
    char label[96];
    std::snprintf(label, sizeof label, "%s: update", scene);
    PrintFigure(label, updateCost);
    std::snprintf(label, sizeof label, "%s: render pass", scene);
    PrintFigure(label, render);
    std::snprintf(label, sizeof label, "%s: Present", scene);
    PrintFigure(label, present);
    std::snprintf(label, sizeof label, "%s: whole frame / page copy", scene);
    PrintRatio(label, (updateCost + render + present) / copy);
}

void TurnFrame(DWORD now) {
    UpdateLanes(now);
    TrackStep(now);
}

void FinishFrame(DWORD now) {
    UpdateLanes(now);
    FinishStep();
    frameUpdate.UpdateBalloons();
    (void)now;
}

} // namespace

void RaceFigures() {
    if (!BringUpDisplay()) {
        std::printf("no window for the display\n");
        return;
    }
    numberPanel.CreateSurface(display.GetDirectDraw());
    // The finish cheers as its flag man passes: the race plays its sounds.
    std::snprintf(wavPath, sizeof wavPath, "%s/Wav/", VOCABULOON_ASSETS);
    audio.SetWindow(display.GetWindow());
    audio.Init();
    double copy = PageCopyMicroseconds();
    PrintFigure("plain copy of one 640x480 16-bit page", copy);
    SetUpTurn();
    MeasureFrames("race turn", TurnFrame, false, copy);
    SetUpTurn();
    MeasureFrames("race turn, signs redrawn every frame", TurnFrame, true, copy);
    SetUpFinish();
    MeasureFrames("race finish, ten balloons rising", FinishFrame, false, copy);
    numberPanel.ReleaseSurface();
}

} // namespace bench
