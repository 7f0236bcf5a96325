#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstring>
#include <filesystem>

#include "platform/faults.h"
#include "platform/testing.h"
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
    // "PE;DRO;" is cut at its first ";"; the rest of that name is not taken for
    // a flag or a name, and the record's flags are its own.
    EXPECT_EQ(roster.GetName(1), "PE");
    roster.SetCurrent(1);
    EXPECT_FALSE(roster.HasColumn(0));
    EXPECT_EQ(roster.GetName(2), "");
    PlayerRoster named = Loaded("PE;DRO; 1 0 0 0 0 0 0 0 1 ANA; 0 1 0 0 0 0 0 0 0 ");
    named.SetCurrent(0);
    EXPECT_TRUE(named.HasColumn(0));
    EXPECT_TRUE(named.HasColumn(8));
    EXPECT_EQ(named.GetName(1), "ANA");
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

// The flags of a slot, column 0 first, as "1 0 ...".
std::string Flags(PlayerRoster& roster, int slot) {
    roster.SetCurrent(slot);
    std::string flags;
    for (int column = 0; column < kBalloonActivities; ++column)
        flags += std::string(flags.empty() ? "" : " ") + (roster.HasColumn(column) ? "1" : "0");
    return flags;
}

TEST_F(ProgressFile, DamageStaysInItsRecord) {
    // A flag that is no number counts as 0; the records after it are whole.
    PlayerRoster roster = Loaded("ANA; 1 1 0 0 0 0 0 0 1 LUIS; 0 1 x 0 0 0 0 0 0 "
                                 "EVA; 1 1 1 1 1 1 1 1 1 ");
    EXPECT_EQ(roster.GetName(2), "EVA");
    EXPECT_EQ(Flags(roster, 2), "1 1 1 1 1 1 1 1 1");
    roster.Save();
    EXPECT_EQ(ReadTextFile(file()), "ANA; 1 1 0 0 0 0 0 0 1 LUIS; 0 1 0 0 0 0 0 0 0 "
                                    "EVA; 1 1 1 1 1 1 1 1 1 ");

    // A record cut short before the next name, and one with words to spare.
    PlayerRoster shortRecord = Loaded("LUIS; 0 1 1 EVA MARIA; 1 1 1 1 1 1 1 1 1 BEA; "
                                      "1 0 0 0 0 0 0 0 0 0 1 ");
    EXPECT_EQ(shortRecord.GetName(0), "LUIS");
    EXPECT_EQ(Flags(shortRecord, 0), "0 1 1 0 0 0 0 0 0");
    EXPECT_EQ(shortRecord.GetName(1), "EVA MARIA");
    EXPECT_EQ(Flags(shortRecord, 1), "1 1 1 1 1 1 1 1 1");
    EXPECT_EQ(shortRecord.GetName(2), "BEA");
    EXPECT_EQ(Flags(shortRecord, 2), "1 0 0 0 0 0 0 0 0");
    PlayerRoster digits = Loaded("LUIS; 0 1 007; 0 0 0 0 0 0 0 0 1 ");
    EXPECT_EQ(digits.GetName(1), "007");
    EXPECT_EQ(Flags(digits, 1), "0 0 0 0 0 0 0 0 1");

    // Names of digits and spaces, as the sign-in allows, read and write as they are.
    const std::string plain = "ANA 1; 0 0 0 0 0 0 0 0 1 2 0; 1 0 0 0 0 0 0 0 0 1; "
                              "1 1 1 1 1 1 1 1 1 ";
    PlayerRoster numbers = Loaded(plain);
    EXPECT_EQ(numbers.GetName(1), "2 0");
    numbers.Save();
    EXPECT_EQ(ReadTextFile(file()), plain);
}

TEST_F(ProgressFile, ABlankNameIsAFreeSlotWithoutBalloons) {
    PlayerRoster roster = Loaded("   ; 1 1 1 1 1 1 1 1 1 ; 1 1 1 1 1 1 1 1 1 "
                                 "LUIS; 0 1 0 0 0 0 0 0 0 ");
    EXPECT_EQ(roster.GetName(0), "");
    EXPECT_EQ(Flags(roster, 0), "0 0 0 0 0 0 0 0 0");
    EXPECT_EQ(Flags(roster, 1), "0 0 0 0 0 0 0 0 0");
    EXPECT_EQ(roster.GetName(2), "LUIS");
    // A new child on the free row starts with nothing.
    roster.SetCurrent(0);
    BalloonRecord record;
    roster.RestoreBalloons(record);
    EXPECT_EQ(record.Count(), 0);
    roster.SetName(0, "ANA");
    roster.SetName(1, "  ");
    roster.Save();
    EXPECT_EQ(ReadTextFile(file()), "ANA; 0 0 0 0 0 0 0 0 0 LUIS; 0 1 0 0 0 0 0 0 0 ");
}

TEST_F(ProgressFile, AFileThatCannotBeReadIsNeverReplaced) {
    const std::string before = "ANA; 1 1 0 0 0 0 0 0 1 LUIS; 0 1 0 0 0 0 0 0 0 ";
    ASSERT_TRUE(platform::faults::Apply("unreadable play-sp-demo.dat"));
    PlayerRoster roster = Loaded(before);
    EXPECT_EQ(roster.GetName(0), "");
    roster.SetName(0, "BEA");
    ::testing::internal::CaptureStderr();
    roster.Save();
    roster.Save();
    std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(ReadTextFile(file()), before);
    EXPECT_FALSE(std::filesystem::exists(file() + ".new"));
    // Said once, with the reason, however often the game saves.
    EXPECT_NE(said.find("could not be read (Permission denied)"), std::string::npos) << said;
    EXPECT_EQ(said.find("could not be read"), said.rfind("could not be read")) << said;

    // A missing file is no progress yet, and is written.
    platform::faults::Reset();
    std::filesystem::remove(file());
    PlayerRoster fresh;
    fresh.Load();
    fresh.SetName(0, "BEA");
    fresh.Save();
    EXPECT_EQ(ReadTextFile(file()), "BEA; 0 0 0 0 0 0 0 0 0 ");

    // A read that fails after the open: here, a folder in the file's place.
    std::filesystem::remove(file());
    std::filesystem::create_directory(file());
    PlayerRoster folder;
    folder.Load();
    folder.SetName(0, "BEA");
    ::testing::internal::CaptureStderr();
    folder.Save();
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("could not be read"),
              std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(file()));
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
    EXPECT_NE(said.find("No space left on device"), std::string::npos) << said;

    // The error the write failed with is the one said.
    ASSERT_TRUE(platform::faults::Apply("fail WriteFile 13"));
    ::testing::internal::CaptureStderr();
    roster.Save();
    said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find(std::strerror(13)), std::string::npos) << said;

    platform::faults::Reset();
    roster.Save();
    EXPECT_EQ(ReadTextFile(file()), "ANA; 1 0 0 0 0 0 0 0 0 LUIS; 0 0 0 0 0 0 0 0 0 ");
    // The new name is in the folder itself, not only in the file's data.
    EXPECT_EQ(platform::testhooks::LastSyncedDirectory(), dir.path());
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
