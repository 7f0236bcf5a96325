// Loading recordings onto a channel: the format and size a file gives its
// buffer, and the message each broken file ends the program with.
#include <gtest/gtest.h>

#include <string>

#include "audio_fixture.h"
#include "platform/faults.h"

namespace {

using audiotest::AudioTest;
using ::testing::ExitedWithCode;
using namespace wavtest;

class WavLoadingTest : public AudioTest {
  protected:
    WAVEFORMATEX LoadedFormat(const SoundChannel& channel) {
        WAVEFORMATEX format{};
        EXPECT_EQ(channel.GetBuffer()->GetFormat(&format, sizeof format, nullptr), DS_OK);
        return format;
    }
    DWORD LoadedBytes(const SoundChannel& channel) {
        LPVOID part = nullptr;
        DWORD bytes = 0;
        EXPECT_EQ(
            channel.GetBuffer()->Lock(0, 0, &part, &bytes, nullptr, nullptr, DSBLOCK_ENTIREBUFFER),
            DS_OK);
        channel.GetBuffer()->Unlock(part, bytes, nullptr, 0);
        return bytes;
    }
};

Bytes Samples(size_t bytes) {
    return Bytes(bytes, 0x11);
}

TEST_F(WavLoadingTest, BufferTakesTheFilesFormatAndSize) {
    AddRecording("stereo.wav", PcmWav(2, 22050, 16, Samples(8820)));
    sound.voice.Load("stereo.wav");
    WAVEFORMATEX format = LoadedFormat(sound.voice);
    EXPECT_EQ(format.nChannels, 2);
    EXPECT_EQ(format.nSamplesPerSec, 22050u);
    EXPECT_EQ(format.wBitsPerSample, 16);
    EXPECT_EQ(format.nBlockAlign, 4);
    EXPECT_EQ(LoadedBytes(sound.voice), 8820u);

    AddRecording("byte.wav", PcmWav(1, 8000, 8, Samples(801)));
    sound.music.Load("byte.wav");
    EXPECT_EQ(LoadedFormat(sound.music).wBitsPerSample, 8);
    EXPECT_EQ(LoadedBytes(sound.music), 801u);
}

TEST_F(WavLoadingTest, OtherChunksAndLongerFormatRecordsAreSkipped) {
    const Bytes format = FormatBody(1, 1, 11025, 16);
    AddRecording("list.wav",
                 Riff("WAVE", {Chunk("fmt ", format), Chunk("LIST", Bytes{'I', 'N', 'F', 'O', 1}),
                               Chunk("data", Samples(100))}));
    sound.voice.Load("list.wav");
    EXPECT_EQ(LoadedBytes(sound.voice), 100u);

    // 18 bytes with an extra size, and 22 (extra bytes beyond the record).
    AddRecording("fmt18.wav", Riff("WAVE", {Chunk("fmt ", Joined({format, Bytes{0, 0}})),
                                            Chunk("data", Samples(50))}));
    AddRecording("fmt22.wav",
                 Riff("WAVE", {Chunk("fact", Bytes(4, 9)),
                               Chunk("fmt ", Joined({format, Bytes{4, 0, 1, 2, 3, 4}})),
                               Chunk("data", Samples(60))}));
    sound.effects.Load("fmt18.wav");
    EXPECT_EQ(LoadedBytes(sound.effects), 50u);
    sound.effects.Load("fmt22.wav");
    EXPECT_EQ(LoadedBytes(sound.effects), 60u);
    EXPECT_EQ(LoadedFormat(sound.effects).nSamplesPerSec, 11025u);
}

struct BrokenFile {
    const char* what;
    Bytes bytes;
    const char* message;
};

TEST_F(WavLoadingTest, BrokenFilesEndTheProgramWithTheirStepsMessage) {
    const Bytes format = Chunk("fmt ", FormatBody(1, 1, 22050, 16));
    const Bytes whole = PcmWav(1, 22050, 16, Samples(400));
    const std::string text = "This is not a recording at all.\n";
    const BrokenFile files[] = {
        {"text", Bytes(text.begin(), text.end()), "File not .WAV type"},
        {"other form", Riff("AVI ", {format, Chunk("data", Samples(4))}), "File not .WAV type"},
        {"no format", Riff("WAVE", {Chunk("data", Samples(4))}), "Unable to locate wave format"},
        {"format cut short", Bytes(whole.begin(), whole.begin() + 30),
         "Number of bytes read does not match the expected number\\."},
        {"data before format", Riff("WAVE", {Chunk("data", Samples(4)), format}),
         "Unable to locate DATA chunk\\."},
        {"no data", Riff("WAVE", {format}), "Unable to locate DATA chunk\\."},
        {"format runs past the end",
         Riff("WAVE", {ChunkClaiming("fmt ", 4000, FormatBody(1, 1, 22050, 16)),
                       Chunk("data", Samples(4))}),
         "Unable to locate DATA chunk\\."},
        {"empty data", Riff("WAVE", {format, Chunk("data", {})}), "No data in the wave file\\."},
        {"truncated", Bytes(whole.begin(), whole.end() - 100),
         "Amount of data does not equal expected amount\\."},
        {"data claims 4 GB", Riff("WAVE", {format, ChunkClaiming("data", 0xFFFFFFF0u, Samples(8))}),
         "Amount of data does not equal expected amount\\."},
    };
    for (const BrokenFile& file : files) {
        AddRecording("broken.wav", file.bytes);
        EXPECT_EXIT(sound.voice.Load("broken.wav"), ExitedWithCode(1),
                    std::string("AudioInterface: ") + file.message + "\n")
            << file.what;
    }
}

TEST_F(WavLoadingTest, MissingOrUnreadableFilesCannotBeOpened) {
    EXPECT_EXIT(sound.effects.LoadAndPlay("missing.wav"), ExitedWithCode(1),
                "AudioInterface: Unable to open \\.WAV file\n");
    AddRecording("locked.wav", ConstantWav(100, 1));
    ASSERT_TRUE(platform::faults::Apply("unreadable locked.wav"));
    EXPECT_EXIT(sound.music.Load("locked.wav"), ExitedWithCode(1),
                "AudioInterface: Unable to open \\.WAV file\n");
}

TEST_F(WavLoadingTest, FormatsNoBufferTakesAreRefusedByDirectSound) {
    Bytes compressed = FormatBody(2, 1, 22050, 4, 256); // ADPCM
    Bytes noChannels = FormatBody(1, 0, 22050, 16, 2);
    Bytes wrongBlock = FormatBody(1, 2, 22050, 16, 2);
    Bytes waveFormat14 = Bytes(noChannels.begin(), noChannels.begin() + 14); // no bit count
    waveFormat14[2] = 1;
    for (const Bytes& body : {compressed, noChannels, wrongBlock, waveFormat14}) {
        AddRecording("odd.wav", Riff("WAVE", {Chunk("fmt ", body), Chunk("data", Samples(512))}));
        EXPECT_EXIT(sound.voice.LoadAndPlay("odd.wav"), ExitedWithCode(1),
                    "AudioInterface: DSERR_BADFORMAT\n");
    }
}

} // namespace
