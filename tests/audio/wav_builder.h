// Builds RIFF WAVE files byte by byte for the sound tests: well-formed ones,
// and ones whose chunks lie about their sizes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace wavtest {

using Bytes = std::vector<uint8_t>;

// A chunk: four-character id, the body's size (or claimedSize), the body and,
// when the body is odd, a pad byte.
Bytes Chunk(const std::string& id, const Bytes& body);
Bytes ChunkClaiming(const std::string& id, uint32_t claimedSize, const Bytes& body);
// "RIFF", the size of what follows, the form type and the chunks.
Bytes Riff(const std::string& form, const std::vector<Bytes>& chunks);

// The 16 bytes of a format record; blockAlign 0 stands for the one that matches.
Bytes FormatBody(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits,
                 uint16_t blockAlign = 0);

// Frames of one value per channel, 16-bit signed or 8-bit unsigned.
Bytes Constant16(size_t frames, int16_t left, int16_t right, int channels);
Bytes Constant8(size_t frames, uint8_t value);

// A whole PCM file.
Bytes PcmWav(uint16_t channels, uint32_t rate, uint16_t bits, const Bytes& samples);
// One second and a bit is plenty for most tests: mono 16-bit at 22,050 Hz of
// a constant level, lasting ms milliseconds.
Bytes ConstantWav(int ms, int16_t level, uint32_t rate = 22050);

Bytes Joined(const std::vector<Bytes>& parts);

} // namespace wavtest
