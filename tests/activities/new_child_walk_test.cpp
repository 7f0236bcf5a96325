// A new child's first run from the title to the end: sign in, skip the tour,
// walk the town's ring of maps, quit at the stop sign.
#include <gtest/gtest.h>

#include "activities/town_script.h"

namespace {

using namespace townscript;
using testing_support::GameInstall;
using testing_support::GameResult;
using testing_support::ReadTextFile;

TEST(NewChildWalk, FromTheTitleThroughTheTownToTheEnd) {
    GameInstall install;
    std::string script = "wait 3000\nshot title\n" + SignInScript("BOB");
    script += std::string("wait 2000\nshot tour\nkey space\nwait 2000\nshot welcome\n") + "click " +
              kWelcomeOk + "\nwait 1500\nshot centre\n" + "click " + kLeftArrow +
              "\nwait 1500\nshot scrolling\nwait 4500\nshot left\n" + "click " + kRightArrow +
              "\nwait 6000\nshot back\n" + "click " + kRightArrow + "\nwait 6000\nshot right\n" +
              "click " + kRightStop + "\nwait 6000\nshot quit\n" + "click " + kMapYes +
              "\nwait 2000\nshot credits\nwait 20000\n";
    GameResult run = install.Run(script);

    EXPECT_EQ(Screens(run), (std::vector<int>{22, 1, 12, 1, 13, 26}));
    EXPECT_TRUE(InOrder(Sounds(run),
                        {"monkey-slideon.wav", "welcome2vocabuloon.wav", "scrolloff-sign.wav",
                         "imsimean.wav", "entername.wav", "scrollon-house&sun.wav",
                         "roundthemountain.wav", "arrowscroll-boing.wav", "arrowscroll-boing.wav",
                         "arrowscroll-boing.wav", "sureuwant2quit.wav"}));
    // The tour was skipped before the guide named the town.
    EXPECT_FALSE(Contains(Sounds(run), "chimbletown.wav"));
    ASSERT_FALSE(run.trace.empty());
    EXPECT_EQ(run.Events().back(), "exit 0");
    EXPECT_TRUE(run.HasEvent("write play-sp-demo.dat"));
    EXPECT_EQ(ReadTextFile(install.dir() + "/play-sp-demo.dat"), "BOB; 0 0 0 0 0 0 0 0 0 ");

    for (const char* shot : {"title", "tour", "welcome", "centre", "scrolling", "left", "back",
                             "right", "quit", "credits"})
        KeepShot(run, shot, std::string("walk-") + shot);
}

} // namespace
