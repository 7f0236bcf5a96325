// Every picture or recording the game's code names outright is shipped in the
// asset pack: a missing recording ends the program.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/assetgen/manifest.h"

namespace {

// The quoted texts of a source file that name a picture or a recording.
std::vector<std::string> QuotedFileNames(const std::string& source) {
    std::vector<std::string> names;
    for (size_t open = source.find('"'); open != std::string::npos;) {
        size_t close = source.find('"', open + 1);
        if (close == std::string::npos)
            break;
        std::string text = source.substr(open + 1, close - open - 1);
        bool plain = !text.empty() && text.find_first_not_of("abcdefghijklmnopqrstuvwxyz"
                                                             "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                                             "0123456789_.-") == std::string::npos;
        std::string ending = text.size() > 4 ? text.substr(text.size() - 4) : "";
        for (char& c : ending)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (plain && (ending == ".wav" || ending == ".bmp"))
            names.push_back(text);
        open = source.find('"', close + 1);
    }
    return names;
}

TEST(CodeNames, EveryQuotedFileNameInTheGamesCodeIsInTheManifest) {
    int names = 0;
    for (const char* folder : {"shell", "display", "audio", "input", "scene", "activities"}) {
        std::filesystem::path dir = std::filesystem::path(VOCABULOON_SOURCE_DIR) / folder;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
            if (entry.path().extension() != ".cpp" && entry.path().extension() != ".h")
                continue;
            std::ifstream file(entry.path());
            std::stringstream text;
            text << file.rdbuf();
            for (const std::string& name : QuotedFileNames(text.str())) {
                EXPECT_NE(vocassets::FindAsset(name), nullptr)
                    << entry.path().filename() << " names " << name;
                ++names;
            }
        }
    }
    EXPECT_GT(names, 100);
}

} // namespace
