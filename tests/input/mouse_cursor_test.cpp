#include <gtest/gtest.h>

#include "input/mouse_cursor.h"

namespace {

TEST(MouseCursor, MotionShowsOneMoveLater) {
    MouseCursor cursor;
    cursor.Move(10, 0);
    EXPECT_EQ(cursor.GetX(), 320);
    EXPECT_EQ(cursor.GetY(), 240);
    cursor.Move(0, 0);
    EXPECT_EQ(cursor.GetX(), 330);
    EXPECT_EQ(cursor.GetY(), 240);
}

TEST(MouseCursor, ClampsBeforeAddingThePendingMotion) {
    MouseCursor cursor;
    cursor.Move(315, 0);
    cursor.Move(20, 0); // x = 635, 20 pending
    EXPECT_EQ(cursor.GetX(), 635);
    cursor.Move(7, 0); // 655: off the edge for one frame
    EXPECT_EQ(cursor.GetX(), 655);
    cursor.Move(0, 0); // clamped to 620 first, then the pending 7
    EXPECT_EQ(cursor.GetX(), 627);

    MouseCursor low;
    low.Move(-317, 300); // pending
    low.Move(-10, 0);    // x = 3, y = 540
    EXPECT_EQ(low.GetX(), 3);
    EXPECT_EQ(low.GetY(), 540);
    low.Move(0, 0); // x = -7; y clamped to 460 first
    EXPECT_EQ(low.GetX(), -7);
    EXPECT_EQ(low.GetY(), 460);
    low.Move(0, 0);
    EXPECT_EQ(low.GetX(), 0);
}

} // namespace
