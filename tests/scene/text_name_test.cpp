// The sign-in box's name rows: typing with the caret, choosing a row, and the
// rows drawn in their places.
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

// Row 1 holds Ana and is being typed; row 3 holds Luis.
class NamePanelEditTest : public ::testing::Test {
  protected:
    void SetUp() override {
        panel.SetRow(0, "Ana");
        panel.SetRow(2, "Luis");
        panel.SelectRow(1);
    }
    const std::string& Row(LONG row) const { return panel.GetRowText(row); }
    const std::string& Typed() const { return Row(panel.GetCurrentRow()); }

    NamePanel panel;
};

TEST(NamePanelStartTest, StartsHiddenAtLayerEightWithTheCaretInRowOne) {
    NamePanel panel;
    EXPECT_FALSE(panel.IsVisible());
    EXPECT_EQ(panel.GetLayer(), 8);
    EXPECT_EQ(panel.GetCurrentRow(), 0);
    EXPECT_EQ(panel.GetRowText(0), "|");
    for (LONG row = 1; row < 9; ++row)
        EXPECT_EQ(panel.GetRowText(row), "");
    EXPECT_FALSE(panel.RowHasName());
    EXPECT_EQ(panel.GetRowName(), "");
}

TEST_F(NamePanelEditTest, SelectRowMovesTheCaretToTheEndOfTheChosenRow) {
    EXPECT_EQ(Row(0), "Ana|");
    panel.SelectRow(3);
    EXPECT_EQ(panel.GetCurrentRow(), 2);
    EXPECT_EQ(Row(0), "Ana");
    EXPECT_EQ(Row(2), "Luis|");
    // Rows are numbered 1 to 9; anything else changes nothing.
    panel.SelectRow(0);
    panel.SelectRow(10);
    EXPECT_EQ(Row(2), "Luis|");
}

TEST_F(NamePanelEditTest, InsertGoesBeforeTheCaretUpToSeventeenCharacters) {
    panel.InsertAtCaret("X");
    EXPECT_EQ(Typed(), "AnaX|");
    for (int i = 0; i < 4; ++i)
        panel.CaretLeft();
    panel.InsertAtCaret("M");
    EXPECT_EQ(Typed(), "M|AnaX");

    panel.SelectRow(5);
    for (int i = 0; i < 16; ++i)
        panel.InsertAtCaret("b");
    panel.InsertAtCaret("c"); // the seventeenth character
    EXPECT_EQ(Typed(), "bbbbbbbbbbbbbbbbc|");
    panel.InsertAtCaret("d");
    EXPECT_EQ(Typed(), "bbbbbbbbbbbbbbbbc|");
    // Longer text is cut at the limit.
    panel.ClearRow();
    panel.InsertAtCaret("abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(panel.GetRowName(), "abcdefghijklmnopq");
}

TEST_F(NamePanelEditTest, BackspaceAndCaretMovesStopAtTheEnds) {
    panel.CaretRight();
    EXPECT_EQ(Typed(), "Ana|");
    panel.CaretLeft();
    EXPECT_EQ(Typed(), "An|a");
    EXPECT_EQ(panel.GetRowName(), "Ana");
    panel.Backspace();
    EXPECT_EQ(Typed(), "A|a");
    panel.CaretLeft();
    panel.CaretLeft();
    EXPECT_EQ(Typed(), "|Aa");
    panel.Backspace();
    EXPECT_EQ(Typed(), "|Aa");
}

TEST_F(NamePanelEditTest, ClearRowAndRowHasName) {
    EXPECT_TRUE(panel.RowHasName());
    panel.ClearRow();
    EXPECT_EQ(Typed(), "|");
    EXPECT_FALSE(panel.RowHasName());
    panel.InsertAtCaret("Z");
    EXPECT_TRUE(panel.RowHasName());
    // A row emptied by SetRow stays empty, and without a caret nothing is typed.
    panel.SetRow(0, "");
    panel.ClearRow();
    EXPECT_EQ(Typed(), "");
    panel.InsertAtCaret("Q");
    panel.Backspace();
    EXPECT_EQ(Typed(), "");
}

TEST_F(NamePanelEditTest, ABarInANameIsNotTakenForTheCaret) {
    panel.SetRow(1, "A|B");
    panel.SelectRow(2);
    panel.InsertAtCaret("C");
    EXPECT_EQ(Typed(), "A|BC|");
    EXPECT_EQ(panel.GetRowName(), "A|BC");
    panel.SelectRow(1);
    EXPECT_EQ(Row(1), "A|BC");
}

// Row r's rectangle: left 344, right 565, rows 31 pixels apart from 54.
RECT RowBox(int row) {
    return RECT{344, 54 + 31 * row, 565, 73 + 31 * row};
}

class NamePanelDrawTest : public ::testing::Test {
  protected:
    void SetUp() override {
        UseDisplay();
        platform::faults::Reset();
        largeFonts = ntFontSizes;
        ntFontSizes = true;
        panel.CreateSurface(display.GetDirectDraw());
        const char* names[] = {"Ana",
                               "Luis",
                               "",
                               "Mar\xED"
                               "a",
                               "Jos\xE9",
                               "",
                               "Pedro",
                               "Sof\xED"
                               "a",
                               ""};
        for (LONG row = 0; row < 9; ++row)
            panel.SetRow(row, names[row]);
        panel.SelectRow(3);
        panel.InsertAtCaret("X");
    }
    void TearDown() override {
        ntFontSizes = largeFonts;
        platform::faults::Reset();
    }
    void Show() {
        PaintPage(kWhite);
        panel.Draw();
        ShowPage();
    }

    NamePanel panel;
    bool largeFonts = false;
};

TEST_F(NamePanelDrawTest, EachNameSitsInItsRowAndEmptyRowsStayEmpty) {
    Show();
    Ink all;
    for (int row = 0; row < 9; ++row) {
        const Ink ink = InkOnPage(RowBox(row), kWhite);
        const bool empty = panel.GetRowText(row).empty();
        EXPECT_EQ(ink.count == 0, empty) << "row " << row + 1;
        if (empty)
            continue;
        EXPECT_TRUE(ink.Inside(RowBox(row))) << "row " << row + 1;
        // Left-aligned, vertically centred.
        EXPECT_LE(ink.left, 346);
        EXPECT_NEAR((ink.top + ink.bottom) / 2.0, RowBox(row).top + 9.5, 3) << "row " << row + 1;
        all.count += ink.count;
    }
    EXPECT_EQ(InkOnPage(kWhite).count, all.count);
}

TEST_F(NamePanelDrawTest, TheCaretAloneIsDrawn) {
    panel.SelectRow(9);
    Show();
    const Ink caret = InkOnPage(RowBox(8), kWhite);
    EXPECT_TRUE(caret.Inside(RowBox(8)));
    EXPECT_LE(caret.right - caret.left, 3);
}

TEST_F(NamePanelDrawTest, ALostSurfaceIsDrawnAfresh) {
    platform::faults::Apply("lose-surfaces");
    ShowPage();
    Show();
    EXPECT_EQ(CountOnPage(RECT{0, 0, 640, 480}, kMagenta), 0);
    EXPECT_TRUE(InkOnPage(RowBox(0), kWhite).Inside(RowBox(0)));
}

TEST_F(NamePanelDrawTest, FailuresAreFatalUnderItsName) {
    EXPECT_EXIT(
        {
            platform::faults::Apply("fail GetDC 0x80004005");
            panel.Draw();
        },
        ExitedWithCode(1), "NamePanel: DDERR_GENERIC\n");
}

} // namespace
