// The flying saucer of the left map and the aeroplane of the right map, each
// following its script: a step runs as soon as what it waits for holds (the
// flyer standing exactly on its target, a pause, the end of an animation).
#include "activities/screen_kit.h"
#include "activities/town_map.h"
#include "audio/audio_interface.h"
#include "platform/mmsystem.h"
#include "scene/screen_object.h"
#include "shell/frame_update.h"
#include "shell/globals.h"
#include "shell/program_random.h"
#include "shell/resource_handler.h"

namespace {

enum class Wait { None, Arrival, Pause, AnimationOver };
enum class Switch { Keep, On, Off };

struct FlyerStep {
    LONG step;
    Wait wait = Wait::None; // what must hold before the step runs
    DWORD pause = 0;
    bool place = false;
    Point at{};
    bool aim = false; // a new target and the velocity that reaches it
    Point target{};
    Point velocity{};
    bool stop = false;
    Switch shown = Switch::Keep;
    Switch sound = Switch::Keep;
    bool firstFrame = false;
    bool animate = false; // one run of the frames from here
    bool timer = false;
    LONG then = 0; // 0: the next step of the table
};

constexpr DWORD kSaucerPause = 3000;

// clang-format off
constexpr FlyerStep kSaucer[] = {
    {.step = 10, .place = true, .at = {161, -55}, .aim = true, .target = {161, 36}, .velocity = {0, 1}, .shown = Switch::On, .sound = Switch::On},
    {.step = 11, .wait = Wait::Arrival, .stop = true, .timer = true},
    {.step = 12, .wait = Wait::Pause, .pause = kSaucerPause, .aim = true, .target = {233, 108}, .velocity = {2, 2}},
    {.step = 14, .wait = Wait::Arrival, .shown = Switch::Off, .sound = Switch::Off, .timer = true},
    {.step = 15, .wait = Wait::Pause, .pause = kSaucerPause, .then = 20},
    {.step = 20, .place = true, .at = {550, 75}, .aim = true, .target = {550, 7}, .velocity = {0, -2}, .shown = Switch::On, .sound = Switch::On},
    {.step = 21, .wait = Wait::Arrival, .stop = true, .timer = true},
    {.step = 22, .wait = Wait::Pause, .pause = kSaucerPause, .aim = true, .target = {550, 75}, .velocity = {0, 2}},
    {.step = 23, .wait = Wait::Arrival, .stop = true, .timer = true},
    {.step = 24, .wait = Wait::Pause, .pause = kSaucerPause, .shown = Switch::Off, .sound = Switch::Off},
    {.step = 30, .place = true, .at = {231, 135}, .aim = true, .target = {106, 135}, .velocity = {-5, 0}, .shown = Switch::On, .sound = Switch::On},
    {.step = 31, .wait = Wait::Arrival, .stop = true, .shown = Switch::Off, .sound = Switch::Off, .timer = true},
    {.step = 32, .wait = Wait::Pause, .pause = kSaucerPause, .then = 40},
    {.step = 40, .place = true, .at = {550, 75}, .aim = true, .target = {550, 7}, .velocity = {0, -2}, .shown = Switch::On, .sound = Switch::On},
    {.step = 41, .wait = Wait::Arrival, .stop = true, .timer = true},
    {.step = 42, .wait = Wait::Pause, .pause = kSaucerPause, .aim = true, .target = {550, 75}, .velocity = {0, 2}},
    {.step = 44, .wait = Wait::Arrival, .stop = true, .shown = Switch::Off, .sound = Switch::Off, .timer = true},
    {.step = 45, .wait = Wait::Pause, .pause = kSaucerPause, .then = 50},
    {.step = 50, .place = true, .at = {106, 135}, .aim = true, .target = {16, 15}, .velocity = {-3, -4}, .shown = Switch::On, .sound = Switch::On},
    {.step = 51, .wait = Wait::Arrival, .aim = true, .target = {76, -65}, .velocity = {3, -4}},
    {.step = 52, .wait = Wait::Arrival, .stop = true, .timer = true},
    {.step = 53, .wait = Wait::Pause, .pause = kSaucerPause, .place = true, .at = {490, -65}, .aim = true, .target = {550, 15}, .velocity = {3, 4}},
    {.step = 54, .wait = Wait::Arrival, .aim = true, .target = {550, 75}, .velocity = {0, 2}},
    {.step = 55, .wait = Wait::Arrival, .stop = true, .shown = Switch::Off, .sound = Switch::Off, .timer = true},
    {.step = 56, .wait = Wait::Pause, .pause = kSaucerPause, .then = 10},
};

constexpr FlyerStep kPlane[] = {
    {.step = 1, .place = true, .at = {649, -161}, .aim = true, .target = {264, 4}, .velocity = {-7, 3}, .shown = Switch::On, .sound = Switch::On, .firstFrame = true},
    {.step = 2, .wait = Wait::Arrival, .stop = true, .animate = true},
    {.step = 3, .wait = Wait::AnimationOver},
    {.step = 4, .aim = true, .target = {39, -221}, .velocity = {-5, -5}},
    {.step = 5, .wait = Wait::Arrival, .stop = true, .shown = Switch::Off, .timer = true},
    {.step = 6, .wait = Wait::Pause, .pause = 5000, .then = 1},
};
// clang-format on

constexpr LONG kPlaneFrameDelay = 75;
// The aeroplane's sound swells while it comes and the frames run, and fades
// while it is away.
constexpr LONG kPlaneLoudening = 3;
constexpr LONG kPlaneFading = 6;

struct Script {
    const FlyerStep* steps;
    size_t count;
};

Script ScriptOfMap() {
    if (resourceHandler.GetScreen() == kLeftMap)
        return {kSaucer, sizeof kSaucer / sizeof kSaucer[0]};
    return {kPlane, sizeof kPlane / sizeof kPlane[0]};
}

const FlyerStep* Lookup(const Script& script, LONG step, size_t* index) {
    for (size_t i = 0; i < script.count; ++i)
        if (script.steps[i].step == step) {
            *index = i;
            return &script.steps[i];
        }
    return nullptr;
}

bool Ready(const FlyerStep& step, const ScreenObject& flyer) {
    const FrameUpdate& f = frameUpdate;
    switch (step.wait) {
    case Wait::Arrival:
        return flyer.GetX() == f.flyerTargetX && flyer.GetY() == f.flyerTargetY;
    case Wait::Pause:
        return timeGetTime() - f.flyerTimer > step.pause;
    case Wait::AnimationOver:
        return flyer.GetFrameDelay() == 0;
    case Wait::None:
        break;
    }
    return true;
}

void SwitchSound(Switch sound) {
    if (sound == Switch::On)
        audio.effects.PlayLooped();
    else if (sound == Switch::Off)
        audio.effects.Stop();
    if (sound != Switch::Keep)
        frameUpdate.flyerSoundWasOn = sound == Switch::On;
}

void Run(const FlyerStep& step, ScreenObject& flyer) {
    FrameUpdate& f = frameUpdate;
    if (step.place)
        flyer.SetPosition(step.at.x, step.at.y);
    if (step.aim) {
        f.flyerTargetX = step.target.x;
        f.flyerTargetY = step.target.y;
        flyer.SetVelocity(step.velocity.x, step.velocity.y);
    }
    if (step.stop)
        flyer.SetVelocity(0, 0);
    if (step.shown != Switch::Keep)
        flyer.SetVisible(step.shown == Switch::On);
    if (step.firstFrame)
        flyer.FirstFrame();
    if (step.animate) {
        flyer.SetFrameDelay(kPlaneFrameDelay);
        flyer.Restart();
    }
    SwitchSound(step.sound);
    if (step.timer)
        f.flyerTimer = timeGetTime();
}

} // namespace

void StartFlyer() {
    const MapLayout& map = CurrentMap();
    audio.effects.Load(map.flyerSound);
    frameUpdate.flyerSoundWasOn = false;
    frameUpdate.flyerStep = map.screen == kLeftMap ? 10 * (1 + ProgramRandomIndex(5)) : 1;
}

void FlyerFrame() {
    FrameUpdate& f = frameUpdate;
    ScreenObject* flyer = Find(CurrentMap().flyer);
    if (!flyer)
        return;
    flyer->Update(timeGetTime());
    Script script = ScriptOfMap();
    // Steps that need not wait follow at once; a whole round never does.
    for (size_t guard = 0; guard < script.count; ++guard) {
        size_t index = 0;
        const FlyerStep* step = Lookup(script, f.flyerStep, &index);
        if (!step || !Ready(*step, *flyer))
            break;
        Run(*step, *flyer);
        f.flyerStep = step->then ? step->then : script.steps[(index + 1) % script.count].step;
    }
    if (CurrentMap().screen == kRightMap) {
        if (f.flyerStep <= kPlaneLoudening)
            audio.effects.VolumeUp();
        else if (f.flyerStep == kPlaneFading)
            audio.effects.VolumeDown();
    }
}

void SilenceFlyer() {
    audio.effects.Stop();
}

void ResumeFlyerSound() {
    audio.effects.Load(CurrentMap().flyerSound);
    if (frameUpdate.flyerSoundWasOn)
        audio.effects.PlayLooped();
}
