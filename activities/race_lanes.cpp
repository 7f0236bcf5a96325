// The five lanes of the race: which vehicle races in which, and how one
// moves a stage on.
#include "activities/race.h"
#include "audio/audio_interface.h"
#include "scene/object_list.h"
#include "scene/screen_object.h"
#include "shell/frame_update.h"
#include "shell/globals.h"

namespace {

// clang-format off
constexpr Racer kRacers[] = {
    {382, 28,  50, "udrive-ambulance.wav",  "race-ambulance.wav",  "won-ambulance.wav"},
    {383, 25, 100, "udrive-bicycle.wav",    "race-bicycle.wav",    "won-bicycle.wav"},
    {384, 26,  50, "udrive-schoolbus.wav",  "race-schoolbus.wav",  "won-schoolbus.wav"},
    {385, 27,  75, "udrive-car.wav",        "race-car.wav",        "won-car.wav"},
    {386, 33,  50, "udrive-firetruck.wav",  "race-firetruck.wav",  "won-firetruck.wav"},
    {387, 24,  50, "udrive-truck.wav",      "race-truck.wav",      "won-truck.wav"},
    {388, 32,  75, "udrive-motorcycle.wav", "race-motorcycle.wav", "won-motorcycle.wav"},
    {389, 31,  75, "udrive-pickup.wav",     "race-pickup.wav",     "won-pickup.wav"},
    {390, 30,  75, "udrive-policecar.wav",  "race-policecar.wav",  "won-policecar.wav"},
    {391, 29,  75, "udrive-taxi.wav",       "race-taxi.wav",       "won-taxi.wav"},
};
// clang-format on

constexpr LONG kStartStage = -40;
constexpr LONG kFirstStep = 63;
constexpr LONG kStageStep = 77;
constexpr LONG kStageMoveDelay = 15;

// The vehicle on its way stops on its stage, wherever it was moved from:
// past it, it would drive on for ever.
void StopOnStage() {
    FrameUpdate& f = frameUpdate;
    if (f.movingLane < 0)
        return;
    ScreenObject* racer = LaneObject(f.movingLane);
    if (racer && racer->GetX() < f.counter)
        return;
    if (racer) {
        racer->SetPosition(f.counter, racer->GetY());
        racer->SetMoveDelay(0);
    }
    audio.voice.Stop();
    f.movingLane = -1;
}

} // namespace

ScreenObject* LaneObject(LONG lane) {
    ListElem* racer = frameUpdate.objectSlots[lane];
    return racer ? racer->object : nullptr;
}

const Racer& RacerFor(LONG vehicle) {
    for (const Racer& racer : kRacers)
        if (racer.vehicle == vehicle)
            return racer;
    return kRacers[3]; // the car
}

const char* WinnerPrompt(LONG vehicle) {
    return RacerFor(vehicle).winnerPrompt;
}

void UpdateLanes(DWORD now) {
    FrameUpdate& f = frameUpdate;
    for (f.loopIndex = 0; f.loopIndex < 5; ++f.loopIndex)
        if (ScreenObject* racer = LaneObject(f.loopIndex))
            racer->Update(now);
    StopOnStage();
    if (ListElem* flags = f.objectSlotC; flags && flags->object)
        flags->object->Update(now);
}

void MoveOneStage(LONG lane) {
    FrameUpdate& f = frameUpdate;
    ScreenObject* racer = LaneObject(lane);
    if (!racer)
        return;
    LONG x = racer->GetX();
    f.counter = x + (x == kStartStage ? kFirstStep : kStageStep);
    f.movingLane = lane;
    racer->SetVelocity(1, 0);
    racer->SetMoveDelay(kStageMoveDelay);
    audio.voice.Load(RacerFor(f.raceVehicles[lane]).engine);
    audio.voice.PlayLooped();
}

bool LaneMoving() {
    return frameUpdate.movingLane >= 0;
}
