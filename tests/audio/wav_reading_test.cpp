// Reading recordings without the fatal report, from memory: every cut of a
// file answers a message or the whole data, and the format record is filled
// only as far as the file gives it.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "audio/wav_builder.h"
#include "audio/wav_reading.h"

namespace {

using namespace wavtest;

struct ReadResult {
    const char* failure = nullptr;
    WAVEFORMATEX format{};
    Bytes data;
    bool allocated = false;
};

ReadResult Read(const Bytes& bytes, WAVEFORMATEX before = {}) {
    Bytes copy = bytes; // the reader may only see these bytes
    MMIOINFO info{};
    info.fccIOProc = FOURCC_MEM;
    info.pchBuffer = reinterpret_cast<HPSTR>(copy.data());
    info.cchBuffer = LONG(copy.size());
    HMMIO file = mmioOpenA(nullptr, &info, MMIO_READ);
    EXPECT_NE(file, nullptr);
    ReadResult result;
    result.format = before;
    BYTE* data = nullptr;
    DWORD size = 0;
    result.failure = ReadWave(file, result.format, data, size);
    mmioClose(file, 0);
    result.allocated = data != nullptr;
    if (!result.failure)
        result.data.assign(data, data + size);
    delete[] data;
    return result;
}

TEST(WavReadingTest, EveryCutOfAFileAnswersAMessageOrTheWholeData) {
    Bytes samples;
    for (int i = 0; i < 301; ++i)
        samples.push_back(uint8_t(i * 7));
    const Bytes file = Riff("WAVE", {Chunk("fmt ", FormatBody(1, 1, 8000, 8)),
                                     Chunk("LIST", Bytes(9, 'x')), Chunk("data", samples)});
    for (size_t length = 0; length <= file.size(); ++length) {
        ReadResult result = Read(Bytes(file.begin(), file.begin() + length));
        const std::string failure = result.failure ? result.failure : "";
        if (length < 20) // within the RIFF header, or no "fmt " header yet
            EXPECT_TRUE(failure == "File not .WAV type" ||
                        failure == "Unable to locate wave format")
                << length;
        else if (length < 36)
            EXPECT_EQ(failure, "Number of bytes read does not match the expected number.")
                << length;
        else if (length < 36 + 18 + 8)
            EXPECT_EQ(failure, "Unable to locate DATA chunk.") << length;
        else if (length < file.size() - 1) // the pad byte after the samples is not needed
            EXPECT_EQ(failure, "Amount of data does not equal expected amount.") << length;
        else
            EXPECT_EQ(result.data, samples) << length;
        if (length < file.size() - 1) {
            EXPECT_FALSE(result.allocated)
                << "nothing is allocated past the end, cut at " << length;
        }
    }
}

TEST(WavReadingTest, FormatRecordIsFilledOnlyFromTheFile) {
    WAVEFORMATEX before{};
    before.cbSize = 22;
    before.nChannels = 7;
    // A plain 16-byte record leaves the extra size as it was.
    ReadResult plain = Read(PcmWav(2, 44100, 16, Bytes(8, 0)), before);
    ASSERT_EQ(plain.failure, nullptr);
    EXPECT_EQ(plain.format.nChannels, 2);
    EXPECT_EQ(plain.format.nAvgBytesPerSec, 176400u);
    EXPECT_EQ(plain.format.cbSize, 22);

    // A longer record gives its first 18 bytes and no more.
    Bytes extended = Joined({FormatBody(0xFFFE, 2, 48000, 16), Bytes{22, 0}, Bytes(22, 0xEE)});
    ReadResult longer = Read(Riff("WAVE", {Chunk("fmt ", extended), Chunk("data", Bytes(4, 0))}));
    ASSERT_EQ(longer.failure, nullptr);
    EXPECT_EQ(longer.format.wFormatTag, 0xFFFE);
    EXPECT_EQ(longer.format.cbSize, 22);

    // A short record leaves what it lacks at zero, not at the last file's values.
    const Bytes body = FormatBody(1, 1, 22050, 16);
    const Bytes shortBody(body.begin(), body.begin() + 6);
    ReadResult shorter =
        Read(Riff("WAVE", {Chunk("fmt ", shortBody), Chunk("data", Bytes(4, 0))}), before);
    ASSERT_EQ(shorter.failure, nullptr);
    EXPECT_EQ(shorter.format.nChannels, 1);
    EXPECT_EQ(shorter.format.nBlockAlign, 0);
    EXPECT_EQ(shorter.format.wBitsPerSample, 0);
    EXPECT_EQ(shorter.format.nSamplesPerSec, 22050u);
}

} // namespace
