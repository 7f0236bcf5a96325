#include "dsound_fixture.h"

#include <cstring>

#include "ddraw_fixture.h"
#include "platform/dsound_testing.h"
#include "platform/faults.h"
#include "platform/mmsystem.h"

namespace vbtest {

WAVEFORMATEX PcmFormat(WORD channels, DWORD rate, WORD bits) {
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = channels;
    format.nSamplesPerSec = rate;
    format.nBlockAlign = WORD(channels * bits / 8);
    format.nAvgBytesPerSec = rate * format.nBlockAlign;
    format.wBitsPerSample = bits;
    return format;
}

double MeanLevel(const std::vector<int16_t>& stereo, int channel, size_t from, size_t to) {
    double sum = 0;
    for (size_t frame = from; frame < to; ++frame)
        sum += stereo.at(2 * frame + channel);
    return to > from ? sum / double(to - from) : 0.0;
}

void DirectSoundTest::SetUp() {
    StartHeadlessHostOnce();
    platform::faults::Reset();
    ASSERT_EQ(DirectSoundCreate(nullptr, &directSound_, nullptr), DS_OK);
    ASSERT_EQ(directSound_->SetCooperativeLevel(TestWindow(), DSSCL_EXCLUSIVE), DS_OK);
}

void DirectSoundTest::TearDown() {
    for (IDirectSoundBuffer* buffer : kept_)
        buffer->Release();
    if (directSound_)
        directSound_->Release();
    platform::faults::Reset();
    EXPECT_EQ(platform::testhooks::LiveSoundBufferCount(), 0);
    EXPECT_EQ(platform::testhooks::LiveDirectSoundCount(), 0);
}

IDirectSoundBuffer* DirectSoundTest::Buffer(const WAVEFORMATEX& format,
                                            const wavtest::Bytes& samples, DWORD flags) {
    WAVEFORMATEX copy = format;
    DSBUFFERDESC description{};
    description.dwSize = sizeof description;
    description.dwFlags = flags;
    description.dwBufferBytes = DWORD(samples.size());
    description.lpwfxFormat = &copy;
    IDirectSoundBuffer* buffer = nullptr;
    EXPECT_EQ(directSound_->CreateSoundBuffer(&description, &buffer, nullptr), DS_OK);
    if (!buffer)
        return nullptr;
    kept_.push_back(buffer);
    LPVOID part = nullptr;
    DWORD bytes = 0;
    EXPECT_EQ(buffer->Lock(0, 0, &part, &bytes, nullptr, nullptr, DSBLOCK_ENTIREBUFFER), DS_OK);
    EXPECT_EQ(bytes, samples.size());
    std::memcpy(part, samples.data(), bytes);
    EXPECT_EQ(buffer->Unlock(part, bytes, nullptr, 0), DS_OK);
    return buffer;
}

std::vector<int16_t> DirectSoundTest::Mix(int offsetMs, size_t frames) {
    return platform::testhooks::MixSound(timeGetTime() + DWORD(offsetMs), frames);
}

DWORD DirectSoundTest::Status(IDirectSoundBuffer* buffer) {
    DWORD status = 0xFFFF;
    EXPECT_EQ(buffer->GetStatus(&status), DS_OK);
    return status;
}

} // namespace vbtest
