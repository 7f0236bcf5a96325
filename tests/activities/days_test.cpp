// The days of the week: the introduction, each day's turn with its six
// buttons, right and wrong answers, the reminder, help, the guide and quit,
// the end of the week with its balloon and the question to play again.
//
// A headless script cannot react, so a week is played twice: first with two
// guesses a day (a turn ends after two wrong answers too), which shows in the
// trace where every day's buttons stand; then with the right buttons. The
// draws are the same in both runs, since nothing but the draws and the
// guide's coming on take random numbers.
#include <gtest/gtest.h>

#include "activities/activity_runs.h"
#include "activities/town_script.h"
#include "support/game_run.h"

namespace {

using namespace townscript;
using namespace activityruns;
using testing_support::GameInstall;
using testing_support::GameResult;
using testing_support::ReadTextFile;
using testing_support::WriteTextFile;

constexpr const char* kDayNames[7] = {"monday", "tuesday",  "wednesday", "thursday",
                                      "friday", "saturday", "sunday"};
constexpr int kNo[2] = {362, 405};
constexpr int kYes[2] = {292, 405};
constexpr int kQuitYes[2] = {172, 232};
constexpr int kQuitNo[2] = {242, 232};
constexpr int kExit[2] = {45, 384};
constexpr int kGuide[2] = {45, 45};
constexpr int kHelp[2] = {45, 130};
constexpr int64_t kAfterAnswer = 29000; // the next day's buttons wait by then
constexpr int64_t kEndOfWeek = 50000;   // the play-again question waits by then

std::string Word(int day) {
    return std::string("word-") + kDayNames[day] + "-sp.wav";
}

std::string ClickRow(int row) {
    return Click(450, 2 + 68 * row + 32);
}

// The two rows with buttons that a guess tries first on day d.
int Guess(int d, int k) {
    int row = -1;
    for (int found = -1; found < k;)
        if (++row != d || d == 6)
            ++found;
    return row;
}

class Days : public ActivityTest {
  protected:
    // Until the first day's buttons can be clicked, measured once: the guide's
    // question ends a few seconds before.
    int64_t FirstClick(const std::string& prefix) {
        GameResult run = Play(prefix + "screen 14\nwait 80000\n");
        int64_t entered = TimeAfter(run, "screen 14");
        int64_t asked = TimeAfter(run, "sound mic-whichdaynext-v2.wav voice");
        EXPECT_GT(entered, 0);
        EXPECT_GT(asked, entered);
        return asked - entered + 8000;
    }

    std::string GuessedWeek(const std::string& prefix, int64_t firstClick) {
        std::string script = prefix + "screen 14\n" + Wait(firstClick);
        for (int d = 0; d < 7; ++d)
            script += ClickRow(Guess(d, 0)) + Wait(4000) + ClickRow(Guess(d, 1)) +
                      Wait(kAfterAnswer - 4000);
        return script + Wait(kEndOfWeek - kAfterAnswer);
    }

    // The right row of each day, from the buttons the guessed week traced.
    static std::vector<int> RightRows(const GameResult& guessed) {
        std::vector<int> rows;
        for (const auto& note : Notes(guessed, "day")) {
            int d = std::stoi(note[0]);
            rows.push_back(std::stoi(note[2 + (d + 1) % 7]));
        }
        return rows;
    }

    std::string RightWeek(const std::string& prefix, int64_t firstClick,
                          const std::vector<int>& rows, const std::string& shotDay = "") {
        std::string script = prefix + "screen 14\n" + Wait(firstClick);
        for (size_t d = 0; d < 7 && d < rows.size(); ++d) {
            if (d == 2 && !shotDay.empty())
                script += "shot " + shotDay + "\n";
            script += ClickRow(rows[d]) + Wait(kAfterAnswer);
        }
        return script + Wait(kEndOfWeek - kAfterAnswer);
    }
};

// At two calendar times: two different draws of the week's buttons.
class DaysAtTime : public Days, public ::testing::WithParamInterface<const char*> {};

TEST_P(DaysAtTime, AWeekPlayedRightWinsTheDaysBalloonAndNoLeadsToTheRightMap) {
    args = {"--time", GetParam()};
    const int64_t first = FirstClick("");
    GameResult guessed = Play(GuessedWeek("", first) + Click(kNo[0], kNo[1]) + Wait(3000));
    std::vector<std::vector<std::string>> notes = Notes(guessed, "day");
    ASSERT_EQ(notes.size(), 7u);
    for (int d = 0; d < 7; ++d) {
        SCOPED_TRACE(d);
        ASSERT_EQ(notes[d].size(), 9u);
        EXPECT_EQ(notes[d][0], std::to_string(d));
        // Six buttons fill the six rows other than the day's own; Sunday's
        // button stands in for the day's own.
        std::vector<bool> rowUsed(7, false);
        for (int day = 0; day < 7; ++day) {
            const std::string& row = notes[d][2 + day];
            if (day == d || (d == 6 && day == 6)) {
                EXPECT_EQ(row, "-");
                continue;
            }
            ASSERT_NE(row, "-") << day;
            int r = std::stoi(row);
            EXPECT_FALSE(rowUsed[r]);
            rowUsed[r] = true;
        }
        EXPECT_FALSE(rowUsed[d == 6 ? 6 : d]);
    }
    // Wrong guesses: the mark's buzz and "try again", and after two the right day is said.
    std::vector<std::string> sounds = Sounds(guessed);
    EXPECT_TRUE(InOrder(sounds, {"answer-wrong.wav", "sorrytryagain.wav"}));
    EXPECT_EQ(ReadTextFile(install.dir() + "/play-sp-demo.dat"), "ANA; 0 1 0 0 0 0 0 0 0 ");

    // The same week with the right buttons.
    WriteTextFile(install.dir() + "/play-sp-demo.dat", kAna);
    GameResult run =
        Play(RightWeek("", first, RightRows(guessed), "turn") + Click(kNo[0], kNo[1]) + Wait(3000));
    EXPECT_EQ(Notes(run, "day"), notes);
    sounds = Sounds(run);
    EXPECT_EQ(Count(sounds, "answer-right.wav"), 7);
    EXPECT_EQ(Count(sounds, "answer-wrong.wav"), 0);
    // The introduction: each picture's note, then its word.
    std::vector<std::string> introduction = {"learndays.wav"};
    for (int d = 0; d < 7; ++d) {
        introduction.push_back("days-music0" + std::to_string(d + 1) + ".wav");
        introduction.push_back(Word(d));
    }
    EXPECT_TRUE(InOrder(sounds, introduction));
    // Each day: its word, the guess's word, the sun.
    std::vector<std::string> turns;
    for (int d = 0; d < 7; ++d)
        turns.insert(turns.end(), {Word(d), Word((d + 1) % 7), "answer-right.wav",
                                   "slide2join-end.wav", "acrosshorizon.wav"});
    turns.insert(turns.end(), {"sunrise.wav", "cheer.wav", "goodjob.wav", "youwonaballoon.wav",
                               "want2playagain.wav"});
    EXPECT_TRUE(InOrder(sounds, turns));
    // Exactly five buttons vanish each day, with the notes 2 to 6: the seventh
    // note comes only as the pictures come and go and as the sixth button is dealt.
    EXPECT_EQ(Count(sounds, "days-music06.wav"), 2 + 7 + 7);
    EXPECT_EQ(Count(sounds, "days-music07.wav"), 2 + 7);
    EXPECT_TRUE(run.HasEvent("write play-sp-demo.dat"));
    EXPECT_EQ(ReadTextFile(install.dir() + "/play-sp-demo.dat"), "ANA; 0 1 0 0 0 0 0 0 0 ");
    EXPECT_EQ(Screens(run), (std::vector<int>{22, 14, 13}));

    // Wednesday's turn: its picture on its row, the six buttons in the others
    // (pixels below the words, inside the pictures).
    KeepShot(run, "turn", "days-turn");
    auto below = [](int row) { return 2 + 68 * row + 54; };
    EXPECT_FALSE(Near(ShotPixel(run, "turn", 110, below(2)), 0x000000));
    EXPECT_TRUE(Near(ShotPixel(run, "turn", 380, below(2)), 0x000000));
    for (int row = 0; row < 7; ++row) {
        EXPECT_EQ(Near(ShotPixel(run, "turn", 110, below(row)), 0x000000), row != 2) << row;
        if (row != 2) {
            EXPECT_FALSE(Near(ShotPixel(run, "turn", 380, below(row)), 0x000000)) << row;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Calendar, DaysAtTime, ::testing::Values("1700000000", "1767225600"));

TEST_F(Days, WonBeforeThePraiseLeadsStraightToPlayingAgainFromMonday) {
    const std::string prefix = SignInScript("");
    WriteTextFile(install.dir() + "/play-sp-demo.dat", AnaWith("010000000"));
    const int64_t first = FirstClick(prefix);
    GameResult run =
        Play(GuessedWeek(prefix, first) + Click(kYes[0], kYes[1]) + Wait(20000) + "shot again\n");
    std::vector<std::string> sounds = Sounds(run);
    EXPECT_TRUE(InOrder(sounds, {"sunrise.wav", "goodjob.wav", "want2playagain.wav"}));
    EXPECT_FALSE(Contains(sounds, "youwonaballoon.wav"));
    EXPECT_FALSE(Contains(sounds, "cheer.wav"));
    EXPECT_FALSE(run.HasEvent("write play-sp-demo.dat"));
    // Again from Monday, without the introduction.
    std::vector<std::vector<std::string>> notes = Notes(run, "day");
    ASSERT_EQ(notes.size(), 8u);
    EXPECT_EQ(notes[7][0], "0");
    EXPECT_EQ(Count(sounds, "learndays.wav"), 1);
    EXPECT_EQ(Screens(run), (std::vector<int>{22, 14}));
}

TEST_F(Days, TheNinthBalloonGoesToTheBalloonScreen) {
    const std::string prefix = SignInScript("");
    WriteTextFile(install.dir() + "/play-sp-demo.dat", AnaWith("101111111"));
    const int64_t first = FirstClick(prefix);
    GameResult run = Play(GuessedWeek(prefix, first) + Wait(20000));
    EXPECT_TRUE(InOrder(Sounds(run), {"goodjob.wav", "youwonaballoon.wav"}));
    EXPECT_EQ(Screens(run), (std::vector<int>{22, 14, 21}));
    EXPECT_EQ(ReadTextFile(install.dir() + "/play-sp-demo.dat"), "ANA; 1 1 1 1 1 1 1 1 1 ");
}

// No answer: the guide asks again after 15 s; help replays the introduction
// and deals the day anew; the guide button asks; quit waits through a stray
// click on a day button, no goes on, yes ends.
TEST_F(Days, ReminderHelpGuideAndQuit) {
    const int64_t first = FirstClick("");
    std::string script = "screen 14\n" + Wait(first + 17000) + Click(kHelp[0], kHelp[1]) +
                         Wait(35000) + Click(kGuide[0], kGuide[1]) + Wait(12000) +
                         Click(kExit[0], kExit[1]) + Wait(6000) + "shot quit\n" + ClickRow(0) +
                         Wait(1500) + ClickRow(1) + Wait(1500) + Click(kQuitNo[0], kQuitNo[1]) +
                         Wait(5000) + Click(kExit[0], kExit[1]) + Wait(6000) +
                         Click(kQuitYes[0], kQuitYes[1]) + Wait(3000);
    GameResult run = Play(script);
    KeepShot(run, "quit", "days-quit");
    std::vector<std::string> sounds = Sounds(run);
    const int64_t asked = TimeAfter(run, "sound mic-whichdaynext-v2.wav voice");
    const int64_t reminded = TimeAfter(run, "sound mic-whichdaynext-v2.wav voice", asked + 1);
    ASSERT_GT(reminded, 0);
    EXPECT_GT(reminded - asked, 15000);
    EXPECT_LT(reminded - asked, 25000);
    // Help: the introduction again, then Monday dealt anew.
    EXPECT_EQ(Count(sounds, "days-music07.wav"), 2 * 2 + 1 + 1);
    EXPECT_GE(Notes(run, "day").size(), 2u);
    EXPECT_EQ(Count(sounds, "learndays.wav"), 1);
    EXPECT_GE(Count(sounds, "mic-whichdaynext-v2.wav"), 3);
    EXPECT_EQ(Count(sounds, "sureuwant2quit.wav"), 2);
    EXPECT_EQ(Screens(run), (std::vector<int>{22, 14, 26}));
}

} // namespace
