// The school classroom: the teacher explains, sets of objects are shown one
// at a time in their bubbles and clicked back in order; wrong clicks, the idle
// reminder, help, the guide and quit; the set of five wins the balloon and
// asks to continue.
//
// Each set is drawn once the last is cleared, so a script learns set after
// set: every run plays the sets known so far and shows the next one's draw.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>

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

struct Item {
    int id;
    int x, y, width, height, layer;
    int category;
    const char* english;
    int created; // later ones win clicks on their layer
};

// clang-format off
constexpr Item kItems[] = {
    {80, 110, 301, 100,  60, 5,  1, "stapler.wav", 15},
    {81, 110, 301,  90,  40, 5,  1, "pencil.wav", 11},
    {82, 212, 268,  80,  70, 5,  2, "tape.wav", 16},
    {83, 212, 268,  90,  90, 5,  2, "magnifyingglass.wav", 8},
    {84, 256, 347,  90,  70, 5,  3, "paper.wav", 9},
    {85, 256, 347,  60,  90, 5,  3, "glue.wav", 7},
    {86, 414, 320,  90,  70, 5,  4, "scissors.wav", 14},
    {87, 414, 320,  80,  50, 5,  4, "crayon.wav", 5},
    {88, 168, 179,  80,  40, 5,  5, "pen.wav", 10},
    {89, 168, 179,  70,  90, 5,  5, "calculator.wav", 2},
    {90, 310, 208,  90,  80, 5,  6, "book.wav", 1},
    {91, 310, 208, 120, 100, 5,  6, "computer.wav", 4},
    {92, 472,  86,  60, 120, 5,  7, "extinguisher.wav", 6},
    {93, 159,  80, 110, 230, 4,  8, "door.wav", 12},
    {94, 177, 206, 160, 130, 5,  9, "window.wav", 13},
    {95, 538, 139,  60,  40, 5, 10, "chalk.wav", 3},
    {96, 526, 315,  80, 100, 5, 11, "trashcan.wav", 17},
};
// clang-format on

constexpr int kNo[2] = {255, 364};
constexpr int kYes[2] = {185, 364};
constexpr int kExit[2] = {45, 384};
constexpr int kGuide[2] = {45, 45};
constexpr int kHelp[2] = {45, 130};
constexpr int64_t kPerAnswer = 5500;

const Item& ItemOf(int id) {
    for (const Item& item : kItems)
        if (item.id == id)
            return item;
    return kItems[0];
}

bool Inside(const Item& item, int x, int y) {
    return item.x < x && x < item.x + item.width && item.y < y && y < item.y + item.height;
}

// Whether another category's object takes a click at (x, y) from the item:
// a higher layer, or the same layer and created later.
bool Covers(const Item& other, const Item& item, int x, int y) {
    return other.category != item.category && Inside(other, x, y) &&
           (other.layer > item.layer ||
            (other.layer == item.layer && other.created > item.created));
}

// The yes and no buttons of the questions, which blind clicks keep clear of.
bool OnAnswerButtons(int x, int y) {
    return y > 340 && y < 388 && x > 151 && x < 289;
}

// A point where a click reaches every object of `ids` (one, or both of a
// pair), whatever else is shown.
std::string ClickReaching(const std::vector<int>& ids) {
    for (int y = 2; y < 480; y += 2)
        for (int x = 92; x < 640; x += 2) {
            if (OnAnswerButtons(x, y))
                continue;
            bool reaches = true;
            for (int id : ids) {
                const Item& item = ItemOf(id);
                reaches = reaches && Inside(item, x, y);
                for (const Item& other : kItems)
                    reaches = reaches && !Covers(other, item, x, y);
            }
            if (reaches)
                return Click(x, y);
        }
    ADD_FAILURE() << "no point reaches " << ids.front();
    return "";
}

std::string ClickOn(int id) {
    return ClickReaching({id});
}

// Blind clicks there answer without knowing the set.
std::string ClickOnCategory(int category) {
    std::vector<int> ids;
    for (const Item& item : kItems)
        if (item.category == category)
            ids.push_back(item.id);
    return ClickReaching(ids);
}

class Classroom : public ActivityTest {
  protected:
    // Learns the sets 1 to count, each from a run that answers the ones
    // before it; script then answers them all, each as soon as it is shown.
    // The runs are the same for every test, so what one learned serves all.
    void LearnSets(const std::string& prefix, int count) {
        static std::map<std::pair<std::string, int>, Learned> learned;
        std::string key = prefix;
        for (const std::string& arg : args)
            key += " " + arg;
        auto known = learned.find({key, count});
        if (known == learned.end()) {
            Learned fresh;
            ASSERT_NO_FATAL_FAILURE(Learn(prefix, count, fresh));
            known = learned.emplace(std::make_pair(key, count), fresh).first;
        }
        script = known->second.script;
        at = known->second.at;
        sets = known->second.sets;
    }

    struct Learned {
        std::string script;
        int64_t at = 0;
        std::vector<std::vector<int>> sets;
    };

    void Learn(const std::string& prefix, int count, Learned& into) {
        into.script = prefix + "screen 6\n";
        for (int k = 1; k <= count; ++k) {
            GameResult run = Play(into.script + Wait(6000 * k + 30000));
            std::vector<std::vector<std::string>> notes = Notes(run, "set");
            ASSERT_GE(notes.size(), static_cast<size_t>(k));
            std::vector<int> set;
            for (const std::string& id : notes[k - 1])
                set.push_back(std::stoi(id));
            ASSERT_EQ(set.size(), static_cast<size_t>(k));
            into.sets.push_back(set);
            const int64_t entered = TimeAfter(run, "screen 6");
            const int64_t shown = NthTimeOf(run, "sound finish-current-set02.wav voice", 2 * k - 1);
            ASSERT_GT(shown, entered);
            into.script += Wait(shown - entered + 1000 - into.at);
            into.at = shown - entered + 1000;
            for (int id : set) {
                into.script += ClickOn(id) + Wait(kPerAnswer);
                into.at += kPerAnswer;
            }
        }
    }

    std::string script;
    int64_t at = 0; // ms of script after entering the screen
    std::vector<std::vector<int>> sets;
};

// At two calendar times: two different draws of the sets.
class ClassroomAtTime : public Classroom, public ::testing::WithParamInterface<const char*> {};

TEST_P(ClassroomAtTime, SetsOfOneToFiveAnsweredInOrderWinTheBalloonAndNoLeadsToTheRightMap) {
    args = {"--time", GetParam()};
    ASSERT_NO_FATAL_FAILURE(LearnSets("", 5));
    GameResult run = Play(script + Wait(30000) + Click(kNo[0], kNo[1]) + Wait(3000));
    // Each set draws different categories.
    for (const std::vector<int>& set : sets) {
        std::set<int> categories;
        for (int id : set)
            categories.insert(ItemOf(id).category);
        EXPECT_EQ(categories.size(), set.size());
    }
    std::vector<std::string> sounds = Sounds(run);
    std::vector<std::string> expected = {"school-instructions1-v2.wav"};
    for (const std::vector<int>& set : sets) {
        for (size_t i = 0; i < set.size(); ++i)
            expected.insert(expected.end(), {"school-objectsappear.wav", "wordbubbles-popup.wav"});
        expected.push_back("finish-current-set02.wav");
        for (int id : set)
            expected.insert(expected.end(), {"answer-right.wav", ItemOf(id).english});
        expected.push_back("finish-current-set02.wav");
    }
    expected.insert(expected.end(),
                    {"cheer.wav", "goodjob.wav", "youwonaballoon.wav", "continue.wav"});
    EXPECT_TRUE(InOrder(sounds, expected));
    EXPECT_EQ(Count(sounds, "answer-right.wav"), 15);
    EXPECT_EQ(Count(sounds, "answer-wrong.wav"), 0);
    EXPECT_TRUE(run.HasEvent("write play-sp-demo.dat"));
    EXPECT_EQ(ReadTextFile(install.dir() + "/play-sp-demo.dat"), "ANA; 0 0 0 0 0 0 0 1 0 ");
    EXPECT_EQ(Screens(run), (std::vector<int>{22, 6, 13}));

    // Yes: the teacher goes, the set is cleared, and the next set has six.
    WriteTextFile(install.dir() + "/play-sp-demo.dat", kAna);
    GameResult going = Play(script + Wait(30000) + Click(kYes[0], kYes[1]) + Wait(20000));
    std::vector<std::vector<std::string>> notes = Notes(going, "set");
    ASSERT_EQ(notes.size(), 6u);
    EXPECT_EQ(notes[5].size(), 6u);
    EXPECT_EQ(Count(Sounds(going), "youwonaballoon.wav"), 1);
    EXPECT_EQ(Screens(going), (std::vector<int>{22, 6}));
}

INSTANTIATE_TEST_SUITE_P(Calendar, ClassroomAtTime, ::testing::Values("1700000000", "1767225600"));

// After the set of eleven, played here by blind clicks (a turn ends after
// two wrong ones), the game asks to play again; a stray click on an object
// while the question waits does not block it, and yes starts over with one.
TEST_F(Classroom, TheSetOfElevenAsksToPlayAgainAndYesStartsOverWithOne) {
    ASSERT_NO_FATAL_FAILURE(LearnSets("", 5));
    std::string blind = script + Wait(30000) + Click(kYes[0], kYes[1]) + Wait(10000);
    for (int round = 0; round < 60; ++round)
        for (int category = 1; category <= 11; ++category)
            blind += ClickOnCategory(category) + Wait(2500);
    GameResult run = Play(blind + Click(kYes[0], kYes[1]) + Wait(30000));
    std::vector<std::vector<std::string>> notes = Notes(run, "set");
    ASSERT_GE(notes.size(), 12u);
    for (size_t k = 0; k < 11; ++k)
        EXPECT_EQ(notes[k].size(), k + 1);
    std::set<int> categories;
    for (const std::string& id : notes[10])
        categories.insert(ItemOf(std::stoi(id)).category);
    EXPECT_EQ(categories.size(), 11u);
    EXPECT_EQ(notes[11].size(), 1u);
    std::vector<std::string> sounds = Sounds(run);
    EXPECT_TRUE(InOrder(sounds, {"continue.wav", "goodjob.wav", "want2playagain.wav"}));
    EXPECT_EQ(Count(sounds, "youwonaballoon.wav"), 1);
    EXPECT_EQ(Screens(run), (std::vector<int>{22, 6}));
}

// The object presented in its bubble: the circle at the bubble's place.
TEST_F(Classroom, AnObjectIsPresentedInItsBubble) {
    GameResult watch = Play("screen 6\nwait 20000\n");
    ASSERT_EQ(Notes(watch, "set").size(), 1u);
    const int id = std::stoi(Notes(watch, "set")[0][0]);
    const int64_t entered = TimeAfter(watch, "screen 6");
    const int64_t popped = TimeAfter(watch, "sound wordbubbles-popup.wav voice");
    GameResult run = Play("screen 6\nwait 3000\nshot before\n" +
                          Wait(popped - entered - 3000 + 600) + "shot bubble\n");
    KeepShot(run, "bubble", "classroom-bubble");
    // The object stands below its bubble; the circle is white.
    const Item& item = ItemOf(id);
    EXPECT_NE(ShotPixel(run, "bubble", item.x + item.width / 2, item.y + item.height / 2),
              ShotPixel(run, "before", item.x + item.width / 2, item.y + item.height / 2));
    bool white = false;
    for (int dy = 10; dy < 60 && !white; dy += 5)
        for (int dx = 5; dx < 100 && !white; dx += 5) {
            uint32_t before = ShotPixel(run, "before", item.x + dx - 5, item.y - 65 + dy);
            uint32_t after = ShotPixel(run, "bubble", item.x + dx - 5, item.y - 65 + dy);
            white = Near(after, 0xFFFFFF, 20) && !Near(before, 0xFFFFFF, 20);
        }
    EXPECT_TRUE(white);
}

// In the set of two: a second click while the first is judged is lost; two
// wrong clicks make the game name and show the expected object itself.
TEST_F(Classroom, AClickWhileJudgedIsLostAndTwoWrongClicksShowTheAnswer) {
    ASSERT_NO_FATAL_FAILURE(LearnSets("", 1));
    GameResult learn = Play(script + Wait(50000));
    auto notes = Notes(learn, "set");
    ASSERT_GE(notes.size(), 2u);
    const int first = std::stoi(notes[1][0]);
    const int second = std::stoi(notes[1][1]);
    const int64_t entered = TimeAfter(learn, "screen 6");
    const int64_t shown = NthTimeOf(learn, "sound finish-current-set02.wav voice", 3) - entered;
    // Set one was answered by script; now set two: the second object twice, then the second again.
    std::string run2 = script + Wait(shown + 1000 - at) + ClickOn(second) + Wait(6000) +
                       ClickOn(second) + Wait(15000) + ClickOn(second) + Wait(200) +
                       ClickOn(first) + Wait(8000);
    GameResult run = Play(run2);
    std::vector<std::string> sounds = Sounds(run);
    EXPECT_TRUE(InOrder(sounds, {"answer-wrong.wav", "sorrytryagain.wav", "answer-wrong.wav",
                                 ItemOf(first).english, "answer-right.wav", ItemOf(second).english,
                                 "finish-current-set02.wav"}));
    EXPECT_EQ(Count(sounds, "answer-wrong.wav"), 2);
    // Set one's answer and set two's second: the click right after it was lost.
    EXPECT_EQ(Count(sounds, "answer-right.wav"), 2);
}

// No answer for 25 s: the second instructions; the guide button: the first;
// help shows the set again; quit waits through a click on an object.
TEST_F(Classroom, IdleTimeOutGuideHelpAndQuit) {
    GameResult watch = Play("screen 6\nwait 20000\n");
    const int64_t entered = TimeAfter(watch, "screen 6");
    const int64_t shown = TimeAfter(watch, "sound finish-current-set02.wav voice") - entered;
    const int id = std::stoi(Notes(watch, "set")[0][0]);
    GameResult run =
        Play("screen 6\n" + Wait(shown + 34000) + Click(kGuide[0], kGuide[1]) + Wait(12000) +
             Click(kHelp[0], kHelp[1]) + Wait(8000) + Click(kExit[0], kExit[1]) + Wait(5000) +
             ClickOn(id) + Wait(2000) + Click(kNo[0], kNo[1]) + Wait(8000) +
             Click(kExit[0], kExit[1]) + Wait(5000) + Click(kYes[0], kYes[1]) + Wait(5000));
    std::vector<std::string> sounds = Sounds(run);
    const int64_t idle = TimeAfter(run, "sound school-instructions2-v2.wav voice") - entered;
    EXPECT_GT(idle, shown + 25000);
    EXPECT_LT(idle, shown + 28000);
    EXPECT_TRUE(InOrder(sounds, {"school-instructions1-v2.wav", "school-instructions2-v2.wav",
                                 "school-instructions1-v2.wav", "school-objectsappear.wav",
                                 "sureuwant2quit.wav", "sureuwant2quit.wav"}));
    EXPECT_EQ(Count(sounds, "school-objectsappear.wav"), 2);
    EXPECT_EQ(Count(sounds, "answer-right.wav"), 0);
    EXPECT_EQ(Screens(run), (std::vector<int>{22, 6, 26}));
}

} // namespace
