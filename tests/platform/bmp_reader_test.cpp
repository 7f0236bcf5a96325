// The BMP reader: every layout decodes to the right colours in the right
// places, and damaged files are refused without reading past their end.
#include <gtest/gtest.h>

#include <climits>

#include "bmp_files.h"
#include "platform/bmp_reader.h"

using platform::DecodeBmp;
using platform::DecodedBitmap;
using vbtest::BmpImage;
using vbtest::EncodeBmp;
using vbtest::PackRows;

namespace {

// Three columns (so rows need padding) by two rows, all colours different.
const std::vector<uint32_t> kColours = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x123456, 0x000000};

DecodedBitmap Decode(const std::vector<uint8_t>& file) {
    DecodedBitmap out;
    std::string why;
    EXPECT_TRUE(DecodeBmp(file.data(), file.size(), out, &why)) << why;
    return out;
}

std::string Refusal(const std::vector<uint8_t>& file) {
    DecodedBitmap out;
    std::string why;
    EXPECT_FALSE(DecodeBmp(file.data(), file.size(), out, &why));
    EXPECT_TRUE(out.pixels.empty());
    return why;
}

BmpImage Indexed(int bits, int width, int height, std::vector<uint32_t> palette,
                 const std::function<uint32_t(int, int)>& index) {
    BmpImage image;
    image.width = width;
    image.height = height;
    image.bitsPerPixel = bits;
    image.palette = std::move(palette);
    image.pixels = PackRows(width, height < 0 ? -height : height, bits, height < 0, index);
    return image;
}

BmpImage SixColours(int height) {
    BmpImage image;
    image.width = 3;
    image.height = height;
    image.pixels = PackRows(3, 2, 24, height < 0, [](int x, int y) { return kColours[y * 3 + x]; });
    return image;
}

void PutU32(std::vector<uint8_t>& file, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        file[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

} // namespace

TEST(BmpReader, TwentyFourBitsBottomUpAndTopDown) {
    for (int height : {2, -2}) {
        DecodedBitmap bitmap = Decode(EncodeBmp(SixColours(height)));
        EXPECT_EQ(bitmap.width, 3);
        EXPECT_EQ(bitmap.height, 2);
        EXPECT_EQ(bitmap.fileBitsPerPixel, 24);
        EXPECT_EQ(bitmap.pixels, kColours) << "height " << height;
    }
}

TEST(BmpReader, PalettedDepths) {
    const std::vector<uint32_t> palette = {0x000000, 0xFF8000, 0x00FFFF, 0x808080};
    auto index = [](int x, int y) { return uint32_t((x + y) % 4); };
    for (int bits : {8, 4}) {
        DecodedBitmap bitmap = Decode(EncodeBmp(Indexed(bits, 5, 3, palette, index)));
        ASSERT_EQ(bitmap.pixels.size(), 15u);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x)
                EXPECT_EQ(bitmap.pixels[y * 5 + x], palette[index(x, y)]) << bits << " bits";
    }
    auto stripes = [](int x, int) { return uint32_t(x % 2); };
    DecodedBitmap mono = Decode(EncodeBmp(Indexed(1, 11, -2, {0x000000, 0xFFFFFF}, stripes)));
    EXPECT_EQ(mono.pixels[9], 0xFFFFFFu);
    EXPECT_EQ(mono.pixels[10], 0x000000u);
}

TEST(BmpReader, IndexBeyondThePaletteIsBlack) {
    DecodedBitmap bitmap =
        Decode(EncodeBmp(Indexed(8, 2, 1, {0xABCDEF}, [](int x, int) { return x * 200u; })));
    EXPECT_EQ(bitmap.pixels, (std::vector<uint32_t>{0xABCDEF, 0x000000}));
}

TEST(BmpReader, CoreHeaderWithThreeBytePalette) {
    BmpImage image = Indexed(8, 2, 2, {0x102030, 0x405060}, [](int x, int) { return x; });
    image.headerSize = 12;
    image.palette.resize(256);
    EXPECT_EQ(Decode(EncodeBmp(image)).pixels,
              (std::vector<uint32_t>{0x102030, 0x405060, 0x102030, 0x405060}));
}

TEST(BmpReader, SixteenBitsDefaultAndMasks) {
    // Default 5-5-5, fields widened by repeating their high bits.
    BmpImage plain;
    plain.width = 4;
    plain.height = 1;
    plain.bitsPerPixel = 16;
    const std::vector<uint32_t> raw555 = {0x7FFF, 0x7C00, 0x001F, 0x0210};
    plain.pixels = PackRows(4, 1, 16, false, [&](int x, int) { return raw555[x]; });
    EXPECT_EQ(Decode(EncodeBmp(plain)).pixels,
              (std::vector<uint32_t>{0xFFFFFF, 0xFF0000, 0x0000FF, 0x008484}));

    // 5-6-5 through bit masks, after an info header and inside a V5 header.
    const std::vector<uint32_t> raw565 = {0xF800, 0x07E0, 0x001F, 0x0020};
    for (uint32_t headerSize : {40u, 124u}) {
        BmpImage masked = plain;
        masked.compression = 3;
        masked.headerSize = headerSize;
        masked.masks = {0xF800, 0x07E0, 0x001F};
        masked.pixels = PackRows(4, 1, 16, false, [&](int x, int) { return raw565[x]; });
        EXPECT_EQ(Decode(EncodeBmp(masked)).pixels,
                  (std::vector<uint32_t>{0xFF0000, 0x00FF00, 0x0000FF, 0x000400}))
            << "header " << headerSize;
    }
}

TEST(BmpReader, ThirtyTwoBitsPlainAndMasks) {
    BmpImage plain;
    plain.width = 2;
    plain.height = -1;
    plain.bitsPerPixel = 32;
    plain.pixels =
        PackRows(2, 1, 32, true, [](int x, int) { return x ? 0x80123456u : 0xFF00FF00u; });
    EXPECT_EQ(Decode(EncodeBmp(plain)).pixels, (std::vector<uint32_t>{0x00FF00, 0x123456}));

    BmpImage masked = plain;
    masked.compression = 3;
    masked.headerSize = 108;
    masked.masks = {0x0000FF00, 0x00FF0000, 0xFF000000};
    masked.pixels = PackRows(2, 1, 32, true, [](int x, int) { return x ? 0x563412FFu : 0xFF; });
    EXPECT_EQ(Decode(EncodeBmp(masked)).pixels, (std::vector<uint32_t>{0x000000, 0x123456}));
}

TEST(BmpReader, LargerHeadersWithoutMasks) {
    for (uint32_t headerSize : {52u, 56u, 108u, 124u}) {
        BmpImage image = SixColours(2);
        image.headerSize = headerSize;
        EXPECT_EQ(Decode(EncodeBmp(image)).pixels, kColours) << "header " << headerSize;
    }
}

TEST(BmpReader, MissingDataOffsetMeansRightAfterThePalette) {
    BmpImage image = Indexed(8, 2, 1, {0x111111, 0x222222}, [](int x, int) { return x; });
    std::vector<uint8_t> file = EncodeBmp(image);
    PutU32(file, 10, 0);
    EXPECT_EQ(Decode(file).pixels, (std::vector<uint32_t>{0x111111, 0x222222}));
}

TEST(BmpReader, RunLengthEncoded) {
    // 6 x 4, bottom row first: a run, an odd literal (padded), end of line; a delta
    // that skips two pixels and the next row; a run; end of bitmap before the top row.
    BmpImage image;
    image.width = 6;
    image.height = 4;
    image.bitsPerPixel = 8;
    image.compression = 1;
    image.palette = {0x000000, 0x0000FF, 0x00FF00, 0xFF0000};
    image.pixels = {3, 1, 0, 3, 2, 3, 2, 0, 0, 0, 0, 2, 2, 1, 4, 3, 0, 1};
    DecodedBitmap bitmap = Decode(EncodeBmp(image));
    const uint32_t k = 0x000000, b = 0x0000FF, g = 0x00FF00, r = 0xFF0000;
    EXPECT_EQ(bitmap.pixels, (std::vector<uint32_t>{
                                 k, k, k, k, k, k, // top row: never written
                                 k, k, r, r, r, r, // after the delta
                                 k, k, k, k, k, k, // skipped by the delta
                                 b, b, b, g, r, g, // run and literal
                             }));

    // Cut anywhere before its end-of-bitmap mark, the picture is refused, not
    // drawn in part.
    const std::vector<uint8_t> whole = EncodeBmp(image);
    for (size_t length = whole.size() - image.pixels.size(); length < whole.size(); ++length)
        EXPECT_FALSE(Refusal({whole.begin(), whole.begin() + length}).empty()) << length;
}

TEST(BmpReader, RefusesDamagedHeaders) {
    const std::vector<uint8_t> good = EncodeBmp(SixColours(2));
    auto with = [&](size_t at, uint32_t value) {
        std::vector<uint8_t> file = good;
        PutU32(file, at, value);
        return file;
    };
    auto depth = [&](uint16_t bits) {
        std::vector<uint8_t> file = good;
        file[28] = static_cast<uint8_t>(bits);
        file[29] = static_cast<uint8_t>(bits >> 8);
        return file;
    };
    std::vector<uint8_t> badMagic = good;
    badMagic[0] = 'X';
    EXPECT_EQ(Refusal({}), "file too short for a bitmap header");
    EXPECT_EQ(Refusal(badMagic), "not a bitmap file");
    EXPECT_EQ(Refusal(with(14, 20)), "unsupported bitmap header");
    EXPECT_EQ(Refusal(with(14, 124)), "truncated bitmap header");
    EXPECT_EQ(Refusal(with(18, 0)), "bitmap has no pixels");
    EXPECT_EQ(Refusal(with(18, uint32_t(-3))), "bitmap has no pixels");
    EXPECT_EQ(Refusal(with(22, 0)), "bitmap has no pixels");
    EXPECT_EQ(Refusal(with(18, 16385)), "bitmap too large");
    EXPECT_EQ(Refusal(with(22, uint32_t(-16385))), "bitmap too large");
    EXPECT_EQ(Refusal(with(22, uint32_t(INT_MIN))), "bitmap too large");
    std::vector<uint8_t> huge = with(18, 16384);
    PutU32(huge, 22, 16384);
    EXPECT_EQ(Refusal(huge), "bitmap too large");
    for (uint16_t bits : {0, 2, 7, 48, 64})
        EXPECT_EQ(Refusal(depth(bits)), "unsupported bit depth") << bits;
    EXPECT_EQ(Refusal(with(30, 2)), "unsupported compression"); // 4-bit run-length
    EXPECT_EQ(Refusal(with(30, 1)), "unsupported compression"); // run-length 24 bits
    EXPECT_EQ(Refusal(with(30, 3)), "unsupported compression"); // masks on 24 bits
    EXPECT_EQ(Refusal(with(30, 99)), "unsupported compression");
    EXPECT_EQ(Refusal(with(10, uint32_t(good.size() + 1))),
              "pixel data offset past the end of the file");
    EXPECT_EQ(Refusal(with(10, 0xFFFFFFFF)), "pixel data offset past the end of the file");
}

TEST(BmpReader, RefusesBadTablesAndShortPixels) {
    BmpImage paletted =
        Indexed(8, 2, 2, std::vector<uint32_t>(256, 0x123456), [](int, int) { return 0u; });
    std::vector<uint8_t> file = EncodeBmp(paletted);
    file.resize(14 + 40 + 100);
    EXPECT_EQ(Refusal(file), "truncated palette");

    BmpImage masked;
    masked.width = 1;
    masked.height = 1;
    masked.bitsPerPixel = 16;
    masked.compression = 3;
    masked.masks = {0xF000, 0x0F0F, 0x00F0}; // green is not one run of bits
    masked.pixels = {0, 0, 0, 0};
    EXPECT_EQ(Refusal(EncodeBmp(masked)), "bad bit masks");
    masked.masks = {0xF8000, 0x07E0, 0x001F}; // red beyond 16 bits
    EXPECT_EQ(Refusal(EncodeBmp(masked)), "bad bit masks");
    std::vector<uint8_t> noMasks = EncodeBmp(masked);
    noMasks.resize(14 + 40 + 6);
    EXPECT_EQ(Refusal(noMasks), "truncated bit masks");

    // Every cut inside the pixels is refused; only the last row's padding may be missing.
    const std::vector<uint8_t> good = EncodeBmp(SixColours(2));
    const size_t lastPixelEnd = good.size() - 3;
    for (size_t length = 54; length < lastPixelEnd; ++length) {
        std::vector<uint8_t> cut(good.begin(), good.begin() + length);
        EXPECT_EQ(Refusal(cut), "truncated pixel data") << length;
    }
    EXPECT_EQ(Decode({good.begin(), good.begin() + lastPixelEnd}).pixels, kColours);
}

TEST(BmpReader, RefusesRunLengthOverruns) {
    BmpImage image;
    image.width = 4;
    image.height = 2;
    image.bitsPerPixel = 8;
    image.compression = 1;
    image.palette = {0, 0xFFFFFF};
    auto refusal = [&](std::vector<uint8_t> data) {
        image.pixels = std::move(data);
        return Refusal(EncodeBmp(image));
    };
    EXPECT_EQ(refusal({5, 1}), "run-length run past the end of its row");
    EXPECT_EQ(refusal({2, 1, 3, 1}), "run-length run past the end of its row");
    EXPECT_EQ(refusal({0, 0, 0, 0, 1, 1}), "run-length run past the end of its row");
    EXPECT_EQ(refusal({0, 5, 1, 1, 1, 1, 1, 0}), "run-length literal run past the end of its row");
    EXPECT_EQ(refusal({0, 4, 1, 1}), "run-length literal run cut short");
    EXPECT_EQ(refusal({0, 2, 5, 0}), "run-length delta past the image");
    EXPECT_EQ(refusal({0, 2, 0, 3}), "run-length delta past the image");
    EXPECT_EQ(refusal({0, 2, 1}), "run-length delta cut short");
    // Rows beyond the picture: one end of line may close the top row, no more.
    EXPECT_EQ(refusal({4, 1, 0, 0, 4, 1, 0, 0, 0, 0, 0, 1}), "run-length line past the image");
    image.pixels = {4, 1, 0, 0, 4, 1, 0, 0, 0, 1};
    EXPECT_EQ(Decode(EncodeBmp(image)).pixels, std::vector<uint32_t>(8, 0xFFFFFF));
    // Data that stops without its end-of-bitmap mark, between commands or not.
    for (std::vector<uint8_t> data : std::vector<std::vector<uint8_t>>{
             {}, {4, 1, 0, 0, 4, 1}, {4, 1, 0, 0, 4, 1, 0}, {4, 1, 0, 0, 4, 1, 0, 0}})
        EXPECT_EQ(refusal(data), "run-length data ends before its end-of-bitmap mark");

    std::vector<uint8_t> topDown = EncodeBmp(image);
    PutU32(topDown, 22, uint32_t(-2));
    EXPECT_EQ(Refusal(topDown), "run-length bitmap stored top-down");
}

TEST(BmpReader, EveryPrefixOfEveryLayoutIsSafe) {
    // Run under the address sanitizer: no prefix may be read past its end.
    std::vector<std::vector<uint8_t>> files = {EncodeBmp(SixColours(-2))};
    BmpImage rle = Indexed(8, 4, 2, {0, 0xFFFFFF}, [](int, int) { return 0u; });
    rle.compression = 1;
    rle.pixels = {2, 1, 0, 3, 1, 0, 1, 0, 0, 0, 0, 2, 1, 0, 0, 1};
    files.push_back(EncodeBmp(rle));
    BmpImage masked;
    masked.width = 3;
    masked.height = 2;
    masked.bitsPerPixel = 32;
    masked.compression = 3;
    masked.masks = {0xFF0000, 0xFF00, 0xFF};
    masked.pixels = PackRows(3, 2, 32, false, [](int x, int y) { return x * 77u + y; });
    files.push_back(EncodeBmp(masked));
    for (const std::vector<uint8_t>& file : files) {
        for (size_t length = 0; length <= file.size(); ++length) {
            std::vector<uint8_t> cut(file.begin(), file.begin() + length);
            DecodedBitmap out;
            if (DecodeBmp(cut.data(), cut.size(), out, nullptr)) {
                EXPECT_EQ(out.pixels.size(), size_t(out.width) * out.height);
            }
        }
    }
}
