// A Spanish word popping up in its bubble and spoken by the guide.
#pragma once

#include "platform/win32.h"
#include "shell/globals.h"

constexpr LONG kWordBubble = 2001;

// Fades the music out, shows the word in the bubble at `at`, speaks the
// recording and keeps the bubble up for `pause` before it goes again.
void SayWordInBubble(const char* word, Point at, const char* recording, DWORD pause);
