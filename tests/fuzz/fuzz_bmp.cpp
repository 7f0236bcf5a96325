// Feeds arbitrary bytes to the BMP reader: it must answer a bitmap or a
// refusal, never read outside the bytes, and a bitmap must be whole.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/bmp_reader.h"

// Run-length files can declare huge blank pictures in a few bytes; a limit
// of one whole screen keeps the fuzzer fast and still takes every picture of
// the pack (the seeds include some).
constexpr int64_t kMaxPixels = 640 * 480;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    platform::DecodedBitmap bitmap;
    std::string why;
    if (platform::DecodeBmp(data, size, bitmap, &why, kMaxPixels)) {
        if (bitmap.width <= 0 || bitmap.height <= 0 ||
            bitmap.pixels.size() != size_t(bitmap.width) * size_t(bitmap.height))
            std::abort();
        for (uint32_t pixel : bitmap.pixels)
            if (pixel > 0xFFFFFF)
                std::abort();
    } else if (why.empty()) {
        std::abort();
    }
    return 0;
}
