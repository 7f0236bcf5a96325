// The guide comes to say something and goes again: the guide button's
// repeated instructions and the maps' reminder to an idle child.
#pragma once

#include "activities/guide.h"
#include "platform/win32.h"

struct GuideTalk {
    const GuideParts* guide; // slides on and off; null: it stands there already
    DWORD pauseBefore;       // after arrival, before speaking
    const char* recording;
    Channel channel;
    DWORD pauseAfter;  // once the recording has ended
    void (*prepare)(); // the screen's own steps as the talk starts
    void (*finish)();  // the screen's own steps at the end
};

// Phases 0 to 6, run by RunPhases; ends with kSequenceOver.
LONG GuideTalkStep(const GuideTalk& talk, LONG phase);
