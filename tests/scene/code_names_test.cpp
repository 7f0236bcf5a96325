// Every picture or recording the game's code names outright is shipped in the
// asset pack: a missing recording ends the program.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "tools/assetgen/manifest.h"

namespace {

TEST(CodeNames, EveryQuotedFileNameInTheGamesCodeIsInTheManifest) {
    const std::regex quoted(R"re("([A-Za-z0-9_.\-]+\.(wav|bmp))")re", std::regex::icase);
    int names = 0;
    for (const char* folder : {"shell", "display", "audio", "input", "scene", "activities"}) {
        std::filesystem::path dir = std::filesystem::path(VOCABULOON_SOURCE_DIR) / folder;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
            if (entry.path().extension() != ".cpp" && entry.path().extension() != ".h")
                continue;
            std::ifstream file(entry.path());
            std::stringstream text;
            text << file.rdbuf();
            std::string source = text.str();
            for (std::sregex_iterator match(source.begin(), source.end(), quoted), end;
                 match != end; ++match) {
                std::string name = (*match)[1];
                EXPECT_NE(vocassets::FindAsset(name), nullptr)
                    << entry.path().filename() << " names " << name;
                ++names;
            }
        }
    }
    EXPECT_GT(names, 100);
}

} // namespace
