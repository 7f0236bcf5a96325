// The progress file across whole runs: what the end screen's save makes of
// files that are damaged or may not be read, and of a disk that is full.
#include <gtest/gtest.h>

#include <string>

#include "support/game_run.h"

using testing_support::GameInstall;
using testing_support::GameResult;
using testing_support::ReadTextFile;
using testing_support::WriteTextFile;

namespace {

// Straight to the end screen, which saves and closes.
constexpr const char* kToTheEnd = "screen 26\nwait 20000\n";

class ProgressRun : public ::testing::Test {
  protected:
    std::string file() const { return install.dir() + "/play-sp-demo.dat"; }
    GameInstall install;
};

TEST_F(ProgressRun, AFileThatCannotBeReadKeepsItsBytes) {
    const std::string before = "ANA; 1 1 0 0 0 0 0 0 1 LUIS; 0 1 0 0 0 0 0 0 0 ";
    WriteTextFile(file(), before);
    GameResult run = install.Run(kToTheEnd, {"--fault", "unreadable play-sp-demo.dat"});
    EXPECT_EQ(run.exitCode, 0) << run.stderrText;
    EXPECT_EQ(ReadTextFile(file()), before);
    EXPECT_FALSE(run.HasEvent("write play-sp-demo.dat"));
    EXPECT_NE(run.stderrText.find("could not be read (Permission denied)"), std::string::npos)
        << run.stderrText;
}

TEST_F(ProgressRun, ADamagedFlagLosesNoLaterChild) {
    WriteTextFile(file(), "ANA; 1 1 0 0 0 0 0 0 1 LUIS; 0 1 x 0 0 0 0 0 0 "
                          "EVA; 1 1 1 1 1 1 1 1 1 ");
    GameResult run = install.Run(kToTheEnd);
    EXPECT_TRUE(run.HasEvent("write play-sp-demo.dat"));
    EXPECT_EQ(ReadTextFile(file()), "ANA; 1 1 0 0 0 0 0 0 1 LUIS; 0 1 0 0 0 0 0 0 0 "
                                    "EVA; 1 1 1 1 1 1 1 1 1 ");
}

TEST_F(ProgressRun, AFullDiskIsNamedAndTheOldFileStays) {
    const std::string before = "ANA; 1 1 0 0 0 0 0 0 1 ";
    WriteTextFile(file(), before);
    GameResult run = install.Run(kToTheEnd, {"--fault", "fail WriteFile 28"});
    EXPECT_EQ(run.exitCode, 0) << run.stderrText;
    EXPECT_NE(run.stderrText.find("No space left on device"), std::string::npos) << run.stderrText;
    EXPECT_EQ(ReadTextFile(file()), before);
    EXPECT_FALSE(run.HasEvent("write play-sp-demo.dat"));
}

} // namespace
