// The track: strips scrolling by behind the lanes, the starting line first,
// then 1 to 5 over and over; at the end the finish line rolls in.
#include "activities/race.h"
#include "activities/screen_kit.h"
#include "audio/audio_interface.h"
#include "scene/screen_object.h"
#include "shell/frame_update.h"
#include "shell/globals.h"

namespace {

// Strip 0 is the starting line, 1 to 5 the track that repeats.
constexpr LONG kStrips[6] = {319, 331, 332, 333, 334, 335};
constexpr LONG kFinishLine = 318;
constexpr LONG kTrackX = 90;
constexpr LONG kHandOverX = -460;
constexpr LONG kEnterX = 640;
constexpr LONG kStep = 5;
constexpr DWORD kStepDelay = 25;
constexpr LONG kFlagManGoneX = -10;
constexpr LONG kFlagManCheerX = 622;

LONG Follower(LONG index) {
    return index == 5 ? 1 : index + 1;
}

ScreenObject* Strip(LONG index) {
    return Find(kStrips[index]);
}

void MoveLeft(ScreenObject* object) {
    if (object)
        object->SetPosition(object->GetX() - kStep, object->GetY());
}

void RollLeft(ScreenObject* object, LONG x) {
    if (!object)
        return;
    object->SetPosition(x, 0);
    object->SetVelocity(-kStep, 0);
    object->SetMoveDelay(kStepDelay);
    object->SetVisible(true);
}

void StopRolling(ScreenObject* object) {
    if (object)
        object->SetMoveDelay(0);
}

} // namespace

void SetUpTrack() {
    FrameUpdate& f = frameUpdate;
    f.scrollIndex = 0;
    ShowAt(kStrips[1], kEnterX, 0);
    f.scrollTimer = timeGetTime();
    f.trackScrolling = true;
}

void TrackStep(DWORD now) {
    FrameUpdate& f = frameUpdate;
    if (now - f.scrollTimer <= kStepDelay)
        return;
    ScreenObject* leaving = Strip(f.scrollIndex);
    if (leaving && leaving->GetX() == kHandOverX) {
        leaving->SetVisible(false);
        f.scrollIndex = f.scrollIndex == 5 ? 1 : f.scrollIndex + 1;
        ShowAt(kStrips[Follower(f.scrollIndex)], kEnterX, 0);
    }
    MoveLeft(Strip(f.scrollIndex));
    MoveLeft(Strip(Follower(f.scrollIndex)));
    f.scrollTimer = now;
    if (ScreenObject* flagMan = f.flagManStart ? Find(f.flagManStart) : nullptr;
        flagMan && flagMan->IsVisible()) {
        MoveLeft(flagMan);
        if (flagMan->GetX() < kFlagManGoneX)
            flagMan->SetVisible(false);
    }
}

void StartFinish() {
    FrameUpdate& f = frameUpdate;
    // The strips now roll on their own clocks with the line.
    f.trackScrolling = false;
    ScreenObject* leaving = Strip(f.scrollIndex);
    ScreenObject* follower = Strip(Follower(f.scrollIndex));
    LONG followerX = follower ? follower->GetX() : kEnterX;
    RollLeft(Find(kFinishLine), followerX + 550);
    if (leaving)
        RollLeft(leaving, leaving->GetX());
    if (follower)
        RollLeft(follower, followerX);
    RollLeft(Find(f.flagManFinish), followerX + 687);
}

bool FinishStep() {
    FrameUpdate& f = frameUpdate;
    DWORD now = timeGetTime();
    ScreenObject* leaving = Strip(f.scrollIndex);
    ScreenObject* follower = Strip(Follower(f.scrollIndex));
    ScreenObject* line = Find(kFinishLine);
    ScreenObject* flagMan = Find(f.flagManFinish);
    LONG flagManWas = flagMan ? flagMan->GetX() : 0;
    for (ScreenObject* object : {leaving, follower, line, flagMan})
        if (object)
            object->Update(now);
    if (flagMan && flagManWas != kFlagManCheerX && flagMan->GetX() == kFlagManCheerX)
        audio.effects.LoadAndPlay("cheer.wav");
    if (line && line->GetX() > kTrackX)
        return false;
    audio.music.Stop();
    for (ScreenObject* object : {leaving, follower, line})
        StopRolling(object);
    for (LONG lane = 0; lane < 5; ++lane)
        if (ScreenObject* racer = LaneObject(lane))
            racer->SetFrameDelay(0);
    return true;
}
