// The records of the circus, the classroom and the days, held against how
// their screens use the objects hidden at entry, and against the sizes of
// their pictures in the pack.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <stdexcept>
#include <string>

#include "scene/creation_lists.h"
#include "tools/assetgen/manifest.h"

namespace {

std::map<LONG, CreationRecord> Records(LONG screen) {
    std::map<LONG, CreationRecord> records;
    ForEachCreationRecord([&](LONG screenId, const CreationRecord& record) {
        if (screenId == screen)
            records.emplace(record.id, record);
    });
    return records;
}

const vocassets::PictureRow& Picture(const CreationRecord& record) {
    const vocassets::PictureRow* row = vocassets::FindPictureRow(record.picture);
    if (!row)
        throw std::runtime_error(std::string("no picture ") + record.picture);
    return *row;
}

// The roll-out moves every shown object of group 2 until the wheels reach x
// 700: the show goes, the backdrop and the bar stay.
TEST(ActivityLists, TheCircusRollsOutTheShowAndKeepsTheBackdropAndTheBar) {
    std::map<LONG, CreationRecord> circus = Records(2);
    for (LONG id = 51; id <= 77; ++id) {
        if (id >= 64 && id <= 66)
            continue;
        ASSERT_TRUE(circus.count(id)) << id;
        EXPECT_EQ(circus[id].group, 2) << id;
        EXPECT_TRUE(circus[id].kind.opaque) << id;
        // Each animal fits its stand place, 149 by 101 apart.
        EXPECT_LE(Picture(circus[id]).width, 149) << id;
        EXPECT_LE(Picture(circus[id]).height, 101) << id;
    }
    for (LONG id : {64, 65, 66, 472, 473, 474, 475, 476, 477, 478, 479, 480, 481, 482, 483, 484})
        EXPECT_EQ(circus[id].group, 2) << id;
    for (LONG id : {47, 41, 34, 37, 39, 42, 44})
        EXPECT_EQ(circus[id].group, 1) << id;
    // The cart's picture, shown and opaque, starts off the screen.
    EXPECT_TRUE(circus[66].shown);
    EXPECT_EQ(circus[66].x, -497);
}

// Each object stands where its category's bubble points at it, the two of a
// pair at one place, inside the classroom picture, and plays its animation.
TEST(ActivityLists, TheClassroomObjectsStandUnderTheirBubblesAndAnimate) {
    struct Category {
        LONG first, second;
        LONG bubbleX, bubbleY;
    };
    const Category categories[] = {{80, 81, 105, 236}, {82, 83, 207, 203}, {84, 85, 251, 282},
                                   {86, 87, 409, 392}, {88, 89, 163, 114}, {90, 91, 305, 143},
                                   {92, 0, 467, 21},   {93, 0, 154, 15},   {94, 0, 172, 141},
                                   {95, 0, 533, 74},   {96, 0, 521, 250}};
    std::map<LONG, CreationRecord> school = Records(6);
    const CreationRecord& room = school[97];
    const vocassets::PictureRow& roomPicture = Picture(room);
    for (const Category& category : categories) {
        for (LONG id : {category.first, category.second}) {
            if (!id)
                continue;
            SCOPED_TRACE(id);
            ASSERT_TRUE(school.count(id));
            const CreationRecord& object = school[id];
            const vocassets::PictureRow& picture = Picture(object);
            EXPECT_GE(object.frames, 8);
            EXPECT_LE(object.frames, 26);
            EXPECT_GT(object.frameDelay, 0);
            EXPECT_EQ(picture.frames, object.frames);
            EXPECT_FALSE(object.shown);
            EXPECT_FALSE(object.clickable);
            EXPECT_EQ(object.layer, id == 93 ? 4 : 5);
            // Inside the room's picture.
            EXPECT_GE(object.x, room.x);
            EXPECT_GE(object.y, room.y);
            EXPECT_LE(object.x + picture.width, room.x + roomPicture.width);
            EXPECT_LE(object.y + picture.height, room.y + roomPicture.height);
            // Its bubble is above it, or below it when it stands at the bottom.
            const LONG bubbleBottom = category.bubbleY + 70;
            const bool under = object.y >= bubbleBottom - 10 && object.y <= bubbleBottom + 20;
            const bool over = object.y + picture.height <= category.bubbleY + 10;
            EXPECT_TRUE(under || over);
            EXPECT_LT(object.x, category.bubbleX + 100);
            EXPECT_GT(object.x + picture.width, category.bubbleX);
        }
        if (category.second) {
            EXPECT_EQ(school[category.first].x, school[category.second].x);
            EXPECT_EQ(school[category.first].y, school[category.second].y);
        }
    }
}

// The day pictures, buttons and suns lie between the page and the bar, each
// in its 68-pixel row.
TEST(ActivityLists, TheDaysFitTheirRowsBelowTheBar) {
    std::map<LONG, CreationRecord> days = Records(14);
    const LONG bar = days[41].layer;
    for (LONG id = 535; id <= 562; ++id) {
        SCOPED_TRACE(id);
        ASSERT_TRUE(days.count(id));
        const CreationRecord& record = days[id];
        EXPECT_GT(record.layer, 1);
        EXPECT_LT(record.layer, bar);
        EXPECT_LE(Picture(record).height, 68);
        EXPECT_LE(record.x + Picture(record).width, 640);
        EXPECT_EQ((record.y - 2) % 68, 0);
    }
    for (LONG id = 1; id <= 7; ++id) {
        char note[24];
        std::snprintf(note, sizeof note, "days-music%02d.wav", static_cast<int>(id));
        EXPECT_NE(vocassets::FindAsset(note), nullptr) << note;
    }
}

// Every recording the screens build from a pattern is in the pack.
TEST(ActivityLists, TheRecordingsBuiltFromPatternsExist) {
    for (LONG screen : {2, 6}) {
        for (const auto& [id, record] : Records(screen)) {
            if (!record.kind.label || record.sound == nullptr)
                continue;
            SCOPED_TRACE(record.picture);
            const std::string word = record.sound;
            EXPECT_EQ(word.rfind("word-", 0), 0u);
            EXPECT_NE(vocassets::FindAsset(word), nullptr);
            const std::string stem = word.substr(5, word.size() - 5 - 7);
            EXPECT_EQ(std::string(record.secondSound), stem + ".wav");
            EXPECT_NE(vocassets::FindAsset(stem + ".wav"), nullptr);
        }
    }
    std::map<LONG, CreationRecord> circus = Records(2);
    EXPECT_STREQ(circus[67].sound, "word-rabbit-sp.wav");
    EXPECT_STREQ(circus[67].secondSound, "rabbit.wav");
}

} // namespace
