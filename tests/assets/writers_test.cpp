// The file writers on their own: bitmaps round-trip through a strict reader in
// whichever encoding is smaller, and recordings carry matching chunk sizes.
#include "bmp_writer.h"
#include "file_checks.h"
#include "png_reader.h"
#include "png_writer.h"
#include "synth.h"
#include "wav.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

namespace {

using vocassets::Colour;

std::vector<std::uint8_t> Indices(int w, int h, auto pattern) {
    std::vector<std::uint8_t> out;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            out.push_back(static_cast<std::uint8_t>(pattern(x, y)));
        }
    }
    return out;
}

vbtest::Bitmap RoundTrip(int w, int h, const std::vector<std::uint8_t>& indices, bool& rle) {
    auto encoded = vocassets::EncodeBmp(w, h, indices, vocassets::PackPalette(true));
    rle = encoded.runLength;
    vbtest::Bitmap bmp;
    EXPECT_EQ(vbtest::ParseBitmap(encoded.bytes, bmp), "");
    return bmp;
}

TEST(BmpWriter, PicksTheSmallerEncodingAndRoundTrips) {
    struct Case {
        int w, h;
        std::vector<std::uint8_t> indices;
        bool expectRle;
    };
    vocassets::Noise noise(5);
    std::vector<Case> cases = {
        // Flat areas and long runs past 255 pixels: run-length.
        {640, 4, Indices(640, 4, [](int x, int) { return x < 300 ? 0 : 17; }), true},
        // A run, then an odd stretch of differing pixels, then pairs; odd width.
        {41, 6, Indices(41, 6, [](int x, int y) { return x < 20   ? 5
                                                         : x < 33 ? x + y
                                                                  : x / 2; }),
         true},
        // Tiny pictures: the run-length marks cost more than the plain rows.
        {3, 3, Indices(3, 3, [](int, int) { return 4; }), false},
        // Noise does not compress: plain rows padded to four bytes.
        {13, 11, Indices(13, 11, [&](int, int) { return int(noise.Next() * 120 + 121); }), false},
    };
    for (const Case& c : cases) {
        bool rle = false;
        vbtest::Bitmap bmp = RoundTrip(c.w, c.h, c.indices, rle);
        EXPECT_EQ(rle, c.expectRle) << c.w << "x" << c.h;
        EXPECT_EQ(bmp.compression, rle ? 1u : 0u);
        EXPECT_EQ(bmp.width, c.w);
        EXPECT_EQ(bmp.height, c.h);
        EXPECT_EQ(bmp.pixels, c.indices) << c.w << "x" << c.h;
    }
}

TEST(BmpWriter, OnlyTheKeyEntryLooksLikeTheKey) {
    auto keyed = vocassets::PackPalette(true);
    auto unkeyed = vocassets::PackPalette(false);
    EXPECT_TRUE(vbtest::IsKey(keyed[0]));
    EXPECT_FALSE(vbtest::LooksLikeKey(unkeyed[0]));
    for (int i = 1; i < 256; ++i) {
        EXPECT_FALSE(vbtest::LooksLikeKey(keyed[i])) << i;
        EXPECT_EQ(keyed[i], unkeyed[i]) << i;
    }
    // A drawn green is never taken for the key; only the key itself is.
    vocassets::Canvas canvas(3, 1, vocassets::kKey);
    canvas.Set(1, 0, 0x02FD03);
    canvas.Set(2, 0, 0x00FF00);
    auto mapped = vocassets::MapToPalette(canvas, true);
    EXPECT_EQ(mapped[0], 0);
    EXPECT_NE(mapped[1], 0);
    EXPECT_EQ(mapped[2], 0);
    auto opaque = vocassets::MapToPalette(canvas, false);
    for (std::uint8_t index : opaque) {
        EXPECT_NE(index, 0);
        EXPECT_FALSE(vbtest::LooksLikeKey(unkeyed[index]));
    }
}

TEST(PngReader, ReadsBackWhatTheWriterWroteAndRefusesACutFile) {
    vocassets::Canvas canvas(37, 21, 0x336699);
    for (int i = 0; i < 21; ++i) {
        canvas.Set(i, i, 0xFF0000 + i);
        canvas.Set(36 - i, i, 0x00FF00 + i * 256);
    }
    vbtest::TempDir dir;
    std::string path = dir.Path() + "/page.png";
    ASSERT_TRUE(vocassets::WritePng(canvas, path));
    std::optional<vocassets::Canvas> back = vocassets::ReadPng(path);
    ASSERT_TRUE(back.has_value());
    ASSERT_EQ(back->Width(), 37);
    ASSERT_EQ(back->Height(), 21);
    EXPECT_EQ(back->Pixels(), canvas.Pixels());

    std::vector<std::uint8_t> bytes = vocassets::EncodePng(canvas);
    for (std::size_t cut : {std::size_t(7), std::size_t(40), bytes.size() - 20}) {
        std::ofstream(path, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(cut));
        EXPECT_FALSE(vocassets::ReadPng(path).has_value()) << cut;
    }
    EXPECT_FALSE(vocassets::ReadPng(dir.Path() + "/none.png").has_value());
}

TEST(WavWriter, ChunkSizesMatchTheSamples) {
    for (std::size_t count : {1u, 2u, 22050u}) {
        vocassets::Samples samples(count, 0.25f);
        vbtest::Recording wav;
        ASSERT_EQ(vbtest::ParseRecording(vocassets::EncodeWav(samples), wav), "") << count;
        ASSERT_EQ(wav.samples.size(), count);
        EXPECT_EQ(wav.samples[0], std::lround(0.25 * 32767));
    }
}

TEST(WavReader, ReadsAStreamWhoseSizesWereNeverFilledIn) {
    vocassets::Samples samples = {0.5f, -0.5f, 0.25f};
    std::vector<std::uint8_t> bytes = vocassets::EncodeWav(samples);
    // As a program writing to a pipe leaves them.
    for (std::size_t at : {4u, 40u}) {
        bytes[at] = bytes[at + 1] = bytes[at + 2] = bytes[at + 3] = 0xFF;
    }
    auto audio = vocassets::DecodeWav(bytes);
    ASSERT_TRUE(audio.has_value());
    EXPECT_EQ(audio->sampleRate, 22050);
    ASSERT_EQ(audio->samples.size(), 3u);
    EXPECT_NEAR(audio->samples[1], -0.5f, 1e-4);
    EXPECT_FALSE(vocassets::DecodeWav({'R', 'I', 'F', 'F'}).has_value());
}

double LoudRms(const vocassets::Samples& s) {
    double sum = 0.0;
    for (float v : s) {
        sum += double(v) * v;
    }
    return std::sqrt(sum / double(s.size()));
}

TEST(Loudness, QuietAndLoudRecordingsEndUpAlike) {
    vocassets::Samples quiet;
    vocassets::Samples loud;
    vocassets::AddTone(quiet, {0, 1.0, 300, 300, vocassets::Wave::Sine, 0.02, {}});
    vocassets::AddTone(loud, {0, 1.0, 300, 300, vocassets::Wave::Square, 0.9, {}});
    vocassets::Normalise(quiet);
    vocassets::Normalise(loud);
    EXPECT_NEAR(LoudRms(quiet), LoudRms(loud), 0.01);
    for (const auto& s : {quiet, loud}) {
        for (float v : s) {
            ASSERT_LT(std::abs(v), 0.9f);
        }
    }
}

TEST(Loudness, SilenceIsTrimmedToAShortMargin) {
    vocassets::Samples s = vocassets::Silence(1.0);
    vocassets::AddTone(s, {0.5, 0.2, 440, 440, vocassets::Wave::Sine, 0.5, {}});
    s.resize(s.size() + 22050, 0.0f);
    vocassets::TrimSilence(s, 0.04);
    EXPECT_NEAR(double(s.size()) / 22050, 0.2 + 0.08, 0.02);
}

TEST(Loops, TheLoopsTailLeadsIntoItsHead) {
    // A rising ramp would jump back at the loop point; the loop blends it away.
    vocassets::Samples ramp;
    for (int i = 0; i < 22050 * 2; ++i) {
        ramp.push_back(float(i) / (22050 * 2));
    }
    vocassets::Samples loop = vocassets::MakeLoop(ramp, 1.5, 0.25);
    ASSERT_EQ(loop.size(), std::size_t(22050 * 1.5));
    double largestStep = 0.0;
    for (std::size_t i = 1; i < loop.size(); ++i) {
        largestStep = std::max(largestStep, double(std::abs(loop[i] - loop[i - 1])));
    }
    EXPECT_LE(std::abs(loop.front() - loop.back()), largestStep * 1.01);
}

} // namespace
