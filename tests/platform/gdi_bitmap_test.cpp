// Pictures from BMP files into surfaces the way the game loads them:
// LoadImageA, a memory DC, GetObjectA, then BitBlt into the surface's DC.
#include <sys/stat.h>

#include "bmp_files.h"
#include "ddraw_fixture.h"
#include "platform/faults.h"
#include "platform/gdi.h"
#include "platform/testing.h"

using platform::testhooks::LiveDeviceContextCount;
using platform::testhooks::LiveGdiObjectCount;
using platform::testhooks::SurfaceColour;
using platform::testhooks::SurfacePixel;

namespace {

constexpr UINT kLoadFlags = LR_LOADFROMFILE | LR_CREATEDIBSECTION;

class GdiBitmapTest : public vbtest::DirectDrawTest {
  protected:
    void SetUp() override {
        DirectDrawTest::SetUp();
        dir_ = vbtest::MakeTempDir();
        mkdir((dir_ + "/Images").c_str(), 0755);
        objectsBefore_ = LiveGdiObjectCount();
        dcsBefore_ = LiveDeviceContextCount();
    }
    void TearDown() override {
        EXPECT_EQ(LiveGdiObjectCount(), objectsBefore_);
        EXPECT_EQ(LiveDeviceContextCount(), dcsBefore_);
        vbtest::RemoveTree(dir_);
        DirectDrawTest::TearDown();
    }

    // Writes Images/name and answers the path as the game spells it.
    std::string Picture(const std::string& name, const std::vector<uint8_t>& bytes) {
        vbtest::WriteFile(dir_ + "/Images/" + name, bytes);
        return dir_ + "\\Images\\" + name;
    }

    HBITMAP Load(const std::string& path) {
        return static_cast<HBITMAP>(
            LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, kLoadFlags));
    }

    // The game's load: the bitmap's size, and its pixels in a new surface.
    IDirectDrawSurface4* LoadIntoSurface(const std::string& path, int& width, int& height) {
        HBITMAP bitmap = Load(path);
        EXPECT_NE(bitmap, nullptr);
        if (!bitmap)
            return nullptr;
        HDC memory = CreateCompatibleDC(nullptr);
        SelectObject(memory, bitmap);
        BITMAP description{};
        EXPECT_GT(GetObjectA(bitmap, sizeof description, &description), 0);
        width = description.bmWidth;
        height = description.bmHeight;
        IDirectDrawSurface4* surface = OffScreen(width, height);
        HDC dc = nullptr;
        EXPECT_EQ(surface->GetDC(&dc), DD_OK);
        EXPECT_TRUE(BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY));
        EXPECT_EQ(surface->ReleaseDC(dc), DD_OK);
        EXPECT_TRUE(DeleteDC(memory));
        EXPECT_TRUE(DeleteObject(bitmap));
        return surface;
    }

    std::string dir_;
    int objectsBefore_ = 0;
    int dcsBefore_ = 0;
};

// Colours that show each depth's conversion: exact at 24 and 32 bits, truncated at 16.
const std::vector<uint32_t> kColours = {0x00FF00, 0x04FF03, 0xFF07F8, 0x10FC08};

class ConversionTest : public GdiBitmapTest, public ::testing::WithParamInterface<int> {};

TEST_P(ConversionTest, PixelsReachTheSurfaceInItsLayout) {
    const int bits = GetParam();
    Open(bits);
    int width = 0, height = 0;
    IDirectDrawSurface4* surface =
        LoadIntoSurface(Picture("colours.bmp", vbtest::Bmp24(2, 2, kColours)), width, height);
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(width, 2);
    EXPECT_EQ(height, 2);
    for (int i = 0; i < 4; ++i) {
        const uint32_t colour = kColours[i];
        uint32_t expected = colour;
        if (bits == 16)
            expected =
                ((colour >> 19) << 11) | (((colour >> 10) & 0x3F) << 5) | ((colour & 0xFF) >> 3);
        EXPECT_EQ(SurfacePixel(surface, i % 2, i / 2), expected) << std::hex << colour;
    }
    if (bits == 16) {
        EXPECT_EQ(SurfacePixel(surface, 1, 0), 0x07E0u); // near-green becomes the key
        EXPECT_EQ(SurfacePixel(surface, 0, 1), 0xF83Fu);
        EXPECT_EQ(SurfacePixel(surface, 1, 1), 0x17E1u);
    }
}

TEST_P(ConversionTest, TheKeyAppliesAfterConversion) {
    // Drawn keyed: at 16 bits both greens vanish; at 24 and 32 only the exact one does.
    const int bits = GetParam();
    Open(bits);
    const DWORD key = bits == 16 ? 0x07E0 : 0x00FF00;
    int width = 0, height = 0;
    IDirectDrawSurface4* loaded = LoadIntoSurface(
        Picture("greens.bmp", vbtest::Bmp24(2, 1, {0x00FF00, 0x04FF03})), width, height);
    ASSERT_NE(loaded, nullptr);
    DDCOLORKEY colourKey{key, key};
    ASSERT_EQ(loaded->SetColorKey(DDCKEY_SRCBLT, &colourKey), DD_OK);
    IDirectDrawSurface4* page = OffScreen(4, 1);
    Fill(page, 0);
    RECT at{0, 0, 2, 1};
    ASSERT_EQ(page->Blt(&at, loaded, nullptr, DDBLT_WAIT | DDBLT_KEYSRC, nullptr), DD_OK);
    EXPECT_EQ(SurfaceColour(page, 0, 0), 0u);
    EXPECT_EQ(SurfaceColour(page, 1, 0) == 0, bits == 16);
}

INSTANTIATE_TEST_SUITE_P(Depths, ConversionTest, ::testing::Values(16, 24, 32),
                         [](const auto& info) { return std::to_string(info.param) + "Bits"; });

TEST_F(GdiBitmapTest, PathsAreMatchedWithoutRegardToCase) {
    vbtest::WriteFile(dir_ + "/Images/pic.bmp", vbtest::Bmp24(1, 1, {0x123456}));
    HBITMAP bitmap = Load(dir_ + "\\IMAGES\\Pic.BMP");
    ASSERT_NE(bitmap, nullptr);
    EXPECT_TRUE(DeleteObject(bitmap));
}

TEST_F(GdiBitmapTest, NoBitmapForMissingBadOrUnreadableFiles) {
    EXPECT_EQ(Load(dir_ + "\\Images\\missing.bmp"), nullptr);
    std::vector<uint8_t> truncated = vbtest::Bmp24(4, 4, std::vector<uint32_t>(16, 0));
    truncated.resize(60);
    EXPECT_EQ(Load(Picture("short.bmp", truncated)), nullptr);
    EXPECT_EQ(Load(Picture("text.bmp", {'h', 'e', 'l', 'l', 'o'})), nullptr);

    const std::string good = Picture("good.bmp", vbtest::Bmp24(1, 1, {0}));
    ASSERT_TRUE(platform::faults::Apply("unreadable GOOD.BMP"));
    EXPECT_EQ(Load(good), nullptr);
    platform::faults::Reset();
    ASSERT_TRUE(platform::faults::Apply("fail LoadImageA 1 1"));
    EXPECT_EQ(Load(good), nullptr);
    EXPECT_EQ(LoadImageA(nullptr, good.c_str(), 1, 0, 0, kLoadFlags), nullptr);
    EXPECT_EQ(LoadImageA(nullptr, good.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION), nullptr);
    HBITMAP bitmap = Load(good);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_TRUE(DeleteObject(bitmap));
}

TEST_F(GdiBitmapTest, ObjectsAndDeviceContexts) {
    HBITMAP bitmap = Load(Picture("obj.bmp", vbtest::Bmp24(3, 2, std::vector<uint32_t>(6, 0))));
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(GetObjectA(bitmap, 0, nullptr), int(sizeof(BITMAP)));
    BITMAP description{};
    EXPECT_EQ(GetObjectA(bitmap, 24, &description), 24); // as a 32-bit caller asks
    EXPECT_EQ(description.bmType, 0);
    EXPECT_EQ(description.bmWidth, 3);
    EXPECT_EQ(description.bmHeight, 2);
    EXPECT_EQ(description.bmPlanes, 1);
    EXPECT_EQ(GetObjectA(bitmap, 8, &description), 0);

    HDC memory = CreateCompatibleDC(nullptr);
    HDC other = CreateCompatibleDC(nullptr);
    HGDIOBJ stock = SelectObject(memory, bitmap);
    EXPECT_NE(stock, nullptr);
    EXPECT_EQ(SelectObject(other, bitmap), nullptr); // in one DC at a time
    EXPECT_FALSE(DeleteObject(bitmap));              // still selected
    EXPECT_EQ(SelectObject(memory, stock), bitmap);
    EXPECT_TRUE(DeleteDC(memory));
    EXPECT_TRUE(DeleteDC(other));
    EXPECT_FALSE(DeleteDC(other));
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_FALSE(DeleteObject(bitmap));
}

TEST_F(GdiBitmapTest, BitBltClipsToBothSides) {
    Open(32);
    std::vector<uint32_t> colours = {0x111111, 0x222222, 0x333333, 0x444444};
    HBITMAP bitmap = Load(Picture("small.bmp", vbtest::Bmp24(2, 2, colours)));
    HDC memory = CreateCompatibleDC(nullptr);
    SelectObject(memory, bitmap);
    IDirectDrawSurface4* surface = OffScreen(3, 3);
    Fill(surface, 0xABCDEF);
    HDC dc = nullptr;
    ASSERT_EQ(surface->GetDC(&dc), DD_OK);
    // A size larger than the picture copies only what the picture has.
    EXPECT_TRUE(BitBlt(dc, 1, 1, 5, 5, memory, 0, 0, SRCCOPY));
    EXPECT_TRUE(BitBlt(dc, -1, 0, 2, 1, memory, 0, 0, SRCCOPY));
    EXPECT_FALSE(BitBlt(dc, 0, 0, 2, 2, memory, 0, 0, 0x00EE0086));
    ASSERT_TRUE(platform::faults::Apply("fail BitBlt 1 1"));
    EXPECT_FALSE(BitBlt(dc, 0, 0, 2, 2, memory, 0, 0, SRCCOPY));
    EXPECT_EQ(SelectObject(dc, bitmap), nullptr); // bitmaps go into memory DCs only
    EXPECT_FALSE(DeleteDC(dc));
    ASSERT_EQ(surface->ReleaseDC(dc), DD_OK);
    EXPECT_EQ(SurfacePixel(surface, 0, 0), 0x222222u);
    EXPECT_EQ(SurfacePixel(surface, 1, 0), 0xABCDEFu);
    EXPECT_EQ(SurfacePixel(surface, 1, 1), 0x111111u);
    EXPECT_EQ(SurfacePixel(surface, 2, 2), 0x444444u);
    EXPECT_TRUE(DeleteDC(memory));
    EXPECT_TRUE(DeleteObject(bitmap));
}

} // namespace
