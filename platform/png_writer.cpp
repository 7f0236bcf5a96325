// Screenshots as PNG: 8-bit RGB, no filtering, the image data in stored
// (uncompressed) deflate blocks, which every PNG reader accepts.
#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>

#include "platform/page.h"

namespace platform {

namespace {

const std::array<uint32_t, 256>& CrcTable() {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    return table;
}

uint32_t UpdateCrc(uint32_t crc, const uint8_t* data, size_t size) {
    const auto& table = CrcTable();
    for (size_t i = 0; i < size; ++i)
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return crc;
}

void PutU32(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v >> 24));
    out.push_back(static_cast<uint8_t>(v >> 16));
    out.push_back(static_cast<uint8_t>(v >> 8));
    out.push_back(static_cast<uint8_t>(v));
}

void PutChunk(std::vector<uint8_t>& out, const char type[4], const std::vector<uint8_t>& body) {
    PutU32(out, static_cast<uint32_t>(body.size()));
    size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), body.begin(), body.end());
    uint32_t crc = UpdateCrc(0xFFFFFFFFu, out.data() + typeAt, out.size() - typeAt);
    PutU32(out, crc ^ 0xFFFFFFFFu);
}

// The zlib stream of the rows, each led by filter type 0.
std::vector<uint8_t> StoredZlib(const uint8_t* rgb, int width, int height) {
    const size_t rowBytes = size_t(width) * 3;
    std::vector<uint8_t> raw;
    raw.reserve((rowBytes + 1) * height);
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        raw.insert(raw.end(), rgb + y * rowBytes, rgb + (y + 1) * rowBytes);
    }
    constexpr size_t kMaxStored = 65535;
    std::vector<uint8_t> z;
    z.reserve(raw.size() + raw.size() / kMaxStored * 5 + 16);
    z.push_back(0x78); // deflate, 32K window
    z.push_back(0x01); // no preset dictionary, check bits
    size_t at = 0;
    do {
        size_t length = std::min(kMaxStored, raw.size() - at);
        bool last = at + length == raw.size();
        z.push_back(last ? 1 : 0);
        z.push_back(static_cast<uint8_t>(length));
        z.push_back(static_cast<uint8_t>(length >> 8));
        z.push_back(static_cast<uint8_t>(~length));
        z.push_back(static_cast<uint8_t>(~length >> 8));
        z.insert(z.end(), raw.begin() + at, raw.begin() + at + length);
        at += length;
    } while (at < raw.size());
    uint32_t a = 1, b = 0;
    for (uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    PutU32(z, (b << 16) | a);
    return z;
}

} // namespace

bool WritePng(const std::string& path, const uint8_t* rgb, int width, int height) {
    if (!rgb || width <= 0 || height <= 0)
        return false;
    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> header;
    PutU32(header, static_cast<uint32_t>(width));
    PutU32(header, static_cast<uint32_t>(height));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8 bits, RGB, deflate, no filter, no interlace
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", StoredZlib(rgb, width, height));
    PutChunk(png, "IEND", {});

    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
    if (!file)
        return false;
    if (std::fwrite(png.data(), 1, png.size(), file.get()) != png.size())
        return false;
    return std::fclose(file.release()) == 0;
}

} // namespace platform
