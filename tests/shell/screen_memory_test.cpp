// Entering a screen again and again, each time letting it run a second so
// that its sounds, animations and drawing start, leaves no surface behind and
// lets the resident set grow by next to nothing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "support/game_run.h"

namespace {

using testing_support::GameInstall;
using testing_support::GameResult;

constexpr int kEntries = 20;
constexpr long kScreenGrowthKb = 1024;
constexpr long kRunGrowthKb = 4096;

struct MemoryLine {
    long residentKb;
    int surfaces;
};

std::vector<MemoryLine> MemoryLines(const GameResult& run) {
    std::vector<MemoryLine> lines;
    for (const std::string& event : run.Events()) {
        if (event.rfind("mem ", 0) != 0)
            continue;
        std::istringstream words(event.substr(4));
        MemoryLine line{};
        words >> line.residentKb >> line.surfaces;
        lines.push_back(line);
    }
    return lines;
}

// The sanitizer's allocator would otherwise keep freed memory aside and its
// pages mapped for a while, which is no growth of the game's own.
class FreedMemoryReturned {
  public:
    FreedMemoryReturned() {
        const char* old = std::getenv("ASAN_OPTIONS");
        had_ = old != nullptr;
        old_ = had_ ? old : "";
        std::string options = old_ + (old_.empty() ? "" : ":") +
                              "quarantine_size_mb=0:thread_local_quarantine_size_kb=0:"
                              "allocator_release_to_os_interval_ms=0";
        setenv("ASAN_OPTIONS", options.c_str(), 1);
    }
    ~FreedMemoryReturned() {
        if (had_)
            setenv("ASAN_OPTIONS", old_.c_str(), 1);
        else
            unsetenv("ASAN_OPTIONS");
    }

  private:
    bool had_ = false;
    std::string old_;
};

TEST(ScreenMemory, EveryScreenEnteredTwentyTimesStaysFlat) {
    std::string script;
    for (int screen = 1; screen <= 26; ++screen)
        for (int entry = 0; entry < kEntries; ++entry)
            script += "screen " + std::to_string(screen) + "\nwait 1000\nmem\n";
    GameInstall install;
    FreedMemoryReturned returned;
    GameResult run = install.Run(script);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    std::vector<MemoryLine> lines = MemoryLines(run);
    ASSERT_EQ(lines.size(), 26u * kEntries);
    for (int screen = 1; screen <= 26; ++screen) {
        const MemoryLine& first = lines[(screen - 1) * kEntries];
        const MemoryLine& last = lines[screen * kEntries - 1];
        EXPECT_EQ(last.surfaces, first.surfaces) << "screen " << screen;
        EXPECT_LE(last.residentKb - first.residentKb, kScreenGrowthKb) << "screen " << screen;
        std::printf("screen %2d: %ld kB -> %ld kB, %d surfaces\n", screen, first.residentKb,
                    last.residentKb, last.surfaces);
    }
    EXPECT_LE(lines.back().residentKb - lines.front().residentKb, kRunGrowthKb);
    // Screen 23 creates nothing: only the display's own pages live there.
    EXPECT_LT(lines[23 * kEntries - 1].surfaces, lines[kEntries - 1].surfaces);
}

} // namespace
