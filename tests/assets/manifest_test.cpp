// The manifest holds every file the screens name, once, with the frame files
// of every animation, in sizes that fit where the screens put them.
#include "tools/assetgen/manifest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

namespace {

using vocassets::Art;
using vocassets::AssetType;
using vocassets::FindAsset;
using vocassets::FindPictureRow;

struct StemFrames {
    const char* stem;
    int frames;
};

#include "quoted_names.inc"

std::string FrameFile(const std::string& stem, int frame) {
    return stem + std::to_string(frame) + ".bmp";
}

const vocassets::PictureRow& Row(const char* name) {
    const vocassets::PictureRow* row = FindPictureRow(name);
    if (row == nullptr) {
        throw std::runtime_error(std::string("no picture row ") + name);
    }
    return *row;
}

TEST(Manifest, HoldsEveryNameTheScreensUse) {
    std::vector<std::string> missing;
    for (const char* name : kQuotedNames) {
        if (FindAsset(name) == nullptr) {
            missing.emplace_back(name);
        }
    }
    EXPECT_TRUE(missing.empty()) << "first missing: " << missing.front() << " of "
                                 << missing.size();
}

TEST(Manifest, AnimationsHaveExactlyTheirFrameFiles) {
    for (const StemFrames& s : kStemFrames) {
        SCOPED_TRACE(s.stem);
        ASSERT_NE(FindPictureRow(s.stem), nullptr);
        EXPECT_EQ(FindPictureRow(s.stem)->frames, s.frames);
        for (int frame = 1; frame <= s.frames; ++frame) {
            const vocassets::AssetEntry* entry = FindAsset(FrameFile(s.stem, frame));
            ASSERT_NE(entry, nullptr) << frame;
            EXPECT_EQ(entry->frame, frame);
        }
        EXPECT_EQ(FindAsset(FrameFile(s.stem, s.frames + 1)), nullptr);
        // The landing has a still of the same name as its animation; no other does.
        if (std::string(s.stem) != "crashlanding") {
            EXPECT_EQ(FindAsset(std::string(s.stem) + ".bmp"), nullptr)
                << "an animation's stem is no file of its own";
        }
    }
    for (const char* stem : kOpenStems) {
        SCOPED_TRACE(stem);
        ASSERT_NE(FindPictureRow(stem), nullptr);
        int frames = FindPictureRow(stem)->frames;
        EXPECT_GE(frames, 2);
        for (int frame = 1; frame <= frames; ++frame) {
            EXPECT_NE(FindAsset(FrameFile(stem, frame)), nullptr) << frame;
        }
    }
    // The classroom's items animate with 8 to 26 frames.
    for (const char* item : {"book", "calculator", "chalk", "computer", "crayon", "extinguisher",
                             "glue", "magnifyingglass", "paper", "Pen", "Pencil", "schooldoor",
                             "schoolwindow", "Scissors", "stapler", "tape", "trashcan"}) {
        EXPECT_GE(Row(item).frames, 8) << item;
        EXPECT_LE(Row(item).frames, 26) << item;
    }
}

TEST(Manifest, NamesDifferingOnlyInCaseAreOneFile) {
    const vocassets::AssetEntry* upper = FindAsset("Monkey-slideon.wav");
    ASSERT_NE(upper, nullptr);
    EXPECT_EQ(upper, FindAsset("monkey-slideon.wav"));
    EXPECT_EQ(upper->file, "monkey-slideon.wav") << "the first spelling stays";
    EXPECT_EQ(FindAsset("BLUE-DOLPHIN.BMP")->file, "blue-Dolphin.bmp");
    EXPECT_EQ(FindAsset("pencil3.bmp")->file, "Pencil3.bmp");
    // Odd spellings stand beside the usual ones.
    EXPECT_NE(FindAsset("arrowswich-left.bmp"), FindAsset("arrowswitch-left.bmp"));
    EXPECT_NE(FindAsset("cart-asperigus.bmp"), nullptr);
    EXPECT_NE(FindAsset("grocery6-asperagus1.bmp"), nullptr);

    std::set<std::string> seen;
    for (const vocassets::AssetEntry& entry : vocassets::AllAssets()) {
        std::string lower = entry.file;
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        EXPECT_TRUE(seen.insert(lower).second) << entry.file;
        EXPECT_TRUE(entry.file.ends_with(entry.type == AssetType::Picture ? ".bmp" : ".wav"))
            << entry.file;
    }
    EXPECT_EQ(FindAsset("None"), nullptr);
    EXPECT_EQ(FindAsset("NONE"), nullptr);
}

TEST(Manifest, VocabularyNamesItsPicturesAndRecordings) {
    ASSERT_GE(vocassets::Vocabulary().size(), 123u);
    for (const vocassets::VocabWord& word : vocassets::Vocabulary()) {
        SCOPED_TRACE(word.label);
        EXPECT_NE(FindPictureRow(word.picture), nullptr);
        ASSERT_NE(FindAsset(word.sound), nullptr);
        EXPECT_EQ(FindAsset(word.sound)->type, AssetType::Recording);
        if (word.secondSound != nullptr) {
            EXPECT_NE(FindAsset(word.secondSound), nullptr);
        }
    }
}

TEST(Manifest, RecordingsSayWhatTheyAreFor) {
    using vocassets::Sound;
    for (const vocassets::RecordingRow& row : vocassets::RecordingRows()) {
        bool spoken = row.sound != Sound::Effect && row.sound != Sound::Music;
        EXPECT_EQ(spoken, row.text != nullptr && row.text[0] != '\0') << row.name;
        EXPECT_EQ(spoken, row.fx == vocassets::Fx::None) << row.name;
    }
    EXPECT_EQ(FindAsset("word-camel-sp.wav")->recording->sound, Sound::SpanishWord);
    EXPECT_EQ(FindAsset("book.wav")->recording->sound, Sound::EnglishWord);
    EXPECT_EQ(FindAsset("sureuwant2quit.wav")->recording->sound, Sound::Prompt);
    EXPECT_EQ(FindAsset("camel.wav")->recording->sound, Sound::Effect);
    EXPECT_EQ(FindAsset("roundthemountain.wav")->recording->sound, Sound::Music);
}

TEST(Manifest, OnlyTheOpaqueKindsAreDrawnWithoutTheKey) {
    std::vector<std::string> unkeyed;
    for (const vocassets::AssetEntry& entry : vocassets::AllAssets()) {
        if (entry.type == AssetType::Picture && !entry.Keyed()) {
            unkeyed.push_back(entry.file);
        }
    }
    // The 24 circus animals and nine backdrops.
    EXPECT_EQ(unkeyed.size(), 33u);
    for (const char* name : {"background-center.bmp", "background-left.bmp", "background-right.bmp",
                             "background-transition.bmp", "circus-background.bmp", "circuspic.bmp",
                             "alphabet-background.bmp", "movingday-background.bmp",
                             "classroom-background.bmp", "blue-camel.bmp", "white-tiger.bmp"}) {
        EXPECT_FALSE(FindAsset(name)->Keyed()) << name;
    }
    EXPECT_TRUE(FindAsset("gasstation.bmp")->Keyed());
}

TEST(Manifest, PicturesFitTheirPlacesOnTheScreen) {
    for (const vocassets::PictureRow& row : vocassets::PictureRows()) {
        EXPECT_GT(row.width, 0) << row.name;
        EXPECT_GT(row.height, 0) << row.name;
        EXPECT_LE(row.width, 640) << row.name;
        EXPECT_LE(row.height, 480) << row.name;
    }
    for (const char* name :
         {"vocabuloon-full-sp.bmp", "intro-background.bmp", "background-center.bmp",
          "background-transition.bmp", "credits-sp.bmp", "end-screen.bmp", "fade2-bath",
          "launch-earth", "to-mars-1-sp.bmp", "sunrisemonkeyface", "jobs-background.bmp"}) {
        EXPECT_EQ(Row(name).width, 640) << name;
        EXPECT_EQ(Row(name).height, 480) << name;
    }
    // Backdrops drawn at (90, 0), right of the left menu bar; the race's strips
    // scroll from x 640 to -460, so 550 wide joins them up.
    for (const char* name :
         {"circus-background.bmp", "gasstation.bmp", "alphabet-background.bmp",
          "classroom-background.bmp", "fishingbackground.bmp", "balloon-background.bmp",
          "racetrack-startingline.bmp", "racetrack-background01.bmp", "racetrack-background05.bmp",
          "racetrack-finishline.bmp"}) {
        EXPECT_EQ(Row(name).width, 550) << name;
    }
    // The balloon flight's landscape: 640 + 436 = 1076 pixels of scroll, then 640 on screen.
    EXPECT_EQ(Row("flyby-background01.bmp").width, 640);
    EXPECT_EQ(Row("flyby-background02.bmp").width, 436);
    EXPECT_EQ(Row("flyby-background03.bmp").width, 640);
    // The bar is 90 wide at x 0 or 550; each button fits between its y and the next's.
    EXPECT_EQ(Row("menubar.bmp").width, 90);
    EXPECT_EQ(Row("menubar.bmp").height, 480);
    const std::pair<const char*, int> buttons[] = {{"menubar-monkeyhead.bmp", 93},
                                                   {"menubar-questionmark.bmp", 81},
                                                   {"menubar-home.bmp", 94},
                                                   {"menubar-balloon.bmp", 71},
                                                   {"menubar-exit-x.bmp", 141}};
    for (auto [name, room] : buttons) {
        EXPECT_LE(Row(name).width, 90) << name;
        EXPECT_LE(Row(name).height, room) << name;
    }
    // Both cursor pictures are drawn at the clock's size.
    EXPECT_EQ(Row("cursor-mouse.bmp").width, Row("cursor-clock.bmp").width);
    EXPECT_EQ(Row("cursor-mouse.bmp").height, Row("cursor-clock.bmp").height);
    // Yes and no lie on their panels: 46 and 116 (or 58 and 128) right of the
    // panel, 105 below it, with 75 or 100 rows for the play-again art.
    for (const char* panel :
         {"quit.bmp", "quit2.bmp", "playagain.bmp", "playagain2.bmp", "continue2.bmp"}) {
        EXPECT_GE(Row(panel).width, 116 + Row("no.bmp").width) << panel;
        EXPECT_GE(Row(panel).height, 105 + Row("no.bmp").height) << panel;
    }
    for (const char* panel : {"quit3.bmp", "playagain3.bmp", "continue3.bmp"}) {
        EXPECT_GE(Row(panel).width, 128 + Row("no.bmp").width) << panel;
        EXPECT_GE(Row(panel).height, 105 + Row("no.bmp").height) << panel;
    }
    EXPECT_GE(Row("playagain4.bmp").height, 157 + Row("yes.bmp").height);
    // The sign-in box holds its nine rows: x 341 to 564, y 55 to 320, from (290, 27).
    EXPECT_GE(290 + Row("signin-box.bmp").width, 565);
    EXPECT_GE(27 + Row("signin-box.bmp").height, 321);
    // The house cut-away holds its four rooms from (41, 101) to (371, 440).
    EXPECT_GE(41 + Row("movingday-cutaway").width, 371);
    EXPECT_GE(101 + Row("movingday-cutaway").height, 440);
    // The carousel's hit area reaches x 570 and y 222 from (327, 0).
    EXPECT_GE(327 + Row("merrygo-click-").width, 570);
    EXPECT_GE(Row("merrygo-click-").height, 222);
    // Word bubbles hold the 100 x 70 word box laid at their own position.
    for (const char* bubble :
         {"smallbubble1.bmp", "smallbubble2.bmp", "smallbubble3.bmp", "smallcircle01.bmp"}) {
        EXPECT_GE(Row(bubble).width, 100) << bubble;
        EXPECT_GE(Row(bubble).height, 70) << bubble;
    }
}

} // namespace
