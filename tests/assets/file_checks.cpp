#include "file_checks.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace vbtest {
namespace {

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t(b[at + 3]) << 24);
}

std::uint16_t U16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

std::string DecodeRunLength(const std::vector<std::uint8_t>& b, std::size_t at, Bitmap& out) {
    for (int row = out.height - 1; row >= 0; --row) {
        int x = 0;
        std::uint8_t* line = out.pixels.data() + static_cast<std::size_t>(row) * out.width;
        for (;;) {
            if (at + 2 > b.size()) {
                return "run-length data ends inside row " + std::to_string(row);
            }
            std::uint8_t count = b[at];
            std::uint8_t value = b[at + 1];
            at += 2;
            if (count > 0) {
                if (x + count > out.width) {
                    return "a run passes the row's end";
                }
                std::memset(line + x, value, count);
                x += count;
                continue;
            }
            if (value == 0 || value == 1) {
                if (x != out.width) {
                    return "a row holds " + std::to_string(x) + " pixels, not the width";
                }
                bool last = row == 0;
                if ((value == 1) != last) {
                    return last ? "the last row does not end the bitmap" : "the bitmap ends early";
                }
                break;
            }
            if (value == 2) {
                return "delta marks are not used by the pack";
            }
            if (x + value > out.width || at + value > b.size()) {
                return "an absolute stretch passes the row's end";
            }
            std::memcpy(line + x, b.data() + at, value);
            x += value;
            at += value + (value & 1u);
        }
    }
    return at == b.size() ? "" : "bytes follow the end of the bitmap";
}

} // namespace

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string ParseBitmap(const std::vector<std::uint8_t>& b, Bitmap& out) {
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') {
        return "not a BMP file";
    }
    if (U32(b, 2) != b.size()) {
        return "the file size field is wrong";
    }
    if (U32(b, 14) != 40) {
        return "not a BITMAPINFOHEADER";
    }
    std::int32_t width = static_cast<std::int32_t>(U32(b, 18));
    std::int32_t height = static_cast<std::int32_t>(U32(b, 22));
    if (width <= 0 || height <= 0) {
        return "rows are not bottom-up or the size is empty";
    }
    if (U16(b, 26) != 1 || U16(b, 28) != 8) {
        return "not one plane of 8 bits";
    }
    out.compression = U32(b, 30);
    std::uint32_t colours = U32(b, 46) == 0 ? 256 : U32(b, 46);
    std::uint32_t offset = U32(b, 10);
    if (colours > 256 || offset != 54 + 4 * colours || offset > b.size()) {
        return "the palette does not lie between the header and the pixels";
    }
    if (U32(b, 34) != b.size() - offset) {
        return "the image size field is wrong";
    }
    out.width = width;
    out.height = height;
    out.palette.clear();
    for (std::uint32_t i = 0; i < colours; ++i) {
        std::size_t at = 54 + 4 * i;
        out.palette.push_back((std::uint32_t(b[at + 2]) << 16) | (b[at + 1] << 8) | b[at]);
    }
    out.pixels.assign(static_cast<std::size_t>(width) * height, 0);
    std::string error;
    if (out.compression == 1) {
        error = DecodeRunLength(b, offset, out);
    } else if (out.compression == 0) {
        std::size_t stride = (static_cast<std::size_t>(width) + 3) & ~std::size_t(3);
        if (b.size() - offset != stride * height) {
            return "the plain rows do not fill the data";
        }
        for (int y = 0; y < height; ++y) {
            std::memcpy(out.pixels.data() + static_cast<std::size_t>(y) * width,
                        b.data() + offset + (height - 1 - y) * stride, width);
        }
    } else {
        return "neither plain nor BI_RLE8";
    }
    if (error.empty()) {
        for (std::uint8_t index : out.pixels) {
            if (index >= colours) {
                return "a pixel's index lies outside the palette";
            }
        }
    }
    return error;
}

std::string ParseRecording(const std::vector<std::uint8_t>& b, Recording& out) {
    if (b.size() < 44 || std::memcmp(b.data(), "RIFF", 4) != 0 ||
        std::memcmp(b.data() + 8, "WAVE", 4) != 0) {
        return "not a RIFF WAVE file";
    }
    if (U32(b, 4) != b.size() - 8) {
        return "the RIFF size does not match the file";
    }
    if (std::memcmp(b.data() + 12, "fmt ", 4) != 0 || U32(b, 16) != 16) {
        return "no 16-byte fmt chunk first";
    }
    if (U16(b, 20) != 1 || U16(b, 22) != 1 || U32(b, 24) != 22050 || U32(b, 28) != 44100 ||
        U16(b, 32) != 2 || U16(b, 34) != 16) {
        return "not PCM mono 22,050 Hz 16-bit";
    }
    if (std::memcmp(b.data() + 36, "data", 4) != 0) {
        return "no data chunk after fmt";
    }
    std::uint32_t size = U32(b, 40);
    if (size != b.size() - 44 || size == 0 || size % 2 != 0) {
        return "the data size does not match the samples";
    }
    out.samples.resize(size / 2);
    for (std::size_t i = 0; i < out.samples.size(); ++i) {
        out.samples[i] = static_cast<std::int16_t>(U16(b, 44 + 2 * i));
    }
    return "";
}

TempDir::TempDir() {
    char pattern[] = "/tmp/vbXXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

} // namespace vbtest
