// The mmio calls: opening files by Windows path and memory files, reading and
// seeking, and the RIFF chunk walk on honest and lying files.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "audio/wav_builder.h"
#include "platform/faults.h"
#include "platform/mmsystem.h"

namespace {

using wavtest::Bytes;
using wavtest::Chunk;
using wavtest::ChunkClaiming;
using wavtest::Riff;

constexpr FOURCC kWave = mmioFOURCC('W', 'A', 'V', 'E');
constexpr FOURCC kFormat = mmioFOURCC('f', 'm', 't', ' ');
constexpr FOURCC kData = mmioFOURCC('d', 'a', 't', 'a');

class MmioTest : public ::testing::Test {
  protected:
    void SetUp() override { platform::faults::Reset(); }
    void TearDown() override {
        if (file_)
            mmioClose(file_, 0);
        platform::faults::Reset();
    }

    HMMIO OpenMemory(const Bytes& bytes) {
        bytes_ = bytes;
        MMIOINFO info{};
        info.fccIOProc = FOURCC_MEM;
        info.pchBuffer = reinterpret_cast<HPSTR>(bytes_.data());
        info.cchBuffer = LONG(bytes_.size());
        file_ = mmioOpenA(nullptr, &info, MMIO_READ);
        EXPECT_NE(file_, nullptr);
        EXPECT_EQ(info.wErrorRet, 0u);
        return file_;
    }

    void Reopen() {
        mmioClose(file_, 0);
        file_ = nullptr;
    }

    MMRESULT Find(FOURCC id, const MMCKINFO* parent, MMCKINFO& chunk) {
        chunk = {};
        chunk.ckid = id;
        return mmioDescend(file_, &chunk, parent, MMIO_FINDCHUNK);
    }

    MMRESULT FindWave(MMCKINFO& riff) {
        riff = {};
        riff.fccType = kWave;
        return mmioDescend(file_, &riff, nullptr, MMIO_FINDRIFF);
    }

    Bytes bytes_;
    HMMIO file_ = nullptr;
};

TEST_F(MmioTest, ChunksAreFoundInsideTheirRiffPastOthersAndPadding) {
    // An odd-sized chunk (padded) and a LIST chunk lie before the data.
    OpenMemory(
        Riff("WAVE", {Chunk("fmt ", Bytes(16, 1)), Chunk("odd ", Bytes(3, 2)),
                      Chunk("LIST", Bytes{'I', 'N', 'F', 'O'}), Chunk("data", Bytes(6, 3))}));
    MMCKINFO riff, chunk;
    ASSERT_EQ(FindWave(riff), 0u);
    EXPECT_EQ(riff.ckid, FOURCC_RIFF);
    EXPECT_EQ(riff.dwDataOffset, 8u);
    EXPECT_EQ(mmioSeek(file_, 0, SEEK_CUR), 12); // past the form type

    ASSERT_EQ(Find(kFormat, &riff, chunk), 0u);
    EXPECT_EQ(chunk.cksize, 16u);
    EXPECT_EQ(chunk.dwDataOffset, 20u);
    char first[4] = {};
    EXPECT_EQ(mmioRead(file_, first, 4), 4);
    EXPECT_EQ(first[0], 1);
    ASSERT_EQ(mmioAscend(file_, &chunk, 0), 0u);
    EXPECT_EQ(mmioSeek(file_, 0, SEEK_CUR), 36);

    ASSERT_EQ(Find(kData, &riff, chunk), 0u);
    EXPECT_EQ(chunk.cksize, 6u);
    EXPECT_EQ(chunk.dwDataOffset, 36u + 12 + 12 + 8);
    char data[10] = {};
    EXPECT_EQ(mmioRead(file_, data, 10), 6); // the file ends there
    EXPECT_EQ(data[5], 3);
    EXPECT_EQ(mmioRead(file_, data, 10), 0);
}

TEST_F(MmioTest, SizesRunningPastTheEndOrTheParentFindNothing) {
    // The "fmt " chunk claims far more than the file holds, so "data" is out of reach.
    OpenMemory(Riff(
        "WAVE", {ChunkClaiming("fmt ", 0xFFFFFFF0u, Bytes(16, 0)), Chunk("data", Bytes(4, 0))}));
    MMCKINFO riff, chunk;
    ASSERT_EQ(FindWave(riff), 0u);
    ASSERT_EQ(Find(kFormat, &riff, chunk), 0u);
    EXPECT_EQ(chunk.cksize, 0xFFFFFFF0u);
    EXPECT_EQ(mmioAscend(file_, &chunk, 0), MMIOERR_CANNOTSEEK);
    ASSERT_EQ(mmioSeek(file_, 12, SEEK_SET), 12);
    EXPECT_EQ(Find(kData, &riff, chunk), MMIOERR_CHUNKNOTFOUND);

    // A header cut short is no chunk either.
    Reopen();
    OpenMemory(Bytes{'R', 'I', 'F', 'F', 4, 0});
    EXPECT_EQ(FindWave(riff), MMIOERR_CHUNKNOTFOUND);

    // The search stays inside the parent: this RIFF ends after its form type.
    Reopen();
    Bytes file = Riff("WAVE", {Chunk("fmt ", Bytes(16, 0))});
    file[4] = 4;
    file[5] = file[6] = file[7] = 0;
    OpenMemory(file);
    ASSERT_EQ(FindWave(riff), 0u);
    EXPECT_EQ(Find(kFormat, &riff, chunk), MMIOERR_CHUNKNOTFOUND);
    ASSERT_EQ(mmioSeek(file_, 12, SEEK_SET), 12);
    EXPECT_EQ(Find(kFormat, nullptr, chunk), 0u);
}

TEST_F(MmioTest, FilesOpenByWindowsPathReadOnly) {
    char pattern[] = "/tmp/vbXXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string dir = pattern;
    mkdir((dir + "/Wav").c_str(), 0755);
    const std::string path = dir + "/Wav/Hello.wav";
    FILE* out = std::fopen(path.c_str(), "wb");
    ASSERT_NE(out, nullptr);
    std::fputs("RIFF", out);
    std::fclose(out);

    std::string windowsPath = dir + "\\WAV\\hello.WAV";
    file_ = mmioOpenA(windowsPath.data(), nullptr, MMIO_ALLOCBUF);
    ASSERT_NE(file_, nullptr);
    char into[8] = {};
    EXPECT_EQ(mmioRead(file_, into, 8), 4);

    MMIOINFO info{};
    std::string missing = dir + "\\Wav\\missing.wav";
    EXPECT_EQ(mmioOpenA(missing.data(), &info, MMIO_READ), nullptr);
    EXPECT_EQ(info.wErrorRet, UINT(MMIOERR_FILENOTFOUND));
    ASSERT_TRUE(platform::faults::Apply("unreadable HELLO.wav"));
    EXPECT_EQ(mmioOpenA(windowsPath.data(), &info, MMIO_READ), nullptr);
    EXPECT_EQ(info.wErrorRet, UINT(MMIOERR_CANNOTOPEN));

    std::remove(path.c_str());
    rmdir((dir + "/Wav").c_str());
    rmdir(dir.c_str());
}

} // namespace
