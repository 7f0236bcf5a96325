// The answers that spoken-word codes stand for, by screen.
#pragma once

#include "platform/win32.h"

struct SpokenWordResult {
    bool ready = false;      // an answer waits for the screen
    bool setsAnswer = false; // answerCode changes to answer
    LONG answer = 0;
};

SpokenWordResult LookupSpokenWord(LONG screenId, DWORD wordCode);
