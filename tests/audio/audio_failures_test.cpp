// DirectSound failures: fatal boxes captioned "AudioInterface" with the
// result's name, the silent primary buffer, and lost buffers brought back.
#include <gtest/gtest.h>

#include <string>

#include "audio_fixture.h"
#include "platform/ddraw_fixture.h"
#include "platform/faults.h"

namespace {

using audiotest::AudioTest;
using ::testing::ExitedWithCode;
using wavtest::ConstantWav;

class AudioFailuresTest : public AudioTest {
  protected:
    void SetUp() override {
        AudioTest::SetUp();
        AddRecording("word.wav", ConstantWav(1000, 6000));
    }
    void Fault(const std::string& text) {
        std::string why;
        ASSERT_TRUE(platform::faults::Apply(text, &why)) << text << ": " << why;
    }
};

TEST_F(AudioFailuresTest, FailedStartIsReportedWithTheResultsName) {
    struct Start {
        const char* fault;
        const char* box;
    };
    const Start starts[] = {
        {"fail DirectSoundCreate 0x88780078", "AudioInterface: DSERR_NODRIVER\n"},
        {"fail IDirectSound::SetCooperativeLevel 0x887800A0",
         "AudioInterface: DDSERR_OTHERAPPHASPRIORITY\n"},
        {"fail DirectSoundCreate 0x80004003", "AudioInterface: Unknown Error #16387\n"},
    };
    for (const Start& start : starts) {
        EXPECT_EXIT(
            {
                AudioInterface fresh;
                fresh.SetWindow(vbtest::TestWindow());
                Fault(start.fault);
                fresh.Init();
            },
            ExitedWithCode(1), start.box)
            << start.fault;
    }
}

TEST_F(AudioFailuresTest, FailedChannelCallsAreFatal) {
    struct Call {
        const char* fault;
        void (*act)(AudioInterface&);
        const char* box;
    };
    const Call calls[] = {
        {"fail CreateSoundBuffer 0x8007000E", [](AudioInterface& a) { a.voice.Load("word.wav"); },
         "AudioInterface: DSERR_OUTOFMEMORY\n"},
        {"fail Lock 0x88780096", [](AudioInterface& a) { a.effects.Load("word.wav"); },
         "AudioInterface: DSERR_BUFFERLOST\n"},
        {"fail Unlock 0x80070057", [](AudioInterface& a) { a.voice.Load("word.wav"); },
         "AudioInterface: DSERR_INVALIDPARAM\n"},
        {"fail GetStatus 0x88780032", [](AudioInterface& a) { a.voice.IsPlaying(); },
         "AudioInterface: DSERR_INVALIDCALL\n"},
        {"fail Stop 0x80004005", [](AudioInterface& a) { a.StopAll(); },
         "AudioInterface: DSERR_GENERIC\n"},
        {"fail SetVolume 0x8878001E", [](AudioInterface& a) { a.voice.SetVolume(-100); },
         "AudioInterface: DSERR_CONTROLUNAVAIL\n"},
        {"fail GetVolume 0x8878001E", [](AudioInterface& a) { a.effects.VolumeDown(); },
         "AudioInterface: DSERR_CONTROLUNAVAIL\n"},
        {"fail SetVolume 0x80004005 1", [](AudioInterface& a) { a.music.Duck(); },
         "AudioInterface: DSERR_GENERIC\n"},
    };
    for (const Call& call : calls) {
        EXPECT_EXIT(
            {
                sound.voice.Load("word.wav");
                sound.effects.Load("word.wav");
                sound.music.Load("word.wav");
                Fault(call.fault);
                call.act(sound);
            },
            ExitedWithCode(1), call.box)
            << call.fault;
    }
}

TEST_F(AudioFailuresTest, MissingPrimaryBufferIsSilentAndChannelsStillPlay) {
    AudioInterface fresh;
    fresh.SetWindow(vbtest::TestWindow());
    Fault("fail CreateSoundBuffer 0x88780046 1");
    EXPECT_EQ(fresh.Init(), DSERR_PRIOLEVELNEEDED);
    fresh.voice.LoadAndPlay("word.wav");
    EXPECT_TRUE(fresh.voice.IsPlaying());
    EXPECT_NEAR(Level(), 6000, 1);
}

TEST_F(AudioFailuresTest, LostBufferIsRestoredAndRefilledWithoutStarting) {
    sound.voice.Load("word.wav");
    Fault("fail Play 0x88780096 1");
    sound.voice.PlayLooped();
    EXPECT_FALSE(sound.voice.IsPlaying()); // not started again after the restore
    EXPECT_EQ(Level(), 0.0);
    sound.voice.PlayLooped(); // the next play finds the samples back
    EXPECT_NEAR(Level(), 6000, 1);

    Fault("fail Play 0x88780096 1");
    sound.effects.LoadAndPlay("word.wav");
    EXPECT_FALSE(sound.effects.IsPlaying());
    EXPECT_NEAR(Level(), 6000, 1); // the voice alone
}

TEST_F(AudioFailuresTest, FailedRestoreIsFatal) {
    sound.music.Load("word.wav");
    Fault("fail Play 0x88780096 1");
    Fault("fail IDirectSoundBuffer::Restore 0x88780096");
    EXPECT_EXIT(sound.music.Replay(), ExitedWithCode(1), "AudioInterface: DSERR_BUFFERLOST\n");
}

} // namespace
