// Channel volumes: the limits of the steps, the ramps, and the music lowered
// while the guide talks.
#include <gtest/gtest.h>

#include <cmath>

#include "audio_fixture.h"

namespace {

using audiotest::AudioTest;
using wavtest::ConstantWav;

class AudioVolumeTest : public AudioTest {
  protected:
    void SetUp() override {
        AudioTest::SetUp();
        AddRecording("music.wav", ConstantWav(500, 10000));
        AddRecording("voice.wav", ConstantWav(1500, 5000));
    }
};

TEST_F(AudioVolumeTest, VolumesStayOnTheScale) {
    sound.voice.Load("voice.wav");
    sound.effects.Load("voice.wav");
    sound.voice.SetVolume(1);
    sound.voice.SetVolume(-10001);
    EXPECT_EQ(Volume(sound.voice), 0);
    sound.voice.VolumeDown();
    EXPECT_EQ(Volume(sound.voice), -175);
    sound.voice.VolumeUp();
    EXPECT_EQ(Volume(sound.voice), 0);
    sound.voice.VolumeUp(); // +175 would be above 0
    EXPECT_EQ(Volume(sound.voice), 0);
    sound.voice.SetVolume(-9900);
    sound.voice.VolumeDown(); // -10075 would be below -10000
    EXPECT_EQ(Volume(sound.voice), -9900);
    sound.voice.SetVolume(-100);
    sound.voice.VolumeUp();
    EXPECT_EQ(Volume(sound.voice), -100);

    sound.effects.VolumeDown();
    sound.effects.VolumeDown();
    EXPECT_EQ(Volume(sound.effects), -350);
    sound.effects.VolumeUp();
    EXPECT_EQ(Volume(sound.effects), -175);
}

TEST_F(AudioVolumeTest, RampsEndWhereTheyShould) {
    sound.music.Load("music.wav");
    sound.effects.Load("music.wav");
    sound.music.PlayLooped();
    sound.music.Duck();
    EXPECT_EQ(Volume(sound.music), -1000);
    sound.music.Raise();
    EXPECT_EQ(Volume(sound.music), 0);
    sound.effects.Duck();
    EXPECT_EQ(Volume(sound.effects), -1000);
    sound.music.FadeOut();
    EXPECT_EQ(Volume(sound.music), -10000);
    EXPECT_EQ(Level(), 0.0);
}

TEST_F(AudioVolumeTest, WithoutARecordingVolumesDoNothing) {
    sound.voice.SetVolume(-500);
    sound.voice.VolumeDown();
    sound.effects.VolumeUp();
    sound.effects.Duck();
    sound.music.Duck();
    sound.music.Raise();
    sound.music.FadeOut();
    sound.voice.PlayLooped();
    sound.music.Replay();
    EXPECT_EQ(sound.voice.GetBuffer(), nullptr);
    EXPECT_EQ(sound.music.GetBuffer(), nullptr);
}

TEST_F(AudioVolumeTest, MusicIsLoweredWhileTheGuideTalks) {
    sound.music.Load("music.wav");
    sound.music.PlayLooped();
    EXPECT_NEAR(Level(), 10000, 1);

    // A spoken step: lower the music, speak, wait frame by frame, raise it again.
    sound.music.Duck();
    sound.voice.LoadAndPlay("voice.wav");
    const double ducked = 10000 * std::pow(10.0, -1000 / 2000.0);
    EXPECT_NEAR(Level(), ducked + 5000, 2);
    int frames = 0;
    while (sound.voice.IsPlaying()) {
        EXPECT_NEAR(Level(0, 10), ducked + 5000, 2);
        Advance(16);
        ++frames;
    }
    EXPECT_EQ(frames, 1504 / 16); // the first frame past 1500 ms
    EXPECT_NEAR(Level(), ducked, 1);
    sound.music.Raise();
    EXPECT_NEAR(Level(), 10000, 1);
}

} // namespace
