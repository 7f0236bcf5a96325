// The fault texts that tests and headless scripts give, and what each makes
// the stand-in answer.
#include <gtest/gtest.h>

#include "platform/ddraw.h"
#include "platform/faults.h"

namespace faults = platform::faults;

namespace {

class FaultsTest : public ::testing::Test {
  protected:
    void SetUp() override { faults::Reset(); }
    void TearDown() override { faults::Reset(); }
};

TEST_F(FaultsTest, TextsUnderstoodAndRefused) {
    for (const char* text :
         {"refuse-depth 16", "refuse-depth 32", "refuse-backbuffers 2", "refuse-backbuffers any",
          "fail Flip 0x887601C2", "fail Blt -2147467259 3", "lose-surfaces", "unreadable a.bmp",
          "  fail   GetDC  5  "})
        EXPECT_TRUE(faults::Apply(text)) << text;
    for (const char* text :
         {"", "refuse-depth 8", "refuse-depth", "refuse-backbuffers 0", "refuse-backbuffers some",
          "fail Flip", "fail Flip 0", "fail Flip zero", "fail Flip 5 0", "fail Flip 5 -1",
          "fail Flip 0x1FFFFFFFF", "lose-surfaces now", "unreadable", "explode"}) {
        std::string why;
        EXPECT_FALSE(faults::Apply(text, &why)) << text;
        EXPECT_FALSE(why.empty()) << text;
    }
}

TEST_F(FaultsTest, RefusalsHoldUntilReset) {
    EXPECT_FALSE(faults::DepthRefused(16));
    ASSERT_TRUE(faults::Apply("refuse-depth 24"));
    EXPECT_TRUE(faults::DepthRefused(24));
    EXPECT_FALSE(faults::DepthRefused(16));
    ASSERT_TRUE(faults::Apply("refuse-backbuffers 2"));
    EXPECT_TRUE(faults::BackBuffersRefused(2));
    EXPECT_FALSE(faults::BackBuffersRefused(1));
    ASSERT_TRUE(faults::Apply("refuse-backbuffers any"));
    EXPECT_TRUE(faults::BackBuffersRefused(1));
    faults::Reset();
    EXPECT_FALSE(faults::DepthRefused(24));
    EXPECT_FALSE(faults::BackBuffersRefused(2));
}

TEST_F(FaultsTest, FailingCallsCountDown) {
    ASSERT_TRUE(faults::Apply("fail Flip 0x887601C2 2"));
    ASSERT_TRUE(faults::Apply("fail Blt 7"));
    EXPECT_EQ(faults::Injected("Flip"), DDERR_SURFACELOST);
    EXPECT_EQ(faults::Injected("Blt"), 7);
    EXPECT_EQ(faults::Injected("Flip"), DDERR_SURFACELOST);
    EXPECT_EQ(faults::Injected("Flip"), 0);
    EXPECT_EQ(faults::Injected("flip"), 0); // names are exact
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(faults::Injected("Blt"), 7);
    ASSERT_TRUE(faults::Apply("fail Blt 9 1")); // a later fault replaces the earlier
    EXPECT_EQ(faults::Injected("Blt"), 9);
    EXPECT_EQ(faults::Injected("Blt"), 0);
}

TEST_F(FaultsTest, LossGenerationOnlyGrows) {
    const uint32_t before = faults::LossGeneration();
    ASSERT_TRUE(faults::Apply("lose-surfaces"));
    faults::LoseSurfaces();
    EXPECT_EQ(faults::LossGeneration(), before + 2);
    faults::Reset();
    EXPECT_EQ(faults::LossGeneration(), before + 2);
}

TEST_F(FaultsTest, UnreadableFilesByLastComponentInAnyCase) {
    ASSERT_TRUE(faults::Apply("unreadable Cursor-Mouse.bmp"));
    EXPECT_TRUE(faults::FileUnreadable("C:\\Game\\Images\\cursor-mouse.BMP"));
    EXPECT_TRUE(faults::FileUnreadable("/home/ana/Images/CURSOR-MOUSE.bmp"));
    EXPECT_TRUE(faults::FileUnreadable("cursor-mouse.bmp"));
    EXPECT_FALSE(faults::FileUnreadable("/x/cursor-mouse.bmp.old"));
    EXPECT_FALSE(faults::FileUnreadable("/x/cursor-clock.bmp"));
    EXPECT_FALSE(faults::FileUnreadable(nullptr));
}

} // namespace
