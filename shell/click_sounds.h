// What a click on an object sounds like, and how long input then pauses.
#pragma once

#include "platform/win32.h"

struct ClickSound {
    bool onVoice;     // the voice channel; else the effects channel
    bool bigPop;      // "big-pop.wav" instead of the object's own sound
    DWORD busyWaitMs; // 0: no pause
};

ClickSound ClickSoundFor(LONG objectId);
