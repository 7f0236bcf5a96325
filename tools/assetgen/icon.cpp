#include "icon.h"

#include "canvas.h"
#include "paint_parts.h"

#include <filesystem>
#include <fstream>
#include <zlib.h>

namespace vocassets {
namespace {

// Drawn this many times larger, then each block of pixels becomes one pixel
// whose cover is its alpha: smooth edges even at 16 pixels.
constexpr int kSamples = 4;
constexpr Colour kGround = kKey; // never used by the face itself

// The face on a grid of 64 units, scaled to the canvas.
void PaintFace(Canvas& c) {
    const double u = c.Width() / 64.0;
    const double line = std::max(1.0, 1.6 * u);
    auto outlined = [&](double x, double y, double rx, double ry, Colour fill) {
        c.FillEllipse(x * u, y * u, rx * u, ry * u, kOutline);
        c.FillEllipse(x * u, y * u, rx * u - line, ry * u - line, fill);
    };
    for (double side : {-1.0, 1.0}) {
        outlined(32 + side * 22, 31, 9, 9, kFur);
        c.FillEllipse((32 + side * 22) * u, 31 * u, 5 * u, 5 * u, kFace);
    }
    outlined(32, 33, 24, 24, kFur);
    // The face: a muzzle below two rounds around the eyes.
    c.FillEllipse(32 * u, 41 * u, 17 * u, 13 * u, kFace);
    c.FillEllipse(24.5 * u, 29 * u, 9 * u, 9.5 * u, kFace);
    c.FillEllipse(39.5 * u, 29 * u, 9 * u, 9.5 * u, kFace);
    for (double side : {-1.0, 1.0}) {
        outlined(32 + side * 7.5, 29, 5, 6.2, kWhite);
        c.FillEllipse((32 + side * 7.5 + 0.8) * u, 30 * u, 2.6 * u, 3.2 * u, kOutline);
    }
    c.FillEllipse(29.5 * u, 39 * u, 1.3 * u, 1.3 * u, kOutline);
    c.FillEllipse(34.5 * u, 39 * u, 1.3 * u, 1.3 * u, kOutline);
    const double mouth = std::max(1.0, 2.0 * u);
    c.Line(23 * u, 44 * u, 28 * u, 48 * u, mouth, kOutline);
    c.Line(28 * u, 48 * u, 36 * u, 48 * u, mouth, kOutline);
    c.Line(36 * u, 48 * u, 41 * u, 44 * u, mouth, kOutline);
}

void Put32BE(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>((v >> shift) & 0xFF));
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

std::vector<std::uint8_t> PaintIcon(int size) {
    Canvas big(size * kSamples, size * kSamples, kGround);
    PaintFace(big);
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(size) * size * 4, 0);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            int r = 0, g = 0, b = 0, covered = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    Colour p = big.At(x * kSamples + sx, y * kSamples + sy);
                    if (p == kGround)
                        continue;
                    r += (p >> 16) & 0xFF;
                    g += (p >> 8) & 0xFF;
                    b += p & 0xFF;
                    ++covered;
                }
            }
            std::uint8_t* out = &rgba[(static_cast<std::size_t>(y) * size + x) * 4];
            if (covered > 0) {
                out[0] = static_cast<std::uint8_t>(r / covered);
                out[1] = static_cast<std::uint8_t>(g / covered);
                out[2] = static_cast<std::uint8_t>(b / covered);
                out[3] = static_cast<std::uint8_t>(covered * 255 / (kSamples * kSamples));
            }
        }
    }
    return rgba;
}

std::vector<std::uint8_t> EncodeRgbaPng(const std::vector<std::uint8_t>& rgba, int width,
                                        int height) {
    std::vector<std::uint8_t> raw;
    raw.reserve(static_cast<std::size_t>(height) * (1 + 4 * width));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0); // no filter
        auto row = rgba.begin() + static_cast<std::ptrdiff_t>(y) * width * 4;
        raw.insert(raw.end(), row, row + width * 4);
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<std::uint8_t> packed(packedSize);
    compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 9);
    packed.resize(packedSize);

    std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    Put32BE(header, static_cast<std::uint32_t>(width));
    Put32BE(header, static_cast<std::uint32_t>(height));
    header.insert(header.end(), {8, 6, 0, 0, 0}); // 8 bits, RGBA, deflate, no filter, no interlace
    Chunk(out, "IHDR", header);
    Chunk(out, "IDAT", packed);
    Chunk(out, "IEND", {});
    return out;
}

bool WriteIcons(const std::string& outDir, const std::string& name, std::string* why) {
    for (int size : kIconSizes) {
        std::string dir =
            outDir + "/hicolor/" + std::to_string(size) + "x" + std::to_string(size) + "/apps";
        std::error_code error;
        std::filesystem::create_directories(dir, error);
        std::vector<std::uint8_t> png = EncodeRgbaPng(PaintIcon(size), size, size);
        std::string path = dir + "/" + name + ".png";
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(png.data()),
                  static_cast<std::streamsize>(png.size()));
        if (!out) {
            if (why)
                *why = "cannot write " + path;
            return false;
        }
    }
    return true;
}

} // namespace vocassets
