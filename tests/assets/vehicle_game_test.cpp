// The vehicle game's part of the pack: every recording its screens build from
// a pattern, the gas station showing each vehicle where its object stands, the
// track strips joining without a seam, and the signs holding their numbers.
#include "file_checks.h"
#include "picture_match.h"
#include "scene/lists_tables.h"
#include "tools/assetgen/manifest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

using vocassets::FindAsset;
using vocassets::Sound;

using vbtest::Luminance;
using vbtest::PackBitmap;

const CreationRecord& RecordOf(std::span<const CreationRecord> list, const std::string& picture) {
    for (const CreationRecord& record : list) {
        if (picture == record.picture) {
            return record;
        }
    }
    throw std::runtime_error("no object shows " + picture);
}

// The word of each vehicle at the pumps, from its English word "word-car.wav".
std::vector<std::string> VehicleWords() {
    std::vector<std::string> words;
    for (LONG id = 382; id <= 391; ++id) {
        std::string sound = vbtest::RecordWithId(GasStationList(), id).secondSound;
        words.push_back(sound.substr(5, sound.size() - 9));
    }
    return words;
}

// The spoken number's file as the screens build it: three digits in all.
std::string NumberFile(int n) {
    char name[32];
    if (n < 10) {
        std::snprintf(name, sizeof name, "number-00%d-sp.wav", n);
    } else if (n < 100) {
        std::snprintf(name, sizeof name, "number-0%d-sp.wav", n);
    } else {
        std::snprintf(name, sizeof name, "number-%d-sp.wav", n);
    }
    return name;
}

TEST(VehicleGameNames, EveryRecordingBuiltFromAPatternIsShipped) {
    const std::pair<const char*, Sound> prefixes[] = {{"word-", Sound::EnglishWord},
                                                      {"horn-", Sound::Effect},
                                                      {"udrive-", Sound::Prompt},
                                                      {"race-", Sound::Effect},
                                                      {"won-", Sound::Prompt}};
    std::vector<std::string> words = VehicleWords();
    ASSERT_EQ(words.size(), 10u);
    for (const std::string& word : words) {
        for (auto [prefix, sound] : prefixes) {
            std::string file = prefix + word + ".wav";
            const vocassets::AssetEntry* entry = FindAsset(file);
            ASSERT_NE(entry, nullptr) << file;
            EXPECT_EQ(entry->recording->sound, sound) << file;
        }
    }
    // The three number ranges: k + 1, k + 11 and (k + 1) times 10 for k from 0 to 9.
    for (int k = 0; k < 10; ++k) {
        for (int n : {k + 1, k + 11, (k + 1) * 10}) {
            const vocassets::AssetEntry* entry = FindAsset(NumberFile(n));
            ASSERT_NE(entry, nullptr) << NumberFile(n);
            EXPECT_EQ(entry->recording->sound, Sound::SpanishWord) << NumberFile(n);
        }
    }
    EXPECT_EQ(NumberFile(7), "number-007-sp.wav");
    EXPECT_EQ(NumberFile(100), "number-100-sp.wav");
}

TEST(VehicleGamePictures, TheGasStationShowsEachVehicleUnderItsLitCopy) {
    std::span<const CreationRecord> list = GasStationList();
    const CreationRecord& back = RecordOf(list, "gasstation.bmp");
    const vbtest::Bitmap& station = PackBitmap("gasstation.bmp");
    vbtest::Page page;
    page.Draw(station, static_cast<int>(back.x), static_cast<int>(back.y), false);
    for (LONG id = 382; id <= 391; ++id) {
        const CreationRecord& vehicle = vbtest::RecordWithId(list, id);
        SCOPED_TRACE(vehicle.picture);
        EXPECT_FALSE(vehicle.shown);
        const vbtest::Bitmap& lit = PackBitmap(vehicle.picture);
        int x = static_cast<int>(vehicle.x - back.x);
        int y = static_cast<int>(vehicle.y - back.y);
        EXPECT_GE(vbtest::Correlation(lit, page, static_cast<int>(vehicle.x),
                                      static_cast<int>(vehicle.y)),
                  0.8);
        // Lit means brighter than the drawing under it.
        double litSum = 0, plainSum = 0;
        for (int yy = 0; yy < lit.height; ++yy) {
            for (int xx = 0; xx < lit.width; ++xx) {
                if (!vbtest::IsKey(lit.ColourAt(xx, yy))) {
                    litSum += Luminance(lit.ColourAt(xx, yy));
                    plainSum += Luminance(station.ColourAt(x + xx, y + yy));
                }
            }
        }
        EXPECT_GT(litSum, plainSum * 1.05);
    }
    // The same patch of plain forecourt under another vehicle's place does not match.
    const CreationRecord& car = vbtest::RecordWithId(list, 385);
    EXPECT_LT(vbtest::Correlation(PackBitmap(car.picture), page, 200 + static_cast<int>(back.x),
                                  static_cast<int>(back.y)),
              0.5);
}

// How many rows differ between two columns of two strips.
int DifferingRows(const vbtest::Bitmap& a, int ax, const vbtest::Bitmap& b, int bx) {
    int rows = 0;
    for (int y = 0; y < a.height; ++y) {
        std::uint32_t ca = a.ColourAt(ax, y);
        std::uint32_t cb = b.ColourAt(bx, y);
        rows += std::abs(Luminance(ca) - Luminance(cb)) > 40 ? 1 : 0;
    }
    return rows;
}

TEST(VehicleGamePictures, TrackStripsJoinWithoutASeam) {
    // The order the scenery step lays them: start, 1 to 5, then 1 again; the
    // finish line may follow any of them.
    const std::pair<const char*, const char*> joins[] = {
        {"racetrack-startingline.bmp", "racetrack-background01.bmp"},
        {"racetrack-background01.bmp", "racetrack-background02.bmp"},
        {"racetrack-background02.bmp", "racetrack-background03.bmp"},
        {"racetrack-background03.bmp", "racetrack-background04.bmp"},
        {"racetrack-background04.bmp", "racetrack-background05.bmp"},
        {"racetrack-background05.bmp", "racetrack-background01.bmp"},
        {"racetrack-startingline.bmp", "racetrack-finishline.bmp"},
        {"racetrack-background03.bmp", "racetrack-finishline.bmp"},
        {"racetrack-background05.bmp", "racetrack-finishline.bmp"},
    };
    for (auto [left, right] : joins) {
        SCOPED_TRACE(std::string(left) + " then " + right);
        const vbtest::Bitmap& a = PackBitmap(left);
        const vbtest::Bitmap& b = PackBitmap(right);
        ASSERT_EQ(a.width, 550);
        ASSERT_EQ(b.width, 550);
        ASSERT_EQ(a.height, b.height);
        // Across the joint the picture changes no more than across the joints
        // of its own repeating pattern (every 55 pixels) inside either strip.
        int inside = 0;
        for (int x = 55; x < 550; x += 55) {
            inside =
                std::max({inside, DifferingRows(a, x - 1, a, x), DifferingRows(b, x - 1, b, x)});
        }
        EXPECT_LE(DifferingRows(a, 549, b, 0), inside + 4);
    }
}

TEST(VehicleGamePictures, EachSignHoldsItsNumberOnADarkFace) {
    // The number panel's layout 1, where the race writes its white numbers.
    struct Slot {
        int left, top, right, bottom;
    };
    constexpr Slot kSlots[] = {{149, 425, 204, 455},
                               {227, 424, 282, 464},
                               {303, 429, 358, 469},
                               {378, 424, 433, 464},
                               {458, 431, 513, 471}};
    std::span<const CreationRecord> race = RaceList();
    const CreationRecord& backing = vbtest::RecordWithId(race, 325);
    const vbtest::Bitmap& beam = PackBitmap(backing.picture);
    for (int i = 0; i < 5; ++i) {
        const CreationRecord& sign = vbtest::RecordWithId(race, 320 + i);
        SCOPED_TRACE(sign.picture);
        EXPECT_FALSE(sign.shown);
        const vbtest::Bitmap& bmp = PackBitmap(sign.picture);
        const Slot& s = kSlots[i];
        int dark = 0;
        int all = 0;
        for (int y = s.top + 2; y < s.bottom - 2; ++y) {
            for (int x = s.left + 2; x < s.right - 2; ++x) {
                int sx = static_cast<int>(x - sign.x);
                int sy = static_cast<int>(y - sign.y);
                ASSERT_TRUE(sx >= 0 && sy >= 0 && sx < bmp.width && sy < bmp.height)
                    << x << "," << y << " lies outside the sign";
                std::uint32_t c = bmp.ColourAt(sx, sy);
                dark += !vbtest::IsKey(c) && Luminance(c) < 80 ? 1 : 0;
                int bx = static_cast<int>(x - backing.x);
                int by = static_cast<int>(y - backing.y);
                std::uint32_t under = beam.ColourAt(bx, by);
                dark += !vbtest::IsKey(under) && Luminance(under) < 80 ? 1 : 0;
                all += 2;
            }
        }
        EXPECT_EQ(dark, all) << "white numbers need a dark face, on the sign and under it";
        // Signs stand side by side without covering the next one's number.
        if (i + 1 < 5) {
            EXPECT_LE(sign.x + bmp.width, kSlots[i + 1].left);
        }
    }
    // The beam's posts stand between the numbers, never behind one.
    for (int i = 0; i + 1 < 5; ++i) {
        int x = (kSlots[i].right + kSlots[i + 1].left) / 2 - static_cast<int>(backing.x);
        EXPECT_FALSE(vbtest::IsKey(beam.ColourAt(x, 2))) << "post " << i;
        EXPECT_TRUE(vbtest::IsKey(beam.ColourAt(x - 10, 2))) << "post " << i;
    }
}

} // namespace
