#include "png_writer.h"

#include <fstream>
#include <zlib.h>

namespace vocassets {
namespace {

void Put32BE(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>((v >> shift) & 0xFF));
    }
}

void Chunk(std::vector<std::uint8_t>& out, const char* type,
           const std::vector<std::uint8_t>& data) {
    Put32BE(out, static_cast<std::uint32_t>(data.size()));
    std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    uLong crc = crc32(0L, out.data() + start, static_cast<uInt>(out.size() - start));
    Put32BE(out, static_cast<std::uint32_t>(crc));
}

} // namespace

std::vector<std::uint8_t> EncodePng(const Canvas& canvas) {
    std::vector<std::uint8_t> raw;
    raw.reserve(static_cast<std::size_t>(canvas.Height()) * (1 + 3 * canvas.Width()));
    for (int y = 0; y < canvas.Height(); ++y) {
        raw.push_back(0); // no filter
        for (int x = 0; x < canvas.Width(); ++x) {
            Colour c = canvas.At(x, y);
            raw.push_back(static_cast<std::uint8_t>((c >> 16) & 0xFF));
            raw.push_back(static_cast<std::uint8_t>((c >> 8) & 0xFF));
            raw.push_back(static_cast<std::uint8_t>(c & 0xFF));
        }
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<std::uint8_t> packed(packedSize);
    compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 6);
    packed.resize(packedSize);

    std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    Put32BE(header, static_cast<std::uint32_t>(canvas.Width()));
    Put32BE(header, static_cast<std::uint32_t>(canvas.Height()));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8 bits, RGB, deflate, no filter, no interlace
    Chunk(out, "IHDR", header);
    Chunk(out, "IDAT", packed);
    Chunk(out, "IEND", {});
    return out;
}

bool WritePng(const Canvas& canvas, const std::string& path) {
    std::vector<std::uint8_t> bytes = EncodePng(canvas);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

} // namespace vocassets
