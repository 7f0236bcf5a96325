// Platform-internal: adding one playing recording into the stereo mix.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/win32.h"

namespace platform::dsound {

// The amplitude factor of a DirectSound volume: 10^(volume / 2000), and
// exactly 0 at -10000 (silence) and below.
float VolumeToGain(LONG volume);

// A recording as the mixer reads it: whole frames of 8-bit unsigned or
// 16-bit signed samples, one or two channels.
struct SoundView {
    const uint8_t* bytes = nullptr;
    size_t frameCount = 0; // frames wholly inside bytes
    int channels = 1;
    int bitsPerSample = 16;
    float gain = 1.0f;
    bool looping = false;
};

// Adds frames stereo output frames (left, right interleaved, full scale 1.0)
// of the recording into stereo. Output frame k reads the recording at frame
// firstFrame + k * step, between samples linearly; positions before 0 are not
// started yet and, unless it loops, positions at or past the end are over.
void AddSound(const SoundView& sound, double firstFrame, double step, float* stereo, size_t frames);

} // namespace platform::dsound
