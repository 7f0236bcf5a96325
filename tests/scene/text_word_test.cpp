// The word of a word bubble: where it lands in its 100x70 box, what is
// transparent around it, its accented letters, a lost surface, and the fatal
// reports under "Error Handler".
#include <gtest/gtest.h>

#include <string>

#include "display/display_interface.h"
#include "platform/faults.h"
#include "scene/text_overlays.h"
#include "scene/text_test_support.h"
#include "shell/globals.h"

namespace {

using namespace texttest;
using ::testing::ExitedWithCode;

constexpr LONG kX = 200;
constexpr LONG kY = 100;
constexpr RECT kBox{kX, kY, kX + 100, kY + 70};

class WordTextTest : public ::testing::Test {
  protected:
    void SetUp() override {
        UseDisplay();
        platform::faults::Reset();
        largeFonts = ntFontSizes;
        ntFontSizes = true;
        word.CreateSurface(display.GetDirectDraw());
    }
    void TearDown() override {
        ntFontSizes = largeFonts;
        platform::faults::Reset();
    }

    // The word drawn over white at (kX, kY), and where its ink fell.
    Ink Shown(const char* text, LONG style) {
        word.SetText(text, kX, kY, 15, 100, style);
        PaintPage(kWhite);
        word.Draw();
        ShowPage();
        return InkOnPage(kWhite);
    }

    WordText word;
    bool largeFonts = false;
};

TEST_F(WordTextTest, SetTextShowsTheWordAtItsLayerUntilHidden) {
    WordText fresh;
    EXPECT_FALSE(fresh.IsVisible());
    word.SetText("Delf\xEDn", kX, kY, 15, 150, 1);
    EXPECT_TRUE(word.IsVisible());
    EXPECT_EQ(word.GetLayer(), 15);
    EXPECT_STREQ(word.GetText(), "Delf\xEDn");
    word.Hide();
    EXPECT_FALSE(word.IsVisible());
    // The word holds 19 characters at most.
    word.SetText("abcdefghijklmnopqrstuvwxyz", kX, kY, 10, 100, 1);
    EXPECT_STREQ(word.GetText(), "abcdefghijklmnopqrs");
}

TEST_F(WordTextTest, WordIsCentredInItsBoxAndAllElseIsTransparent) {
    const Ink ink = Shown("Ana", 1);
    ASSERT_TRUE(ink.Inside(kBox));
    // Centred in (0, 0, 105, 70) of the box, to within the glyphs' bearings.
    EXPECT_NEAR((ink.left + ink.right) / 2.0, kX + 52.5, 3);
    EXPECT_NEAR((ink.top + ink.bottom) / 2.0, kY + 35, 4);
    // Solid black glyphs, nothing of the yellow key blended into their edges;
    // 13 pixels of character height for 18 points.
    EXPECT_EQ(CountOnPage(kBox, kBlack), ink.count);
    EXPECT_LE(ink.bottom - ink.top, 13);
}

TEST_F(WordTextTest, StylesThreeAndFourCentreTheWordInTheLowerPart) {
    const Ink upper = Shown("Luna", 1);
    const Ink lower = Shown("Luna", 3);
    // The rectangle's top moves from 0 to 30, so its centre 15 pixels down.
    EXPECT_EQ(lower.top - upper.top, 15);
    EXPECT_EQ(lower.left, upper.left);
    EXPECT_EQ(Shown("Luna", 4).top, lower.top);
    EXPECT_EQ(Shown("Luna", 2).top, upper.top);
}

TEST_F(WordTextTest, AccentedLetterHasItsAccent) {
    const Ink plain = Shown("Delfin", 1);
    const Ink accented = Shown("Delf\xEDn", 1);
    ASSERT_TRUE(accented.Inside(kBox));
    EXPECT_EQ(accented.left, plain.left);
    EXPECT_NE(accented.count, plain.count);
}

TEST_F(WordTextTest, SmallerFontsUnlessNtFontSizes) {
    const Ink large = Shown("Mano", 1);
    ntFontSizes = false;
    const Ink small = Shown("Mano", 1);
    EXPECT_LT(small.right - small.left, large.right - large.left);
    EXPECT_LT(small.bottom - small.top, large.bottom - large.top);
}

TEST_F(WordTextTest, LostSurfaceIsRedrawnBeforeItIsCopied) {
    const Ink before = Shown("Gato", 1);
    platform::faults::Apply("lose-surfaces");
    ShowPage(); // the pages come back
    PaintPage(kWhite);
    word.Draw();
    ShowPage();
    const Ink after = InkOnPage(kWhite);
    EXPECT_EQ(CountOnPage(kBox, kMagenta), 0);
    EXPECT_EQ(after.count, before.count);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
}

TEST_F(WordTextTest, FailuresAreFatalUnderErrorHandler) {
    EXPECT_EXIT(
        {
            platform::faults::Apply("fail GetDC 0x80004005");
            word.SetText("Sol", kX, kY, 10, 100, 1);
        },
        ExitedWithCode(1), "Error Handler: DDERR_GENERIC\n");
    EXPECT_EXIT(
        {
            word.SetText("Sol", kX, kY, 10, 100, 1);
            platform::faults::Apply("lose-surfaces");
            platform::faults::Apply("fail Restore 0x8876024B");
            word.Draw();
        },
        ExitedWithCode(1), "Error Handler: DDERR_WRONGMODE\n");
    EXPECT_EXIT(
        {
            platform::faults::Apply("fail CreateSurface 0x8876017C");
            WordText another;
            another.CreateSurface(display.GetDirectDraw());
        },
        ExitedWithCode(1), "Error Handler: DDERR_OUTOFVIDEOMEMORY\n");
}

} // namespace
