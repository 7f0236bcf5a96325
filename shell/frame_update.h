// The frame controller: runs the current screen each frame, routes clicks,
// draws the page, and holds the state every screen's state machine uses.
#pragma once

#include "platform/win32.h"

struct ListElem;

class FrameUpdate {
  public:
    FrameUpdate();

    // Seeds the program's generator from the calendar time. Called once the
    // command line has fixed that time: built before it, every run of a
    // script would draw differently.
    void SeedRandom();

    void DispatchFrame();
    void RouteClick(LONG x, LONG y);
    void RenderFrame();
    void BusyWait(DWORD milliseconds);
    void HoverMapObjects();
    void SkipKey();
    void RouteKey(WPARAM virtualKey);
    void RouteSpokenWord(DWORD wordCode);
    void UpdateBalloons();
    void EndSequence();
    // A screen is being loaded: every object reference held here is about to dangle.
    void ForgetObjects();

    const char* className = "FrameUpdate";
    bool screenFlags[2] = {false, false};
    ListElem* objectSlotA = nullptr;
    ListElem* objectSlotB = nullptr;
    ListElem* objectSlotC = nullptr;
    ListElem* objectSlots[5] = {};
    ListElem* celebrationBalloons[10] = {};
    ListElem* hoveredObject = nullptr;
    LONG loopIndex = 1;
    DWORD stateTimer = 0;
    bool answerPending = false;
    bool spokenAnswerReady = false;
    bool clickLock = false;
    LONG answerCode = 0;
    LONG state = 1;
    LONG returnState = 0;
    bool hoverEnabled = true;
    bool nameKeysEnabled = true;
    bool voiceInterrupted = false;

    // Sign-in (22): the space bar may skip the tour; a row was clicked; the
    // frames the unrolling picture has shown.
    bool introSkippable = false;
    bool signInRowChosen = false;
    LONG unrollCount = 0;

    // Town maps (1, 12, 13) and what the gas station takes from them.
    DWORD idleSince = 0;
    LONG vehicleId = 0;
    LONG vehicleVolume = 0;
    bool vehicleSoundWasOn = false;
    LONG flyerStep = 0;
    LONG flyerTargetX = 0;
    LONG flyerTargetY = 0;
    DWORD flyerTimer = 0;
    bool flyerSoundWasOn = false;
    LONG originMap = 0;
    LONG numberRange = 0;

    // Balloon screen (21): the number being announced, and the count it ends on.
    LONG countStep = 0;
    LONG balloonCount = 0;

    // The award at an activity's end: whether the balloon was won before.
    bool balloonAlreadyWon = false;

    // Gas station (3): the order the ten vehicles are shown in and the one
    // being shown; once one is chosen, its id, which the race reads.
    LONG vehicleOrder[10] = {};
    LONG vehicleIndex = 0;

    // Race (24): the vehicle of each lane (the child's in lane 4), the strip
    // leaving the screen and when the track last moved, the turn's numbers
    // and which sign shows which, the sign whose number is asked, the
    // vehicle on its way to a stage and where it stops.
    LONG raceVehicles[5] = {};
    LONG scrollIndex = 0;
    DWORD scrollTimer = 0;
    bool trackScrolling = false;
    LONG flagManStart = 0; // ids; 0 before the start
    LONG flagManFinish = 0;
    LONG laneNumbers[5] = {};
    LONG signOrder[5] = {};
    LONG targetSign = 0;
    LONG counter = 0;
    LONG movedLane = 0;
    LONG movingLane = -1; // -1: none is moving

    // Days of the week (14): the picture or day being shown, a counter of
    // wrong answers, notes and frames, the answer buttons in play (ids: for
    // day d entry d is Sunday's), and the random rows and order they come in.
    LONG dayIndex = 0;
    LONG stepCount = 0;
    LONG dayButtons[7] = {};
    LONG rowOrder[6] = {};
    LONG buttonOrder[6] = {};

    // School classroom (6): the set's size (it grows from visit to visit of
    // the loop), its objects in the order shown, the turn, wrong clicks on it,
    // whether a presentation's pause runs, which instructions the guide gives.
    LONG schoolSetSize = 1;
    LONG schoolSet[11] = {};
    LONG turn = 0;
    LONG wrongCount = 0;
    bool presenting = false;
    bool firstInstructions = false;

    // Circus (2): the animal on each stand place (1 to 9), the order the
    // places are asked in, the question, wrong tries on it, the act, the
    // act's and the help's step, and whether music played before a question.
    LONG slotAnimal[10] = {};
    LONG askOrder[10] = {};
    LONG questionIndex = 0;
    LONG wrongTries = 0;
    LONG actNumber = 1;
    LONG stepCounter = 0;
    bool musicWasPlaying = false;

  private:
    void PlayClickSound(ListElem* selected);
    void BusyWaitExtraWork(DWORD now);
};
