// The race: the child's vehicle against four rivals, a stage for each
// answer, the finish, the race's balloon and the question to race again.
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

const std::string kAnaNew = "ANA; 0 0 0 0 0 0 0 0 0 ";

void WriteProgress(GameInstall& install, const std::string& progress) {
    WriteTextFile(install.dir() + "/play-sp-demo.dat", progress);
}

// Finds, one turn after another, the sign that shows the asked number: the
// run repeats itself up to each new click.
GameResult WinEveryTurn(GameInstall& install, const std::string& time, const std::string& after) {
    std::vector<int> signs;
    GameResult run;
    for (int turn = 0; turn <= 5; ++turn) {
        std::vector<int> played = signs;
        played.push_back(0);
        run = install.Run("screen 24\n" + TurnsScript(played, turn + 1) + after, {"--time", time});
        std::vector<RaceTurn> turns = RaceTurns(run);
        if (turn == 5 || static_cast<int>(turns.size()) <= turn)
            break;
        signs.push_back(RightSign(turns[turn]));
    }
    return run;
}

TEST(Race, FiveRightAnswersWinItAndTheBalloon) {
    for (const char* time : {"1700000400"}) {
        GameInstall install;
        WriteProgress(install, kAnaNew);
        GameResult run = WinEveryTurn(install, time, "wait 4000\nshot finish\nwait 20000\n");
        std::vector<RaceTurn> turns = RaceTurns(run);
        ASSERT_EQ(turns.size(), 5u) << time;
        for (const RaceTurn& turn : turns)
            EXPECT_NE(RightSign(turn), -1);
        std::vector<std::string> sounds = Sounds(run);
        EXPECT_TRUE(InOrder(sounds, {"udrive-car.wav", "answer-right.wav", "answer-right.wav",
                                     "answer-right.wav", "answer-right.wav", "answer-right.wav",
                                     "youwon.wav", "goodjob.wav", "youwonaballoon.wav",
                                     "want2playagain.wav"}));
        EXPECT_FALSE(Contains(sounds, "answer-wrong.wav"));
        // No rival moved: only the car's engine ran.
        EXPECT_EQ(SoundsStarting(run, "race-"), std::vector<std::string>(5, "race-car.wav"));
        EXPECT_EQ(ReadTextFile(install.dir() + "/play-sp-demo.dat"), "ANA; 0 0 0 0 0 0 1 0 0 ");
        EXPECT_FALSE(run.HasEvent("messagebox"));
        // The finish line stands where the track began.
        KeepShot(run, "finish", std::string("race-finish-") + time);
    }
}

TEST(Race, AWonBalloonIsNotWonAgain) {
    const std::string won = "ANA; 0 0 0 0 0 0 1 0 0 ";
    GameInstall install;
    WriteProgress(install, won);
    // Signed in, the child's record holds the race's balloon.
    GameResult run =
        install.Run(SignInScript("") + "screen 24\n" + TurnsScript({2}, 22) + "wait 20000\n",
                    {"--time", "1700000500"});
    std::vector<std::string> sounds = Sounds(run);
    EXPECT_TRUE(InOrder(sounds, {"goodjob.wav", "want2playagain.wav"}));
    EXPECT_FALSE(Contains(sounds, "youwonaballoon.wav"));
    EXPECT_FALSE(run.HasEvent("write play-sp-demo.dat"));
    EXPECT_EQ(ReadTextFile(install.dir() + "/play-sp-demo.dat"), won);
}

TEST(Race, TheNinthBalloonLeadsToTheSurprise) {
    GameInstall install;
    WriteProgress(install, "ANA; 1 1 1 1 1 1 0 1 1 ");
    std::string script = SignInScript("") + "screen 24\n" + TurnsScript({3}, 22) + "wait 30000\n";
    GameResult run = install.Run(script, {"--time", "1700000600"});
    EXPECT_TRUE(InOrder(Sounds(run), {"youwonaballoon.wav", "letgo.wav"}));
    EXPECT_FALSE(Contains(Sounds(run), "want2playagain.wav"));
    std::vector<int> screens = Screens(run);
    ASSERT_FALSE(screens.empty());
    EXPECT_EQ(screens.back(), 21);
    EXPECT_EQ(ReadTextFile(install.dir() + "/play-sp-demo.dat"), "ANA; 1 1 1 1 1 1 1 1 1 ");
}

// Exit, guide and help pressed while a vehicle drives to its stage, a stray
// sign clicked during both questions: the race still ends, and the map
// answers afterwards.
TEST(Race, InterruptionsNeverStrandTheChild) {
    GameInstall install;
    WriteProgress(install, kAnaNew);
    std::string script =
        std::string("screen 24\nwait 18000\nclick ") + Sign(0) + "\nwait 600\nclick " + kExit +
        "\nwait 200\nclick " + kGuideButton + "\nwait 200\nclick " + kHelp + "\nwait 5000\n" +
        // A refused quit with a stray sign click while it waits.
        "click " + kExit + "\nwait 3000\nclick " + Sign(1) + "\nwait 500\nclick " + kRaceNo +
        "\nwait 3000\n" + TurnsScript({4}, 22, 1000) + "wait 20000\nshot asked\nclick " + Sign(2) +
        "\nwait 500\nshot stray\nclick " + kRaceNo + "\nwait 3000\nclick " + kRightArrow +
        "\nwait 10000\n";
    GameResult run = install.Run(script, {"--time", "1700000700"});
    std::vector<std::string> sounds = Sounds(run);
    EXPECT_TRUE(InOrder(sounds, {"sureuwant2quit.wav", "goodjob.wav", "want2playagain.wav",
                                 "roundthemountain.wav", "arrowscroll-boing.wav"}));
    // One question only: the exit pressed during the move did nothing.
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "sureuwant2quit.wav"), 1);
    EXPECT_FALSE(Contains(sounds, "instructions-saythelane-v2.wav"));
    EXPECT_EQ(Screens(run), (std::vector<int>{22, 24, 13, 12}));
    EXPECT_FALSE(run.HasEvent("messagebox"));
    // The hidden sign did not light up under the stray click.
    EXPECT_EQ(ShotPixel(run, "stray", 315, 425), ShotPixel(run, "asked", 315, 425));
}

} // namespace

namespace {

// The number asked in each race question, and whether new signs came first.
struct Asked {
    std::string number;
    bool newSigns;
};

std::vector<Asked> Questions(const GameResult& run) {
    std::vector<Asked> asked;
    bool newSigns = false;
    for (const std::string& event : run.Events()) {
        if (event.rfind("numbers ", 0) == 0 && event != "numbers - - - - -")
            newSigns = true;
        if (event.rfind("sound number-", 0) == 0 && event.find(" voice") != std::string::npos) {
            asked.push_back({event.substr(6, event.find(' ', 6) - 6), newSigns});
            newSigns = false;
        }
    }
    return asked;
}

// The guide's instructions, and the reminder after 15 s without an answer,
// ask the same number again; the help says the whole range and then asks
// from the same signs.
TEST(Race, GuideHelpAndReminderAskAgain) {
    GameInstall install;
    std::string script = std::string("screen 24\nwait 18000\nclick ") + kGuideButton +
                         "\nwait 9000\nclick " + kHelp + "\nwait 22000\n" + "wait 24000\n";
    GameResult run = install.Run(script, {"--time", "1700000800"});
    std::vector<std::string> sounds = Sounds(run);
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "instructions-saythelane-v2.wav"), 2);
    // The help's ten numbers, on the effects channel, in order.
    std::vector<std::string> effects;
    for (const std::string& event : run.Events())
        if (event.rfind("sound number-", 0) == 0 && event.find(" effects") != std::string::npos)
            effects.push_back(event.substr(6, event.find(' ', 6) - 6));
    EXPECT_EQ(effects, (std::vector<std::string>{"number-001-sp.wav", "number-002-sp.wav",
                                                 "number-003-sp.wav", "number-004-sp.wav",
                                                 "number-005-sp.wav", "number-006-sp.wav",
                                                 "number-007-sp.wav", "number-008-sp.wav",
                                                 "number-009-sp.wav", "number-010-sp.wav"}));
    std::vector<Asked> asked = Questions(run);
    ASSERT_GE(asked.size(), 4u);
    // After the instructions: the same number, no new signs.
    EXPECT_EQ(asked[1].number, asked[0].number);
    EXPECT_FALSE(asked[1].newSigns);
    // After the help the signs come back with the same numbers.
    EXPECT_TRUE(asked[2].newSigns);
    // After the reminder: the same number again, no new turn.
    EXPECT_EQ(asked[3].number, asked[2].number);
    EXPECT_FALSE(asked[3].newSigns);
    EXPECT_FALSE(Contains(sounds, "answer-right.wav"));
    EXPECT_FALSE(Contains(sounds, "answer-wrong.wav"));
}

} // namespace
