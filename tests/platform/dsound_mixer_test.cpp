// The software mix of the playing buffers: levels, sample formats, rate
// conversion, looping, and the mix following each buffer's position.
#include <gtest/gtest.h>

#include <cmath>

#include "dsound_fixture.h"
#include "platform/dsound_testing.h"
#include "platform/host.h"
#include "platform/mmsystem.h"

namespace {

using namespace vbtest;
using wavtest::Bytes;
using wavtest::Constant16;
using wavtest::Constant8;

class DirectSoundMixerTest : public DirectSoundTest {
  protected:
    // A mono 16-bit buffer of one level at 22,050 Hz, playing from now.
    IDirectSoundBuffer* Playing(int16_t level, int ms = 1000, LONG volume = 0) {
        IDirectSoundBuffer* buffer =
            Buffer(PcmFormat(1, 22050, 16), Constant16(22050 * ms / 1000, level, level, 1));
        EXPECT_EQ(buffer->SetVolume(volume), DS_OK);
        EXPECT_EQ(buffer->Play(0, 0, 0), DS_OK);
        return buffer;
    }

    // The mean left level of 100 ms from 10 ms after now.
    double Level() { return MeanLevel(Mix(10, 4410), 0, 0, 4410); }

    const size_t rate_ = size_t(platform::testhooks::SoundMixRate());
};

TEST_F(DirectSoundMixerTest, LevelFollowsTheVolumeInDecibelsAndBuffersAddUp) {
    IDirectSoundBuffer* buffer = Playing(16000);
    EXPECT_NEAR(Level(), 16000, 1);
    ASSERT_EQ(buffer->SetVolume(-600), DS_OK);
    EXPECT_NEAR(Level() / 16000, 0.5, 0.01); // -6 dB: about half the amplitude
    ASSERT_EQ(buffer->SetVolume(-2000), DS_OK);
    EXPECT_NEAR(Level() / 16000, 0.1, 0.001);
    ASSERT_EQ(buffer->SetVolume(-10000), DS_OK);
    EXPECT_EQ(Level(), 0.0);

    // Playing buffers add up, and clip.
    Playing(8000);
    Playing(4000, 1000, -600);
    EXPECT_NEAR(Level(), 8000 + 4000 * std::pow(10.0, -0.3), 2);
    Playing(30000);
    std::vector<int16_t> mixed = Mix(10, 100);
    EXPECT_EQ(mixed[0], 32767);
    EXPECT_EQ(mixed[1], 32767);
}

TEST_F(DirectSoundMixerTest, EightBitAndStereoRecordingsKeepTheirLevels) {
    IDirectSoundBuffer* eight = Buffer(PcmFormat(1, 11025, 8), Constant8(11025, 192));
    ASSERT_EQ(eight->Play(0, 0, 0), DS_OK);
    EXPECT_NEAR(Level(), 16384, 1); // 64 above the middle of 128
    ASSERT_EQ(eight->Stop(), DS_OK);

    IDirectSoundBuffer* stereo = Buffer(PcmFormat(2, 44100, 16), Constant16(4410, 10000, -5000, 2));
    ASSERT_EQ(stereo->Play(0, 0, 0), DS_OK);
    std::vector<int16_t> mixed = Mix(10, 1000);
    EXPECT_NEAR(MeanLevel(mixed, 0, 0, 1000), 10000, 1);
    EXPECT_NEAR(MeanLevel(mixed, 1, 0, 1000), -5000, 1);
}

TEST_F(DirectSoundMixerTest, RatesAreConvertedBetweenSamples) {
    // A ramp at 11,025 Hz read four times per sample at 44,100 Hz.
    Bytes ramp;
    for (int i = 0; i < 11025 / 2; ++i) {
        int16_t value = int16_t(i * 4);
        ramp.push_back(uint8_t(value & 0xFF));
        ramp.push_back(uint8_t(value >> 8));
    }
    ASSERT_EQ(rate_, 44100u);
    IDirectSoundBuffer* buffer = Buffer(PcmFormat(1, 11025, 16), ramp);
    ASSERT_EQ(buffer->Play(0, 0, 0), DS_OK);
    std::vector<int16_t> mixed = Mix(0, rate_);
    EXPECT_EQ(mixed[2 * 4], 4);
    EXPECT_EQ(mixed[2 * 6], 6); // half way between samples 1 and 2
    EXPECT_EQ(mixed[2 * 4001], 4001);
    // Half a second of recording lasts half a second of output, then silence.
    EXPECT_NE(mixed[2 * (rate_ / 2 - 8)], 0);
    EXPECT_EQ(MeanLevel(mixed, 0, rate_ / 2 + 8, rate_), 0.0);
}

TEST_F(DirectSoundMixerTest, MixFollowsEachBuffersPosition) {
    IDirectSoundBuffer* buffer = Playing(12000, 200);
    // Nothing before the play started; the recording from then on; silence after it.
    std::vector<int16_t> mixed = platform::testhooks::MixSound(timeGetTime() - 100, rate_ / 2);
    EXPECT_EQ(MeanLevel(mixed, 0, 0, rate_ / 10 - 1), 0.0);
    EXPECT_NEAR(MeanLevel(mixed, 0, rate_ / 10 + 1, rate_ * 3 / 10 - 1), 12000, 1);
    EXPECT_EQ(MeanLevel(mixed, 0, rate_ * 3 / 10 + 1, rate_ / 2), 0.0);

    platform::AdvanceClock(100);
    ASSERT_EQ(buffer->Stop(), DS_OK);
    EXPECT_EQ(Level(), 0.0);
    ASSERT_EQ(buffer->Play(0, 0, 0), DS_OK); // the last 100 ms
    EXPECT_NEAR(MeanLevel(Mix(0, rate_ / 5), 0, 0, rate_ / 10 - 1), 12000, 1);
    EXPECT_EQ(MeanLevel(Mix(0, rate_ / 5), 0, rate_ / 10 + 1, rate_ / 5), 0.0);
}

TEST_F(DirectSoundMixerTest, LoopedBufferGoesOnPastItsEnd) {
    IDirectSoundBuffer* buffer =
        Buffer(PcmFormat(1, 22050, 16), Constant16(22050 / 20, 9000, 9000, 1)); // 50 ms
    ASSERT_EQ(buffer->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    EXPECT_NEAR(MeanLevel(Mix(0, rate_), 0, 0, rate_), 9000, 1);
    platform::AdvanceClock(3600000); // an hour on
    EXPECT_NEAR(Level(), 9000, 1);
    ASSERT_EQ(buffer->Play(0, 0, 0), DS_OK); // once more to the end, then silence
    EXPECT_EQ(MeanLevel(Mix(60, 100), 0, 0, 100), 0.0);
}

} // namespace
