// The end of an activity: the guide comes, balloons rise for a first win and
// the balloon is awarded and saved, then the guide asks to play again.
#pragma once

#include "activities/guide.h"
#include "activities/menu_bar.h"
#include "platform/win32.h"
#include "shell/globals.h"
#include "shell/player_roster.h"

// What one screen's award looks like and what its answers lead to.
struct BalloonAward {
    const GuideParts* guide;
    BalloonActivity activity;
    const MenuBar* bar; // its buttons go dead while the guide talks
    LONG balloonLayer;  // the celebration balloons' layer; 0 keeps theirs
    LONG panel;         // 703 or 707
    Point panelAt;
    LONG panelLayer;         // 0 keeps the panel's own
    Point yes;               // 704
    Point no;                // 705
    LONG buttonLayer;        // 0 keeps theirs
    bool answersByClickLock; // as in the quit question
    // The screen's own steps on a yes and a no: each sets the next state or
    // loads another screen.
    void (*playAgain)();
    void (*stop)();
};

// Phases 0 to 10, run by RunPhases; the answers end it with kStateChosen, the
// ninth balloon with kScreenLeft.
LONG BalloonAwardStep(const BalloonAward& award, LONG phase);
