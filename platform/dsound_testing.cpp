#include "platform/dsound_testing.h"

#include <algorithm>
#include <cmath>

#include "platform/dsound_buffer.h"
#include "platform/dsound_mixer.h"
#include "platform/dsound_object.h"

namespace platform::testhooks {

int SoundMixRate() {
    return dsound::kMixRate;
}

std::vector<int16_t> MixSound(DWORD startMs, size_t frames) {
    std::vector<float> mixed(2 * frames);
    dsound::RenderMix(startMs, 0.0, dsound::kMixRate, mixed.data(), frames);
    std::vector<int16_t> samples(mixed.size());
    for (size_t i = 0; i < mixed.size(); ++i)
        samples[i] =
            int16_t(std::lround(std::clamp(mixed[i], -1.0f, 32767.0f / 32768.0f) * 32768.0f));
    return samples;
}

int LiveSoundBufferCount() {
    return dsound::SoundBuffer::LiveCount();
}

int LiveDirectSoundCount() {
    return dsound::DirectSoundObject::LiveCount();
}

} // namespace platform::testhooks
