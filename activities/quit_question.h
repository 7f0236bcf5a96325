// The quit question: the guide comes, a panel asks whether the child wants to
// stop, yes ends on the closing screen, no puts everything back.
#pragma once

#include "activities/guide.h"
#include "platform/win32.h"
#include "shell/globals.h"

// What one screen's question looks like and what the screen adds to it.
struct QuitQuestion {
    const GuideParts* guide; // slides on first and off after a no; null: it stands there
    DWORD pauseAfterArrival; // before the panel comes up
    Point panel;             // the panel 706
    Point yes;               // 704
    Point no;                // 705
    Channel voice;           // "sureuwant2quit.wav" goes here
    bool popsUp;             // "big-pop.wav" with the panel
    DWORD pauseOnYes;        // before the closing screen
    bool stopAllOnYes;
    void (*prepare)();    // the screen's own steps as the question starts
    void (*refused)();    // the screen's own steps after a no, once the guide has gone
    LONG panelLayer = 0;  // 0 keeps the panel's own
    LONG buttonLayer = 0; // for yes and no; 0 keeps theirs
    // Yes and no come as a click choice (clickLock and answerCode) rather
    // than a pending answer.
    bool answersByClickLock = false;
    void (*leaving)() = nullptr; // the screen's own steps before the closing screen
};

// The exit button (or stop sign): it goes dead while its question is up, and
// the screen will resume where it was.
void StartQuitQuestion(LONG exitButton, LONG quitState);

// Phases 0 to 6 of the question, run by RunPhases; a no ends it with
// kSequenceOver, a yes with kScreenLeft.
LONG QuitQuestionStep(const QuitQuestion& question, LONG phase);
