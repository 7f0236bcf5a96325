#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "display/display_interface.h"
#include "display_test_support.h"
#include "platform/faults.h"
#include "platform/testing.h"
#include "shell/globals.h"

namespace {

using namespace displaytest;
using ::testing::ExitedWithCode;

class BitmapLoadingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::faults::Reset();
        ASSERT_NE(TestWindow(), nullptr);
        InitDisplay(display);
        // As the game names its pictures: the images prefix, then the file.
        std::snprintf(imagePath, sizeof imagePath, "%s\\", dir.Path().c_str());
    }
    void TearDown() override { platform::faults::Reset(); }

    static std::string InImages(const char* file) { return std::string(imagePath) + file; }

    TempDir dir;
    DisplayInterface display;
};

TEST_F(BitmapLoadingTest, SurfaceHasTheFilesSizeAndPicture) {
    dir.WriteBmp("quarters.bmp", 30, 20, [](int x, int y) {
        return y < 10 ? (x < 15 ? kRed : kBlue) : (x < 15 ? kWhite : kGreen);
    });
    const int gdiObjectsBefore = platform::testhooks::LiveGdiObjectCount();
    const int deviceContextsBefore = platform::testhooks::LiveDeviceContextCount();
    LONG width = 0, height = 0;
    IDirectDrawSurface4* surface =
        display.LoadBitmapSurface(InImages("quarters.bmp").c_str(), width, height);
    ASSERT_NE(surface, nullptr);
    // The file's bitmap and both device contexts were given back.
    EXPECT_EQ(platform::testhooks::LiveGdiObjectCount(), gdiObjectsBefore);
    EXPECT_EQ(platform::testhooks::LiveDeviceContextCount(), deviceContextsBefore);
    EXPECT_EQ(width, 30);
    EXPECT_EQ(height, 20);
    DrawFrame(display, surface, 200, 100, width, height, false, false);
    EXPECT_EQ(ShownPixel(200, 100), kRed);
    EXPECT_EQ(ShownPixel(229, 100), kBlue);
    EXPECT_EQ(ShownPixel(200, 119), kWhite);
    EXPECT_EQ(ShownPixel(229, 119), kGreen);
    surface->Release();
}

TEST_F(BitmapLoadingTest, FileThatWontLoadIsFatal) {
    LONG width = 0, height = 0;
    EXPECT_EXIT(display.LoadBitmapSurface(InImages("missing.bmp").c_str(), width, height),
                ExitedWithCode(1), "DisplayInterface: Couldn't load file resource\\.\n");

    dir.WriteFile("short.bmp", {'B', 'M', 0x40, 0, 0, 0});
    EXPECT_EXIT(display.LoadBitmapSurface(InImages("short.bmp").c_str(), width, height),
                ExitedWithCode(1), "DisplayInterface: Couldn't load file resource\\.\n");

    dir.WriteBmp("locked.bmp", 4, 4, [](int, int) { return kRed; });
    platform::faults::Apply("unreadable locked.bmp");
    EXPECT_EXIT(display.LoadBitmapSurface(InImages("locked.bmp").c_str(), width, height),
                ExitedWithCode(1), "DisplayInterface: Couldn't load file resource\\.\n");
}

TEST_F(BitmapLoadingTest, FailedSurfaceStepsAreReportedByName) {
    dir.WriteBmp("red.bmp", 4, 4, [](int, int) { return kRed; });
    LONG width = 0, height = 0;
    platform::faults::Apply("fail CreateSurface 0x8007000E");
    EXPECT_EXIT(display.LoadBitmapSurface(InImages("red.bmp").c_str(), width, height),
                ExitedWithCode(1), "DisplayInterface: DDERR_OUTOFMEMORY\n");
    EXPECT_EXIT(display.CreateKeyedSurface(8, 8), ExitedWithCode(1),
                "DisplayInterface: DDERR_OUTOFMEMORY\n");
    platform::faults::Reset();

    platform::faults::Apply("fail GetDC 0x88760249"); // 585
    EXPECT_EXIT(display.LoadBitmapSurface(InImages("red.bmp").c_str(), width, height),
                ExitedWithCode(1), "DisplayInterface: DDERR_CANTCREATEDC\n");
}

TEST_F(BitmapLoadingTest, ReloadCopiesOnlyTheCallersRectangle) {
    dir.WriteBmp("red.bmp", 8, 8, [](int, int) { return kRed; });
    dir.WriteBmp("blue.bmp", 16, 16, [](int, int) { return kBlue; });
    LONG width = 0, height = 0;
    IDirectDrawSurface4* surface =
        display.LoadBitmapSurface(InImages("red.bmp").c_str(), width, height);

    display.ReloadBitmap(InImages("blue.bmp").c_str(), surface, 4, 4);
    EXPECT_EQ(platform::testhooks::SurfaceWidth(surface), 8);
    DrawFrame(display, surface, 0, 0, width, height, false, false);
    EXPECT_EQ(ShownPixel(0, 0), kBlue);
    EXPECT_EQ(ShownPixel(3, 3), kBlue);
    EXPECT_EQ(ShownPixel(4, 0), kRed);
    EXPECT_EQ(ShownPixel(0, 4), kRed);
    EXPECT_EQ(ShownPixel(7, 7), kRed);
    EXPECT_EQ(ShownPixel(8, 8), kBlack);
    surface->Release();
}

TEST_F(BitmapLoadingTest, ReloadFailuresAreFatal) {
    dir.WriteBmp("red.bmp", 8, 8, [](int, int) { return kRed; });
    LONG width = 0, height = 0;
    IDirectDrawSurface4* surface =
        display.LoadBitmapSurface(InImages("red.bmp").c_str(), width, height);
    EXPECT_EXIT(display.ReloadBitmap(InImages("gone.bmp").c_str(), surface, width, height),
                ExitedWithCode(1), "DisplayInterface: Couldn't load file resource\\.\n");
    platform::faults::Apply("fail Restore 0x8876024B"); // 587
    EXPECT_EXIT(display.ReloadBitmap(InImages("red.bmp").c_str(), surface, width, height),
                ExitedWithCode(1), "DisplayInterface: DDERR_WRONGMODE\n");
    platform::faults::Reset();
    surface->Release();
}

} // namespace
