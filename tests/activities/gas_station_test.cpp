// The gas station: the road leads here, the ten vehicles are presented with
// their numbers, the child picks one and drives it to the race.
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "activities/town_script.h"
#include "activities/vehicle_script.h"

namespace {

using namespace townscript;
using namespace vehiclescript;
using testing_support::GameInstall;
using testing_support::GameResult;
using testing_support::ReadTextFile;
using testing_support::WriteTextFile;

std::vector<std::string> NumberFiles(int first, int last) {
    std::vector<std::string> files;
    char name[32];
    for (int n = first; n <= last; ++n) {
        std::snprintf(name, sizeof name,
                      n < 10    ? "number-00%d-sp.wav"
                      : n < 100 ? "number-0%d-sp.wav"
                                : "number-%d-sp.wav",
                      n);
        files.push_back(name);
    }
    return files;
}

std::vector<std::string> Sorted(std::vector<std::string> items) {
    std::sort(items.begin(), items.end());
    return items;
}

// The numbers spoken between two events of the trace.
std::vector<std::string> NumbersBetween(const GameResult& run, const std::string& from,
                                        const std::string& to) {
    std::vector<std::string> found;
    bool inside = false;
    for (const std::string& sound : Sounds(run)) {
        if (sound == from)
            inside = true;
        else if (sound == to && inside)
            break;
        else if (inside && sound.rfind("number-", 0) == 0)
            found.push_back(sound);
    }
    return found;
}

TEST(GasStation, FromTheLeftRoadToTheRaceItsBalloonAndBack) {
    GameInstall install;
    std::string script = RoadScript(true) +
                         "wait 5000\nshot waiting\nwait 8000\nshot presenting\n" +
                         "wait 28000\nclick " + kCar + "\n" + TurnsScript({0}, 22) +
                         "wait 20000\nshot question\nclick " + kRaceYes + "\nwait 40000\n" +
                         "click " + kHome + "\nwait 3000\n";
    GameResult run = install.Run(script, {"--time", "1700000000"});

    EXPECT_TRUE(InOrder(Sounds(run),
                        {"road-sp.wav", "payattention.wav", "clickonvehicle.wav", "horn-car.wav",
                         "word-car.wav", "udrive-car.wav", "startengines.wav", "goodjob.wav",
                         "youwonaballoon.wav", "want2playagain.wav", "roundthemountain.wav"}));
    EXPECT_EQ(Screens(run), (std::vector<int>{22, 1, 12, 3, 24, 3, 12}));
    // Each vehicle once, each number of the first range once, in the order shown.
    std::vector<std::string> first = NumbersBetween(run, "payattention.wav", "clickonvehicle.wav");
    EXPECT_EQ(first, NumberFiles(1, 10));
    std::vector<std::string> horns = Horns(run);
    ASSERT_GE(horns.size(), 11u);
    EXPECT_EQ(std::set<std::string>(horns.begin(), horns.begin() + 10).size(), 10u);
    // Every number asked in the race lies in the range, and so does every sign.
    std::vector<RaceTurn> turns = RaceTurns(run);
    ASSERT_FALSE(turns.empty());
    for (const RaceTurn& turn : turns) {
        EXPECT_GE(turn.asked, 1);
        EXPECT_LE(turn.asked, 10);
        EXPECT_NE(RightSign(turn), -1);
        EXPECT_EQ(std::set<int>(turn.signs.begin(), turn.signs.end()).size(), 5u);
    }
    EXPECT_TRUE(Contains(Sounds(run), "youwon.wav") || !SoundsStarting(run, "won-").empty());
    EXPECT_EQ(ReadTextFile(install.dir() + "/play-sp-demo.dat"), "LUCIA; 0 0 0 0 0 0 1 0 0 ");
    // Racing again takes the next range at the gas station.
    std::vector<std::string> again =
        NumbersBetween(run, "want2playagain.wav", "roundthemountain.wav");
    EXPECT_EQ(again, NumberFiles(11, 20));
    EXPECT_FALSE(run.HasEvent("messagebox"));

    // A vehicle being presented shows its number in its bubble: in one of
    // three shots a bubble stands where the page was plain before.
    const int kBubbleCentres[][2] = {{369, 161}, {447, 74},  {335, 295}, {341, 353}, {418, 62},
                                     {511, 285}, {219, 334}, {485, 121}, {255, 129}, {392, 216}};
    bool bubbleSeen = false;
    for (const char* shot : {"presenting", "presenting2", "presenting3"})
        for (const auto& centre : kBubbleCentres)
            bubbleSeen = bubbleSeen || !Near(ShotPixel(run, shot, centre[0], centre[1]),
                                             ShotPixel(run, "waiting", centre[0], centre[1]), 4);
    EXPECT_TRUE(bubbleSeen);
    KeepShot(run, "presenting", "gas-presenting");
    KeepShot(run, "question", "race-play-again");
}

TEST(GasStation, FromTheRightRoadNoLeadsBackToTheRightMap) {
    GameInstall install;
    std::string script = RoadScript(false) + ChooseCarScript() + TurnsScript({1}, 22) +
                         "wait 20000\nclick " + kRaceNo + "\nwait 3000\nclick " + kLeftArrow +
                         "\nwait 6000\n";
    GameResult run = install.Run(script, {"--time", "1700000100"});
    EXPECT_TRUE(InOrder(Sounds(run),
                        {"road-sp.wav", "clickonvehicle.wav", "word-car.wav", "want2playagain.wav",
                         "roundthemountain.wav", "arrowscroll-boing.wav"}));
    // Back on the map the road left, which answers the child again.
    EXPECT_EQ(Screens(run), (std::vector<int>{22, 1, 13, 3, 24, 13, 1}));
    EXPECT_FALSE(run.HasEvent("messagebox"));
}

// Entered without the road: the first range, and home is the right map.
TEST(GasStation, PresentationRepeatsHelpsAndSurvivesARefusedQuit) {
    GameInstall install;
    std::string script = std::string("screen 3\nwait 16000\nclick ") + kExit +
                         "\nwait 2500\nshot quit\nclick " + kGasNo + "\n" +
                         // The prompt comes again 15 s after the choice opened; a
                         // click on a vehicle while it plays is ignored.
                         "wait 35500\nclick " + kCar + "\nwait 3000\n" +
                         // Help restarts the presentation with a new order.
                         "click " + kHelp + "\nwait 40000\nclick " + kTaxi + "\nwait 8000\n" +
                         "click " + kHome + "\nwait 2000\n";
    GameResult run = install.Run(script, {"--time", "1700000200"});
    std::vector<std::string> sounds = Sounds(run);
    EXPECT_TRUE(InOrder(sounds, {"payattention.wav", "sureuwant2quit.wav", "clickonvehicle.wav",
                                 "clickonvehicle.wav", "word-taxi.wav", "udrive-taxi.wav",
                                 "roundthemountain.wav"}));
    EXPECT_FALSE(Contains(sounds, "word-car.wav"));
    // Twenty numbers: the whole first range twice, the quit not breaking it.
    std::vector<std::string> numbers = SoundsStarting(run, "number-");
    ASSERT_GE(numbers.size(), 20u);
    const std::vector<std::string> once = NumberFiles(1, 10);
    std::vector<std::string> twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(std::vector<std::string>(numbers.begin(), numbers.begin() + 20), twice);
    std::vector<std::string> horns = Horns(run);
    ASSERT_GE(horns.size(), 20u);
    EXPECT_NE(std::vector<std::string>(horns.begin(), horns.begin() + 10),
              std::vector<std::string>(horns.begin() + 10, horns.begin() + 20));
    EXPECT_EQ(Screens(run), (std::vector<int>{22, 3, 24, 13}));
    EXPECT_FALSE(run.HasEvent("messagebox"));
    KeepShot(run, "quit", "gas-quit");
}

// The same script on the same calendar gives the same run; another calendar
// draws another order.
TEST(GasStation, RunsRepeatForTheSameTime) {
    GameInstall install;
    const std::string script = "screen 3\nwait 40000\nscreen 12\nwait 8000\n";
    GameResult first = install.Run(script, {"--time", "1700000300"});
    sleep(1);
    GameResult second = install.Run(script, {"--time", "1700000300"});
    GameResult other = install.Run(script, {"--time", "1700000301"});
    EXPECT_EQ(first.trace, second.trace);
    ASSERT_EQ(Horns(first).size(), 10u);
    EXPECT_NE(Horns(first), Horns(other));
    EXPECT_EQ(Sorted(Horns(first)), Sorted(Horns(other)));
}

} // namespace
