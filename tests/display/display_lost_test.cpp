#include <gtest/gtest.h>

#include "display/display_interface.h"
#include "display_test_support.h"
#include "platform/faults.h"

namespace {

using namespace displaytest;
using ::testing::ExitedWithCode;

// Another program took the screen: every surface is lost until restored. The
// parameter chooses the flip chain (false: blit mode).
class LostSurfaceTest : public ::testing::TestWithParam<bool> {
  protected:
    void SetUp() override {
        platform::faults::Reset();
        ASSERT_NE(TestWindow(), nullptr);
        if (!GetParam()) {
            platform::faults::Apply("refuse-backbuffers any");
        }
        InitDisplay(display);
        ASSERT_EQ(display.IsFlipMode(), GetParam());
        spritePath = dir.WriteBmp("sprite.bmp", 20, 10, [](int, int) { return kBlue; });
        sprite = display.LoadBitmapSurface(spritePath.c_str(), width, height);
    }
    void TearDown() override {
        platform::faults::Reset();
        sprite->Release();
    }

    // What a screen object does with a lost frame before drawing it.
    void ReloadSprite() { display.ReloadBitmap(spritePath.c_str(), sprite, width, height); }

    // The sprite at (x, y) on black, with nothing left of the restored pages.
    bool FrameIsRight(LONG x, LONG y) {
        return ShownPixel(x, y) == kBlue && ShownPixel(x + 19, y + 9) == kBlue &&
               ShownPixel(x - 1, y) == kBlack && ShownPixel(x + 20, y + 10) == kBlack &&
               ShownPixel(0, 0) == kBlack && ShownPixel(639, 479) == kBlack;
    }

    TempDir dir;
    DisplayInterface display;
    std::string spritePath;
    IDirectDrawSurface4* sprite = nullptr;
    LONG width = 0;
    LONG height = 0;
};

INSTANTIATE_TEST_SUITE_P(Modes, LostSurfaceTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Flip" : "BlitMode"; });

TEST_P(LostSurfaceTest, BlitAndPresentRecoverWithoutABox) {
    DrawFrame(display, sprite, 50, 60, width, height, false, false);
    ASSERT_TRUE(FrameIsRight(50, 60));

    platform::faults::Apply("lose-surfaces");
    display.Blit(50, 60, 50 + width, 60 + height, sprite, false, false);
    display.Present();
    // The sprite frame is still lost until its owner reloads it; drawing it is
    // survived as well.
    display.Blit(50, 60, 50 + width, 60 + height, sprite, true, false);
    display.Present();

    ReloadSprite();
    DrawFrame(display, sprite, 150, 160, width, height, false, false);
    EXPECT_TRUE(FrameIsRight(150, 160));
}

TEST_P(LostSurfaceTest, PresentAloneRecovers) {
    platform::faults::Apply("lose-surfaces");
    display.Present();
    ReloadSprite();
    DrawFrame(display, sprite, 150, 160, width, height, false, false);
    EXPECT_TRUE(FrameIsRight(150, 160));
}

TEST_P(LostSurfaceTest, ClearAndHighlightAtTheFrameStartRecover) {
    display.SetHighlightBox(300, 300);
    platform::faults::Apply("lose-surfaces");
    display.ClearDrawSurface();
    display.FillHighlight();
    display.Present();
    platform::faults::Apply("lose-surfaces");
    display.FillHighlight();
    display.Present();

    ReloadSprite();
    display.ClearDrawSurface();
    display.Blit(150, 160, 150 + width, 160 + height, sprite, false, false);
    display.FillHighlight();
    display.Present();
    EXPECT_TRUE(FrameIsRight(150, 160));
    EXPECT_NE(ShownPixel(300, 300), kBlack);
}

TEST_P(LostSurfaceTest, OtherPresentFailuresAreFatal) {
    platform::faults::Apply(GetParam() ? "fail Flip 0x887601AE" : "fail BltFast 0x887601AE");
    EXPECT_EXIT(display.Present(), ExitedWithCode(1), "DisplayInterface: DDERR_SURFACEBUSY\n");
}

} // namespace
