// The places of the maps: a click shows the Spanish name in its bubble and
// speaks it, then the place's popup waits for its OK; the playground opens its
// popup without a word; the road leads to the gas station.
#include <gtest/gtest.h>

#include <algorithm>

#include "activities/town_script.h"
#include "support/game_run.h"

namespace {

using namespace townscript;
using testing_support::GameInstall;
using testing_support::GameResult;

constexpr const char* kPopupOk = "410 260";

std::string VisitAndClose(const char* place) {
    return std::string("click ") + place + "\nwait 4000\nclick " + kPopupOk + "\nwait 2000\n";
}

TEST(MapPlaces, TheCentreSaysLakeAndCarouselAndOpensThePlayground) {
    GameInstall install;
    GameResult run = install.Run("screen 1\nwait 1000\nclick " + std::string(kLake) +
                                 "\nwait 1000\nshot lake\nwait 3000\nshot popup\nclick " +
                                 kPopupOk + "\nwait 2000\n" + VisitAndClose("400 100") +
                                 VisitAndClose("130 220") + "click " + kLake + "\nwait 3000\n");
    KeepShot(run, "lake", "place-lake");
    KeepShot(run, "popup", "place-lake-popup");
    std::vector<std::string> sounds = Sounds(run);
    EXPECT_TRUE(InOrder(sounds, {"wordbubbles-popup.wav", "lake-sp.wav", "clickon-menu.wav",
                                 "wordbubbles-popup.wav", "carousel-sp.wav", "clickon-menu.wav",
                                 "clickon-activities.wav", "clickon-menu.wav",
                                 "wordbubbles-popup.wav", "lake-sp.wav"}));
    // The playground has no bubble: three visits of the lake and carousel, three words.
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "wordbubbles-popup.wav"), 3);
    EXPECT_EQ(Screens(run), (std::vector<int>{22, 1}));
}

TEST(MapPlaces, TheLeftMapNamesItsCityHallThenTheRoadLeadsToTheGasStation) {
    GameInstall install;
    GameResult run = install.Run("screen 12\nwait 1000\nclick 390 150\nwait 1500\nshot "
                                 "cityhall\nwait 3000\nclick " +
                                 std::string(kPopupOk) + "\nwait 2000\n" + VisitAndClose("85 70") +
                                 "click 500 450\nwait 3000\nshot gasstation\nwait 2000\n");
    KeepShot(run, "cityhall", "place-cityhall");
    KeepShot(run, "gasstation", "gas-station-still");
    EXPECT_TRUE(InOrder(Sounds(run), {"cityhall-sp.wav", "moon-sp.wav", "road-sp.wav"}));
    EXPECT_EQ(Screens(run), (std::vector<int>{22, 12, 3}));
    EXPECT_EQ(run.Events().back(), "exit 0");
}

TEST(MapPlaces, TheRightMapNamesItsSunThenTheRoadLeadsToTheGasStation) {
    GameInstall install;
    GameResult run = install.Run("screen 13\nwait 1000\n" + VisitAndClose("380 60") +
                                 VisitAndClose("180 170") + "click 100 400\nwait 3000\n");
    EXPECT_TRUE(InOrder(Sounds(run), {"sun-sp.wav", "house-sp.wav", "road-sp.wav"}));
    EXPECT_EQ(Screens(run), (std::vector<int>{22, 13, 3}));
    EXPECT_EQ(run.Events().back(), "exit 0");
}

} // namespace
