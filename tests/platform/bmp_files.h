// Writes small BMP files for tests, in any of the layouts the reader knows.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vbtest {

struct BmpImage {
    int width = 0;
    int height = 0; // negative: rows stored top-down
    int bitsPerPixel = 24;
    uint32_t compression = 0;
    uint32_t headerSize = 40;      // 12, 40, 52, 56, 108 or 124
    std::vector<uint32_t> palette; // 0x00RRGGBB; its length is written as the colours used
    std::vector<uint32_t> masks;   // red, green, blue: in the header, or after an info header
    std::vector<uint8_t> pixels;   // the pixel data exactly as stored
};

std::vector<uint8_t> EncodeBmp(const BmpImage& image);

// Pixel data of packed values (palette indices or raw pixels) with rows padded
// to 4 bytes; value(x, y) is asked with y counted from the top of the picture.
std::vector<uint8_t> PackRows(int width, int height, int bitsPerPixel, bool topDown,
                              const std::function<uint32_t(int x, int y)>& value);

// A plain bottom-up 24-bit file of 0x00RRGGBB pixels given top row first.
std::vector<uint8_t> Bmp24(int width, int height, const std::vector<uint32_t>& rgb);

// A fresh directory under /tmp; removed with its files by RemoveTree.
std::string MakeTempDir();
void RemoveTree(const std::string& dir);
void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);

} // namespace vbtest
