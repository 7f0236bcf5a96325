// The race's parts, shared by its files: the start (race_start.cpp), the
// turns (race_turns.cpp), the track (race_track.cpp) and the finish
// (race.cpp).
#pragma once

#include "activities/guide.h"
#include "platform/win32.h"

class ScreenObject;

constexpr LONG kChildLane = 4;
constexpr LONG kFirstSign = 320;
constexpr LONG kSigns = 5;
constexpr LONG kWavingFlags = 316;
constexpr LONG kFinishStage = 331;

inline constexpr GuideParts kRaceGuide{
    .body = 507,
    .rest = {41, 129},
    .start = {41, 504},
    .step = {0, -25},
    .mouthStart = {187, 631},
    .eyes = {174, 219},
    .eyesLayer = 12,
    .slidingLayer = 0,
    .restingLayer = 0,
    .eyesId = kGuideEyes,
    .mouthLayer = 12,
    .slideOnSound = "Monkey-slideon.wav",
    .slideOffSound = nullptr,
};

// States 1 to 67: the line-up, the guide's first words, the start.
void RaceStartUpdate();
// States 68 to 82, 400 to 404, 600 and 700: the turns and the help.
void RaceTurnsUpdate();
void RaceHelpUpdate();

// What a gas-station vehicle (382 to 391) races with: its racing object,
// its frame delay on the track and its recordings.
struct Racer {
    LONG vehicle;
    LONG object;
    LONG frameDelay;
    const char* drivePrompt;
    const char* engine;
    const char* winnerPrompt;
};
const Racer& RacerFor(LONG vehicle);
const char* WinnerPrompt(LONG vehicle);
// The racing object of a lane; null before the line-up.
ScreenObject* LaneObject(LONG lane);
// The lanes' vehicles animate, the one on its way moves and stops on its
// stage, the flags wave: every frame and through every pause.
void UpdateLanes(DWORD now);
// Sends a lane's vehicle one stage on, its engine running.
void MoveOneStage(LONG lane);
bool LaneMoving();

// The track: the strips set up behind the starting line, one scroll step,
// and the finish line rolling in.
void SetUpTrack();
void TrackStep(DWORD now);
void StartFinish();
// One frame of the finish rolling in; true once the line is in place.
bool FinishStep();
