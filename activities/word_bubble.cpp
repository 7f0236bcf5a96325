#include "activities/word_bubble.h"

#include "activities/screen_kit.h"
#include "audio/audio_interface.h"
#include "scene/text_overlays.h"
#include "shell/frame_update.h"

namespace {

constexpr LONG kWordLayer = 15;
constexpr LONG kWordWidth = 100;
constexpr LONG kWordStyle = 1;
constexpr DWORD kPopUpPause = 200;

} // namespace

void SayWordInBubble(const char* word, Point at, const char* recording, DWORD pause) {
    audio.music.FadeOut();
    ShowAt(kWordBubble, at.x, at.y);
    wordText.SetText(word, at.x, at.y, kWordLayer, kWordWidth, kWordStyle);
    audio.effects.LoadAndPlay("wordbubbles-popup.wav");
    frameUpdate.RenderFrame();
    frameUpdate.BusyWait(kPopUpPause);
    audio.voice.LoadAndPlay(recording);
    frameUpdate.BusyWait(pause);
    wordText.Hide();
    Hide(kWordBubble);
}
