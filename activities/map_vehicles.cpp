// One vehicle at a time drives along the road of the left and right maps,
// its sound swelling as it comes on and fading as it goes.
#include "activities/screen_kit.h"
#include "activities/town_map.h"
#include "audio/audio_interface.h"
#include "platform/mmsystem.h"
#include "scene/screen_object.h"
#include "shell/frame_update.h"
#include "shell/globals.h"
#include "shell/program_random.h"

namespace {

constexpr LONG kFirstVehicle = 24;
constexpr LONG kVehicles = 10;
constexpr LONG kSilent = -10000;
constexpr LONG kFull = 0;

void StartVehicle(LONG id) {
    FrameUpdate& f = frameUpdate;
    f.vehicleId = id;
    ScreenObject* vehicle = Find(id);
    if (!vehicle)
        return;
    vehicle->ResetPosition();
    vehicle->SetVisible(true);
    audio.voice.Load(vehicle->GetSecondSound());
    audio.voice.SetVolume(kSilent);
    audio.voice.PlayLooped();
    f.vehicleVolume = kSilent;
    f.vehicleSoundWasOn = true;
}

// The volume is applied, then moved on for the next step.
void ApplyVolume(LONG change) {
    FrameUpdate& f = frameUpdate;
    if (f.vehicleSoundWasOn)
        audio.voice.SetVolume(f.vehicleVolume);
    f.vehicleVolume += change;
}

} // namespace

void StartRandomVehicle() {
    StartVehicle(kFirstVehicle + ProgramRandomIndex(kVehicles));
}

void DriveVehicle() {
    FrameUpdate& f = frameUpdate;
    ScreenObject* vehicle = Find(f.vehicleId);
    if (!vehicle)
        return;
    LONG before = vehicle->GetX();
    vehicle->Update(timeGetTime());
    LONG x = vehicle->GetX();
    if (x != before) {
        if (x < -150 && f.vehicleVolume != kFull)
            ApplyVolume(200);
        if (x > 500 && f.vehicleVolume != kSilent)
            ApplyVolume(-100);
    }
    if (x < CurrentMap().vehicleEndX)
        return;
    audio.voice.Stop();
    vehicle->SetVisible(false);
    LONG next = f.vehicleId + 1;
    StartVehicle(next >= kFirstVehicle + kVehicles ? kFirstVehicle : next);
}

void SilenceVehicle() {
    audio.voice.Stop();
}

void ResumeVehicleSound() {
    FrameUpdate& f = frameUpdate;
    ScreenObject* vehicle = Find(f.vehicleId);
    if (!f.vehicleSoundWasOn || !vehicle)
        return;
    audio.voice.Load(vehicle->GetSecondSound());
    audio.voice.SetVolume(f.vehicleVolume);
    audio.voice.PlayLooped();
}

void SilenceSideMap() {
    audio.voice.Stop();
    audio.effects.Stop();
    frameUpdate.vehicleSoundWasOn = false;
    frameUpdate.flyerSoundWasOn = false;
}
