// Every recording of the generated pack loads through the game's own WAV
// loading into a buffer DirectSound takes, and plays.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "audio_fixture.h"
#include "shell/globals.h"

namespace {

class AssetPackRecordings : public audiotest::AudioTest {};

TEST_F(AssetPackRecordings, EveryRecordingLoadsThroughTheGamesWavLoading) {
    const std::string wav = std::string(VOCABULOON_ASSETS) + "/Wav";
    std::snprintf(wavPath, sizeof wavPath, "%s\\", wav.c_str());
    int loaded = 0;
    for (const auto& entry : std::filesystem::directory_iterator(wav)) {
        const std::string name = entry.path().filename().string();
        sound.voice.LoadAndPlay(name.c_str());
        EXPECT_TRUE(sound.voice.IsPlaying()) << name;
        WAVEFORMATEX format{};
        ASSERT_EQ(sound.voice.GetBuffer()->GetFormat(&format, sizeof format, nullptr), DS_OK);
        EXPECT_EQ(format.wFormatTag, WAVE_FORMAT_PCM) << name;
        ++loaded;
    }
    EXPECT_GT(loaded, 300);
}

} // namespace
