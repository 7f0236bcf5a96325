// The town maps show every place where its object stands: each hidden place,
// arrow and road that lights under the cursor is the same drawing as the page
// under it, only lit.
#include "file_checks.h"
#include "scene/lists_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace {

const std::string kPack = VOCASSETS_PACK_DIR;

const vbtest::Bitmap& PackBitmap(const std::string& file) {
    static std::map<std::string, vbtest::Bitmap> cache;
    auto it = cache.find(file);
    if (it == cache.end()) {
        vbtest::Bitmap bmp;
        std::string error = vbtest::ParseBitmap(vbtest::ReadBytes(kPack + "/Images/" + file), bmp);
        if (!error.empty()) {
            throw std::runtime_error(file + ": " + error);
        }
        it = cache.emplace(file, std::move(bmp)).first;
    }
    return it->second;
}

std::string FirstFrame(const CreationRecord& record) {
    std::string name = record.picture;
    return record.frames > 1 ? name + "1.bmp" : name;
}

double Luminance(std::uint32_t c) {
    return 0.3 * ((c >> 16) & 0xFF) + 0.59 * ((c >> 8) & 0xFF) + 0.11 * (c & 0xFF);
}

// The page a map shows at entry, up to a layer: its own background at (0, 0)
// and the objects created shown, layer by layer.
struct Page {
    std::vector<std::uint32_t> pixels = std::vector<std::uint32_t>(640 * 480, 0);

    void Draw(const vbtest::Bitmap& bmp, int x0, int y0, bool keyed) {
        for (int y = 0; y < bmp.height; ++y) {
            for (int x = 0; x < bmp.width; ++x) {
                int px = x0 + x;
                int py = y0 + y;
                std::uint32_t c = bmp.ColourAt(x, y);
                if (px < 0 || py < 0 || px >= 640 || py >= 480 || (keyed && vbtest::IsKey(c))) {
                    continue;
                }
                pixels[static_cast<std::size_t>(py) * 640 + px] = c;
            }
        }
    }
};

Page PageBelow(std::span<const CreationRecord> list, const std::string& background, LONG layer) {
    Page page;
    page.Draw(PackBitmap(background), 0, 0, false);
    std::vector<const CreationRecord*> shown;
    for (const CreationRecord& record : list) {
        if (record.shown && record.layer <= layer) {
            shown.push_back(&record);
        }
    }
    std::stable_sort(shown.begin(), shown.end(),
                     [](auto* a, auto* b) { return a->layer < b->layer; });
    for (const CreationRecord* record : shown) {
        page.Draw(PackBitmap(FirstFrame(*record)), static_cast<int>(record->x),
                  static_cast<int>(record->y), true);
    }
    return page;
}

// Whether a drawn pixel lies within two pixels of the key: the lit rim round a
// lit copy is there, and it is no part of the drawing.
bool NearKey(const vbtest::Bitmap& picture, int x, int y) {
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            int nx = x + dx;
            int ny = y + dy;
            if (nx >= 0 && ny >= 0 && nx < picture.width && ny < picture.height &&
                vbtest::IsKey(picture.ColourAt(nx, ny))) {
                return true;
            }
        }
    }
    return false;
}

// Luminance correlation of the picture's drawing, its rim left out, with the page under it.
double Correlation(const vbtest::Bitmap& picture, const Page& page, int x0, int y0) {
    double n = 0, sa = 0, sb = 0, saa = 0, sbb = 0, sab = 0;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            int px = x0 + x;
            int py = y0 + y;
            if (vbtest::IsKey(picture.ColourAt(x, y)) || NearKey(picture, x, y) || px < 0 ||
                py < 0 || px >= 640 || py >= 480) {
                continue;
            }
            double a = Luminance(picture.ColourAt(x, y));
            double b = Luminance(page.pixels[static_cast<std::size_t>(py) * 640 + px]);
            n += 1;
            sa += a;
            sb += b;
            saa += a * a;
            sbb += b * b;
            sab += a * b;
        }
    }
    double cov = sab - sa * sb / n;
    double va = saa - sa * sa / n;
    double vb = sbb - sb * sb / n;
    return va <= 0 || vb <= 0 ? 0.0 : cov / std::sqrt(va * vb);
}

struct Map {
    const char* background;
    std::span<const CreationRecord> (*list)();
    std::vector<LONG> places; // hidden, lit under the cursor or clicked
};

TEST(TownPictures, EveryPlaceIsDrawnWhereItsObjectStands) {
    const Map maps[] = {
        {"background-center.bmp", CentreMapList, {3, 4, 21, 22}},
        {"background-left.bmp", LeftMapList, {7, 8, 9, 10, 12, 21, 22}},
        {"background-right.bmp", RightMapList, {14, 15, 16, 18, 19, 21, 22}},
    };
    for (const Map& map : maps) {
        for (LONG id : map.places) {
            auto it = std::find_if(map.list().begin(), map.list().end(),
                                   [&](const CreationRecord& r) { return r.id == id; });
            ASSERT_NE(it, map.list().end()) << map.background << " " << id;
            SCOPED_TRACE(std::string(map.background) + " " + it->picture);
            EXPECT_FALSE(it->shown);
            Page page = PageBelow(map.list(), map.background, it->layer - 1);
            double r = Correlation(PackBitmap(FirstFrame(*it)), page, static_cast<int>(it->x),
                                   static_cast<int>(it->y));
            EXPECT_GE(r, 0.8);
        }
    }
}

TEST(TownPictures, ThePlacesAreNotJustSky) {
    // A place's lit copy laid over a stretch of plain sky or grass matches nothing.
    Page sky = PageBelow(CentreMapList(), "background-center.bmp", 0);
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
