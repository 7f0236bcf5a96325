// The game's one hook into the headless trace: it reports what only it knows
// (the screen set, the channel a recording starts on). A no-op in a window.
#pragma once

#include "platform/win32.h"

// Posted by the headless "screen N" command; wParam is the screen to change to.
#define WM_APP_SCREEN (WM_APP + 1)

// Appends one line "TIME TEXT" to the trace; TEXT is formatted as printf.
void TraceNote(const char* format, ...) __attribute__((format(printf, 1, 2)));
