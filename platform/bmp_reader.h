// Decodes Windows BMP files held in memory: the core, info and V2 to V5
// headers; 1, 4 and 8 bits with a palette (8 bits also run-length encoded),
// 16 bits (5-5-5 or bit masks), 24 bits and 32 bits (plain or bit masks),
// bottom-up or top-down. Any damage is refused; nothing is read outside the
// buffer given.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct DecodedBitmap {
    int width = 0;
    int height = 0;
    int fileBitsPerPixel = 0;
    std::vector<uint32_t> pixels; // 0x00RRGGBB, rows top-down, width * height
};

// Largest side and pixel count accepted: no game picture comes near them, and
// a run-length file could otherwise claim gigabytes in a few bytes.
inline constexpr int kMaxBmpSide = 16384;
inline constexpr int64_t kMaxBmpPixels = int64_t(32) << 20;

// maxPixels may be lowered by callers that want small pictures only (the fuzzer).
bool DecodeBmp(const uint8_t* data, size_t size, DecodedBitmap& out, std::string* why,
               int64_t maxPixels = kMaxBmpPixels);

} // namespace platform
