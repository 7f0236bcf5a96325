// Every screen's things to click, as a child sees them: each object created
// hidden that lights a thing in the scene is the same drawing as the page
// under it, and no picture but a word, sign or button carries lettering.
#include "picture_match.h"
#include "tools/assetgen/canvas.h"
#include "tools/assetgen/manifest.h"
#include "tools/assetgen/placements.h"
#include "tools/assetgen/screen_lists.h"
#include "tools/assetgen/text.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

namespace {

using vbtest::Correlation;
using vbtest::FirstFrame;
using vbtest::PackBitmap;
using vbtest::Page;
using vbtest::PageBelow;
using vocassets::Art;

// Buttons, menu buttons and question panels carry their own picture; they
// light nothing of the scene.
bool IsControl(const CreationRecord& record) {
    const vocassets::PictureRow* row = vocassets::FindPictureRow(record.picture);
    return row != nullptr &&
           (row->art == Art::Button || row->art == Art::Panel || row->art == Art::MenuIcon);
}

// Objects created hidden that light a thing the scene shows: clickable from
// the start, or a lit copy the screens make clickable later.
bool LightsAThing(const CreationRecord& record) {
    return !record.shown && (record.clickable || vocassets::IsLitCopy(record.picture)) &&
           !IsControl(record);
}

TEST(ScreenPictures, EveryHiddenThingToClickIsTheDrawingUnderIt) {
    std::set<std::string> checked;
    for (const vocassets::ScreenList& screen : vocassets::ScreenLists()) {
        for (const CreationRecord& record : screen.list()) {
            if (!LightsAThing(record)) {
                continue;
            }
            SCOPED_TRACE("screen " + std::to_string(screen.screen) + " " + record.picture);
            Page page = PageBelow(screen.list(), record.layer, screen.ownBackground);
            // A highlight over a shown object lights that object's drawing.
            if (const vocassets::PictureRow* plain = vocassets::PlainTwinOf(record.picture)) {
                page.Draw(PackBitmap(vbtest::FrameFile(plain->name, plain->frames, 1)),
                          static_cast<int>(record.x), static_cast<int>(record.y), true);
            }
            EXPECT_GE(Correlation(PackBitmap(FirstFrame(record)), page, static_cast<int>(record.x),
                                  static_cast<int>(record.y)),
                      0.8);
            checked.insert(std::to_string(screen.screen) + ":" + record.picture);
        }
    }
    // The arrows of every map, the right map's sun and each vehicle at the pumps
    // are among them.
    for (const char* expected :
         {"1:arrowswitch-left.bmp", "12:arrowswitch-right.bmp", "13:arrowswitch-left.bmp",
          "13:sun.bmp", "12:moon.bmp", "1:pond.bmp", "3:car-up.bmp", "3:bicycle-up.bmp"}) {
        EXPECT_TRUE(checked.count(expected)) << expected;
    }
}

bool KeepsWords(std::string_view name) {
    if (name.find("notext") != std::string_view::npos) {
        return false;
    }
    for (std::string_view word : {"-sp", "vocabuloon", "end-screen"}) {
        if (name.find(word) != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

// Pictures that are words, signs or buttons in themselves.
bool MayCarryWords(const vocassets::PictureRow& row) {
    switch (row.art) {
    case Art::Button:
    case Art::Panel:
    case Art::Letter:
    case Art::RoadSign:
    case Art::Digits:
    case Art::SigninBox:
        return true;
    default:
        return KeepsWords(row.name);
    }
}

TEST(ScreenPictures, NoPictureButAWordSignOrButtonIsLettered) {
    int looked = 0;
    for (const vocassets::AssetEntry& entry : vocassets::AllAssets()) {
        if (entry.type != vocassets::AssetType::Picture || entry.frame > 1 ||
            MayCarryWords(*entry.picture)) {
            continue;
        }
        const vbtest::Bitmap& bmp = PackBitmap(entry.file);
        EXPECT_FALSE(vbtest::CaptionAlongBottom(bmp.width, bmp.height, [&](int x, int y) {
            return bmp.ColourAt(x, y);
        })) << entry.file;
        ++looked;
    }
    EXPECT_GT(looked, 300);
}

TEST(ScreenPictures, ACaptionOnADrawingIsSeen) {
    // The label every placeholder once carried, laid on drawings of the pack.
    vocassets::TextRenderer text(vocassets::DefaultFontPath());
    for (const char* file : {"Pencil1.bmp", "blue-camel.bmp", "store.bmp", "car-up.bmp"}) {
        const vbtest::Bitmap& bmp = PackBitmap(file);
        vocassets::Canvas canvas(bmp.width, bmp.height, vocassets::kKey);
        for (int y = 0; y < bmp.height; ++y) {
            for (int x = 0; x < bmp.width; ++x) {
                canvas.Set(x, y, bmp.ColourAt(x, y));
            }
        }
        auto at = [&](int x, int y) { return canvas.At(x, y); };
        EXPECT_FALSE(vbtest::CaptionAlongBottom(bmp.width, bmp.height, at)) << file;
        std::string word = file;
        word = word.substr(0, word.find_first_of(".1"));
        text.Label(canvas, word, bmp.width / 2, bmp.height - 11, bmp.width - 10, 20, 14);
        EXPECT_TRUE(vbtest::CaptionAlongBottom(bmp.width, bmp.height, at)) << file;
    }
}

} // namespace

namespace {

// Whether a pixel is part of an outline: dark, with lighter paint close on
// both sides of it, across or down.
bool OnAnOutline(const vbtest::Bitmap& map, int x, int y) {
    double here = vbtest::Luminance(map.ColourAt(x, y));
    if (here >= 90) {
        return false;
    }
    auto lighter = [&](int dx, int dy) {
        for (int step = 1; step <= 3; ++step) {
            int nx = x + dx * step;
            int ny = y + dy * step;
            if (nx < 0 || ny < 0 || nx >= map.width || ny >= map.height) {
                return false;
            }
            if (vbtest::Luminance(map.ColourAt(nx, ny)) > here + 60) {
                return true;
            }
        }
        return false;
    };
    return (lighter(-1, 0) && lighter(1, 0)) || (lighter(0, -1) && lighter(0, 1));
}

// Outline pixels of a map's backdrop outside every object that answers a
// click: an outlined thing painted there would look like a place and do nothing.
int OutlinesWhereNothingAnswers(std::span<const CreationRecord> list, const char* backdrop) {
    const vbtest::Bitmap& map = PackBitmap(backdrop);
    std::vector<char> answers(640 * 480, 0);
    for (const CreationRecord& record : list) {
        const vocassets::PictureRow* row = vocassets::FindPictureRow(record.picture);
        if (row == nullptr || !(record.clickable || vocassets::IsLitCopy(record.picture))) {
            continue;
        }
        for (int y = std::max<int>(0, record.y); y < std::min<int>(480, record.y + row->height);
             ++y) {
            for (int x = std::max<int>(0, record.x); x < std::min<int>(640, record.x + row->width);
                 ++x) {
                answers[static_cast<std::size_t>(y) * 640 + x] = 1;
            }
        }
    }
    int outlines = 0;
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            outlines += !answers[static_cast<std::size_t>(y) * 640 + x] && OnAnOutline(map, x, y);
        }
    }
    return outlines;
}

TEST(ScreenPictures, NoMapPaintsAThingWhereNothingAnswers) {
    for (const vocassets::ScreenList& screen : vocassets::ScreenLists()) {
        if (screen.ownBackground != nullptr) {
            EXPECT_LT(OutlinesWhereNothingAnswers(screen.list(), screen.ownBackground), 50)
                << screen.ownBackground;
        }
    }
}

} // namespace
