// Strict readers of the pack's two file formats, written apart from the
// generator so that the tests do not trust its own idea of the formats.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vbtest {

std::vector<std::uint8_t> ReadBytes(const std::string& path);

// An 8-bit palette BMP: BITMAPFILEHEADER, BITMAPINFOHEADER, palette, and rows
// bottom-up, plain or BI_RLE8 (each row ends with an end-of-line mark, the last
// with end-of-bitmap).
struct Bitmap {
    int width = 0;
    int height = 0;
    std::uint32_t compression = 0;
    std::vector<std::uint32_t> palette; // 0xRRGGBB
    std::vector<std::uint8_t> pixels;   // palette indices, rows top to bottom

    std::uint32_t ColourAt(int x, int y) const {
        return palette[pixels[static_cast<std::size_t>(y) * width + x]];
    }
};

// Answers an empty string and fills out, or says what is wrong.
std::string ParseBitmap(const std::vector<std::uint8_t>& bytes, Bitmap& out);

// A RIFF WAVE file of the pack's format: PCM, mono, 22,050 Hz, 16 bits.
struct Recording {
    std::vector<std::int16_t> samples;
};

std::string ParseRecording(const std::vector<std::uint8_t>& bytes, Recording& out);

// Pure green, and the colours a 16-bit 5-6-5 display turns into it.
inline bool IsKey(std::uint32_t c) {
    return c == 0x00FF00;
}
inline bool LooksLikeKey(std::uint32_t c) {
    return ((c >> 16) & 0xFF) < 8 && (c & 0xFF) < 8 && ((c >> 8) & 0xFF) > 251;
}

// A fresh folder under /tmp, removed with the object.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

} // namespace vbtest
