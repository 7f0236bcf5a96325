#include <gtest/gtest.h>

#include "display/display_interface.h"
#include "display_test_support.h"
#include "platform/faults.h"

namespace {

using namespace displaytest;
using ::testing::ExitedWithCode;

// A colour that the 5-6-5 layout turns into pure green, but that is not green.
constexpr uint32_t kNearGreen = 0x04FF03;

// The display runs at the depth of the test's parameter.
class DisplayBlitTest : public ::testing::TestWithParam<int> {
  protected:
    void SetUp() override {
        platform::faults::Reset();
        ASSERT_NE(TestWindow(), nullptr);
        if (GetParam() > 16) {
            platform::faults::Apply("refuse-depth 16");
        }
        if (GetParam() > 24) {
            platform::faults::Apply("refuse-depth 24");
        }
        InitDisplay(display);
        ASSERT_EQ(display.Is16Bit(), GetParam() == 16);
    }
    void TearDown() override { platform::faults::Reset(); }

    IDirectDrawSurface4* Load(const std::string& name, int width, int height,
                              const std::function<uint32_t(int, int)>& color) {
        LONG loadedWidth = 0, loadedHeight = 0;
        IDirectDrawSurface4* surface = display.LoadBitmapSurface(
            dir.WriteBmp(name, width, height, color).c_str(), loadedWidth, loadedHeight);
        EXPECT_EQ(loadedWidth, width);
        EXPECT_EQ(loadedHeight, height);
        return surface;
    }

    // A white page with the sprite drawn on it at (x, y).
    void DrawOnWhite(IDirectDrawSurface4* sprite, LONG x, LONG y, LONG width, LONG height,
                     bool keyed, bool mirrored) {
        IDirectDrawSurface4* white = Load("white.bmp", 640, 480, [](int, int) { return kWhite; });
        display.Blit(0, 0, 640, 480, white, false, false);
        display.Blit(x, y, x + width, y + height, sprite, keyed, mirrored);
        display.Present();
        white->Release();
    }

    TempDir dir;
    DisplayInterface display;
};

INSTANTIATE_TEST_SUITE_P(Depths, DisplayBlitTest, ::testing::Values(16, 24, 32),
                         [](const auto& info) { return std::to_string(info.param) + "Bits"; });

TEST_P(DisplayBlitTest, KeyedBlitLeavesGreenOutAndUnkeyedDrawsIt) {
    // Left half green, right half red.
    IDirectDrawSurface4* sprite =
        Load("half.bmp", 16, 8, [](int x, int) { return x < 8 ? kGreen : kRed; });
    DrawOnWhite(sprite, 40, 30, 16, 8, true, false);
    EXPECT_EQ(ShownPixel(40, 30), kWhite);
    EXPECT_EQ(ShownPixel(47, 37), kWhite);
    EXPECT_EQ(ShownPixel(48, 30), kRed);

    DrawOnWhite(sprite, 40, 30, 16, 8, false, false);
    EXPECT_EQ(ShownPixel(40, 30), kGreen);
    EXPECT_EQ(ShownPixel(48, 30), kRed);
    sprite->Release();
}

TEST_P(DisplayBlitTest, OnlyWhatTheDisplayFormatMakesGreenIsTransparent) {
    IDirectDrawSurface4* sprite = Load("near.bmp", 4, 4, [](int, int) { return kNearGreen; });
    DrawOnWhite(sprite, 0, 0, 4, 4, true, false);
    if (GetParam() == 16) {
        EXPECT_EQ(ShownPixel(0, 0), kWhite);
    } else {
        EXPECT_EQ(ShownPixel(0, 0), kNearGreen);
    }
    sprite->Release();
}

TEST_P(DisplayBlitTest, MirroredBlitSwapsLeftAndRight) {
    IDirectDrawSurface4* sprite =
        Load("lr.bmp", 10, 4, [](int x, int) { return x < 3 ? kBlue : kRed; });
    DrawOnWhite(sprite, 100, 100, 10, 4, false, true);
    EXPECT_EQ(ShownPixel(100, 100), kRed);
    EXPECT_EQ(ShownPixel(106, 103), kRed);
    EXPECT_EQ(ShownPixel(107, 100), kBlue);
    EXPECT_EQ(ShownPixel(109, 103), kBlue);

    // Keyed and mirrored together.
    IDirectDrawSurface4* keyed =
        Load("lg.bmp", 10, 4, [](int x, int) { return x < 3 ? kGreen : kRed; });
    DrawOnWhite(keyed, 100, 100, 10, 4, true, true);
    EXPECT_EQ(ShownPixel(100, 100), kRed);
    EXPECT_EQ(ShownPixel(109, 100), kWhite);
    sprite->Release();
    keyed->Release();
}

TEST_P(DisplayBlitTest, BlitPartlyOffTheScreenIsClipped) {
    IDirectDrawSurface4* sprite = Load("red.bmp", 32, 32, [](int, int) { return kRed; });
    DrawFrame(display, sprite, 620, 470, 32, 32, false, false);
    EXPECT_EQ(ShownPixel(620, 470), kRed);
    EXPECT_EQ(ShownPixel(639, 479), kRed);
    EXPECT_EQ(ShownPixel(619, 470), kBlack);
    DrawFrame(display, sprite, -16, -16, 32, 32, false, false);
    EXPECT_EQ(ShownPixel(0, 0), kRed);
    EXPECT_EQ(ShownPixel(15, 15), kRed);
    EXPECT_EQ(ShownPixel(16, 16), kBlack);
    sprite->Release();
}

TEST_P(DisplayBlitTest, ClearMakesTheWholePageBlack) {
    IDirectDrawSurface4* white = Load("white.bmp", 640, 480, [](int, int) { return kWhite; });
    display.Blit(0, 0, 640, 480, white, false, false);
    display.ClearDrawSurface();
    display.Present();
    EXPECT_EQ(ShownPixel(0, 0), kBlack);
    EXPECT_EQ(ShownPixel(320, 240), kBlack);
    EXPECT_EQ(ShownPixel(639, 479), kBlack);
    white->Release();
}

TEST_P(DisplayBlitTest, HighlightBoxIs230By24InPaleYellow) {
    display.SetHighlightBox(338, 52);
    const RECT& box = display.GetHighlightBox();
    EXPECT_EQ(box.left, 338);
    EXPECT_EQ(box.top, 52);
    EXPECT_EQ(box.right, 568);
    EXPECT_EQ(box.bottom, 76);

    display.ClearDrawSurface();
    display.FillHighlight();
    display.Present();
    // At 16 bits only 0xFFA6 counts: red 31, green 61, blue 6 of 5-6-5.
    const uint32_t yellow = GetParam() == 16 ? 0xFFF731 : 0xFFFFA6;
    EXPECT_EQ(ShownPixel(338, 52), yellow);
    EXPECT_EQ(ShownPixel(567, 75), yellow);
    EXPECT_EQ(ShownPixel(337, 52), kBlack);
    EXPECT_EQ(ShownPixel(338, 51), kBlack);
    EXPECT_EQ(ShownPixel(568, 75), kBlack);
    EXPECT_EQ(ShownPixel(567, 76), kBlack);
}

TEST_P(DisplayBlitTest, FailedBlitIsFatal) {
    IDirectDrawSurface4* sprite = Load("red.bmp", 4, 4, [](int, int) { return kRed; });
    platform::faults::Apply("fail Blt 0x80070057");
    EXPECT_EXIT(display.Blit(0, 0, 4, 4, sprite, true, false), ExitedWithCode(1),
                "DisplayInterface: DDERR_INVALIDPARAMS\n");
    EXPECT_EXIT(display.ClearDrawSurface(), ExitedWithCode(1),
                "DisplayInterface: DDERR_INVALIDPARAMS\n");
    EXPECT_EXIT(display.FillHighlight(), ExitedWithCode(1),
                "DisplayInterface: DDERR_INVALIDPARAMS\n");
    platform::faults::Reset();
    sprite->Release();
}

TEST_P(DisplayBlitTest, FailedPresentIsFatal) {
    platform::faults::Apply(display.IsFlipMode() ? "fail Flip 0x80004005"
                                                 : "fail BltFast 0x80004005");
    EXPECT_EXIT(display.Present(), ExitedWithCode(1), "DisplayInterface: DDERR_GENERIC\n");
}

TEST(DisplaySwitchesTest, ClearAndHighlightSwitchesStartOff) {
    DisplayInterface display;
    EXPECT_FALSE(display.IsClearEachFrame());
    EXPECT_FALSE(display.IsHighlightVisible());
    display.SetClearEachFrame(true);
    display.SetHighlightVisible(true);
    EXPECT_TRUE(display.IsClearEachFrame());
    EXPECT_TRUE(display.IsHighlightVisible());
    display.SetClearEachFrame(false);
    display.SetHighlightVisible(false);
    EXPECT_FALSE(display.IsClearEachFrame());
    EXPECT_FALSE(display.IsHighlightVisible());
}

} // namespace
