#include "activities/menu_bar.h"

#include "activities/screen_kit.h"
#include "audio/audio_interface.h"
#include "scene/text_overlays.h"
#include "shell/frame_update.h"
#include "shell/globals.h"

namespace {

constexpr LONG kBalloonScreen = 21;

} // namespace

void SetMenuButtonsClickable(const MenuBar& bar, bool clickable) {
    SetClickable({bar.guide, bar.help, bar.home, bar.balloon, bar.exit}, clickable);
}

void GoToBalloonScreen() {
    frameUpdate.hoverEnabled = false;
    BusyCursor();
    audio.StopAll();
    wordText.Hide();
    ChangeScreen(kBalloonScreen);
}

void GoHome(LONG homeScreen, const char* music) {
    BusyCursor();
    audio.StopAll();
    ChangeScreen(homeScreen);
    StartMusic(music);
}
