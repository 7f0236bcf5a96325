// Reads the pack's own bitmaps back (8-bit, plain or BI_RLE8) for the contact
// sheet.
#pragma once

#include "canvas.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vocassets {

struct DecodedBmp {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> indices; // rows top to bottom
    std::vector<Colour> palette;
};

std::optional<DecodedBmp> DecodeBmp(const std::vector<std::uint8_t>& bytes);
std::optional<DecodedBmp> ReadBmpFile(const std::string& path);

} // namespace vocassets
