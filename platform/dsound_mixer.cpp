// The list of buffers the mix is made of, and the mix itself.
#include "platform/dsound_mixer.h"

#include <algorithm>
#include <vector>

#include "platform/dsound_buffer.h"

namespace platform::dsound {

namespace {

struct Mixer {
    std::mutex mutex;
    std::vector<SoundBuffer*> buffers;
};

Mixer& TheMixer() {
    // Never destroyed: the game's global destructors release buffers after main returns.
    static Mixer* mixer = new Mixer;
    return *mixer;
}

} // namespace

std::mutex& MixerMutex() {
    return TheMixer().mutex;
}

void AddToMix(SoundBuffer* buffer) {
    TheMixer().buffers.push_back(buffer);
}

void RemoveFromMix(SoundBuffer* buffer) {
    std::vector<SoundBuffer*>& buffers = TheMixer().buffers;
    buffers.erase(std::remove(buffers.begin(), buffers.end(), buffer), buffers.end());
}

void RenderMix(DWORD startMs, double fraction, int rate, float* stereo, size_t frames) {
    std::fill(stereo, stereo + 2 * frames, 0.0f);
    std::lock_guard<std::mutex> guard(MixerMutex());
    for (const SoundBuffer* buffer : TheMixer().buffers)
        buffer->MixInto(startMs, fraction, rate, stereo, frames);
}

} // namespace platform::dsound
