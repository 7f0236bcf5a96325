#include "bmp_reader.h"

#include <fstream>
#include <iterator>

namespace vocassets {
namespace {

std::uint32_t Get32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t(b[at + 3]) << 24);
}

std::uint16_t Get16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

// Decodes BI_RLE8 data into bottom-up rows; false on malformed data.
bool DecodeRle8(const std::vector<std::uint8_t>& b, std::size_t at, std::size_t end,
                DecodedBmp& out) {
    int x = 0;
    int row = 0; // counted from the bottom
    auto put = [&](std::uint8_t v) {
        if (x >= out.width || row >= out.height) {
            return false;
        }
        out.indices[static_cast<std::size_t>(out.height - 1 - row) * out.width + x] = v;
        ++x;
        return true;
    };
    while (at + 1 < end) {
        std::uint8_t count = b[at];
        std::uint8_t value = b[at + 1];
        at += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i) {
                if (!put(value)) {
                    return false;
                }
            }
        } else if (value == 0) {
            x = 0;
            ++row;
        } else if (value == 1) {
            return true;
        } else if (value == 2) {
            if (at + 1 >= end) {
                return false;
            }
            x += b[at];
            row += b[at + 1];
            at += 2;
        } else {
            if (at + value > end) {
                return false;
            }
            for (int i = 0; i < value; ++i) {
                if (!put(b[at + i])) {
                    return false;
                }
            }
            at += value + (value & 1);
        }
    }
    return false;
}

} // namespace

std::optional<DecodedBmp> DecodeBmp(const std::vector<std::uint8_t>& b) {
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || Get32(b, 14) < 40) {
        return std::nullopt;
    }
    DecodedBmp out;
    out.width = static_cast<int>(Get32(b, 18));
    out.height = static_cast<int>(Get32(b, 22));
    std::uint16_t bits = Get16(b, 28);
    std::uint32_t compression = Get32(b, 30);
    std::uint32_t colours = Get32(b, 46);
    std::size_t offset = Get32(b, 10);
    if (bits != 8 || out.width <= 0 || out.height <= 0 || offset > b.size()) {
        return std::nullopt;
    }
    if (colours == 0) {
        colours = 256;
    }
    std::size_t table = 14 + Get32(b, 14);
    for (std::uint32_t i = 0; i < colours && table + 4 * i + 3 < b.size(); ++i) {
        std::size_t at = table + 4 * i;
        out.palette.push_back((Colour(b[at + 2]) << 16) | (Colour(b[at + 1]) << 8) | b[at]);
    }
    out.indices.assign(static_cast<std::size_t>(out.width) * out.height, 0);
    if (compression == 1) {
        if (!DecodeRle8(b, offset, b.size(), out)) {
            return std::nullopt;
        }
        return out;
    }
    if (compression != 0) {
        return std::nullopt;
    }
    std::size_t stride = (static_cast<std::size_t>(out.width) + 3) & ~std::size_t(3);
    if (offset + stride * out.height > b.size()) {
        return std::nullopt;
    }
    for (int y = 0; y < out.height; ++y) {
        const std::uint8_t* src = b.data() + offset + (out.height - 1 - y) * stride;
        std::copy(src, src + out.width,
                  out.indices.begin() + static_cast<std::ptrdiff_t>(y) * out.width);
    }
    return out;
}

std::optional<DecodedBmp> ReadBmpFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return DecodeBmp({std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
}

} // namespace vocassets
