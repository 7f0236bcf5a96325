// An object's animation played through once while the screen waits: the
// cursor keeps moving and the page is drawn.
#pragma once

#include "platform/win32.h"

// Returns once the object has changed frame as many times as it has frames,
// or at once when it cannot change frame (hidden, a single frame, no frame
// delay): nothing else could end the wait.
void PlayObjectAnimation(LONG id);
