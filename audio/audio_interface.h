// The three sound channels: voice (the guide; screens wait for it), effects
// and music.
#pragma once

#include "platform/win32.h"

class AudioInterface {
  public:
    void SetWindow(HWND handle) { window = handle; }
    void Init() {}

    // Stops the voice; answers whether the channel held a recording.
    bool StopVoice();
    void LoadAndPlayVoice(const char* file);
    void LoadAndPlayEffects(const char* file);
    void StopAll();

  private:
    bool Start(const char* file, const char* channel);

    HWND window = nullptr;
    bool voiceLoaded = false;
    const char* name = "AudioInterface";
};
