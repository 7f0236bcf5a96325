// Run-length encoded 8-bit BMP pixel data (BI_RLE8).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

// Expands the encoded data into width * height palette indices, rows bottom-up
// as in the file. Pixels the data skips (deltas, early ends of line or bitmap)
// keep index 0. A run past the end of its row or of the image, or a command cut
// short by the end of the data, is refused. Data that stops between commands
// ends the bitmap.
bool DecodeRle8(const uint8_t* data, size_t size, int width, int height, uint8_t* indices,
                std::string* why);

} // namespace platform
