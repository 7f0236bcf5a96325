// 8-bit palette Windows bitmaps: the pack's one fixed palette, the mapping of
// a canvas onto it, and the file encoding (run-length encoded where smaller).
#pragma once

#include "canvas.h"

#include <array>
#include <cstdint>
#include <vector>

namespace vocassets {

// Index 0 is the key colour in keyed pictures and black in unkeyed ones; the
// rest is a 6 x 7 x 6 colour cube and three greys. No entry but index 0 of a
// keyed palette has red and blue below 8 with green above 251, so no colour
// turns into the key on a 16-bit display.
std::array<Colour, 256> PackPalette(bool keyed);

// Palette indices of the canvas, rows top to bottom. Only exact key pixels of a
// keyed picture take index 0.
std::vector<std::uint8_t> MapToPalette(const Canvas& canvas, bool keyed);

struct EncodedBmp {
    std::vector<std::uint8_t> bytes;
    bool runLength; // BI_RLE8 was smaller than the plain rows
};

// A BITMAPFILEHEADER + BITMAPINFOHEADER file with 256 palette entries and the
// rows bottom-up.
EncodedBmp EncodeBmp(int width, int height, const std::vector<std::uint8_t>& indices,
                     const std::array<Colour, 256>& palette);

// BI_RLE8 data for the rows (top-down input), ending with the end-of-bitmap mark.
std::vector<std::uint8_t> EncodeRle8(int width, int height,
                                     const std::vector<std::uint8_t>& indices);

} // namespace vocassets
