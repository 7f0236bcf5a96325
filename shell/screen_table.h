// What the frame controller calls for each screen: one row per screen,
// filled in by the screens themselves.
#pragma once

#include "platform/win32.h"

struct ListElem;

struct ScreenHandlers {
    void (*update)();                  // the per-frame step
    void (*click)(ListElem* selected); // null where the screen takes no clicks
    void (*busyWaitWork)(DWORD now);   // null where a pause only draws
    void (*key)(WPARAM virtualKey);    // null where keys do nothing
    bool hoversMap = false;            // places light under the cursor first
};

// The row of a screen; null for ids that name no screen.
const ScreenHandlers* HandlersForScreen(LONG screenId);
