// A DirectSound object at the game's cooperative level, with buffers filled
// from sample bytes, and the headless mix read back as 16-bit stereo.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "audio/wav_builder.h"
#include "platform/dsound.h"

namespace vbtest {

WAVEFORMATEX PcmFormat(WORD channels, DWORD rate, WORD bits);

// The mean of one channel (0 left, 1 right) of mixed stereo frames [from, to).
double MeanLevel(const std::vector<int16_t>& stereo, int channel, size_t from, size_t to);

class DirectSoundTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A secondary buffer holding samples, released at the end of the test.
    IDirectSoundBuffer* Buffer(const WAVEFORMATEX& format, const wavtest::Bytes& samples,
                               DWORD flags = DSBCAPS_STATIC | DSBCAPS_CTRLVOLUME);
    // The mix of frames output frames from program time now + offsetMs.
    std::vector<int16_t> Mix(int offsetMs, size_t frames);
    // The current status of a buffer.
    DWORD Status(IDirectSoundBuffer* buffer);

    IDirectSound* directSound_ = nullptr;
    std::vector<IDirectSoundBuffer*> kept_;
};

} // namespace vbtest
