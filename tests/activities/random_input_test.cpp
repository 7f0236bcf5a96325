// Whatever a child does, no screen reads freed memory or breaks: random moves,
// clicks (on the bar more often than not) and keys for two minutes of play on
// each screen without its activity yet, and an object reference carried
// across a load. Meant for the sanitizer build, which ends the program with
// its report on the first bad access.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "support/game_run.h"

namespace {

using testing_support::GameInstall;
using testing_support::GameResult;

constexpr int kPlayMs = 120000;
// The screen is entered again this often, so that a yes to the quit question
// or a way out through the bar never ends the run.
constexpr int kBackEveryMs = 6000;

const char* const kKeys[] = {"space", "escape", "return", "left", "a", "z", "5", "backspace"};

std::string RandomPlay(int screen, unsigned seed) {
    std::mt19937 random(seed);
    auto pick = [&](int below) {
        return static_cast<int>(random() % static_cast<unsigned>(below));
    };
    const int barX[] = {45, 595};
    const int barY[] = {45, 130, 220, 300, 384};
    std::string script;
    for (int elapsed = 0, back = 0; elapsed < kPlayMs;) {
        if (elapsed >= back) {
            script += "screen " + std::to_string(screen) + "\n";
            back += kBackEveryMs;
        }
        int x = pick(640), y = pick(480);
        switch (pick(6)) {
        case 0:
            script += "move " + std::to_string(x) + " " + std::to_string(y) + "\n";
            break;
        case 1:
        case 2:
            script += "click " + std::to_string(barX[pick(2)]) + " " +
                      std::to_string(barY[pick(5)]) + "\n";
            break;
        case 3:
            script += "click " + std::to_string(x) + " " + std::to_string(y) + "\n";
            break;
        case 4:
            script += std::string("key ") + kKeys[pick(8)] + "\n";
            break;
        default:
            // The answers of the quit question, wherever it stands.
            script += pick(2) ? "click 265 154\n" : "click 411 206\n";
            break;
        }
        int wait = 16 + pick(600);
        script += "wait " + std::to_string(wait) + "\n";
        elapsed += wait; // at least: a click on the bar pauses on its own too
    }
    return script + "wait 500\nshot end\n";
}

class RandomInput : public ::testing::TestWithParam<int> {};

TEST_P(RandomInput, TwoMinutesOfPlayEndWithTheProgramRunning) {
    GameInstall install;
    GameResult run = install.Run(RandomPlay(GetParam(), 1000u + static_cast<unsigned>(GetParam())));
    EXPECT_EQ(run.exitCode, 0) << run.stderrText;
    EXPECT_EQ(run.stderrText.find("ERROR"), std::string::npos) << run.stderrText;
    EXPECT_EQ(run.stderrText.find("runtime error"), std::string::npos) << run.stderrText;
    ASSERT_FALSE(run.Events().empty());
    EXPECT_EQ(run.Events().back(), "exit 0");
    for (const std::string& event : run.Events())
        EXPECT_EQ(event.rfind("messagebox", 0), std::string::npos) << event;
}

INSTANTIATE_TEST_SUITE_P(ListOnlyScreens, RandomInput,
                         ::testing::Values(4, 5, 7, 8, 9, 10, 11, 15, 16, 17, 18, 19, 20, 25),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return "Screen" + std::to_string(info.param);
                         });

// The race keeps vehicles in the frame controller's slots; the alphabet's
// pauses update slot C. A load in between must leave nothing to read.
TEST(RandomInput, ARaceThenTheAlphabetsBar) {
    GameInstall install;
    GameResult run = install.Run("screen 24\nwait 5000\nscreen 4\nwait 300\nclick 45 45\n"
                                 "wait 1000\nclick 45 384\nwait 3000\nclick 265 154\nwait 2000\n");
    EXPECT_EQ(run.exitCode, 0) << run.stderrText;
    EXPECT_TRUE(run.HasEvent("screen 4"));
    EXPECT_TRUE(run.HasEvent("sound sureuwant2quit.wav voice"));
    EXPECT_EQ(run.Events().back(), "exit 0");
}

} // namespace
