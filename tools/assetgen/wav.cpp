#include "wav.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace vocassets {
namespace {

constexpr double kTargetRms = 0.12; // about -18 dBFS for the loud part
constexpr double kPeakLimit = 0.89;

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

void PutTag(std::vector<std::uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(tag[i]));
    }
}

std::uint32_t Get32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t(b[at + 3]) << 24);
}

std::uint16_t Get16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

} // namespace

std::vector<std::uint8_t> EncodeWav(const Samples& samples) {
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    PutTag(out, "RIFF");
    Put32(out, 36 + dataBytes);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1); // PCM
    Put16(out, 1); // mono
    Put32(out, kSampleRate);
    Put32(out, kSampleRate * 2);
    Put16(out, 2);
    Put16(out, 16);
    PutTag(out, "data");
    Put32(out, dataBytes);
    for (float s : samples) {
        long v = std::lround(std::clamp(static_cast<double>(s), -1.0, 1.0) * 32767.0);
        Put16(out, static_cast<std::uint32_t>(static_cast<std::int16_t>(v)) & 0xFFFF);
    }
    return out;
}

std::optional<PcmAudio> DecodeWav(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
        std::memcmp(bytes.data() + 8, "WAVE", 4) != 0) {
        return std::nullopt;
    }
    PcmAudio audio;
    bool haveFormat = false;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        std::uint32_t size = Get32(bytes, at + 4);
        std::size_t body = at + 8;
        std::size_t available = bytes.size() - body;
        if (std::memcmp(bytes.data() + at, "fmt ", 4) == 0 && available >= 16) {
            if (Get16(bytes, body) != 1) {
                return std::nullopt;
            }
            audio.channels = Get16(bytes, body + 2);
            audio.sampleRate = static_cast<int>(Get32(bytes, body + 4));
            audio.bitsPerSample = Get16(bytes, body + 14);
            haveFormat = true;
        } else if (std::memcmp(bytes.data() + at, "data", 4) == 0 && haveFormat) {
            if (audio.bitsPerSample != 16 || audio.channels < 1) {
                return std::nullopt;
            }
            std::size_t length = std::min<std::size_t>(size, available);
            if (size == 0 || size == 0xFFFFFFFFu) {
                length = available; // an unset size: the samples run to the end
            }
            std::size_t frame = 2u * static_cast<std::size_t>(audio.channels);
            for (std::size_t i = 0; i + frame <= length; i += frame) {
                audio.samples.push_back(static_cast<std::int16_t>(Get16(bytes, body + i)) /
                                        32768.0f);
            }
            return audio;
        }
        if (size == 0xFFFFFFFFu) {
            break;
        }
        at = body + size + (size & 1u);
    }
    return std::nullopt;
}

void Normalise(Samples& samples) {
    if (samples.empty()) {
        return;
    }
    // The RMS of the louder half of 20 ms blocks, so pauses do not count.
    constexpr std::size_t kBlock = kSampleRate / 50;
    std::vector<double> blocks;
    for (std::size_t i = 0; i < samples.size(); i += kBlock) {
        double sum = 0.0;
        std::size_t end = std::min(samples.size(), i + kBlock);
        for (std::size_t j = i; j < end; ++j) {
            sum += double(samples[j]) * samples[j];
        }
        blocks.push_back(sum / double(end - i));
    }
    std::sort(blocks.begin(), blocks.end());
    double loud = 0.0;
    std::size_t from = blocks.size() / 2;
    for (std::size_t i = from; i < blocks.size(); ++i) {
        loud += blocks[i];
    }
    double rms = std::sqrt(loud / double(blocks.size() - from));
    double peak = 0.0;
    for (float s : samples) {
        peak = std::max(peak, std::abs(double(s)));
    }
    if (rms < 1e-6 || peak < 1e-6) {
        return;
    }
    double gain = std::min(kTargetRms / rms, kPeakLimit / peak);
    for (float& s : samples) {
        s = static_cast<float>(s * gain);
    }
}

void TrimSilence(Samples& samples, double marginSeconds) {
    constexpr float kQuiet = 0.01f;
    auto first =
        std::find_if(samples.begin(), samples.end(), [](float s) { return std::abs(s) > kQuiet; });
    if (first == samples.end()) {
        return;
    }
    auto last = std::find_if(samples.rbegin(), samples.rend(),
                             [](float s) { return std::abs(s) > kQuiet; });
    std::ptrdiff_t margin = static_cast<std::ptrdiff_t>(marginSeconds * kSampleRate);
    std::ptrdiff_t begin = std::max<std::ptrdiff_t>(0, (first - samples.begin()) - margin);
    std::ptrdiff_t end = std::min<std::ptrdiff_t>(static_cast<std::ptrdiff_t>(samples.size()),
                                                  (samples.rend() - last) + margin);
    samples = Samples(samples.begin() + begin, samples.begin() + end);
}

Samples Resample(const Samples& in, int fromRate) {
    if (fromRate == kSampleRate || in.empty()) {
        return in;
    }
    std::size_t count = static_cast<std::size_t>(double(in.size()) * kSampleRate / fromRate);
    Samples out(count);
    for (std::size_t i = 0; i < count; ++i) {
        double pos = double(i) * fromRate / kSampleRate;
        std::size_t j = static_cast<std::size_t>(pos);
        double t = pos - double(j);
        float a = in[std::min(j, in.size() - 1)];
        float b = in[std::min(j + 1, in.size() - 1)];
        out[i] = static_cast<float>(a + (b - a) * t);
    }
    return out;
}

} // namespace vocassets
