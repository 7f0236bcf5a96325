// The pack's one recording format (PCM, mono, 22,050 Hz, 16 bits), the file
// layout, and the loudness every recording is brought to.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vocassets {

inline constexpr int kSampleRate = 22050;

using Samples = std::vector<float>; // -1..1 at kSampleRate

// RIFF "WAVE" with a 16-byte "fmt " chunk and a "data" chunk whose sizes match.
std::vector<std::uint8_t> EncodeWav(const Samples& samples);

struct PcmAudio {
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0;
    Samples samples; // the first channel
};

// Reads a 16-bit PCM RIFF WAVE, trusting the chunk sizes only as far as the
// bytes go (a stream written to a pipe may leave them unset).
std::optional<PcmAudio> DecodeWav(const std::vector<std::uint8_t>& bytes);

// Brings the recording to the pack's loudness: the loud part's RMS to one
// target, with the peaks kept below full scale.
void Normalise(Samples& samples);

// Removes leading and trailing near-silence, keeping a short margin.
void TrimSilence(Samples& samples, double marginSeconds = 0.04);

// Linear resampling to kSampleRate.
Samples Resample(const Samples& in, int fromRate);

} // namespace vocassets
