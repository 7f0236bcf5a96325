// Screenshots: pages of each depth become RGB, and the PNG written holds
// those pixels, checked by reading the file back chunk by chunk.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>

#include "bmp_files.h"
#include "platform/page.h"

namespace {

uint32_t Be32(const uint8_t* p) {
    return (uint32_t(p[0]) << 24) | (p[1] << 16) | (p[2] << 8) | p[3];
}

uint32_t Crc(const uint8_t* data, size_t size) {
    uint32_t crc = 0xFFFFFFFF;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

// The rows (with their filter bytes) of a PNG whose image data is stored
// deflate blocks; every chunk's CRC is checked on the way.
std::vector<uint8_t> StoredRows(const std::vector<uint8_t>& png, uint32_t& width,
                                uint32_t& height) {
    std::vector<uint8_t> zlib;
    for (size_t at = 8; at + 12 <= png.size();) {
        const uint32_t length = Be32(&png[at]);
        const uint8_t* type = &png[at + 4];
        EXPECT_EQ(Crc(type, length + 4), Be32(type + 4 + length));
        if (!std::memcmp(type, "IHDR", 4)) {
            width = Be32(type + 4);
            height = Be32(type + 8);
            EXPECT_EQ(type[12], 8); // bits per channel
            EXPECT_EQ(type[13], 2); // RGB
        } else if (!std::memcmp(type, "IDAT", 4)) {
            zlib.insert(zlib.end(), type + 4, type + 4 + length);
        }
        at += 12 + length;
    }
    EXPECT_EQ(((zlib[0] << 8) | zlib[1]) % 31, 0);
    std::vector<uint8_t> rows;
    size_t at = 2;
    for (bool last = false; !last; at += 5 + (zlib[at + 1] | (zlib[at + 2] << 8))) {
        last = zlib[at] & 1;
        const size_t length = zlib[at + 1] | (zlib[at + 2] << 8);
        EXPECT_EQ(length ^ 0xFFFF, size_t(zlib[at + 3] | (zlib[at + 4] << 8)));
        rows.insert(rows.end(), zlib.begin() + at + 5, zlib.begin() + at + 5 + length);
    }
    uint32_t a = 1, b = 0;
    for (uint8_t byte : rows) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    EXPECT_EQ(Be32(&zlib[at]), (b << 16) | a);
    return rows;
}

} // namespace

TEST(PageConversion, EachDepthToRgb) {
    // One 2x2 page per depth: white, full red, a 5-6-5 mid tone, black.
    const uint16_t page16[4] = {0xFFFF, 0xF800, 0x8410, 0x0000};
    const uint8_t page24[12] = {0xFF, 0xFF, 0xFF, 0, 0, 0xFF, 0x84, 0x82, 0x84, 0, 0, 0};
    const uint32_t page32[4] = {0xFFFFFF, 0xFF0000, 0x848284, 0};
    const std::vector<uint8_t> expected = {255, 255, 255, 255, 0, 0, 132, 130, 132, 0, 0, 0};
    std::vector<uint8_t> rgb;
    platform::ConvertToRgb24({reinterpret_cast<const uint8_t*>(page16), 2, 2, 4, 16}, rgb);
    EXPECT_EQ(rgb, expected);
    platform::ConvertToRgb24({page24, 2, 2, 6, 24}, rgb);
    EXPECT_EQ(rgb, expected);
    platform::ConvertToRgb24({reinterpret_cast<const uint8_t*>(page32), 2, 2, 8, 32}, rgb);
    EXPECT_EQ(rgb, expected);
}

TEST(PngWriter, WritesAReadableRgbImage) {
    const std::string dir = vbtest::MakeTempDir();
    const int width = 200, height = 120; // more than one stored block
    std::vector<uint8_t> rgb(size_t(width) * height * 3);
    for (size_t i = 0; i < rgb.size(); ++i)
        rgb[i] = static_cast<uint8_t>(i * 7 + i / 600);
    ASSERT_TRUE(platform::WritePng(dir + "/shot.png", rgb.data(), width, height));
    std::ifstream file(dir + "/shot.png", std::ios::binary);
    const std::vector<uint8_t> png{std::istreambuf_iterator<char>(file), {}};
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(std::memcmp(png.data(), "\x89PNG\r\n\x1A\n", 8), 0);
    uint32_t readWidth = 0, readHeight = 0;
    const std::vector<uint8_t> rows = StoredRows(png, readWidth, readHeight);
    EXPECT_EQ(readWidth, uint32_t(width));
    EXPECT_EQ(readHeight, uint32_t(height));
    ASSERT_EQ(rows.size(), size_t(width * 3 + 1) * height);
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = &rows[size_t(y) * (width * 3 + 1)];
        EXPECT_EQ(row[0], 0); // no filter
        EXPECT_EQ(std::memcmp(row + 1, &rgb[size_t(y) * width * 3], width * 3), 0) << y;
    }
    EXPECT_FALSE(platform::WritePng(dir + "/no/such/dir.png", rgb.data(), width, height));
    vbtest::RemoveTree(dir);
}
