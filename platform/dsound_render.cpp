#include "platform/dsound_render.h"

#include <cmath>

namespace platform::dsound {

namespace {

template <int Bits> float Sample(const uint8_t* at) {
    if constexpr (Bits == 8) {
        return (float(at[0]) - 128.0f) * (1.0f / 128.0f);
    } else {
        return float(int16_t(uint16_t(at[0] | (at[1] << 8)))) * (1.0f / 32768.0f);
    }
}

template <int Bits, int Channels>
void Frame(const SoundView& sound, size_t index, float& left, float& right) {
    const uint8_t* at = sound.bytes + index * size_t(Channels * Bits / 8);
    left = Sample<Bits>(at);
    right = (Channels == 2) ? Sample<Bits>(at + Bits / 8) : left;
}

template <int Bits, int Channels>
void Add(const SoundView& sound, double firstFrame, double step, float* stereo, size_t frames) {
    const size_t count = sound.frameCount;
    const double length = double(count);
    size_t k = 0;
    // Skip what has not started yet.
    if (firstFrame < 0) {
        const double skip = std::ceil(-firstFrame / step);
        if (!(skip < double(frames)))
            return;
        k = size_t(skip);
    }
    double position = firstFrame + double(k) * step;
    if (sound.looping)
        position = std::fmod(position, length);
    for (; k < frames; ++k, position += step) {
        if (position >= length) {
            if (!sound.looping)
                return;
            position = std::fmod(position, length);
        }
        size_t index = size_t(position);
        if (index >= count) // rounding at the very end
            index = count - 1;
        size_t next = index + 1;
        if (next >= count)
            next = sound.looping ? 0 : index;
        const float fraction = float(position - double(index));
        float leftA, rightA, leftB, rightB;
        Frame<Bits, Channels>(sound, index, leftA, rightA);
        Frame<Bits, Channels>(sound, next, leftB, rightB);
        stereo[2 * k] += (leftA + (leftB - leftA) * fraction) * sound.gain;
        stereo[2 * k + 1] += (rightA + (rightB - rightA) * fraction) * sound.gain;
    }
}

} // namespace

float VolumeToGain(LONG volume) {
    if (volume <= -10000)
        return 0.0f;
    if (volume >= 0)
        return 1.0f;
    return float(std::pow(10.0, double(volume) / 2000.0));
}

void AddSound(const SoundView& sound, double firstFrame, double step, float* stereo,
              size_t frames) {
    if (!sound.bytes || sound.frameCount == 0 || sound.gain == 0.0f || !(step > 0) ||
        !std::isfinite(step) || !std::isfinite(firstFrame))
        return;
    const bool stereoSound = sound.channels == 2;
    if (sound.bitsPerSample == 8)
        stereoSound ? Add<8, 2>(sound, firstFrame, step, stereo, frames)
                    : Add<8, 1>(sound, firstFrame, step, stereo, frames);
    else
        stereoSound ? Add<16, 2>(sound, firstFrame, step, stereo, frames)
                    : Add<16, 1>(sound, firstFrame, step, stereo, frames);
}

} // namespace platform::dsound
