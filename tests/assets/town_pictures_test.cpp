// The town maps: a place's lit copy over plain sky matches nothing, and the
// carousel's highlight lights the carousel in every frame of its turn.
#include "picture_match.h"
#include "scene/lists_tables.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using vbtest::Correlation;
using vbtest::PackBitmap;
using vbtest::Page;

TEST(TownPictures, ThePlacesAreNotJustSky) {
    // A place's lit copy laid over a stretch of plain sky or grass matches nothing.
    Page sky = vbtest::PageBelow(CentreMapList(), 1, "background-center.bmp");
    EXPECT_LT(Correlation(PackBitmap("sun.bmp"), sky, 0, 0), 0.5);
    EXPECT_LT(Correlation(PackBitmap("pond.bmp"), sky, 380, 0), 0.5);
}

TEST(TownPictures, TheCarouselHighlightLightsTheCarouselFrameByFrame) {
    for (int frame : {1, 7, 19}) {
        const vbtest::Bitmap& plain = PackBitmap("merrygo-" + std::to_string(frame) + ".bmp");
        const vbtest::Bitmap& lit = PackBitmap("merrygo-click-" + std::to_string(frame) + ".bmp");
        Page page;
        page.Draw(plain, 0, 0, false);
        EXPECT_GE(Correlation(lit, page, 0, 0), 0.8) << frame;
    }
}

} // namespace
