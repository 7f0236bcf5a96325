// Every file the program can ask for, on every screen, is in the manifest and
// in the generated pack: the pictures and recordings of every creation list
// (each numbered frame of a stem), every name quoted in the game's code, and
// every name the code builds from a pattern over the values it can take. A
// missing picture or recording ends the program with a message box.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "scene/creation_lists.h"
#include "tools/assetgen/manifest.h"

namespace {

namespace fs = std::filesystem;

const std::string kPack = VOCASSETS_PACK_DIR;
const char* const kGameFolders[] = {"shell", "display", "audio", "input", "scene", "activities"};

// A name the code builds with printf, and the numbers it fills in.
struct NamePattern {
    const char* format;
    int first;
    int last;
    int step = 1;
};

// A format may take several runs of values, one row each.
const NamePattern kPatterns[] = {
    {"youhave%d.wav", 1, 8},    // the balloon count, every number before the last
    {"%02dballoons.wav", 2, 9}, // the last number of a count of two or more
    // The vehicle game's spoken numbers: 1 to 20, and the tens to 100.
    {"number-00%d-sp.wav", 1, 9},
    {"number-0%d-sp.wav", 10, 20},
    {"number-0%d-sp.wav", 30, 90, 10},
    {"number-%d-sp.wav", 100, 100},
    // The days' music, one piece a day of the week.
    {"days-music%02d.wav", 1, 7},
};
// The numbered frames of a stem: the creation lists' stems, checked below.
constexpr const char* kFramePattern = "%s%s%d.bmp";

bool NamesNothing(const char* sound) {
    std::string name = sound ? sound : "";
    return name.empty() || name == "NONE" || name == "None";
}

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool IsFileName(const std::string& text) {
    std::string ending = text.size() > 4 ? Lower(text.substr(text.size() - 4)) : "";
    return ending == ".wav" || ending == ".bmp";
}

// The quoted texts of a source file that end as a picture or recording.
std::vector<std::string> QuotedFileTexts(const std::string& source) {
    std::vector<std::string> texts;
    for (size_t open = source.find('"'); open != std::string::npos;) {
        size_t close = source.find('"', open + 1);
        if (close == std::string::npos)
            break;
        std::string text = source.substr(open + 1, close - open - 1);
        if (IsFileName(text) && text.find_first_of(" \\/") == std::string::npos)
            texts.push_back(text);
        open = source.find('"', close + 1);
    }
    return texts;
}

// Whether the pack holds the file, spelled as the manifest spells it.
::testing::AssertionResult Loadable(const std::string& name) {
    const vocassets::AssetEntry* entry = vocassets::FindAsset(name);
    if (entry == nullptr)
        return ::testing::AssertionFailure() << name << " is not in the manifest";
    if (!fs::is_regular_file(kPack + "/" + entry->RelativePath()))
        return ::testing::AssertionFailure() << name << " is not in the pack";
    return ::testing::AssertionSuccess();
}

struct CodeTexts {
    std::vector<std::pair<std::string, std::string>> names;    // file, quoted name
    std::vector<std::pair<std::string, std::string>> patterns; // file, format
};

CodeTexts ReadGameCode() {
    CodeTexts found;
    for (const char* folder : kGameFolders) {
        for (const auto& entry :
             fs::recursive_directory_iterator(fs::path(VOCABULOON_SOURCE_DIR) / folder)) {
            if (entry.path().extension() != ".cpp" && entry.path().extension() != ".h")
                continue;
            std::ifstream file(entry.path());
            std::stringstream text;
            text << file.rdbuf();
            for (const std::string& quoted : QuotedFileTexts(text.str())) {
                auto& list = quoted.find('%') == std::string::npos ? found.names : found.patterns;
                list.emplace_back(entry.path().filename().string(), quoted);
            }
        }
    }
    return found;
}

TEST(LoadableNames, EveryFileOfEveryCreationListIsShipped) {
    std::set<LONG> screens;
    int files = 0;
    ForEachCreationRecord([&](LONG screenId, const CreationRecord& record) {
        screens.insert(screenId);
        const std::string where =
            "screen " + std::to_string(screenId) + ", object " + std::to_string(record.id);
        if (record.frames > 1) {
            for (LONG n = 1; n <= record.frames; ++n, ++files) {
                char frame[96];
                std::snprintf(frame, sizeof frame, "%s%d.bmp", record.picture, static_cast<int>(n));
                EXPECT_TRUE(Loadable(frame)) << where;
            }
        } else {
            EXPECT_TRUE(Loadable(record.picture)) << where;
            ++files;
        }
        for (const char* sound : {record.sound, record.secondSound}) {
            if (!NamesNothing(sound)) {
                EXPECT_TRUE(Loadable(sound)) << where;
                ++files;
            }
        }
    });
    // Every screen but 23, which creates nothing.
    EXPECT_EQ(screens.size(), 25u);
    EXPECT_FALSE(screens.count(23));
    EXPECT_GT(files, 2000);
}

TEST(LoadableNames, EveryNameTheGamesCodeQuotesIsShipped) {
    CodeTexts code = ReadGameCode();
    for (const auto& [file, name] : code.names)
        EXPECT_TRUE(Loadable(name)) << "named in " << file;
    EXPECT_GT(code.names.size(), 100u);
}

TEST(LoadableNames, EveryNameTheCodeBuildsIsShippedForEveryValue) {
    CodeTexts code = ReadGameCode();
    ASSERT_FALSE(code.patterns.empty());
    for (const auto& [file, format] : code.patterns) {
        if (format == kFramePattern)
            continue;
        bool known = false;
        for (const NamePattern& pattern : kPatterns) {
            if (format != pattern.format)
                continue;
            known = true;
            for (int value = pattern.first; value <= pattern.last; value += pattern.step) {
                char name[96];
                std::snprintf(name, sizeof name, pattern.format, value);
                EXPECT_TRUE(Loadable(name)) << "built in " << file;
            }
        }
        ASSERT_TRUE(known) << file << " builds names from \"" << format
                           << "\": give this test the values it takes";
    }
}

} // namespace
