#include "activities/guide.h"

#include "activities/screen_kit.h"
#include "audio/audio_interface.h"
#include "platform/mmsystem.h"
#include "scene/object_list.h"
#include "scene/screen_object.h"
#include "shell/blinker.h"

namespace {

constexpr LONG kSlideMoveDelay = 15;

ScreenObject* FindMouth(const GuideParts& guide) {
    return guide.mouth ? Find(guide.mouth) : nullptr;
}

// The mouth rides along step by step with the body; it never moves on its
// own clock, so talking while the guide slides cannot move it twice.
void SetMoving(const GuideParts& guide, Point velocity) {
    if (ScreenObject* body = Find(guide.body)) {
        body->SetVelocity(velocity.x, velocity.y);
        body->SetMoveDelay(kSlideMoveDelay);
    }
    if (ScreenObject* mouth = FindMouth(guide)) {
        mouth->SetVelocity(velocity.x, velocity.y);
        mouth->SetMoveDelay(0);
    }
}

void StandStill(const GuideParts& guide) {
    if (ScreenObject* body = Find(guide.body))
        body->SetMoveDelay(0);
}

// One move of the body on its clock, and the same move of the mouth.
void SlideStep(const GuideParts& guide) {
    ScreenObject* body = Find(guide.body);
    if (!body || !body->Update(timeGetTime()))
        return;
    if (ScreenObject* mouth = FindMouth(guide))
        mouth->Step();
}

} // namespace

void PlayOn(Channel channel, const char* file) {
    if (channel == Channel::Voice)
        audio.voice.LoadAndPlay(file);
    else
        audio.effects.LoadAndPlay(file);
}

bool IsPlayingOn(Channel channel) {
    return channel == Channel::Voice ? audio.voice.IsPlaying() : audio.effects.IsPlaying();
}

void StartSlideOn(const GuideParts& guide) {
    if (ScreenObject* body = Find(guide.body)) {
        body->SetPosition(guide.start.x, guide.start.y);
        if (guide.slidingLayer)
            body->SetLayer(guide.slidingLayer);
        body->SetVisible(true);
    }
    if (guide.mouth) {
        ShowAt(guide.mouth, guide.mouthStart.x, guide.mouthStart.y);
        if (guide.mouthLayer)
            if (ScreenObject* mouth = Find(guide.mouth))
                mouth->SetLayer(guide.mouthLayer);
    }
    SetMoving(guide, guide.step);
}

void PlaySlideSound() {
    audio.voice.LoadAndPlay("monkey-slideon.wav");
}

void PlaySlideOnSound(const GuideParts& guide) {
    if (guide.slideOnSound)
        audio.voice.LoadAndPlay(guide.slideOnSound);
}

bool SlideOnStep(const GuideParts& guide) {
    SlideStep(guide);
    ScreenObject* body = Find(guide.body);
    if (body && body->GetY() != guide.rest.y)
        return false;
    StandStill(guide);
    if (body && guide.restingLayer)
        body->SetLayer(guide.restingLayer);
    if (ScreenObject* eyes = Find(guide.eyesId)) {
        eyes->SetPosition(guide.eyes.x, guide.eyes.y);
        eyes->SetLayer(guide.eyesLayer);
    }
    ListElem* eyes = objectList.FindById(guide.eyesId);
    objectList.ResetCursor();
    blinker.Start(eyes, timeGetTime());
    return true;
}

void StartSlideOff(const GuideParts& guide) {
    Hide(guide.eyesId);
    blinker.Forget();
    SetMoving(guide, Point{-guide.step.x, -guide.step.y});
    if (guide.slideOffSound)
        audio.voice.LoadAndPlay(guide.slideOffSound);
}

bool SlideOffStep(const GuideParts& guide) {
    SlideStep(guide);
    ScreenObject* body = Find(guide.body);
    if (body && body->GetY() != guide.start.y)
        return false;
    StandStill(guide);
    Hide({guide.body, guide.mouth, guide.eyesId});
    return true;
}

bool MouthTalks(Channel channel, LONG mouthId) {
    ScreenObject* mouth = mouthId ? Find(mouthId) : nullptr;
    if (IsPlayingOn(channel)) {
        if (mouth)
            mouth->Update(timeGetTime());
        return false;
    }
    if (mouth)
        mouth->FirstFrame();
    return true;
}

LONG MouthOf(const GuideParts* guide) {
    return guide ? guide->mouth : kGuideMouth;
}

void MouthFollowsVoice() {
    MouthTalks(Channel::Voice);
}

void Blink() {
    blinker.Update(timeGetTime());
}
