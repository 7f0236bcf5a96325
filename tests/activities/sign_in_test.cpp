// The sign-in box: typing a name and its limit, Erase, and the space bar that
// skips the greeting, types a space, or skips the tour.
#include <gtest/gtest.h>

#include "activities/town_script.h"
#include "support/game_run.h"

namespace {

using namespace townscript;
using testing_support::GameInstall;
using testing_support::GameResult;
using testing_support::ReadTextFile;
using testing_support::WriteTextFile;

// From the tour, straight to the centre map and out through its stop sign,
// so the end screen saves the progress file.
std::string SkipTourAndQuit() {
    return std::string("key space\nwait 2000\nclick ") + kWelcomeOk + "\nwait 1500\nclick " +
           kCentreStop + "\nwait 6000\nclick " + kMapYes + "\nwait 20000\n";
}

std::string ProgressFile(const GameInstall& install) {
    return ReadTextFile(install.dir() + "/play-sp-demo.dat");
}

TEST(SignIn, ANameKeepsSeventeenCharactersAndTypesSpaces) {
    GameInstall install;
    std::string script = "wait 36000\nclick " + std::string(kFirstRow) +
                         "\nwait 1000\ntype ANA\nwait 300\nkey space\nwait 300\n"
                         "type MARIA LUISA SOFIA\nwait 500\nshot typed\nclick " +
                         kOk + "\nwait 1000\n" + SkipTourAndQuit();
    GameResult run = install.Run(script);
    KeepShot(run, "typed", "sign-in-typed");
    // "ANA MARIA LUISA S" is 17 characters; the rest was refused.
    EXPECT_EQ(ProgressFile(install), "ANA MARIA LUISA S; 0 0 0 0 0 0 0 0 0 ");
    EXPECT_EQ(run.Events().back(), "exit 0");
}

TEST(SignIn, EraseEmptiesTheRowAndItsBalloonsForANewName) {
    GameInstall install;
    WriteTextFile(install.dir() + "/play-sp-demo.dat",
                  "ANA; 1 1 0 0 0 0 0 0 1 LUIS; 0 1 0 0 0 0 0 0 0 ");
    std::string script = "wait 36000\nclick " + std::string(kFirstRow) + "\nwait 1000\n" +
                         "type X\nwait 300\nshot stored\nclick " + kErase +
                         "\nwait 1500\ntype BOB\nwait 500\nclick " + kOk + "\nwait 1000\n" +
                         SkipTourAndQuit();
    GameResult run = install.Run(script);
    KeepShot(run, "stored", "sign-in-stored-name");
    // A stored name takes no keys; once erased the row is typed into anew.
    EXPECT_EQ(ProgressFile(install), "BOB; 0 0 0 0 0 0 0 0 0 LUIS; 0 1 0 0 0 0 0 0 0 ");
}

TEST(SignIn, OkWaitsForAName) {
    GameInstall install;
    std::string script = "wait 36000\nclick " + std::string(kFirstRow) + "\nwait 1000\nclick " +
                         kOk + "\nwait 3000\n";
    GameResult run = install.Run(script);
    // Nothing was typed: OK is not there, the tour does not begin.
    EXPECT_FALSE(Contains(Sounds(run), "scrollon-house&sun.wav"));
    EXPECT_EQ(Screens(run), std::vector<int>{22});
}

TEST(SignIn, ANewChildOnABlankNamedRowStartsWithNoBalloons) {
    GameInstall install;
    // A row saved with a name of spaces: it shows empty and is free.
    WriteTextFile(install.dir() + "/play-sp-demo.dat", "   ; 1 1 1 1 1 1 1 1 1 ");
    std::string script = "wait 36000\nclick " + std::string(kFirstRow) +
                         "\nwait 1000\ntype ANA\nwait 500\nclick " + kOk + "\nwait 1000\n" +
                         SkipTourAndQuit();
    install.Run(script);
    EXPECT_EQ(ProgressFile(install), "ANA; 0 0 0 0 0 0 0 0 0 ");
}

TEST(SignIn, SpacesAloneAreNoName) {
    GameInstall install;
    std::string script = "wait 36000\nclick " + std::string(kFirstRow) +
                         "\nwait 1000\nkey space\nwait 300\nclick " + kOk +
                         "\nwait 3000\nscreen 26\nwait 20000\n";
    GameResult run = install.Run(script);
    // OK never came: no tour, and the end screen's save holds no record.
    EXPECT_FALSE(Contains(Sounds(run), "scrollon-house&sun.wav"));
    EXPECT_EQ(Screens(run), (std::vector<int>{22, 26}));
    EXPECT_TRUE(run.HasEvent("write play-sp-demo.dat"));
    EXPECT_EQ(ProgressFile(install), "");
}

TEST(SignIn, AnEmptyRowChosenJustAfterOkSignsNobodyIn) {
    GameInstall install;
    // The empty row is chosen while OK's press is still showing.
    std::string script = "wait 36000\nclick " + std::string(kFirstRow) +
                         "\nwait 1000\ntype BOB\nwait 500\nclick " + kOk +
                         "\nwait 520\nclick 400 95\nwait 1000\nshot still\ntype ANA\nwait 500\n" +
                         "click " + kOk + "\nwait 1000\n" + SkipTourAndQuit();
    GameResult run = install.Run(script);
    KeepShot(run, "still", "sign-in-after-late-row");
    EXPECT_EQ(ProgressFile(install), "ANA; 0 0 0 0 0 0 0 0 0 ");
}

TEST(SignIn, SpaceDuringTheGreetingGoesToTheSignInBox) {
    GameInstall install;
    GameResult run = install.Run("wait 7500\nkey space\nwait 6000\nshot box\n");
    KeepShot(run, "box", "sign-in-box");
    std::vector<std::string> sounds = Sounds(run);
    EXPECT_TRUE(InOrder(sounds, {"welcome2vocabuloon.wav", "big-pop.wav", "entername.wav"}));
    EXPECT_FALSE(Contains(sounds, "imsimean.wav"));
    EXPECT_FALSE(Contains(sounds, "scrolloff-sign.wav"));
}

TEST(SignIn, SpaceAfterSignInSkipsTheTourToTheWelcome) {
    GameInstall install;
    // Once during the unrolling pictures, once later in the tour.
    for (int wait : {500, 12000}) {
        GameResult run = install.Run(SignInScript("BOB") + "wait " + std::to_string(wait) +
                                     "\nkey space\nwait 2000\nclick " + kWelcomeOk +
                                     "\nwait 1500\nclick " + kLake + "\nwait 3000\n");
        EXPECT_EQ(Screens(run), (std::vector<int>{22, 1})) << "space after " << wait << " ms";
        // The welcome popup came first, then the town took clicks.
        EXPECT_TRUE(InOrder(Sounds(run), {"roundthemountain.wav", "clickon-menu.wav",
                                          "clickon-activities.wav", "lake-sp.wav"}));
    }
}

TEST(SignIn, TheTourIntroducesEachButtonThenOpensTheTown) {
    GameInstall install;
    GameResult run = install.Run(SignInScript("BOB") + "wait 60000\nshot welcome\n");
    KeepShot(run, "welcome", "tour-end-welcome");
    EXPECT_TRUE(InOrder(Sounds(run), {"scrollon-house&sun.wav",
                                      "scrollon-arrow&menubar.wav",
                                      "scrollon-house&sun.wav",
                                      "scrollon-arrow&menubar.wav",
                                      "chimbletown.wav",
                                      "intro-music-house.wav",
                                      "intro-music-sun.wav",
                                      "clickonplaces2visit.wav",
                                      "intro-music-arrow.wav",
                                      "clickonarrows.wav",
                                      "intro-music-face.wav",
                                      "clickonmyface.wav",
                                      "intro-music-questionmark.wav",
                                      "clickonquestionmark.wav",
                                      "intro-music-home.wav",
                                      "clickonschoolhouse.wav",
                                      "intro-music-balloon.wav",
                                      "clickonballoons.wav",
                                      "intro-music-exit.wav",
                                      "clickonexit.wav",
                                      "big-pop.wav",
                                      "roundthemountain.wav"}));
    EXPECT_TRUE(run.HasEvent("sound intro-music-arrow.wav effects"));
    EXPECT_EQ(Screens(run), (std::vector<int>{22, 1}));
}

} // namespace
