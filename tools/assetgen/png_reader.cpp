#include "png_reader.h"

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

namespace vocassets {
namespace {

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return std::uint32_t(b[at]) << 24 | std::uint32_t(b[at + 1]) << 16 |
           std::uint32_t(b[at + 2]) << 8 | b[at + 3];
}

int Paeth(int a, int b, int c) {
    int p = a + b - c;
    int pa = std::abs(p - a);
    int pb = std::abs(p - b);
    int pc = std::abs(p - c);
    return pa <= pb && pa <= pc ? a : (pb <= pc ? b : c);
}

} // namespace

std::optional<Canvas> ReadPng(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> file((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
    static const std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (file.size() < 8 || !std::equal(kSignature, kSignature + 8, file.begin())) {
        return std::nullopt;
    }
    std::uint32_t width = 0, height = 0;
    int channels = 0;
    std::vector<std::uint8_t> packed;
    for (std::size_t at = 8; at + 12 <= file.size();) {
        std::uint32_t length = U32(file, at);
        if (length > file.size() - at - 12) {
            return std::nullopt;
        }
        std::string type(file.begin() + at + 4, file.begin() + at + 8);
        std::size_t data = at + 8;
        if (type == "IHDR" && length >= 13) {
            width = U32(file, data);
            height = U32(file, data + 4);
            int depth = file[data + 8];
            int colour = file[data + 9];
            channels = colour == 2 ? 3 : colour == 6 ? 4 : 0;
            if (depth != 8 || channels == 0 || file[data + 12] != 0 || width == 0 || height == 0 ||
                width > 8192 || height > 8192) {
                return std::nullopt;
            }
        } else if (type == "IDAT") {
            packed.insert(packed.end(), file.begin() + data, file.begin() + data + length);
        } else if (type == "IEND") {
            break;
        }
        at = data + length + 4;
    }
    if (channels == 0) {
        return std::nullopt;
    }
    std::size_t stride = std::size_t(width) * channels;
    std::vector<std::uint8_t> raw((stride + 1) * height);
    uLongf rawSize = raw.size();
    if (uncompress(raw.data(), &rawSize, packed.data(), packed.size()) != Z_OK ||
        rawSize != raw.size()) {
        return std::nullopt;
    }
    // Undo each row's filter against the row above, already undone.
    std::vector<std::uint8_t> previous(stride, 0);
    Canvas canvas(int(width), int(height), 0);
    for (std::uint32_t y = 0; y < height; ++y) {
        std::uint8_t* row = raw.data() + y * (stride + 1);
        int filter = row[0];
        std::uint8_t* px = row + 1;
        for (std::size_t i = 0; i < stride; ++i) {
            int left = i >= std::size_t(channels) ? px[i - channels] : 0;
            int up = previous[i];
            int upLeft = i >= std::size_t(channels) ? previous[i - channels] : 0;
            int add = filter == 1   ? left
                      : filter == 2 ? up
                      : filter == 3 ? (left + up) / 2
                      : filter == 4 ? Paeth(left, up, upLeft)
                                    : 0;
            px[i] = std::uint8_t(px[i] + add);
        }
        if (filter > 4) {
            return std::nullopt;
        }
        for (std::uint32_t x = 0; x < width; ++x) {
            const std::uint8_t* p = px + std::size_t(x) * channels;
            canvas.Set(int(x), int(y), Colour(p[0]) << 16 | Colour(p[1]) << 8 | p[2]);
        }
        previous.assign(px, px + stride);
    }
    return canvas;
}

} // namespace vocassets
