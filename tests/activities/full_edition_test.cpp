// The full edition opens the circus from the carousel, and the days and the
// classroom from the sun and the school of the right map, each after its name;
// home leads back to the map of its place. The demo keeps the popups.
#include <gtest/gtest.h>

#include "activities/town_script.h"
#include "support/game_run.h"

namespace {

using namespace townscript;
using testing_support::GameInstall;
using testing_support::GameResult;
using testing_support::WriteTextFile;

constexpr const char* kCarousel = "400 100";
constexpr const char* kSun = "380 60";
constexpr const char* kSchool = "450 250";
constexpr const char* kHome = "45 215";
constexpr const char* kPopupOk = "410 260";

// Signed in, the tour skipped, the welcome closed: the centre map.
std::string ToTheCentre() {
    return SignInScript("") + "wait 2000\nkey space\nwait 2000\nclick " + kWelcomeOk +
           "\nwait 1500\n";
}

std::string Visit(const char* place, bool full) {
    return std::string("click ") + place + "\nwait 5000\n" +
           (full ? std::string("click ") + kHome : std::string("click ") + kPopupOk) +
           "\nwait 3000\n";
}

std::string TownWalk(bool full) {
    return ToTheCentre() + Visit(kCarousel, full) + "click " + kRightArrow + "\nwait 6000\n" +
           Visit(kSun, full) + Visit(kSchool, full) + "wait 1000\n";
}

// The event after the first one that is `event`.
std::string EventAfter(const GameResult& run, const std::string& event) {
    std::vector<std::string> events = run.Events();
    for (size_t i = 0; i + 1 < events.size(); ++i)
        if (events[i] == event)
            for (size_t j = i + 1; j < events.size(); ++j)
                if (events[j].rfind("sound ", 0) != 0 && events[j].rfind("image ", 0) != 0 &&
                    events[j].rfind("write ", 0) != 0)
                    return events[j];
    return "";
}

TEST(FullEdition, ThePlacesOpenTheirActivitiesAndHomeLeadsBackToTheirMap) {
    GameInstall install;
    WriteTextFile(install.dir() + "/play-sp-demo.dat", "ANA; 0 0 0 0 0 0 0 0 0 ");
    GameResult run = install.Run(TownWalk(true), {"--full"});
    EXPECT_EQ(Screens(run), (std::vector<int>{22, 1, 2, 1, 13, 14, 13, 6, 13}));
    EXPECT_EQ(EventAfter(run, "sound carousel-sp.wav voice"), "screen 2");
    EXPECT_EQ(EventAfter(run, "sound sun-sp.wav voice"), "screen 14");
    EXPECT_EQ(EventAfter(run, "sound school-sp.wav voice"), "screen 6");
    EXPECT_EQ(run.Events().back(), "exit 0");
}

TEST(FullEdition, WithoutItThePlacesKeepTheirPopups) {
    GameInstall install;
    WriteTextFile(install.dir() + "/play-sp-demo.dat", "ANA; 0 0 0 0 0 0 0 0 0 ");
    GameResult run = install.Run(TownWalk(false));
    EXPECT_EQ(Screens(run), (std::vector<int>{22, 1, 13}));
    EXPECT_TRUE(InOrder(Sounds(run), {"carousel-sp.wav", "clickon-menu.wav", "sun-sp.wav",
                                      "clickon-menu.wav", "school-sp.wav", "clickon-menu.wav"}));
}

} // namespace
