#include "platform/bmp_rle8.h"

#include <algorithm>

namespace platform {

namespace {

bool Fail(std::string* why, const char* text) {
    if (why)
        *why = text;
    return false;
}

// Follows the commands; writes pixels only when given somewhere to write them,
// so that damaged data is found before the image is allocated.
bool Walk(const uint8_t* data, size_t size, int width, int height,
          const std::array<uint32_t, 256>& palette, uint32_t* pixels, std::string* why) {
    size_t at = 0;
    int64_t x = 0, y = 0; // y counts rows from the bottom, as the file does
    auto fits = [&](int64_t count) { return y < height && x + count <= width; };
    auto row = [&] { return pixels + (height - 1 - y) * int64_t(width); };
    while (at + 2 <= size) {
        const uint8_t count = data[at], value = data[at + 1];
        at += 2;
        if (count > 0) {
            if (!fits(count))
                return Fail(why, "run-length run past the end of its row");
            if (pixels)
                std::fill_n(row() + x, count, palette[value]);
            x += count;
            continue;
        }
        switch (value) {
        case 0: // end of line; the one after the top row may close the picture
            if (y >= height)
                return Fail(why, "run-length line past the image");
            x = 0;
            ++y;
            break;
        case 1: // end of bitmap
            return true;
        case 2: // delta
            if (at + 2 > size)
                return Fail(why, "run-length delta cut short");
            x += data[at];
            y += data[at + 1];
            at += 2;
            if (x > width || y > height)
                return Fail(why, "run-length delta past the image");
            break;
        default: // literal run, padded to a 16-bit boundary
            if (at + value > size)
                return Fail(why, "run-length literal run cut short");
            if (!fits(value))
                return Fail(why, "run-length literal run past the end of its row");
            if (pixels) {
                uint32_t* out = row() + x;
                for (int i = 0; i < value; ++i)
                    out[i] = palette[data[at + i]];
            }
            x += value;
            at += value + (value & 1u);
            break;
        }
    }
    // A file cut short would leave the rest of the picture blank.
    return Fail(why, "run-length data ends before its end-of-bitmap mark");
}

} // namespace

bool DecodeRle8(const uint8_t* data, size_t size, int width, int height,
                const std::array<uint32_t, 256>& palette, std::vector<uint32_t>& pixels,
                std::string* why) {
    if (!Walk(data, size, width, height, palette, nullptr, why))
        return false;
    pixels.assign(size_t(width) * height, palette[0]);
    return Walk(data, size, width, height, palette, pixels.data(), why);
}

} // namespace platform
