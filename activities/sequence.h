// The shared sequences (quit question, guide talk) run in a block of the
// screen's own state numbers: phase n of a sequence is state base + n.
#pragma once

#include "activities/screen_kit.h"
#include "shell/frame_update.h"
#include "shell/globals.h"

// What a phase answers besides the next phase.
constexpr LONG kSequenceOver = -1; // done: the screen resumes its returnState
constexpr LONG kScreenLeft = -2;   // the sequence has loaded another screen
constexpr LONG kStateChosen = -3;  // the sequence has set the next state itself

// One frame of the sequence: phases that need not wait run at once, one
// after the other; a phase that waits answers itself.
template <class Sequence>
void RunPhases(const Sequence& sequence, LONG base, LONG (*step)(const Sequence&, LONG)) {
    LONG phase = frameUpdate.state - base;
    for (;;) {
        LONG next = step(sequence, phase);
        if (next == kScreenLeft || next == kStateChosen)
            return;
        if (next == kSequenceOver) {
            GoTo(frameUpdate.returnState);
            return;
        }
        if (next == phase)
            return;
        GoTo(base + next);
        phase = next;
    }
}
