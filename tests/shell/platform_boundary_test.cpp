// The game reaches the machine only through the platform's Windows-shaped
// calls: time, files, randomness and SDL stay below them, so headless runs
// see the same clock, files and inputs as the game does.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

TEST(PlatformBoundary, GameCodeCallsNoSdlClockFileOrRandomDirectly) {
    const char* forbidden[] = {"#include <SDL", "SDL_",     "fopen(",   "std::time(",
                               "getenv(",       "<chrono>", "<thread>", "std::rand(",
                               "srand(",        "<random>", "<fstream>"};
    int files = 0;
    for (const char* folder : {"shell", "display", "audio", "input", "scene", "activities"}) {
        std::filesystem::path dir = std::filesystem::path(VOCABULOON_SOURCE_DIR) / folder;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
            std::ifstream file(entry.path());
            std::stringstream text;
            text << file.rdbuf();
            for (const char* word : forbidden)
                EXPECT_EQ(text.str().find(word), std::string::npos)
                    << entry.path().filename() << " uses " << word;
            ++files;
        }
    }
    EXPECT_GT(files, 50);
}

} // namespace
