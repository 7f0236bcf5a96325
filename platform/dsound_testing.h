// For tests and the benchmark: runs the sound mixer on demand (there is no
// output device in headless runs) and counts the DirectSound objects.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/win32.h"

namespace platform::testhooks {

// The rate MixSound renders at.
int SoundMixRate();
// frames stereo frames of the mix (left, right interleaved, clipped to 16
// bits), the first at program time startMs.
std::vector<int16_t> MixSound(DWORD startMs, size_t frames);

int LiveSoundBufferCount();
int LiveDirectSoundCount();

} // namespace platform::testhooks
