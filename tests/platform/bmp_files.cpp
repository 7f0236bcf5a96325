#include "bmp_files.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace vbtest {

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

} // namespace

std::vector<uint8_t> EncodeBmp(const BmpImage& image) {
    std::vector<uint8_t> header;
    Put32(header, image.headerSize);
    if (image.headerSize == 12) {
        Put16(header, static_cast<uint32_t>(image.width));
        Put16(header, static_cast<uint32_t>(image.height));
        Put16(header, 1);
        Put16(header, static_cast<uint32_t>(image.bitsPerPixel));
    } else {
        Put32(header, static_cast<uint32_t>(image.width));
        Put32(header, static_cast<uint32_t>(image.height));
        Put16(header, 1);
        Put16(header, static_cast<uint32_t>(image.bitsPerPixel));
        Put32(header, image.compression);
        Put32(header, static_cast<uint32_t>(image.pixels.size()));
        Put32(header, 2835);
        Put32(header, 2835);
        Put32(header, static_cast<uint32_t>(image.palette.size()));
        Put32(header, 0);
        if (image.headerSize > 40)
            for (size_t i = 0; i < 3; ++i)
                Put32(header, i < image.masks.size() ? image.masks[i] : 0);
        header.resize(image.headerSize, 0);
    }
    std::vector<uint8_t> tables;
    if (image.headerSize == 40)
        for (uint32_t mask : image.masks)
            Put32(tables, mask);
    for (uint32_t colour : image.palette) {
        tables.push_back(static_cast<uint8_t>(colour));
        tables.push_back(static_cast<uint8_t>(colour >> 8));
        tables.push_back(static_cast<uint8_t>(colour >> 16));
        if (image.headerSize != 12)
            tables.push_back(0);
    }
    const uint32_t offset = static_cast<uint32_t>(14 + header.size() + tables.size());
    std::vector<uint8_t> file = {'B', 'M'};
    Put32(file, offset + static_cast<uint32_t>(image.pixels.size()));
    Put32(file, 0);
    Put32(file, offset);
    file.insert(file.end(), header.begin(), header.end());
    file.insert(file.end(), tables.begin(), tables.end());
    file.insert(file.end(), image.pixels.begin(), image.pixels.end());
    return file;
}

std::vector<uint8_t> PackRows(int width, int height, int bitsPerPixel, bool topDown,
                              const std::function<uint32_t(int x, int y)>& value) {
    const size_t stride = (size_t(width) * bitsPerPixel + 31) / 32 * 4;
    std::vector<uint8_t> data(stride * height, 0);
    for (int row = 0; row < height; ++row) {
        const int y = topDown ? row : height - 1 - row;
        uint8_t* out = data.data() + stride * row;
        for (int x = 0; x < width; ++x) {
            uint32_t v = value(x, y);
            if (bitsPerPixel < 8) {
                const int perByte = 8 / bitsPerPixel;
                const int shift = 8 - bitsPerPixel * (x % perByte + 1);
                out[x / perByte] |= static_cast<uint8_t>(v << shift);
            } else {
                for (int b = 0; b < bitsPerPixel / 8; ++b)
                    out[x * (bitsPerPixel / 8) + b] = static_cast<uint8_t>(v >> (8 * b));
            }
        }
    }
    return data;
}

std::vector<uint8_t> Bmp24(int width, int height, const std::vector<uint32_t>& rgb) {
    BmpImage image;
    image.width = width;
    image.height = height;
    image.pixels = PackRows(width, height, 24, false,
                            [&](int x, int y) { return rgb[size_t(y) * width + x]; });
    return EncodeBmp(image);
}

std::string MakeTempDir() {
    char name[] = "/tmp/vbXXXXXX";
    if (!mkdtemp(name))
        throw std::runtime_error("mkdtemp failed");
    return name;
}

void RemoveTree(const std::string& dir) {
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        throw std::runtime_error("cannot write " + path);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

} // namespace vbtest
