#include "platform/bmp_reader.h"

#include <array>
#include <bit>

#include "platform/bmp_rle8.h"

namespace platform {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kCompressionRgb = 0, kCompressionRle8 = 1, kCompressionBitfields = 3;

uint16_t U16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
uint32_t U32(const uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24);
}

bool Fail(std::string* why, const char* text) {
    if (why)
        *why = text;
    return false;
}

// One colour channel of a bit-field pixel: where it sits and how wide it is.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    // Scales the field to 8 bits by repeating its high bits, so a full field is 255.
    uint32_t Extract(uint32_t pixel) const {
        if (bits == 0)
            return 0;
        uint32_t v = (pixel & mask) >> shift;
        if (bits >= 8)
            return v >> (bits - 8);
        uint32_t out = 0;
        for (int s = 8 - bits; s > -bits; s -= bits)
            out |= s >= 0 ? v << s : v >> -s;
        return out & 0xFF;
    }
};

bool MakeChannel(uint32_t mask, int bitsPerPixel, Channel& channel) {
    channel = Channel{};
    if (mask == 0)
        return true;
    if (bitsPerPixel < 32 && (mask >> bitsPerPixel) != 0)
        return false;
    channel.mask = mask;
    channel.shift = std::countr_zero(mask);
    channel.bits = std::popcount(mask);
    // Contiguous: shifted down, the mask is all ones.
    return channel.bits == 32 || (mask >> channel.shift) == (uint32_t(1) << channel.bits) - 1;
}

// Everything the headers say about the pixels.
struct Layout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitsPerPixel = 0;
    uint32_t compression = 0;
    std::array<Channel, 3> channels; // red, green, blue
    std::array<uint32_t, 256> palette{};
    size_t pixelOffset = 0;
};

bool ReadGeometry(const uint8_t* header, uint32_t headerSize, int64_t maxPixels, Layout& layout,
                  uint32_t& colorsUsed, std::string* why) {
    int64_t width, height;
    if (headerSize == kCoreHeaderSize) {
        width = U16(header + 4);
        height = U16(header + 6);
        layout.bitsPerPixel = U16(header + 10);
        layout.compression = kCompressionRgb;
        colorsUsed = 0;
    } else {
        width = static_cast<int32_t>(U32(header + 4));
        height = static_cast<int32_t>(U32(header + 8));
        layout.bitsPerPixel = U16(header + 14);
        layout.compression = U32(header + 16);
        colorsUsed = U32(header + 32);
    }
    layout.topDown = height < 0;
    if (height < 0)
        height = -height;
    if (width <= 0 || height <= 0)
        return Fail(why, "bitmap has no pixels");
    if (width > kMaxBmpSide || height > kMaxBmpSide || width * height > maxPixels)
        return Fail(why, "bitmap too large");
    layout.width = static_cast<int>(width);
    layout.height = static_cast<int>(height);
    return true;
}

bool CheckFormat(const Layout& layout, std::string* why) {
    switch (layout.bitsPerPixel) {
    case 1:
    case 4:
    case 24:
        if (layout.compression != kCompressionRgb)
            return Fail(why, "unsupported compression");
        return true;
    case 8:
        if (layout.compression != kCompressionRgb && layout.compression != kCompressionRle8)
            return Fail(why, "unsupported compression");
        if (layout.compression == kCompressionRle8 && layout.topDown)
            return Fail(why, "run-length bitmap stored top-down");
        return true;
    case 16:
    case 32:
        if (layout.compression != kCompressionRgb && layout.compression != kCompressionBitfields)
            return Fail(why, "unsupported compression");
        return true;
    default:
        return Fail(why, "unsupported bit depth");
    }
}

// Bit masks: the defaults, or three words at file offset 54, which is inside
// the V2 and later headers and just after an info header.
bool ReadMasks(const uint8_t* data, size_t size, Layout& layout, std::string* why) {
    std::array<uint32_t, 3> masks;
    if (layout.bitsPerPixel == 16)
        masks = {0x7C00, 0x03E0, 0x001F};
    else
        masks = {0xFF0000, 0x00FF00, 0x0000FF};
    if (layout.compression == kCompressionBitfields) {
        constexpr size_t at = kFileHeaderSize + kInfoHeaderSize;
        if (at + 12 > size)
            return Fail(why, "truncated bit masks");
        for (int i = 0; i < 3; ++i)
            masks[i] = U32(data + at + 4 * i);
    }
    for (int i = 0; i < 3; ++i)
        if (!MakeChannel(masks[i], layout.bitsPerPixel, layout.channels[i]))
            return Fail(why, "bad bit masks");
    return true;
}

uint32_t PaletteCount(const Layout& layout, uint32_t colorsUsed) {
    uint32_t maxColors = uint32_t(1) << layout.bitsPerPixel;
    return colorsUsed == 0 || colorsUsed > maxColors ? maxColors : colorsUsed;
}

size_t PaletteEntrySize(uint32_t headerSize) {
    return headerSize == kCoreHeaderSize ? 3 : 4;
}

bool ReadPalette(const uint8_t* data, size_t size, size_t at, uint32_t headerSize,
                 uint32_t colorsUsed, Layout& layout, std::string* why) {
    const uint32_t count = PaletteCount(layout, colorsUsed);
    const size_t entry = PaletteEntrySize(headerSize);
    if (at > size || (size - at) / entry < count)
        return Fail(why, "truncated palette");
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t* p = data + at + i * entry;
        layout.palette[i] = (uint32_t(p[2]) << 16) | (p[1] << 8) | p[0];
    }
    return true;
}

void DecodeRow(const uint8_t* row, const Layout& layout, uint32_t* out) {
    const int w = layout.width;
    switch (layout.bitsPerPixel) {
    case 1:
        for (int x = 0; x < w; ++x)
            out[x] = layout.palette[(row[x >> 3] >> (7 - (x & 7))) & 1];
        break;
    case 4:
        for (int x = 0; x < w; ++x)
            out[x] = layout.palette[(row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF];
        break;
    case 8:
        for (int x = 0; x < w; ++x)
            out[x] = layout.palette[row[x]];
        break;
    case 24:
        for (int x = 0; x < w; ++x, row += 3)
            out[x] = (uint32_t(row[2]) << 16) | (row[1] << 8) | row[0];
        break;
    default: {
        const int bytes = layout.bitsPerPixel / 8;
        const auto& [r, g, b] = layout.channels;
        for (int x = 0; x < w; ++x, row += bytes) {
            uint32_t v = bytes == 2 ? U16(row) : U32(row);
            out[x] = (r.Extract(v) << 16) | (g.Extract(v) << 8) | b.Extract(v);
        }
        break;
    }
    }
}

bool DecodeUncompressed(const uint8_t* data, size_t size, const Layout& layout, DecodedBitmap& out,
                        std::string* why) {
    const uint64_t rowBits = uint64_t(layout.width) * layout.bitsPerPixel;
    const uint64_t rowBytes = (rowBits + 7) / 8;
    const uint64_t stride = (rowBits + 31) / 32 * 4;
    // The last row's padding is often left out of files; the pixels are not.
    const uint64_t needed = stride * (layout.height - 1) + rowBytes;
    if (layout.pixelOffset > size || size - layout.pixelOffset < needed)
        return Fail(why, "truncated pixel data");
    const uint8_t* pixels = data + layout.pixelOffset;
    out.pixels.resize(size_t(layout.width) * layout.height);
    for (int y = 0; y < layout.height; ++y) {
        int fileRow = layout.topDown ? y : layout.height - 1 - y;
        DecodeRow(pixels + stride * fileRow, layout, out.pixels.data() + size_t(y) * layout.width);
    }
    return true;
}

} // namespace

bool DecodeBmp(const uint8_t* data, size_t size, DecodedBitmap& out, std::string* why,
               int64_t maxPixels) {
    out = DecodedBitmap{};
    if (!data || size < kFileHeaderSize + 4)
        return Fail(why, "file too short for a bitmap header");
    if (data[0] != 'B' || data[1] != 'M')
        return Fail(why, "not a bitmap file");
    const uint32_t dataOffset = U32(data + 10);
    const uint32_t headerSize = U32(data + kFileHeaderSize);
    switch (headerSize) {
    case kCoreHeaderSize:
    case kInfoHeaderSize:
    case 52:  // V2: with red, green and blue masks
    case 56:  // V3: with an alpha mask too
    case 108: // V4
    case 124: // V5
        break;
    default:
        return Fail(why, "unsupported bitmap header");
    }
    if (size - kFileHeaderSize < headerSize)
        return Fail(why, "truncated bitmap header");

    Layout layout;
    uint32_t colorsUsed = 0;
    if (!ReadGeometry(data + kFileHeaderSize, headerSize, maxPixels, layout, colorsUsed, why) ||
        !CheckFormat(layout, why))
        return false;

    const size_t afterHeader = kFileHeaderSize + headerSize;
    size_t tableBytes = 0; // palette or masks between the header and the pixels
    if (layout.bitsPerPixel <= 8) {
        if (!ReadPalette(data, size, afterHeader, headerSize, colorsUsed, layout, why))
            return false;
        tableBytes = PaletteCount(layout, colorsUsed) * PaletteEntrySize(headerSize);
    } else if (layout.bitsPerPixel != 24) {
        if (!ReadMasks(data, size, layout, why))
            return false;
        if (layout.compression == kCompressionBitfields && headerSize == kInfoHeaderSize)
            tableBytes = 12;
    }
    // Some writers leave the offset out: the pixels follow the palette or masks.
    layout.pixelOffset = dataOffset != 0 ? dataOffset : afterHeader + tableBytes;
    if (layout.pixelOffset > size)
        return Fail(why, "pixel data offset past the end of the file");

    const bool decoded =
        layout.compression == kCompressionRle8
            ? DecodeRle8(data + layout.pixelOffset, size - layout.pixelOffset, layout.width,
                         layout.height, layout.palette, out.pixels, why)
            : DecodeUncompressed(data, size, layout, out, why);
    if (!decoded) {
        out = DecodedBitmap{};
        return false;
    }
    out.width = layout.width;
    out.height = layout.height;
    out.fileBitsPerPixel = layout.bitsPerPixel;
    return true;
}

} // namespace platform
