#include <gtest/gtest.h>

#include "display/display_interface.h"
#include "display_test_support.h"
#include "platform/faults.h"
#include "platform/testing.h"

namespace {

using namespace displaytest;
using ::testing::ExitedWithCode;

class DisplayInitTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::faults::Reset();
        ASSERT_NE(TestWindow(), nullptr);
    }
    void TearDown() override { platform::faults::Reset(); }

    void Fault(const std::string& text) {
        std::string why;
        ASSERT_TRUE(platform::faults::Apply(text, &why)) << text << ": " << why;
    }

    // A frame with a white 32x16 block at (100, 200) on black; true when it shows.
    bool BlockReachesThePage(DisplayInterface& display) {
        TempDir dir;
        LONG width = 0, height = 0;
        IDirectDrawSurface4* block = display.LoadBitmapSurface(
            dir.WriteBmp("white.bmp", 32, 16, [](int, int) { return kWhite; }).c_str(), width,
            height);
        DrawFrame(display, block, 100, 200, width, height, false, false);
        block->Release();
        return ShownPixel(100, 200) == kWhite && ShownPixel(131, 215) == kWhite &&
               ShownPixel(99, 200) == kBlack && ShownPixel(132, 216) == kBlack;
    }
};

TEST_F(DisplayInitTest, StartsIn16BitsWithAFlipChain) {
    DisplayInterface display;
    EXPECT_EQ(display.GetDirectDraw(), nullptr);
    InitDisplay(display);
    EXPECT_NE(display.GetDirectDraw(), nullptr);
    EXPECT_EQ(display.GetWindow(), TestWindow());
    EXPECT_TRUE(display.Is16Bit());
    EXPECT_TRUE(display.IsFlipMode());
    EXPECT_TRUE(BlockReachesThePage(display));
}

TEST_F(DisplayInitTest, Refused16BitsFallsBackTo24WithTheTrueColourKey) {
    Fault("refuse-depth 16");
    DisplayInterface display;
    InitDisplay(display);
    EXPECT_FALSE(display.Is16Bit());

    // The 24-bit key leaves exact green out of a keyed blit.
    TempDir dir;
    LONG width = 0, height = 0;
    IDirectDrawSurface4* sprite = display.LoadBitmapSurface(
        dir.WriteBmp("g.bmp", 8, 8, [](int x, int) { return x < 4 ? kGreen : kRed; }).c_str(),
        width, height);
    DrawFrame(display, sprite, 10, 10, width, height, true, false);
    EXPECT_EQ(ShownPixel(10, 10), kBlack);
    EXPECT_EQ(ShownPixel(14, 10), kRed);
    sprite->Release();
}

TEST_F(DisplayInitTest, AllDepthsRefusedReportsTheLastAttempt) {
    Fault("refuse-depth 16");
    Fault("refuse-depth 24");
    Fault("refuse-depth 32");
    DisplayInterface display;
    EXPECT_EXIT(InitDisplay(display), ExitedWithCode(1), "DisplayInterface: DDERR_INVALIDMODE\n");
}

TEST_F(DisplayInitTest, NoTwoBackBuffersGivesDoubleBuffering) {
    Fault("refuse-backbuffers 2");
    DisplayInterface display;
    InitDisplay(display);
    EXPECT_TRUE(display.IsFlipMode());
    EXPECT_TRUE(BlockReachesThePage(display));
    EXPECT_TRUE(BlockReachesThePage(display));
}

TEST_F(DisplayInitTest, NoFlipChainDrawsOnASystemMemoryPage) {
    Fault("refuse-backbuffers any");
    DisplayInterface display;
    InitDisplay(display);
    EXPECT_FALSE(display.IsFlipMode());
    EXPECT_TRUE(BlockReachesThePage(display));
}

TEST_F(DisplayInitTest, FailedStepIsReportedByName) {
    Fault("fail CreateClipper 0x80004005");
    DisplayInterface display;
    EXPECT_EXIT(InitDisplay(display), ExitedWithCode(1), "DisplayInterface: DDERR_GENERIC\n");
}

TEST_F(DisplayInitTest, FailedStepOutsideTheTableShowsItsNumber) {
    Fault("fail QueryInterface 0x80004002");
    DisplayInterface display;
    EXPECT_EXIT(InitDisplay(display), ExitedWithCode(1),
                "DisplayInterface: Unknown Error #16386\n");
}

TEST_F(DisplayInitTest, FailedPlainPrimaryIsReported) {
    // Both chains fail, and so does the plain primary after them.
    Fault("fail CreateSurface 0x8876017C");
    DisplayInterface display;
    EXPECT_EXIT(InitDisplay(display), ExitedWithCode(1),
                "DisplayInterface: DDERR_OUTOFVIDEOMEMORY\n");
}

TEST_F(DisplayInitTest, ReleaseAllIsHarmlessBeforeInitAndTwice) {
    using namespace platform::testhooks;
    const int surfacesBefore = LiveSurfaceCount();
    const int directDrawsBefore = LiveDirectDrawCount();
    DisplayInterface display;
    display.ReleaseAll();
    EXPECT_EQ(display.GetDirectDraw(), nullptr);
    InitDisplay(display);
    EXPECT_GT(LiveSurfaceCount(), surfacesBefore);
    display.ReleaseAll();
    EXPECT_EQ(display.GetDirectDraw(), nullptr);
    EXPECT_EQ(LiveSurfaceCount(), surfacesBefore);
    EXPECT_EQ(LiveDirectDrawCount(), directDrawsBefore);
    display.ReleaseAll();
    EXPECT_EQ(display.GetDirectDraw(), nullptr);

    // DirectDraw can be set up again afterwards: nothing of the first is held.
    DisplayInterface again;
    InitDisplay(again);
    EXPECT_TRUE(BlockReachesThePage(again));
}

TEST_F(DisplayInitTest, DestructionReleasesEverythingInEveryMode) {
    using namespace platform::testhooks;
    const int surfacesBefore = LiveSurfaceCount();
    const int directDrawsBefore = LiveDirectDrawCount();
    for (const char* fault :
         {"refuse-backbuffers 3", "refuse-backbuffers 2", "refuse-backbuffers any"}) {
        Fault(fault);
        {
            DisplayInterface display;
            InitDisplay(display);
        }
        EXPECT_EQ(LiveSurfaceCount(), surfacesBefore) << fault;
        EXPECT_EQ(LiveDirectDrawCount(), directDrawsBefore) << fault;
    }
}

} // namespace
