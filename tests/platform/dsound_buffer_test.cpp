// The DirectSound stand-in's buffers: the formats they take, the status and
// position they report as the program's clock moves, and lost buffers.
#include <gtest/gtest.h>

#include "dsound_fixture.h"
#include "platform/faults.h"
#include "platform/host.h"

namespace {

using namespace vbtest;
using wavtest::Constant16;

constexpr DWORD kStaticVolume = DSBCAPS_STATIC | DSBCAPS_CTRLVOLUME;

class DirectSoundBufferTest : public DirectSoundTest {
  protected:
    HRESULT Create(DWORD flags, DWORD bytes, WAVEFORMATEX* format) {
        DSBUFFERDESC description{};
        description.dwSize = sizeof description;
        description.dwFlags = flags;
        description.dwBufferBytes = bytes;
        description.lpwfxFormat = format;
        IDirectSoundBuffer* made = nullptr;
        HRESULT result = directSound_->CreateSoundBuffer(&description, &made, nullptr);
        if (made)
            kept_.push_back(made);
        return result;
    }

    // One second of mono 16-bit at 22,050 Hz.
    IDirectSoundBuffer* OneSecond(DWORD flags = kStaticVolume) {
        return Buffer(PcmFormat(1, 22050, 16), Constant16(22050, 1000, 1000, 1), flags);
    }

    DWORD PlayPosition(IDirectSoundBuffer* buffer) {
        DWORD play = 0;
        EXPECT_EQ(buffer->GetCurrentPosition(&play, nullptr), DS_OK);
        return play;
    }
};

TEST_F(DirectSoundBufferTest, OnlyPlainPcmOfOneOrTwoChannelsIsTaken) {
    for (WAVEFORMATEX format : {PcmFormat(1, 22050, 16), PcmFormat(2, 44100, 16),
                                PcmFormat(1, 8000, 8), PcmFormat(2, 100000, 8)})
        EXPECT_EQ(Create(kStaticVolume, 400, &format), DS_OK) << format.nChannels;

    WAVEFORMATEX compressed = PcmFormat(1, 22050, 4);
    compressed.wFormatTag = 2;
    WAVEFORMATEX noChannels = PcmFormat(1, 22050, 16);
    noChannels.nChannels = 0;
    WAVEFORMATEX wrongBlock = PcmFormat(2, 22050, 16);
    wrongBlock.nBlockAlign = 2;
    for (WAVEFORMATEX format : {compressed, noChannels, wrongBlock, PcmFormat(3, 22050, 16),
                                PcmFormat(1, 22050, 24), PcmFormat(1, 99, 16)})
        EXPECT_EQ(Create(kStaticVolume, 400, &format), DSERR_BADFORMAT)
            << format.wFormatTag << " " << format.nChannels << " " << format.wBitsPerSample;

    // The primary buffer is described by its flags alone and takes formats the same way.
    WAVEFORMATEX output = PcmFormat(2, 44100, 16);
    EXPECT_EQ(Create(DSBCAPS_PRIMARYBUFFER, 0, &output), DSERR_INVALIDPARAM);
    ASSERT_EQ(Create(DSBCAPS_PRIMARYBUFFER, 0, nullptr), DS_OK);
    EXPECT_EQ(kept_.back()->SetFormat(&output), DS_OK);
    EXPECT_EQ(kept_.back()->SetFormat(&wrongBlock), DSERR_BADFORMAT);
    EXPECT_EQ(Create(kStaticVolume, 0, &output), DSERR_INVALIDPARAM);
}

TEST_F(DirectSoundBufferTest, StatusAndPositionFollowTheProgramClock) {
    IDirectSoundBuffer* once = OneSecond();
    IDirectSoundBuffer* looped = OneSecond();
    EXPECT_EQ(Status(once), 0u);
    ASSERT_EQ(once->Play(0, 0, 0), DS_OK);
    ASSERT_EQ(looped->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    EXPECT_EQ(Status(once), DWORD(DSBSTATUS_PLAYING));
    EXPECT_EQ(Status(looped), DWORD(DSBSTATUS_PLAYING | DSBSTATUS_LOOPING)); // 5

    platform::AdvanceClock(250);
    ASSERT_EQ(once->Stop(), DS_OK); // keeps its position
    EXPECT_EQ(PlayPosition(once), 5512u * 2);
    platform::AdvanceClock(5000);
    ASSERT_EQ(once->Play(0, 0, 0), DS_OK); // goes on from there
    platform::AdvanceClock(750);
    EXPECT_EQ(Status(once), DWORD(DSBSTATUS_PLAYING));
    platform::AdvanceClock(1);
    EXPECT_EQ(Status(once), 0u);
    EXPECT_EQ(PlayPosition(once), 0u); // played to its end: back at the start

    platform::AdvanceClock(3600000);
    EXPECT_EQ(Status(looped), 5u);
    EXPECT_LT(PlayPosition(looped), 44100u);
}

TEST_F(DirectSoundBufferTest, VolumeIsInHundredthsOfADecibel) {
    IDirectSoundBuffer* plain = OneSecond(DSBCAPS_STATIC);
    EXPECT_EQ(plain->SetVolume(-100), DSERR_CONTROLUNAVAIL);
    IDirectSoundBuffer* buffer = OneSecond();
    LONG volume = 1;
    EXPECT_EQ(buffer->SetVolume(-600), DS_OK);
    EXPECT_EQ(buffer->SetVolume(1), DSERR_INVALIDPARAM);
    EXPECT_EQ(buffer->SetVolume(-10001), DSERR_INVALIDPARAM);
    EXPECT_EQ(buffer->GetVolume(&volume), DS_OK);
    EXPECT_EQ(volume, -600);
}

TEST_F(DirectSoundBufferTest, LostBufferHasNoSamplesUntilRestoredAndRefilled) {
    IDirectSoundBuffer* buffer = OneSecond();
    ASSERT_TRUE(platform::faults::Apply("fail Play 0x88780096 1"));
    EXPECT_EQ(buffer->Play(0, 0, 0), DSERR_BUFFERLOST);
    EXPECT_EQ(Status(buffer), DWORD(DSBSTATUS_BUFFERLOST));
    EXPECT_EQ(buffer->Play(0, 0, 0), DSERR_BUFFERLOST);
    LPVOID part = nullptr;
    DWORD bytes = 0;
    EXPECT_EQ(buffer->Lock(0, 0, &part, &bytes, nullptr, nullptr, DSBLOCK_ENTIREBUFFER),
              DSERR_BUFFERLOST);

    ASSERT_EQ(buffer->Restore(), DS_OK);
    ASSERT_EQ(buffer->Play(0, 0, 0), DS_OK);
    EXPECT_EQ(MeanLevel(Mix(1, 100), 0, 0, 100), 0.0); // the samples went with the loss
}

} // namespace
