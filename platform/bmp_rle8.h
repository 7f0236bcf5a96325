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
// end of its row or of the image, or a command cut short by the end of the
// data, is refused before anything is allocated. Data that stops between
// commands ends the bitmap.
bool DecodeRle8(const uint8_t* data, size_t size, int width, int height,
                const std::array<uint32_t, 256>& palette, std::vector<uint32_t>& pixels,
                std::string* why);

} // namespace platform
