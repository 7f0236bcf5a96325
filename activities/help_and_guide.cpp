#include "activities/help_and_guide.h"

#include "activities/screen_kit.h"
#include "activities/sequence.h"

namespace {

enum Phase : LONG { Begin, Arriving, Waiting, Talking, Resting, Leaving, Finished };

} // namespace

LONG GuideTalkStep(const GuideTalk& talk, LONG phase) {
    switch (phase) {
    case Begin:
        talk.prepare();
        if (!talk.guide)
            return Waiting;
        StartSlideOn(*talk.guide);
        PlaySlideOnSound(*talk.guide);
        return Arriving;
    case Arriving:
        return SlideOnStep(*talk.guide) ? Waiting : Arriving;
    case Waiting:
        Blink();
        if (!After(talk.pauseBefore))
            return Waiting;
        PlayOn(talk.channel, talk.recording);
        return Talking;
    case Talking:
        Blink();
        return MouthTalks(talk.channel, MouthOf(talk.guide)) ? Resting : Talking;
    case Resting:
        Blink();
        if (!After(talk.pauseAfter))
            return Resting;
        if (!talk.guide)
            return Finished;
        StartSlideOff(*talk.guide);
        return Leaving;
    case Leaving:
        return SlideOffStep(*talk.guide) ? Finished : Leaving;
    case Finished:
    default:
        talk.finish();
        return kSequenceOver;
    }
}
