#include "wav_builder.h"

namespace wavtest {

namespace {

void Put(Bytes& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(uint8_t(value >> (8 * i)));
}

void PutId(Bytes& out, const std::string& id) {
    for (size_t i = 0; i < 4; ++i)
        out.push_back(i < id.size() ? uint8_t(id[i]) : uint8_t(' '));
}

} // namespace

Bytes ChunkClaiming(const std::string& id, uint32_t claimedSize, const Bytes& body) {
    Bytes out;
    PutId(out, id);
    Put(out, claimedSize, 4);
    out.insert(out.end(), body.begin(), body.end());
    if (body.size() % 2)
        out.push_back(0);
    return out;
}

Bytes Chunk(const std::string& id, const Bytes& body) {
    return ChunkClaiming(id, uint32_t(body.size()), body);
}

Bytes Riff(const std::string& form, const std::vector<Bytes>& chunks) {
    Bytes inside;
    PutId(inside, form);
    for (const Bytes& chunk : chunks)
        inside.insert(inside.end(), chunk.begin(), chunk.end());
    return Chunk("RIFF", inside);
}

Bytes FormatBody(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits,
                 uint16_t blockAlign) {
    if (blockAlign == 0)
        blockAlign = uint16_t(channels * (bits / 8));
    Bytes out;
    Put(out, tag, 2);
    Put(out, channels, 2);
    Put(out, rate, 4);
    Put(out, rate * blockAlign, 4);
    Put(out, blockAlign, 2);
    Put(out, bits, 2);
    return out;
}

Bytes Constant16(size_t frames, int16_t left, int16_t right, int channels) {
    Bytes out;
    for (size_t i = 0; i < frames; ++i) {
        Put(out, uint16_t(left), 2);
        if (channels == 2)
            Put(out, uint16_t(right), 2);
    }
    return out;
}

Bytes Constant8(size_t frames, uint8_t value) {
    return Bytes(frames, value);
}

Bytes PcmWav(uint16_t channels, uint32_t rate, uint16_t bits, const Bytes& samples) {
    return Riff("WAVE",
                {Chunk("fmt ", FormatBody(1, channels, rate, bits)), Chunk("data", samples)});
}

Bytes ConstantWav(int ms, int16_t level, uint32_t rate) {
    return PcmWav(1, rate, 16, Constant16(size_t(rate) * ms / 1000, level, level, 1));
}

Bytes Joined(const std::vector<Bytes>& parts) {
    Bytes out;
    for (const Bytes& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

} // namespace wavtest
