#include "bmp_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vocassets {
namespace {

constexpr int kRedLevels = 6;
constexpr int kGreenLevels = 7;
constexpr int kBlueLevels = 6;
constexpr int kCubeStart = 1;
constexpr int kGreyStart = kCubeStart + kRedLevels * kGreenLevels * kBlueLevels; // 253
constexpr Colour kGreys[] = {0x404040, 0x808080, 0xC0C0C0};
// The cube's pure green would be read as the key: it stands one step darker.
constexpr Colour kCubeGreen = 0x00D500;

int LevelValue(int level, int levels) {
    return level * 255 / (levels - 1);
}

Colour CubeColour(int r, int g, int b) {
    Colour c = (Colour(LevelValue(r, kRedLevels)) << 16) |
               (Colour(LevelValue(g, kGreenLevels)) << 8) | Colour(LevelValue(b, kBlueLevels));
    return c == kKey ? kCubeGreen : c;
}

// Squared distance with a penalty on a change of hue, so a light grey maps to
// white or grey rather than to a nearer pink.
int Distance(Colour a, Colour b) {
    int dr = int((a >> 16) & 0xFF) - int((b >> 16) & 0xFF);
    int dg = int((a >> 8) & 0xFF) - int((b >> 8) & 0xFF);
    int db = int(a & 0xFF) - int(b & 0xFF);
    int hue = (dr - dg) * (dr - dg) + (dg - db) * (dg - db) + (db - dr) * (db - dr);
    return dr * dr + dg * dg + db * db + hue;
}

// The nearest of the cube's corners round the colour and the greys: taking
// each channel's nearest level alone would tint greys, since the green axis
// has other levels than red and blue.
std::uint8_t NearestIndex(Colour c) {
    int channel[3] = {int((c >> 16) & 0xFF), int((c >> 8) & 0xFF), int(c & 0xFF)};
    const int levels[3] = {kRedLevels, kGreenLevels, kBlueLevels};
    int low[3];
    for (int i = 0; i < 3; ++i) {
        low[i] = std::min(channel[i] * (levels[i] - 1) / 255, levels[i] - 2);
    }
    int best = 0;
    int bestDistance = 1 << 30;
    for (int corner = 0; corner < 8; ++corner) {
        int r = low[0] + (corner & 1);
        int g = low[1] + ((corner >> 1) & 1);
        int b = low[2] + ((corner >> 2) & 1);
        int d = Distance(c, CubeColour(r, g, b));
        if (d < bestDistance) {
            bestDistance = d;
            best = kCubeStart + (r * kGreenLevels + g) * kBlueLevels + b;
        }
    }
    for (int i = 0; i < 3; ++i) {
        int d = Distance(c, kGreys[i]);
        if (d < bestDistance) {
            bestDistance = d;
            best = kGreyStart + i;
        }
    }
    return static_cast<std::uint8_t>(best);
}

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

void EncodeRow(const std::uint8_t* row, int width, std::vector<std::uint8_t>& out) {
    int x = 0;
    while (x < width) {
        int run = 1;
        while (x + run < width && run < 255 && row[x + run] == row[x]) {
            ++run;
        }
        if (run >= 2) {
            out.push_back(static_cast<std::uint8_t>(run));
            out.push_back(row[x]);
            x += run;
            continue;
        }
        // Gather pixels that do not repeat into one absolute stretch.
        int start = x;
        int count = 0;
        while (x < width && count < 255) {
            if (x + 1 < width && row[x + 1] == row[x]) {
                break;
            }
            ++x;
            ++count;
        }
        if (count < 3) {
            for (int i = 0; i < count; ++i) {
                out.push_back(1);
                out.push_back(row[start + i]);
            }
            continue;
        }
        out.push_back(0);
        out.push_back(static_cast<std::uint8_t>(count));
        out.insert(out.end(), row + start, row + start + count);
        if (count % 2 != 0) {
            out.push_back(0); // absolute stretches end on a 16-bit boundary
        }
    }
}

} // namespace

std::array<Colour, 256> PackPalette(bool keyed) {
    std::array<Colour, 256> palette{};
    palette[0] = keyed ? kKey : 0x000000;
    for (int r = 0; r < kRedLevels; ++r) {
        for (int g = 0; g < kGreenLevels; ++g) {
            for (int b = 0; b < kBlueLevels; ++b) {
                palette[kCubeStart + (r * kGreenLevels + g) * kBlueLevels + b] =
                    CubeColour(r, g, b);
            }
        }
    }
    for (int i = 0; i < 3; ++i) {
        palette[kGreyStart + i] = kGreys[i];
    }
    return palette;
}

std::vector<std::uint8_t> MapToPalette(const Canvas& canvas, bool keyed) {
    std::vector<std::uint8_t> out;
    out.reserve(canvas.Pixels().size());
    for (Colour c : canvas.Pixels()) {
        out.push_back(keyed && c == kKey ? 0 : NearestIndex(c));
    }
    return out;
}

std::vector<std::uint8_t> EncodeRle8(int width, int height,
                                     const std::vector<std::uint8_t>& indices) {
    std::vector<std::uint8_t> out;
    for (int y = height - 1; y >= 0; --y) {
        EncodeRow(indices.data() + static_cast<std::size_t>(y) * width, width, out);
        out.push_back(0);
        out.push_back(y == 0 ? 1 : 0); // end of line, or end of bitmap after the last
    }
    return out;
}

EncodedBmp EncodeBmp(int width, int height, const std::vector<std::uint8_t>& indices,
                     const std::array<Colour, 256>& palette) {
    const std::uint32_t stride = (static_cast<std::uint32_t>(width) + 3u) & ~3u;
    std::vector<std::uint8_t> data = EncodeRle8(width, height, indices);
    bool rle = data.size() < stride * static_cast<std::uint32_t>(height);
    if (!rle) {
        data.assign(stride * static_cast<std::size_t>(height), 0);
        for (int y = 0; y < height; ++y) {
            const std::uint8_t* src = indices.data() + static_cast<std::size_t>(y) * width;
            std::copy(src, src + width, data.begin() + (height - 1 - y) * stride);
        }
    }
    constexpr std::uint32_t kHeaders = 14 + 40;
    const std::uint32_t offset = kHeaders + 256 * 4;
    EncodedBmp bmp;
    bmp.runLength = rle;
    std::vector<std::uint8_t>& out = bmp.bytes;
    out.reserve(offset + data.size());
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + static_cast<std::uint32_t>(data.size()));
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height)); // positive: rows bottom-up
    Put16(out, 1);
    Put16(out, 8);
    Put32(out, rle ? 1 : 0); // BI_RLE8 or BI_RGB
    Put32(out, static_cast<std::uint32_t>(data.size()));
    Put32(out, 2835); // 72 dots per inch
    Put32(out, 2835);
    Put32(out, 256);
    Put32(out, 0);
    for (Colour c : palette) {
        out.push_back(static_cast<std::uint8_t>(c & 0xFF));
        out.push_back(static_cast<std::uint8_t>((c >> 8) & 0xFF));
        out.push_back(static_cast<std::uint8_t>((c >> 16) & 0xFF));
        out.push_back(0);
    }
    out.insert(out.end(), data.begin(), data.end());
    return bmp;
}

} // namespace vocassets
