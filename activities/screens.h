// Each screen's entry points, chosen by the ScreenId.
#pragma once

#include "platform/win32.h"

struct ListElem;

struct ScreenHandlers {
    void (*update)();                  // the per-frame step
    void (*click)(ListElem* selected); // null where the screen takes no clicks
};

// The handlers of a screen; null for ids that name no screen.
const ScreenHandlers* HandlersForScreen(LONG screenId);

// The sign-in screen's name entry takes the keys while it is enabled.
void NameEntryKey(WPARAM virtualKey);
// One step of the race's scenery, also run while the race pauses.
void RaceSceneryStep();
