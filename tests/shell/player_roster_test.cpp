#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstring>
#include <filesystem>

#include "platform/faults.h"
#include "shell/globals.h"
#include "shell/player_roster.h"
#include "support/game_run.h"

using testing_support::ReadTextFile;
using testing_support::TempDir;
using testing_support::WriteTextFile;

namespace {

class ProgressFile : public ::testing::Test {
  protected:
    void SetUp() override {
        std::snprintf(installPath, sizeof installPath, "%s", dir.path().c_str());
    }
    void TearDown() override { platform::faults::Reset(); }
    std::string file() const { return dir.path() + "/play-sp-demo.dat"; }
    PlayerRoster Loaded(const std::string& text) {
        WriteTextFile(file(), text);
        PlayerRoster roster;
        roster.Load();
        return roster;
    }
    TempDir dir;
};

TEST_F(ProgressFile, WritesTheClassicFormatByteForByte) {
    PlayerRoster roster;
    roster.Load();
    roster.SetName(0, "ANA MARIA");
    roster.SetName(2, "LUIS");
    roster.SetCurrent(2);
    BalloonRecord record;
    record.Award(BalloonActivity::Race);          // column 6
    record.Award(BalloonActivity::CircusAnimals); // column 0
    roster.Merge(record);
    roster.Save();
    EXPECT_EQ(ReadTextFile(file()), "ANA MARIA; 0 0 0 0 0 0 0 0 0 LUIS; 1 0 0 0 0 0 1 0 0 ");
    EXPECT_FALSE(std::filesystem::exists(file() + ".new"));

    // Slot 1 was free: the next run finds them packed into slots 0 and 1.
    PlayerRoster next;
    next.Load();
    EXPECT_EQ(next.GetName(0), "ANA MARIA");
    EXPECT_EQ(next.GetName(1), "LUIS");
    next.SetCurrent(1);
    BalloonRecord restored;
    next.RestoreBalloons(restored);
    EXPECT_EQ(restored.Count(), 2);
    EXPECT_TRUE(restored.HasWon(BalloonActivity::Race));
}

TEST_F(ProgressFile, ReadsNamesCutAtTheirFirstSeparatorWithoutLeadingSpaces) {
    PlayerRoster roster = Loaded("  ANA LUZ; 1 0 0 0 0 0 0 0 1 PE;DRO; 0 0 0 0 0 0 0 0 0 ");
    EXPECT_EQ(roster.GetName(0), "ANA LUZ");
    roster.SetCurrent(0);
    EXPECT_TRUE(roster.HasColumn(0));
    EXPECT_TRUE(roster.HasColumn(8));
    EXPECT_FALSE(roster.HasColumn(1));
    // "PE;DRO;" is cut at its first ";"; what follows is no number, so reading stops.
    EXPECT_EQ(roster.GetName(1), "PE");
    EXPECT_EQ(roster.GetName(2), "");
}

TEST_F(ProgressFile, KeepsNineRecordsAtMost) {
    std::string text;
    for (int i = 0; i < 12; ++i) {
// GCC 12 with optimisation reports -Wrestrict inside std::string's operator+
// here: a false positive of that compiler's libstdc++ inlining (GCC bug
// 105329); the strings joined never overlap.
#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ == 12
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wrestrict"
#endif
        text += "P" + std::to_string(i) + "; 0 0 0 0 0 0 0 0 1 ";
#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ == 12
#pragma GCC diagnostic pop
#endif
    }
    PlayerRoster roster = Loaded(text);
    EXPECT_EQ(roster.GetName(8), "P8");
    EXPECT_EQ(roster.GetName(9), "");
}

TEST_F(ProgressFile, DamagedFilesLoadWhatTheyCanAndNeverOverflow) {
    const std::string damaged[] = {
        std::string(10000, 'A') + "; 1 1 1 1 1 1 1 1 1 ",
        "no separator at all",
        std::string("\x00\xff\x01;\x80\x90 7 -3 99999999999999999999 1", 34),
        "ANA; -1 2 1 0 1 0 1 0 1 BEA; x",
        ";;;;;;;;;;;;;;;;;;;;",
        "",
    };
    for (const std::string& text : damaged) {
        PlayerRoster roster = Loaded(text);
        for (int slot = 0; slot < kPlayerSlots; ++slot)
            EXPECT_LE(roster.GetName(slot).size(), 17u);
    }
    PlayerRoster odd = Loaded("ANA; -1 2 1 0 1 0 1 0 1 BEA; x");
    odd.SetCurrent(0);
    EXPECT_FALSE(odd.HasColumn(0)); // only 1 means won
    EXPECT_FALSE(odd.HasColumn(1));
    EXPECT_TRUE(odd.HasColumn(2));
    EXPECT_EQ(odd.GetName(1), "BEA");
    EXPECT_EQ(Loaded(std::string(10000, 'A') + "; 1 1 1 1 1 1 1 1 1 ").GetName(0),
              std::string(17, 'A'));
}

TEST_F(ProgressFile, AFailedWriteLeavesThePreviousFileWhole) {
    const std::string before = "ANA; 1 0 0 0 0 0 0 0 0 ";
    PlayerRoster roster = Loaded(before);
    roster.SetName(1, "LUIS");
    ASSERT_TRUE(platform::faults::Apply("fail WriteFile 0x80070070"));
    ::testing::internal::CaptureStderr();
    roster.Save();
    std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(ReadTextFile(file()), before);
    EXPECT_FALSE(std::filesystem::exists(file() + ".new"));
    EXPECT_NE(said.find("could not save progress"), std::string::npos);

    platform::faults::Reset();
    roster.Save();
    EXPECT_EQ(ReadTextFile(file()), "ANA; 1 0 0 0 0 0 0 0 0 LUIS; 0 0 0 0 0 0 0 0 0 ");
}

TEST_F(ProgressFile, AnUnwritableDirectoryIsSaidAndTheGameGoesOn) {
    PlayerRoster roster = Loaded("ANA; 0 0 0 0 0 0 0 0 0 ");
    std::snprintf(installPath, sizeof installPath, "%s/missing-dir", dir.path().c_str());
    PlayerRoster elsewhere;
    elsewhere.Load();
    elsewhere.SetName(0, "BEA");
    ::testing::internal::CaptureStderr();
    elsewhere.Save();
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("could not save progress"),
              std::string::npos);
}

TEST(BalloonRecord, AwardingTwiceCountsOnce) {
    BalloonRecord record;
    record.Award(BalloonActivity::Jobs);
    record.Award(BalloonActivity::Jobs);
    EXPECT_EQ(record.Count(), 1);
    EXPECT_TRUE(record.HasWon(BalloonActivity::Jobs));
    EXPECT_FALSE(record.HasWon(BalloonActivity::Race));
}

} // namespace
