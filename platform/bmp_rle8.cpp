#include "platform/bmp_rle8.h"

#include <cstring>

namespace platform {

namespace {

bool Fail(std::string* why, const char* text) {
    if (why)
        *why = text;
    return false;
}

} // namespace

bool DecodeRle8(const uint8_t* data, size_t size, int width, int height, uint8_t* indices,
                std::string* why) {
    size_t at = 0;
    int64_t x = 0, y = 0;
    auto fits = [&](int64_t count) { return y < height && x + count <= width; };
    while (at + 2 <= size) {
        uint8_t count = data[at], value = data[at + 1];
        at += 2;
        if (count > 0) {
            if (!fits(count))
                return Fail(why, "run-length run past the end of its row");
            std::memset(indices + y * width + x, value, count);
            x += count;
            continue;
        }
        switch (value) {
        case 0: // end of line
            x = 0;
            ++y;
            break;
        case 1: // end of bitmap
            return true;
        case 2: { // delta
            if (at + 2 > size)
                return Fail(why, "run-length delta cut short");
            x += data[at];
            y += data[at + 1];
            at += 2;
            if (x > width || y > height)
                return Fail(why, "run-length delta past the image");
            break;
        }
        default: { // absolute run, padded to a 16-bit boundary
            size_t padded = value + (value & 1u);
            if (at + value > size)
                return Fail(why, "run-length literal run cut short");
            if (!fits(value))
                return Fail(why, "run-length literal run past the end of its row");
            std::memcpy(indices + y * width + x, data + at, value);
            x += value;
            at += padded;
            break;
        }
        }
    }
    return true;
}

} // namespace platform
