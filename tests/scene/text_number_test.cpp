// The number signs: the five slots, their colours and places in both
// layouts, and the fatal report under the panel's name.
#include <gtest/gtest.h>

#include "display/display_interface.h"
#include "platform/faults.h"
#include "scene/text_overlays.h"
#include "scene/text_test_support.h"
#include "shell/globals.h"

namespace {

using namespace texttest;
using ::testing::ExitedWithCode;

constexpr RECT kSigns[2][5] = {
    {{149, 425, 204, 455},
     {227, 424, 282, 464},
     {303, 429, 358, 469},
     {378, 424, 433, 464},
     {458, 431, 513, 471}},
    {{582, 160, 624, 193},
     {582, 211, 624, 244},
     {582, 268, 624, 301},
     {582, 331, 624, 364},
     {582, 382, 624, 415}},
};

TEST(NumberPanelSlotsTest, StartsEmptyInLayoutTwoAtLayerTen) {
    NumberPanel panel;
    EXPECT_FALSE(panel.IsVisible());
    EXPECT_EQ(panel.GetLayer(), 10);
    EXPECT_EQ(panel.GetLayout(), 2);
    for (LONG slot = 0; slot < 5; ++slot)
        EXPECT_STREQ(panel.GetNumber(slot), "");
}

TEST(NumberPanelSlotsTest, NumbersAreDecimalTextOfThreeDigitsAtMost) {
    NumberPanel panel;
    panel.SetNumber(7, 4);
    panel.SetNumber(100, 0);
    panel.SetNumber(12345, 1);
    panel.SetNumber(9, 5); // no such slot
    panel.SetNumber(9, -1);
    EXPECT_STREQ(panel.GetNumber(4), "7");
    EXPECT_STREQ(panel.GetNumber(0), "100");
    EXPECT_STREQ(panel.GetNumber(1), "123");
    panel.ClearNumbers();
    for (LONG slot = 0; slot < 5; ++slot)
        EXPECT_STREQ(panel.GetNumber(slot), "");
    panel.SetLayout(1);
    panel.SetLayout(3);
    EXPECT_EQ(panel.GetLayout(), 1);
}

class NumberPanelDrawTest : public ::testing::Test {
  protected:
    void SetUp() override {
        UseDisplay();
        platform::faults::Reset();
        largeFonts = ntFontSizes;
        ntFontSizes = true;
        panel.CreateSurface(display.GetDirectDraw());
    }
    void TearDown() override {
        ntFontSizes = largeFonts;
        platform::faults::Reset();
    }
    void Show() {
        PaintPage(kBlack);
        panel.Draw();
        ShowPage();
    }

    NumberPanel panel;
    bool largeFonts = false;
};

TEST_F(NumberPanelDrawTest, SlotFiveIsYellowInLayoutTwoAndWhiteInLayoutOne) {
    panel.SetNumber(7, 4);
    Show();
    const RECT column = kSigns[1][4];
    EXPECT_TRUE(InkOnPage(column, kBlack).Inside(column));
    EXPECT_EQ(InkOnPage(kBlack).count, InkOnPage(column, kBlack).count);
    // Solid glyphs: no blue of the key at their edges.
    EXPECT_EQ(CountOnPage(column, kYellow), InkOnPage(column, kBlack).count);

    panel.SetLayout(1);
    Show();
    const RECT row = kSigns[0][4];
    EXPECT_TRUE(InkOnPage(row, kBlack).Inside(row));
    EXPECT_EQ(InkOnPage(kBlack).count, InkOnPage(row, kBlack).count);
    EXPECT_EQ(CountOnPage(row, kWhite), InkOnPage(row, kBlack).count);
}

TEST_F(NumberPanelDrawTest, EveryNumberFitsItsSignInBothLayouts) {
    // The race shows up to 100 along the bottom; the column holds two digits.
    const LONG values[2][5] = {{10, 20, 30, 100, 50}, {11, 12, 13, 14, 15}};
    for (LONG layout = 1; layout <= 2; ++layout) {
        panel.SetLayout(layout);
        for (LONG slot = 0; slot < 5; ++slot)
            panel.SetNumber(values[layout - 1][slot], slot);
        Show();
        int total = 0;
        for (int slot = 0; slot < 5; ++slot) {
            const RECT sign = kSigns[layout - 1][slot];
            const Ink ink = InkOnPage(sign, kBlack);
            EXPECT_TRUE(ink.Inside(sign)) << "layout " << layout << " slot " << slot;
            // Centred: as much room on the left as on the right.
            EXPECT_NEAR(ink.left - sign.left, sign.right - ink.right, 3);
            total += ink.count;
        }
        EXPECT_EQ(InkOnPage(kBlack).count, total) << "layout " << layout;
    }
}

TEST_F(NumberPanelDrawTest, EmptySlotsDrawNothing) {
    panel.SetNumber(3, 1);
    panel.ClearNumbers();
    Show();
    EXPECT_EQ(InkOnPage(kBlack).count, 0);
}

TEST_F(NumberPanelDrawTest, FailuresAreFatalUnderItsName) {
    EXPECT_EXIT(
        {
            platform::faults::Apply("fail CreateSurface 0x8876017C");
            NumberPanel another;
            another.CreateSurface(display.GetDirectDraw());
        },
        ExitedWithCode(1), "NumberPanel: DDERR_OUTOFVIDEOMEMORY\n");
    EXPECT_EXIT(
        {
            panel.SetNumber(1, 0);
            platform::faults::Apply("fail Blt 0x80004005");
            panel.Draw();
        },
        ExitedWithCode(1), "NumberPanel: DDERR_GENERIC\n");
}

} // namespace
