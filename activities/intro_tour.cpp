// After the sign-in: the town's pictures unroll, the menu bar slides in, and
// the guide points at each thing a child can click.
#include "activities/guide.h"
#include "activities/intro_signin.h"
#include "activities/menu_bar.h"
#include "activities/screen_kit.h"
#include "audio/audio_interface.h"
#include "platform/mmsystem.h"
#include "scene/screen_object.h"
#include "shell/frame_update.h"
#include "shell/globals.h"

namespace {

constexpr LONG kGuideBody = 515;
constexpr LONG kMenuBarRestX = 550;

// The three pictures that unroll one after the other, each with the sound
// that starts it and the count of frames that make it whole.
struct Unrolling {
    LONG state;
    LONG picture;
    const char* sound;
    LONG frames;
};

constexpr Unrolling kUnrolling[] = {
    {13, 580, "scrollon-house&sun.wav", 17},
    {14, 579, "scrollon-arrow&menubar.wav", 10},
    {15, 581, "scrollon-house&sun.wav", 18},
};

// One thing the guide introduces: its pointing picture and what lights up
// with it, the music cue, the pause after it and the spoken instruction, in
// the states that wait for the cue, pause and talk.
struct TourStop {
    LONG pointer;
    LONG lit;
    const char* cue;
    Channel cueChannel;
    DWORD pause;
    const char* instruction; // null: the house waits for the sun's
    LONG cueState;
    LONG pauseState;
    LONG talkState;
};

// clang-format off
constexpr TourStop kTour[] = {
    {520,  514,                    "intro-music-house.wav",         Channel::Voice,    200,  nullptr,                    20, 21, 22},
    {523,  524,                    "intro-music-sun.wav",           Channel::Voice,    200,  "clickonplaces2visit.wav",  23, 24, 25},
    {516,  525,                    "intro-music-arrow.wav",         Channel::Effects,  300,  "clickonarrows.wav",        26, 27, 28},
    {521,  kRightMenuBar.guide,    "intro-music-face.wav",          Channel::Voice,    300,  "clickonmyface.wav",        29, 30, 31},
    {522,  kRightMenuBar.help,     "intro-music-questionmark.wav",  Channel::Voice,    300,  "clickonquestionmark.wav",  32, 33, 34},
    {519,  kRightMenuBar.home,     "intro-music-home.wav",          Channel::Voice,    300,  "clickonschoolhouse.wav",   38, 39, 40},
    {517,  kRightMenuBar.balloon,  "intro-music-balloon.wav",       Channel::Voice,    300,  "clickonballoons.wav",      41, 42, 43},
    {518,  kRightMenuBar.exit,     "intro-music-exit.wav",          Channel::Voice,    300,  "clickonexit.wav",          44, 45, 451},
};
// clang-format on

constexpr size_t kTourStops = sizeof kTour / sizeof kTour[0];

void StartStop(const TourStop& stop) {
    Show(stop.pointer);
    Show(stop.lit);
    PlayOn(stop.cueChannel, stop.cue);
    GoTo(stop.cueState);
}

// The unrolling picture's frame changes, counted from its first frame.
void Unroll(size_t index) {
    const Unrolling& picture = kUnrolling[index];
    ScreenObject* object = Find(picture.picture);
    if (object && object->Update(timeGetTime()))
        ++frameUpdate.unrollCount;
    if (object && frameUpdate.unrollCount < picture.frames)
        return;
    if (index + 1 < sizeof kUnrolling / sizeof kUnrolling[0]) {
        const Unrolling& next = kUnrolling[index + 1];
        Show(next.picture);
        audio.voice.LoadAndPlay(next.sound);
        frameUpdate.unrollCount = 1;
        GoTo(next.state);
        return;
    }
    if (ScreenObject* bar = Find(kRightMenuBar.bar)) {
        bar->SetVisible(true);
        bar->SetVelocity(-5, 0);
        bar->SetMoveDelay(50);
    }
    audio.voice.LoadAndPlay("scrollon-arrow&menubar.wav");
    GoTo(16);
}

void MenuBarSlidesIn() {
    ScreenObject* bar = Find(kRightMenuBar.bar);
    if (bar) {
        bar->Update(timeGetTime());
        if (bar->GetX() > kMenuBarRestX)
            return;
        bar->SetMoveDelay(0);
    }
    GoTo(17);
}

// The stop whose cue, pause or talk the state is, one step on.
void TourStep(LONG state) {
    for (size_t i = 0; i < kTourStops; ++i) {
        const TourStop& stop = kTour[i];
        if (state == stop.cueState) {
            if (!IsPlayingOn(stop.cueChannel))
                GoTo(stop.pauseState);
        } else if (state == stop.pauseState) {
            if (After(stop.pause)) {
                if (stop.instruction)
                    audio.voice.LoadAndPlay(stop.instruction);
                GoTo(stop.talkState);
            }
        } else if (state == stop.talkState && MouthTalks()) {
            if (i + 1 == kTourStops) {
                GoTo(452); // the last pointer stays for the goodbye
            } else {
                Hide({stop.pointer, stop.lit});
                StartStop(kTour[i + 1]);
            }
        }
    }
}

} // namespace

void IntroTourUpdate() {
    Blink();
    LONG state = frameUpdate.state;
    switch (state) {
    case 12:
        if (After(500)) {
            Show(kUnrolling[0].picture);
            audio.voice.LoadAndPlay(kUnrolling[0].sound);
            frameUpdate.unrollCount = 1;
            GoTo(kUnrolling[0].state);
        }
        return;
    case 13:
    case 14:
    case 15:
        Unroll(static_cast<size_t>(state - 13));
        return;
    case 16:
        MenuBarSlidesIn();
        return;
    case 17:
        if (After(500)) {
            audio.voice.LoadAndPlay("chimbletown.wav");
            GoTo(18);
        }
        return;
    case 18:
        if (MouthTalks())
            GoTo(19);
        return;
    case 19:
        Hide(kGuideBody);
        StartStop(kTour[0]);
        return;
    default:
        TourStep(state);
        return;
    }
}
