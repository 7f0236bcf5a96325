// The three channels: what plays, loops and stops, and the status screens
// wait on.
#include <gtest/gtest.h>

#include "audio_fixture.h"
#include "platform/dsound_testing.h"

namespace {

using audiotest::AudioTest;
using wavtest::ConstantWav;

class AudioChannelsTest : public AudioTest {};

TEST_F(AudioChannelsTest, VoicePlaysForTheLengthOfItsRecording) {
    AddRecording("goodjob.wav", ConstantWav(2000, 8000));
    EXPECT_FALSE(sound.voice.IsPlaying());
    sound.voice.LoadAndPlay("goodjob.wav");
    EXPECT_TRUE(sound.voice.IsPlaying());
    EXPECT_NEAR(Level(), 8000, 1);
    Advance(1999);
    EXPECT_TRUE(sound.voice.IsPlaying());
    Advance(1);
    EXPECT_FALSE(sound.voice.IsPlaying());
    EXPECT_EQ(Level(), 0.0);
}

TEST_F(AudioChannelsTest, LoopingCountsAsPlayingOnNoChannel) {
    AddRecording("loop.wav", ConstantWav(100, 3000));
    sound.voice.Load("loop.wav");
    sound.effects.Load("loop.wav");
    sound.music.Load("loop.wav");
    EXPECT_EQ(Level(), 0.0); // loaded, not started
    sound.voice.PlayLooped();
    sound.effects.PlayLooped();
    sound.music.PlayLooped();
    Advance(5000);
    EXPECT_NEAR(Level(), 9000, 2);
    // Status 5, which is neither "playing" (1) nor "looping" (4) alone.
    EXPECT_FALSE(sound.voice.IsPlaying());
    EXPECT_FALSE(sound.effects.IsPlaying());
    EXPECT_FALSE(sound.music.IsPlaying());

    sound.effects.LoadAndPlay("loop.wav");
    sound.music.LoadAndPlay("loop.wav");
    EXPECT_TRUE(sound.effects.IsPlaying());
    EXPECT_TRUE(sound.music.IsPlaying());
}

TEST_F(AudioChannelsTest, LoadingReplacesWhatTheChannelHeld) {
    AddRecording("first.wav", ConstantWav(2000, 10000));
    AddRecording("second.wav", ConstantWav(2000, 3000));
    sound.voice.LoadAndPlay("first.wav");
    const int buffers = platform::testhooks::LiveSoundBufferCount();
    Advance(500);
    sound.voice.LoadAndPlay("second.wav");
    EXPECT_NEAR(Level(), 3000, 1); // the first is silenced with its buffer
    EXPECT_EQ(platform::testhooks::LiveSoundBufferCount(), buffers);

    // No cache: the same name is read from its file again.
    AddRecording("second.wav", ConstantWav(2000, 5000));
    sound.voice.LoadAndPlay("second.wav");
    EXPECT_NEAR(Level(), 5000, 1);
}

TEST_F(AudioChannelsTest, StopAnswersWhetherTheChannelHeldARecording) {
    AddRecording("pop.wav", ConstantWav(200, 4000));
    EXPECT_FALSE(sound.voice.Stop());
    EXPECT_FALSE(sound.effects.Stop());
    sound.StopAll(); // nothing loaded: nothing happens

    sound.voice.LoadAndPlay("pop.wav");
    sound.effects.LoadAndPlay("pop.wav");
    Advance(1000); // both over, still loaded
    EXPECT_TRUE(sound.voice.Stop());
    EXPECT_TRUE(sound.effects.Stop());

    sound.voice.LoadAndPlay("pop.wav");
    EXPECT_TRUE(sound.voice.Stop());
    EXPECT_FALSE(sound.voice.IsPlaying());
    EXPECT_EQ(Level(), 0.0);
}

TEST_F(AudioChannelsTest, StopAllSilencesEveryChannel) {
    AddRecording("a.wav", ConstantWav(1000, 1000));
    sound.voice.LoadAndPlay("a.wav");
    sound.effects.LoadAndPlay("a.wav");
    sound.music.Load("a.wav");
    sound.music.PlayLooped();
    EXPECT_NEAR(Level(), 3000, 1);
    sound.StopAll();
    EXPECT_EQ(Level(), 0.0);
    EXPECT_FALSE(sound.voice.IsPlaying());
    EXPECT_FALSE(sound.effects.IsPlaying());
    EXPECT_FALSE(sound.music.IsPlaying());
    sound.music.Stop();
}

TEST_F(AudioChannelsTest, MusicReplaysWhatIsLoadedOnce) {
    AddRecording("walking.wav", ConstantWav(1000, 2000));
    sound.music.LoadAndPlay("walking.wav");
    Advance(1000);
    EXPECT_FALSE(sound.music.IsPlaying());
    sound.music.Replay();
    EXPECT_TRUE(sound.music.IsPlaying());
    EXPECT_NEAR(Level(), 2000, 1);
    Advance(1000);
    EXPECT_FALSE(sound.music.IsPlaying());
}

TEST_F(AudioChannelsTest, NoneNamesNoRecording) {
    AddRecording("big-pop.wav", ConstantWav(1000, 1000));
    sound.voice.LoadAndPlay("None");
    sound.effects.LoadAndPlay("NONE");
    sound.music.Load("None");
    EXPECT_EQ(sound.voice.GetBuffer(), nullptr);
    EXPECT_EQ(sound.effects.GetBuffer(), nullptr);
    EXPECT_EQ(sound.music.GetBuffer(), nullptr);

    sound.effects.LoadAndPlay("big-pop.wav");
    sound.effects.LoadAndPlay("NONE"); // leaves the channel as it was
    EXPECT_TRUE(sound.effects.IsPlaying());
}

} // namespace
