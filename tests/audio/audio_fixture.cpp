#include "audio_fixture.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/ddraw_fixture.h"
#include "platform/dsound_testing.h"
#include "platform/faults.h"
#include "platform/host.h"
#include "platform/mmsystem.h"
#include "shell/globals.h"

namespace audiotest {

void AudioTest::SetUp() {
    vbtest::StartHeadlessHostOnce();
    platform::faults::Reset();
    char pattern[] = "/tmp/vbXXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    std::filesystem::create_directory(dir_ + "/Wav");
    std::snprintf(wavPath, sizeof wavPath, "%s\\Wav\\", dir_.c_str());
    sound.SetWindow(vbtest::TestWindow());
    sound.Init();
}

void AudioTest::TearDown() {
    sound.ReleaseAll();
    platform::faults::Reset();
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
    EXPECT_EQ(platform::testhooks::LiveSoundBufferCount(), 0);
    EXPECT_EQ(platform::testhooks::LiveDirectSoundCount(), 0);
}

void AudioTest::AddRecording(const std::string& name, const wavtest::Bytes& bytes) {
    std::ofstream(dir_ + "/Wav/" + name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

double AudioTest::Level(int fromMs, int ms) {
    const size_t frames = size_t(platform::testhooks::SoundMixRate()) * ms / 1000;
    std::vector<int16_t> mixed = platform::testhooks::MixSound(timeGetTime() + fromMs, frames);
    double sum = 0;
    for (size_t frame = 0; frame < frames; ++frame)
        sum += mixed[2 * frame];
    return sum / double(frames);
}

LONG AudioTest::Volume(const SoundChannel& channel) {
    LONG volume = 1;
    EXPECT_NE(channel.GetBuffer(), nullptr);
    if (channel.GetBuffer()) {
        EXPECT_EQ(channel.GetBuffer()->GetVolume(&volume), DS_OK);
    }
    return volume;
}

void AudioTest::Advance(int ms) {
    for (; ms >= 16; ms -= 16)
        platform::AdvanceClock(16);
    platform::AdvanceClock(uint32_t(ms));
}

} // namespace audiotest
