// The quit question on each kind of screen: the centre map, a side map whose
// voice channel carries the road, and the balloon screen. No puts the screen
// back as it was; yes ends on the closing screen after the screen's pause.
#include <gtest/gtest.h>

#include <algorithm>

#include "activities/town_script.h"
#include "support/game_run.h"

namespace {

using namespace townscript;
using testing_support::GameInstall;
using testing_support::GameResult;

std::string Click(const char* where, int thenWait) {
    return std::string("click ") + where + "\nwait " + std::to_string(thenWait) + "\n";
}

// Time from the yes button's click sound to the closing screen.
int64_t YesToEnd(const GameResult& run) {
    const int64_t end = run.TimeOf("screen 26");
    int64_t yes = -1;
    for (int64_t from = 0;;) {
        const int64_t click = TimeAfter(run, "sound clickon1.wav effects", from);
        if (click < 0 || end < 0 || click > end)
            break;
        yes = click;
        from = click + 1;
    }
    return yes < 0 ? -1 : end - yes;
}

TEST(QuitQuestion, OnTheCentreMapNoGivesTheTownBackAndYesEnds) {
    GameInstall install;
    GameResult run = install.Run("screen 1\nwait 1000\n" + Click(kCentreStop, 5000) +
                                 "shot asked\n" + Click(kMapNo, 2500) + "shot refused\n" +
                                 Click(kLake, 4000) + "click 410 260\nwait 2000\n" +
                                 Click(kCentreStop, 5000) + Click(kMapYes, 20000));
    KeepShot(run, "asked", "quit-centre");
    KeepShot(run, "refused", "quit-centre-refused");
    EXPECT_TRUE(InOrder(Sounds(run), {"clickon-menu.wav", "monkey-slideon.wav", "big-pop.wav",
                                      "sureuwant2quit.wav", "clickon1.wav", "monkey-slideon.wav",
                                      "clickon-activities.wav", "lake-sp.wav", "sureuwant2quit.wav",
                                      "clickon1.wav"}));
    EXPECT_TRUE(run.HasEvent("sound sureuwant2quit.wav voice"));
    EXPECT_EQ(Screens(run), (std::vector<int>{22, 1, 26}));
    // The yes button's own 500 ms, then the map's 300 ms.
    EXPECT_GE(YesToEnd(run), 800);
    EXPECT_LT(YesToEnd(run), 850);
    EXPECT_EQ(run.Events().back(), "exit 0");
    // The stop sign stands normal again after a no.
    EXPECT_FALSE(Near(ShotPixel(run, "asked", 38, 420), ShotPixel(run, "refused", 38, 420), 4));
}

TEST(QuitQuestion, OnASideMapItSpeaksOverTheEffectsAndTheRoadComesBack) {
    GameInstall install;
    GameResult run =
        install.Run("screen 12\nwait 1000\n" + Click(kLeftStop, 5000) + "shot asked\n" +
                    Click(kMapNo, 3000) + Click(kLeftStop, 5000) + Click(kMapYes, 3000));
    KeepShot(run, "asked", "quit-left");
    EXPECT_TRUE(run.HasEvent("sound sureuwant2quit.wav effects"));
    // The vehicle's sound is started on entry and again after the no.
    int vehicleSounds = 0;
    for (const std::string& event : run.Events())
        if (event.rfind("sound ", 0) == 0 && event.find(" voice") != std::string::npos &&
            event.find("monkey-slideon") == std::string::npos)
            ++vehicleSounds;
    EXPECT_EQ(vehicleSounds, 2);
    EXPECT_EQ(Screens(run), (std::vector<int>{22, 12, 26}));
    EXPECT_GE(YesToEnd(run), 800);
    EXPECT_LT(YesToEnd(run), 850);
}

TEST(QuitQuestion, OnTheBalloonScreenTheGuideAsksWhereItStands) {
    GameInstall install;
    GameResult run = install.Run("screen 21\nwait 15000\n" + Click(kBalloonExit, 3000) +
                                 "shot asked\n" + Click(kBalloonNo, 2000) + "shot refused\n" +
                                 Click(kBalloonExit, 3000) + Click(kBalloonYes, 3000));
    KeepShot(run, "asked", "quit-balloons");
    KeepShot(run, "refused", "quit-balloons-refused");
    std::vector<std::string> sounds = Sounds(run);
    EXPECT_TRUE(InOrder(sounds, {"collect9andgetsurprise.wav", "clickon-menu.wav",
                                 "sureuwant2quit.wav", "clickon1.wav", "clickon-menu.wav",
                                 "sureuwant2quit.wav", "clickon1.wav"}));
    // No slide-on for the question and no pop: the guide is already there.
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "monkey-slideon.wav"), 1);
    EXPECT_FALSE(Contains(sounds, "big-pop.wav"));
    EXPECT_EQ(Screens(run), (std::vector<int>{22, 21, 26}));
    // The yes button's own 500 ms, then the balloon screen's 400 ms.
    EXPECT_GE(YesToEnd(run), 900);
    EXPECT_LT(YesToEnd(run), 950);
}

} // namespace
