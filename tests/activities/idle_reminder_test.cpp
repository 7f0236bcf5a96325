// A child who leaves a map alone is reminded by the guide: after 35 s on the
// centre and right maps, 20 s on the left map. The map takes clicks again
// afterwards.
#include <gtest/gtest.h>

#include "activities/town_script.h"
#include "support/game_run.h"

namespace {

using namespace townscript;
using testing_support::GameInstall;
using testing_support::GameResult;

struct Idle {
    int screen;
    int64_t limit;
};

class IdleReminder : public ::testing::TestWithParam<Idle> {};

TEST_P(IdleReminder, ComesAfterTheMapsTimeAndGoesAgain) {
    const Idle idle = GetParam();
    GameInstall install;
    const std::string screen = std::to_string(idle.screen);
    GameResult run =
        install.Run("screen " + screen + "\nwait " + std::to_string(idle.limit + 3000) +
                    "\nshot reminded\nwait 6000\n" + "click " + kLeftArrow + "\nwait 10000\n");
    KeepShot(run, "reminded", "reminder-" + screen);
    const int64_t entered = run.TimeOf("screen " + screen);
    const int64_t slide = TimeAfter(run, "sound monkey-slideon.wav voice", entered);
    ASSERT_GE(slide, 0);
    EXPECT_GT(slide - entered, idle.limit);
    EXPECT_LT(slide - entered, idle.limit + 200);
    EXPECT_TRUE(InOrder(Sounds(run), {"monkey-slideon.wav", "timeout-main.wav",
                                      "monkey-slideon.wav", "arrowscroll-boing.wav"}));
    // The arrows work again: the town scrolled on.
    EXPECT_EQ(Screens(run).size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(Maps, IdleReminder,
                         ::testing::Values(Idle{1, 35000}, Idle{12, 20000}, Idle{13, 35000}),
                         [](const auto& info) {
                             return "Screen" + std::to_string(info.param.screen);
                         });

} // namespace
