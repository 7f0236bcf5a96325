// Run-length encoded 8-bit BMP pixel data (BI_RLE8).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// Expands the encoded data through the palette into width * height pixels,
// rows top-down (the file's rows are bottom-up). Pixels the data skips
// (deltas, early ends of line or bitmap) take palette entry 0. A run past the
// end of its row or of the image, a line or delta past the image, a command
// cut short by the end of the data, and data that ends before its
// end-of-bitmap mark are refused before anything is allocated.
bool DecodeRle8(const uint8_t* data, size_t size, int width, int height,
                const std::array<uint32_t, 256>& palette, std::vector<uint32_t>& pixels,
                std::string* why);

} // namespace platform
