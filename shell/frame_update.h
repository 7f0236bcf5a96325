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

  private:
    void PlayClickSound(ListElem* selected);
    void BusyWaitExtraWork(DWORD now);
};
