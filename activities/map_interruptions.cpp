// The mayor guide's visits to the maps: the stop sign's quit question and the
// reminder to a child who has not clicked for a while. Both quiet the town
// first and give it back afterwards.
#include "activities/screen_kit.h"
#include "activities/town_map.h"
#include "audio/audio_interface.h"
#include "platform/mmsystem.h"
#include "scene/screen_object.h"
#include "shell/frame_update.h"
#include "shell/globals.h"

namespace {

const GuideParts kMayorGuide{
    503, {11, 127}, {11, 502}, {0, -25}, {139, 631}, {126, 219}, 10, 0, 0,
};

bool OnSideMap() {
    return CurrentMap().screen != kCentreMap;
}

void QuietTown() {
    audio.music.Duck();
    if (OnSideMap()) {
        SilenceVehicle();
        SilenceFlyer();
    }
    SetMapClickable(false);
}

void GiveTownBack() {
    SetMapClickable(true);
    audio.music.Raise();
    if (OnSideMap()) {
        ResumeVehicleSound();
        ResumeFlyerSound();
        frameUpdate.idleSince = timeGetTime();
    }
}

// The click that asked the question left the sign pressed.
void GiveTownBackAfterNo() {
    GiveTownBack();
    if (ScreenObject* sign = Find(CurrentMap().stopSign))
        sign->NextFrame();
}

constexpr Point kPanel{234, 40};
constexpr Point kYes{292, 145};
constexpr Point kNo{362, 145};
constexpr DWORD kPauseAfterArrival = 1000;
constexpr DWORD kPauseOnYes = 300;

} // namespace

const QuitQuestion kCentreQuit{
    &kMayorGuide, kPauseAfterArrival,  kPanel, kYes, kNo, Channel::Voice, true, kPauseOnYes, true,
    QuietTown,    GiveTownBackAfterNo,
};

// The side maps' voice channel carries the vehicle, so the guide asks on the
// effects channel.
const QuitQuestion kSideQuit{
    &kMayorGuide, kPauseAfterArrival,  kPanel, kYes, kNo, Channel::Effects, true, kPauseOnYes, true,
    QuietTown,    GiveTownBackAfterNo,
};

const GuideTalk kIdleReminder{
    &kMayorGuide, 1000, "timeout-main.wav", Channel::Voice, 1000, QuietTown, GiveTownBack,
};
