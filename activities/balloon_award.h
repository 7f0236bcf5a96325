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
    // After the guide has arrived, before "goodjob.wav".
    DWORD pauseBeforePraise = 0;
    // The question after the award: its recording, and whether the panel
    // pops up with "big-pop.wav" (the classroom asks to continue instead).
    const char* question = "want2playagain.wav";
    bool questionPopsUp = true;
};

// For a screen that raises the celebration balloons itself: all ten shown at
// their start (on that layer; 0 keeps theirs), and, each frame until they
// have gone, one step of their flight away; then they are hidden.
void ReleaseCelebrationBalloons(LONG layer);
bool CelebrationBalloonsGone();

// Where a screen that brings on its own guide and balloons joins the
// sequence: at the award itself, or, with the balloon already won, at the
// question.
constexpr LONG kBalloonAwarded = 6;
constexpr LONG kPlayAgainAsked = 7;

// Phases 0 to 11, run by RunPhases; the answers end it with kStateChosen, the
// ninth balloon with kScreenLeft.
LONG BalloonAwardStep(const BalloonAward& award, LONG phase);
