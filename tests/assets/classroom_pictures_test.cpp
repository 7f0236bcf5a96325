// The classroom shows the things that stay in the room where their objects
// stand, so the object the teacher presents lights the thing without moving
// it, through every frame of its animation; and each pair of objects that
// take turns at one place appears on a surface drawn under that place.
#include "file_checks.h"
#include "picture_match.h"
#include "scene/lists_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

namespace {

using vbtest::Luminance;
using vbtest::PackBitmap;

std::string Frame(const CreationRecord& record, LONG frame) {
    return vbtest::FrameFile(record.picture, record.frames, frame);
}

const CreationRecord& Record(LONG id) {
    return vbtest::RecordWithId(SchoolList(), id);
}

const CreationRecord& Backdrop() {
    for (const CreationRecord& record : SchoolList()) {
        if (std::string(record.picture) == "classroom-background.bmp") {
            return record;
        }
    }
    throw std::runtime_error("the classroom has no backdrop");
}

// Luminance correlation of a picture's drawn pixels with the backdrop under
// them, and how much brighter the picture is.
struct Match {
    double correlation = 0;
    double brighter = 0;
};

Match MatchOnBackdrop(const vbtest::Bitmap& picture, int x0, int y0) {
    const vbtest::Bitmap& backdrop = PackBitmap(Backdrop().picture);
    vbtest::Page page;
    page.Draw(backdrop, 0, 0, false);
    double lit = 0, under = 0;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            int bx = x0 + x;
            int by = y0 + y;
            if (!vbtest::IsKey(picture.ColourAt(x, y)) && bx >= 0 && by >= 0 &&
                bx < backdrop.width && by < backdrop.height) {
                lit += Luminance(picture.ColourAt(x, y));
                under += Luminance(backdrop.ColourAt(bx, by));
            }
        }
    }
    return {vbtest::Correlation(picture, page, x0, y0), under > 0 ? lit / under : 0.0};
}

// The extinguisher, the door, the window, the chalk and the trash can.
constexpr LONG kSingles[] = {92, 93, 94, 95, 96};
// Objects that take turns at one place.
constexpr std::pair<LONG, LONG> kPairs[] = {{80, 81}, {82, 83}, {84, 85},
                                            {86, 87}, {88, 89}, {90, 91}};

TEST(ClassroomPictures, EachThingInTheRoomIsDrawnUnderItsLitObject) {
    const CreationRecord& back = Backdrop();
    for (LONG id : kSingles) {
        const CreationRecord& thing = Record(id);
        SCOPED_TRACE(thing.picture);
        EXPECT_FALSE(thing.shown);
        int x = static_cast<int>(thing.x - back.x);
        int y = static_cast<int>(thing.y - back.y);
        Match first = MatchOnBackdrop(PackBitmap(Frame(thing, 1)), x, y);
        EXPECT_GE(first.correlation, 0.8);
        EXPECT_GT(first.brighter, 1.05) << "a lit copy is brighter than the drawing under it";
        // The answered animation plays on the same drawing.
        for (LONG frame = 2; frame <= thing.frames; ++frame) {
            SCOPED_TRACE(frame);
            EXPECT_GE(MatchOnBackdrop(PackBitmap(Frame(thing, frame)), x, y).correlation, 0.7);
        }
    }
    // A lit thing away from its own place matches nothing there.
    const CreationRecord& door = Record(93);
    const CreationRecord& can = Record(96);
    EXPECT_LT(MatchOnBackdrop(PackBitmap(Frame(door, 1)), static_cast<int>(can.x - back.x) - 40,
                              static_cast<int>(can.y - back.y) - 60)
                  .correlation,
              0.5);
}

TEST(ClassroomPictures, TheDoorAndTheWindowDoNotCoverEachOther) {
    // They share part of their places: a lit window must not hide the door.
    const CreationRecord& door = Record(93);
    const CreationRecord& window = Record(94);
    const vbtest::Bitmap& doorBmp = PackBitmap(Frame(door, 1));
    const vbtest::Bitmap& windowBmp = PackBitmap(Frame(window, 1));
    int overlap = 0;
    for (int y = 0; y < windowBmp.height; ++y) {
        for (int x = 0; x < windowBmp.width; ++x) {
            int dx = static_cast<int>(window.x - door.x) + x;
            int dy = static_cast<int>(window.y - door.y) + y;
            if (dx < 0 || dy < 0 || dx >= doorBmp.width || dy >= doorBmp.height) {
                continue;
            }
            overlap +=
                !vbtest::IsKey(windowBmp.ColourAt(x, y)) && !vbtest::IsKey(doorBmp.ColourAt(dx, dy))
                    ? 1
                    : 0;
        }
    }
    EXPECT_LT(overlap, 40);
}

TEST(ClassroomPictures, EachPairAppearsOnASurface) {
    const CreationRecord& back = Backdrop();
    const vbtest::Bitmap& backdrop = PackBitmap(back.picture);
    for (auto [first, second] : kPairs) {
        const CreationRecord& a = Record(first);
        const CreationRecord& b = Record(second);
        SCOPED_TRACE(std::string(a.picture) + " and " + b.picture);
        EXPECT_FALSE(a.shown);
        EXPECT_FALSE(b.shown);
        const vbtest::Bitmap& abmp = PackBitmap(Frame(a, 1));
        const vbtest::Bitmap& bbmp = PackBitmap(Frame(b, 1));
        int left = static_cast<int>(std::max(a.x, b.x) - back.x);
        int right = static_cast<int>(std::min(a.x + abmp.width, b.x + bbmp.width) - back.x);
        int bottom = static_cast<int>(std::max(a.y + abmp.height, b.y + bbmp.height) - back.y);
        // An edge runs right across the place just under the objects: the
        // top of what they stand on.
        int crossed = 0;
        for (int x = left; x < right; ++x) {
            bool dark = false;
            for (int y = bottom - 10; y <= bottom + 6 && !dark; ++y) {
                dark = Luminance(backdrop.ColourAt(x, y)) < 60;
            }
            crossed += dark ? 1 : 0;
        }
        EXPECT_GE(crossed, (right - left) * 9 / 10);
    }
}

} // namespace
