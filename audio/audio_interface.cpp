#include "audio/audio_interface.h"

#include <strings.h>

#include "platform/trace.h"

// The channels are silent until the mixer lands; what would play is traced.
bool AudioInterface::Start(const char* file, const char* channel) {
    if (!file || !*file || strcasecmp(file, "none") == 0)
        return false;
    TraceNote("sound %s %s", file, channel);
    return true;
}

bool AudioInterface::StopVoice() { return voiceLoaded; }

void AudioInterface::LoadAndPlayVoice(const char* file) {
    if (Start(file, "voice"))
        voiceLoaded = true;
}

void AudioInterface::LoadAndPlayEffects(const char* file) { Start(file, "effects"); }

void AudioInterface::StopAll() {}
