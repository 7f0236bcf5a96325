// The DirectSound stand-in's objects: what they accept, the status and
// position a buffer reports as the program's clock moves, locking, controls
// and lost buffers.
#include <gtest/gtest.h>

#include "ddraw_fixture.h"
#include "dsound_fixture.h"
#include "platform/dsound_testing.h"
#include "platform/faults.h"
#include "platform/host.h"
#include "platform/mmsystem.h"

namespace {

using namespace vbtest;
using wavtest::Constant16;

constexpr DWORD kStaticVolume = DSBCAPS_STATIC | DSBCAPS_CTRLVOLUME;

class DirectSoundBufferTest : public DirectSoundTest {
  protected:
    HRESULT Create(DWORD flags, DWORD bytes, WAVEFORMATEX* format,
                   IDirectSoundBuffer** buffer = nullptr) {
        DSBUFFERDESC description{};
        description.dwSize = sizeof description;
        description.dwFlags = flags;
        description.dwBufferBytes = bytes;
        description.lpwfxFormat = format;
        IDirectSoundBuffer* made = nullptr;
        HRESULT result = directSound_->CreateSoundBuffer(&description, &made, nullptr);
        if (made && !buffer)
            made->Release();
        if (buffer)
            *buffer = made;
        return result;
    }

    // One second of mono 16-bit at 22,050 Hz.
    IDirectSoundBuffer* OneSecond(DWORD flags = kStaticVolume) {
        return Buffer(PcmFormat(1, 22050, 16), Constant16(22050, 1000, 1000, 1), flags);
    }

    DWORD PlayPosition(IDirectSoundBuffer* buffer) {
        DWORD play = 0, write = 0;
        EXPECT_EQ(buffer->GetCurrentPosition(&play, &write), DS_OK);
        return play;
    }
};

TEST_F(DirectSoundBufferTest, CreationArgumentsAreChecked) {
    WAVEFORMATEX format = PcmFormat(1, 22050, 16);
    IDirectSound* other = nullptr;
    EXPECT_EQ(DirectSoundCreate(nullptr, nullptr, nullptr), DSERR_INVALIDPARAM);
    EXPECT_EQ(DirectSoundCreate(nullptr, &other, directSound_), DSERR_NOAGGREGATION);
    GUID device{1, 2, 3, {4}};
    EXPECT_EQ(DirectSoundCreate(&device, &other, nullptr), DSERR_NODRIVER);
    EXPECT_EQ(other, nullptr);
    EXPECT_EQ(directSound_->SetCooperativeLevel(nullptr, DSSCL_EXCLUSIVE), DSERR_INVALIDPARAM);
    EXPECT_EQ(directSound_->SetCooperativeLevel(TestWindow(), 9), DSERR_INVALIDPARAM);

    EXPECT_EQ(Create(DSBCAPS_PRIMARYBUFFER, 0, nullptr), DS_OK);
    EXPECT_EQ(Create(DSBCAPS_PRIMARYBUFFER, 4, nullptr), DSERR_INVALIDPARAM);
    EXPECT_EQ(Create(DSBCAPS_PRIMARYBUFFER, 0, &format), DSERR_INVALIDPARAM);
    EXPECT_EQ(Create(kStaticVolume, 100, nullptr), DSERR_INVALIDPARAM);
    EXPECT_EQ(Create(kStaticVolume, 0, &format), DSERR_INVALIDPARAM);
    EXPECT_EQ(Create(kStaticVolume, DSBSIZE_MAX + 1u, &format), DSERR_INVALIDPARAM);
    EXPECT_EQ(Create(kStaticVolume, 1, &format), DS_OK); // less than one frame: plays nothing

    DSBUFFERDESC wrongSize{};
    wrongSize.dwSize = 20;
    wrongSize.dwBufferBytes = 100;
    wrongSize.lpwfxFormat = &format;
    IDirectSoundBuffer* buffer = nullptr;
    EXPECT_EQ(directSound_->CreateSoundBuffer(&wrongSize, &buffer, nullptr), DSERR_INVALIDPARAM);
    EXPECT_EQ(directSound_->CreateSoundBuffer(nullptr, &buffer, nullptr), DSERR_INVALIDPARAM);
}

TEST_F(DirectSoundBufferTest, OnlyPlainPcmOfOneOrTwoChannelsIsTaken) {
    for (WAVEFORMATEX format : {PcmFormat(1, 22050, 16), PcmFormat(2, 44100, 16),
                                PcmFormat(1, 8000, 8), PcmFormat(2, 11025, 8),
                                PcmFormat(1, 100, 16), PcmFormat(1, 100000, 16)})
        EXPECT_EQ(Create(kStaticVolume, 400, &format), DS_OK)
            << format.nChannels << " channels, " << format.nSamplesPerSec << " Hz";

    struct Refused {
        const char* what;
        WAVEFORMATEX format;
    };
    WAVEFORMATEX compressed = PcmFormat(1, 22050, 4);
    compressed.wFormatTag = 2;
    WAVEFORMATEX noChannels = PcmFormat(1, 22050, 16);
    noChannels.nChannels = 0;
    WAVEFORMATEX wrongBlock = PcmFormat(2, 22050, 16);
    wrongBlock.nBlockAlign = 2;
    WAVEFORMATEX extensible = PcmFormat(2, 44100, 16);
    extensible.wFormatTag = 0xFFFE;
    const Refused refused[] = {
        {"compressed", compressed},          {"no channels", noChannels},
        {"block size", wrongBlock},          {"extensible", extensible},
        {"three channels", PcmFormat(3, 22050, 16)}, {"24 bits", PcmFormat(1, 22050, 24)},
        {"12 bits", PcmFormat(1, 22050, 12)}, {"too slow", PcmFormat(1, 99, 16)},
        {"too fast", PcmFormat(1, 100001, 16)}, {"zero rate", PcmFormat(1, 0, 16)},
    };
    for (Refused item : refused)
        EXPECT_EQ(Create(kStaticVolume, 400, &item.format), DSERR_BADFORMAT) << item.what;
}

TEST_F(DirectSoundBufferTest, PrimaryBufferOnlyCarriesTheOutputFormat) {
    IDirectSoundBuffer* primary = nullptr;
    ASSERT_EQ(Create(DSBCAPS_PRIMARYBUFFER, 0, nullptr, &primary), DS_OK);
    kept_.push_back(primary);
    WAVEFORMATEX format = PcmFormat(2, 44100, 16);
    EXPECT_EQ(primary->SetFormat(&format), DS_OK);
    WAVEFORMATEX answered{};
    DWORD written = 0;
    EXPECT_EQ(primary->GetFormat(&answered, sizeof answered, &written), DS_OK);
    EXPECT_EQ(written, sizeof(WAVEFORMATEX));
    EXPECT_EQ(answered.nSamplesPerSec, 44100u);
    EXPECT_EQ(answered.nChannels, 2);

    WAVEFORMATEX bad = PcmFormat(2, 44100, 16);
    bad.nBlockAlign = 3;
    EXPECT_EQ(primary->SetFormat(&bad), DSERR_BADFORMAT);
    LPVOID part = nullptr;
    DWORD bytes = 0;
    EXPECT_EQ(primary->Lock(0, 0, &part, &bytes, nullptr, nullptr, DSBLOCK_ENTIREBUFFER),
              DSERR_PRIOLEVELNEEDED);
    ASSERT_EQ(directSound_->SetCooperativeLevel(TestWindow(), DSSCL_NORMAL), DS_OK);
    EXPECT_EQ(primary->SetFormat(&format), DSERR_PRIOLEVELNEEDED);

    IDirectSoundBuffer* secondary = OneSecond();
    EXPECT_EQ(secondary->SetFormat(&format), DSERR_INVALIDCALL);
}

TEST_F(DirectSoundBufferTest, StatusFollowsTheProgramClock) {
    IDirectSoundBuffer* once = OneSecond();
    IDirectSoundBuffer* looped = OneSecond();
    EXPECT_EQ(Status(once), 0u);
    ASSERT_EQ(once->Play(0, 0, 0), DS_OK);
    ASSERT_EQ(looped->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    EXPECT_EQ(Status(once), DWORD(DSBSTATUS_PLAYING));
    EXPECT_EQ(Status(looped), DWORD(DSBSTATUS_PLAYING | DSBSTATUS_LOOPING));

    platform::AdvanceClock(999);
    EXPECT_EQ(Status(once), DWORD(DSBSTATUS_PLAYING));
    platform::AdvanceClock(1);
    EXPECT_EQ(Status(once), 0u);
    EXPECT_EQ(PlayPosition(once), 0u); // played to its end: back at the start

    platform::AdvanceClock(60000);
    EXPECT_EQ(Status(looped), 5u);
    EXPECT_LT(PlayPosition(looped), 44100u);
    ASSERT_EQ(looped->Stop(), DS_OK);
    EXPECT_EQ(Status(looped), 0u);
}

TEST_F(DirectSoundBufferTest, StopKeepsThePositionAndPlayGoesOnFromIt) {
    IDirectSoundBuffer* buffer = OneSecond();
    ASSERT_EQ(buffer->Play(0, 0, 0), DS_OK);
    platform::AdvanceClock(250);
    ASSERT_EQ(buffer->Stop(), DS_OK);
    EXPECT_EQ(PlayPosition(buffer), 22050u / 4 * 2);
    platform::AdvanceClock(5000);
    EXPECT_EQ(PlayPosition(buffer), 22050u / 4 * 2);

    ASSERT_EQ(buffer->Play(0, 0, 0), DS_OK);
    platform::AdvanceClock(749);
    EXPECT_EQ(Status(buffer), DWORD(DSBSTATUS_PLAYING));
    platform::AdvanceClock(2);
    EXPECT_EQ(Status(buffer), 0u);

    ASSERT_EQ(buffer->SetCurrentPosition(22050), DS_OK); // half way, in bytes
    ASSERT_EQ(buffer->Play(0, 0, 0), DS_OK);
    platform::AdvanceClock(501);
    EXPECT_EQ(Status(buffer), 0u);
    EXPECT_EQ(buffer->SetCurrentPosition(44100), DSERR_INVALIDPARAM);
    EXPECT_EQ(buffer->Play(1, 0, 0), DSERR_INVALIDPARAM);
}

TEST_F(DirectSoundBufferTest, FrequencyChangesHowFastThePositionMoves) {
    IDirectSoundBuffer* fixed = OneSecond();
    EXPECT_EQ(fixed->SetFrequency(44100), DSERR_CONTROLUNAVAIL);
    IDirectSoundBuffer* buffer = OneSecond(kStaticVolume | DSBCAPS_CTRLFREQUENCY);
    EXPECT_EQ(buffer->SetFrequency(50), DSERR_INVALIDPARAM);
    ASSERT_EQ(buffer->SetFrequency(44100), DS_OK);
    DWORD frequency = 0;
    EXPECT_EQ(buffer->GetFrequency(&frequency), DS_OK);
    EXPECT_EQ(frequency, 44100u);
    ASSERT_EQ(buffer->Play(0, 0, 0), DS_OK);
    platform::AdvanceClock(499);
    EXPECT_EQ(Status(buffer), DWORD(DSBSTATUS_PLAYING));
    platform::AdvanceClock(1);
    EXPECT_EQ(Status(buffer), 0u);
    ASSERT_EQ(buffer->SetFrequency(DSBFREQUENCY_ORIGINAL), DS_OK);
    EXPECT_EQ(buffer->GetFrequency(&frequency), DS_OK);
    EXPECT_EQ(frequency, 22050u);
}

TEST_F(DirectSoundBufferTest, VolumeIsAControlOfItsOwn) {
    IDirectSoundBuffer* plain = OneSecond(DSBCAPS_STATIC);
    LONG volume = 1;
    EXPECT_EQ(plain->SetVolume(-100), DSERR_CONTROLUNAVAIL);
    EXPECT_EQ(plain->GetVolume(&volume), DSERR_CONTROLUNAVAIL);

    IDirectSoundBuffer* buffer = OneSecond();
    EXPECT_EQ(buffer->GetVolume(&volume), DS_OK);
    EXPECT_EQ(volume, 0);
    EXPECT_EQ(buffer->SetVolume(-600), DS_OK);
    EXPECT_EQ(buffer->GetVolume(&volume), DS_OK);
    EXPECT_EQ(volume, -600);
    EXPECT_EQ(buffer->SetVolume(1), DSERR_INVALIDPARAM);
    EXPECT_EQ(buffer->SetVolume(-10001), DSERR_INVALIDPARAM);
    EXPECT_EQ(buffer->GetVolume(&volume), DS_OK);
    EXPECT_EQ(volume, -600);
}

TEST_F(DirectSoundBufferTest, LocksStayInsideTheBuffer) {
    IDirectSoundBuffer* buffer = Buffer(PcmFormat(1, 22050, 16), Constant16(50, 7, 7, 1));
    LPVOID part1 = nullptr, part2 = nullptr;
    DWORD bytes1 = 0, bytes2 = 0;
    ASSERT_EQ(buffer->Lock(80, 40, &part1, &bytes1, &part2, &bytes2, 0), DS_OK);
    EXPECT_EQ(bytes1, 20u); // the last 20 bytes, then 20 from the start
    EXPECT_EQ(bytes2, 20u);
    EXPECT_NE(part2, nullptr);
    EXPECT_EQ(buffer->Unlock(part1, bytes1, part2, bytes2), DS_OK);

    EXPECT_EQ(buffer->Lock(80, 40, &part1, &bytes1, nullptr, nullptr, 0), DSERR_INVALIDPARAM);
    EXPECT_EQ(buffer->Lock(100, 4, &part1, &bytes1, &part2, &bytes2, 0), DSERR_INVALIDPARAM);
    EXPECT_EQ(buffer->Lock(0, 101, &part1, &bytes1, &part2, &bytes2, 0), DSERR_INVALIDPARAM);
    EXPECT_EQ(buffer->Lock(0, 0, &part1, &bytes1, &part2, &bytes2, 0), DSERR_INVALIDPARAM);

    char elsewhere[8];
    EXPECT_EQ(buffer->Unlock(elsewhere, 8, nullptr, 0), DSERR_INVALIDPARAM);
    ASSERT_EQ(buffer->Lock(0, 0, &part1, &bytes1, nullptr, nullptr, DSBLOCK_ENTIREBUFFER), DS_OK);
    EXPECT_EQ(bytes1, 100u);
    EXPECT_EQ(buffer->Unlock(part1, bytes1 + 1, nullptr, 0), DSERR_INVALIDPARAM);
}

TEST_F(DirectSoundBufferTest, LostBufferHasNoSamplesUntilRestored) {
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
    EXPECT_EQ(Status(buffer), 0u);
    ASSERT_EQ(buffer->Play(0, 0, 0), DS_OK);
    EXPECT_EQ(MeanLevel(Mix(1, 100), 0, 0, 100), 0.0); // the samples went with the loss
}

TEST_F(DirectSoundBufferTest, FaultsReachTheirOwnCalls) {
    IDirectSoundBuffer* buffer = OneSecond();
    ASSERT_TRUE(platform::faults::Apply("fail IDirectSoundBuffer::Restore 0x80004005 1"));
    ASSERT_TRUE(platform::faults::Apply("fail IDirectSound::SetCooperativeLevel 0x887800A0 1"));
    ASSERT_TRUE(platform::faults::Apply("fail GetStatus 0x88780032 1"));
    EXPECT_EQ(buffer->Restore(), E_FAIL);
    EXPECT_EQ(directSound_->SetCooperativeLevel(TestWindow(), DSSCL_EXCLUSIVE),
              DSERR_OTHERAPPHASPRIO);
    DWORD status = 0;
    EXPECT_EQ(buffer->GetStatus(&status), DSERR_INVALIDCALL);
    EXPECT_EQ(buffer->Restore(), DS_OK);
}

TEST_F(DirectSoundBufferTest, DirectSoundLivesWhileItsBuffersDo) {
    IDirectSoundBuffer* buffer = OneSecond();
    kept_.clear();
    directSound_->Release();
    directSound_ = nullptr;
    EXPECT_EQ(platform::testhooks::LiveDirectSoundCount(), 1);
    EXPECT_EQ(platform::testhooks::LiveSoundBufferCount(), 1);
    ASSERT_EQ(buffer->Play(0, 0, 0), DS_OK);
    EXPECT_NE(MeanLevel(Mix(1, 10), 0, 0, 10), 0.0);
    buffer->Release();
}

} // namespace
