// The guide: its body slides on and off with the mouth riding along, the
// mouth talks while a recording plays, and the eyes blink once it stands.
#pragma once

#include "platform/win32.h"
#include "shell/globals.h"

// The two channels a guide may speak through.
enum class Channel { Voice, Effects };

void PlayOn(Channel channel, const char* file);
bool IsPlayingOn(Channel channel);

constexpr LONG kGuideMouth = 3000;
constexpr LONG kGuideEyes = 199;

// One screen's guide. The start lies a whole number of steps from the rest,
// since arrival is tested by exact equality.
struct GuideParts {
    LONG body;
    Point rest;
    Point start;
    Point step; // per move while sliding on; sliding off reverses it
    Point mouthStart;
    Point eyes;
    LONG eyesLayer;
    LONG slidingLayer;        // the body's layer while it slides; 0 keeps its own
    LONG restingLayer;        // its layer once it stands; 0 keeps the sliding one
    LONG mouth = kGuideMouth; // 0: this guide has no talking mouth
    LONG eyesId = kGuideEyes; // the closed-eyes picture that blinks
    LONG mouthLayer = 0;      // 0 keeps the mouth's own
    // Played as the shared sequences bring the guide on and send it off;
    // null: it moves silently.
    const char* slideOnSound = "monkey-slideon.wav";
    const char* slideOffSound = "monkey-slideon.wav";
};

// Body and mouth at their start, moving, shown. Silent: screens play
// "monkey-slideon.wav" with PlaySlideSound when their Part says.
void StartSlideOn(const GuideParts& guide);
void PlaySlideSound();
// The guide's own sound for coming on, if it has one.
void PlaySlideOnSound(const GuideParts& guide);
// One frame of the slide; true once the body rests, then both stand still,
// the eyes are in place and blinking.
bool SlideOnStep(const GuideParts& guide);
// Eyes away, the slide reversed, the guide's slide-off sound played.
void StartSlideOff(const GuideParts& guide);
// One frame back; true once the body is at its start, then body, mouth and
// eyes are hidden.
bool SlideOffStep(const GuideParts& guide);

// Animates the mouth while the channel plays; once it has stopped the mouth
// is closed and the answer is true.
bool MouthTalks(Channel channel = Channel::Voice, LONG mouth = kGuideMouth);
// The mouth of a sequence's guide; the shared mouth when it brings none.
LONG MouthOf(const GuideParts* guide);
// The mouth follows the voice: moving while it plays, closed otherwise.
void MouthFollowsVoice();
// The eyes' blink, every frame the guide is on screen.
void Blink();
