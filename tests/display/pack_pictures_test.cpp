// Every picture of the generated pack loads through the game's own bitmap
// loading, at the size its file says.
#include <gtest/gtest.h>

#include <filesystem>

#include "display/display_interface.h"
#include "display_test_support.h"
#include "platform/testing.h"

namespace {

TEST(AssetPack, EveryPictureLoadsThroughTheGamesBitmapLoading) {
    DisplayInterface display;
    displaytest::InitDisplay(display);
    int loaded = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(VOCABULOON_ASSETS) + "/Images")) {
        LONG width = 0, height = 0;
        IDirectDrawSurface4* surface =
            display.LoadBitmapSurface(entry.path().c_str(), width, height);
        ASSERT_NE(surface, nullptr) << entry.path();
        EXPECT_GT(width, 0) << entry.path();
        EXPECT_LE(width, 2000) << entry.path();
        EXPECT_GT(height, 0) << entry.path();
        EXPECT_LE(height, 480) << entry.path();
        surface->Release();
        ++loaded;
    }
    EXPECT_GT(loaded, 1000);
}

} // namespace
