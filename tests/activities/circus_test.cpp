// The circus: the cart rolls in with nine animals, each noise asks for its
// animal, an act plays after the ninth, the clown gives the balloon and asks
// to play again, and the cart rolls out. The trace tells where each animal
// stands and in which order they are asked, so a second run clicks right.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

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

struct Place {
    int x, y;
};
constexpr Place kPlaces[10] = {{0, 0},     {131, 75},  {131, 277}, {280, 176}, {429, 75},
                               {429, 277}, {131, 176}, {280, 75},  {280, 277}, {429, 176}};
constexpr int kNo[2] = {411, 206};
constexpr int kYes[2] = {341, 206};
constexpr int kExit[2] = {45, 384};
constexpr int kGuide[2] = {45, 45};
constexpr int kHelp[2] = {45, 130};
constexpr int64_t kPerQuestion = 7000;
constexpr int64_t kToTheQuestion = 40000; // act and praise are over by then

const char* const kNoises[] = {
    "camel", "cow",   "coyote",   "crocodile", "deer",  "dolphin",  "frog", "hyena",  "lobster",
    "pig",   "rhino", "sheep",    "walrus",    "",      "",         "",     "rabbit", "cat",
    "dog",   "eagle", "elephant", "hippo",     "horse", "kangaroo", "lion", "snake",  "tiger"};

std::string Noise(int animal) {
    return std::string(kNoises[animal - 51]) + ".wav";
}

std::string Word(int animal) {
    return std::string("word-") + kNoises[animal - 51] + "-sp.wav";
}

std::string ClickPlace(int place) {
    return Click(kPlaces[place].x + 70, kPlaces[place].y + 47);
}

struct Stand {
    int animal[10] = {};
    int asks[10] = {};
    int act = 0;
};

Stand ReadStand(const std::vector<std::string>& note) {
    Stand stand;
    EXPECT_EQ(note.size(), 21u);
    if (note.size() != 21u)
        return stand;
    for (int place = 1; place <= 9; ++place) {
        stand.animal[place] = std::stoi(note[place - 1]);
        stand.asks[place] = std::stoi(note[9 + place]);
    }
    stand.act = std::stoi(note[20]);
    return stand;
}

class Circus : public ActivityTest {
  protected:
    // The stand of the first game and when its first noise is heard, from a
    // run that only watches.
    void Watch(const std::string& prefix) {
        GameResult run = Play(prefix + "screen 2\nwait 40000\n");
        auto notes = Notes(run, "stand");
        ASSERT_EQ(notes.size(), 1u);
        stand = ReadStand(notes[0]);
        const int64_t entered = TimeAfter(run, "screen 2");
        const int64_t instructed = TimeAfter(run, "sound whichnoise-mic-v2.wav voice");
        const int64_t noise =
            TimeAfter(run, "sound " + Noise(stand.animal[stand.asks[1]]) + " voice", instructed);
        ASSERT_GT(noise, instructed);
        firstNoise = noise - entered;
    }

    // Questions from..to answered with the right animal.
    std::string Answer(int from, int to) const { return AnswerOn(stand, from, to); }

    static std::string AnswerOn(const Stand& on, int from, int to) {
        std::string script;
        for (int q = from; q <= to; ++q)
            script += ClickPlace(on.asks[q]) + Wait(kPerQuestion);
        return script;
    }

    std::string Game(const std::string& prefix) const {
        return prefix + "screen 2\n" + Wait(firstNoise + 1500) + Answer(1, 9) +
               Wait(kToTheQuestion);
    }

    Stand stand;
    int64_t firstNoise = 0;
};

// At two calendar times: two different draws of the stand and the act.
class CircusAtTime : public Circus, public ::testing::WithParamInterface<const char*> {};

TEST_P(CircusAtTime, AGamePlayedToItsBalloonAndNoLeadsToTheCentreMap) {
    args = {"--time", GetParam()};
    Watch("");
    GameResult run = Play(Game("") + Click(kNo[0], kNo[1]) + Wait(3000));
    // The stand: five different blue animals, then four different white ones.
    std::set<int> blue, white;
    for (int place = 1; place <= 9; ++place) {
        int animal = stand.animal[place];
        if (place <= 5) {
            EXPECT_TRUE(animal >= 51 && animal <= 63) << animal;
            blue.insert(animal);
        } else {
            EXPECT_TRUE(animal >= 67 && animal <= 77) << animal;
            white.insert(animal);
        }
    }
    EXPECT_EQ(blue.size(), 5u);
    EXPECT_EQ(white.size(), 4u);
    std::vector<int> asks(stand.asks + 1, stand.asks + 10);
    std::sort(asks.begin(), asks.end());
    EXPECT_EQ(asks, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));

    std::vector<std::string> sounds = Sounds(run);
    std::vector<std::string> expected = {"gladiator.wav", "whichnoise-mic-v2.wav"};
    for (int q = 1; q <= 9; ++q)
        expected.insert(expected.end(), {Noise(stand.animal[stand.asks[q]]),
                                         "wordbubbles-popup.wav", "answer-right.wav"});
    expected.insert(expected.end(), {"drumroll-loop.wav", "tada.wav", "cheer.wav", "goodjob.wav",
                                     "youwonaballoon.wav", "want2playagain.wav"});
    EXPECT_TRUE(InOrder(sounds, expected));
    EXPECT_EQ(Count(sounds, "answer-wrong.wav"), 0);
    EXPECT_EQ(ReadTextFile(install.dir() + "/play-sp-demo.dat"), "ANA; 1 0 0 0 0 0 0 0 0 ");
    EXPECT_EQ(Screens(run), (std::vector<int>{22, 2, 1}));
    const char* actSound[4] = {"", "bicycle.wav", "lionmouth.wav", "outofcannon2.wav"};
    ASSERT_TRUE(stand.act >= 1 && stand.act <= 3);
    EXPECT_TRUE(Contains(sounds, actSound[stand.act]));
}

INSTANTIATE_TEST_SUITE_P(Calendar, CircusAtTime, ::testing::Values("1700000000", "1767225600"));

// The draws over many calendar times: always five different blue animals and
// four different white ones, every place asked once, and each act comes first
// for some.
TEST_F(Circus, EveryDrawFillsTheStandAndAsksEachPlaceOnce) {
    std::set<int> acts;
    std::set<std::string> stands;
    for (int day = 0; day < 16; ++day) {
        args = {"--time", std::to_string(1700000000 + 86400 * day)};
        GameResult run = Play("screen 2\nwait 1000\n");
        auto notes = Notes(run, "stand");
        ASSERT_EQ(notes.size(), 1u);
        Stand drawn = ReadStand(notes[0]);
        std::set<int> blue(drawn.animal + 1, drawn.animal + 6);
        std::set<int> white(drawn.animal + 6, drawn.animal + 10);
        EXPECT_EQ(blue.size(), 5u);
        EXPECT_EQ(white.size(), 4u);
        EXPECT_TRUE(*blue.begin() >= 51 && *blue.rbegin() <= 63);
        EXPECT_TRUE(*white.begin() >= 67 && *white.rbegin() <= 77);
        EXPECT_EQ(std::set<int>(drawn.asks + 1, drawn.asks + 10).size(), 9u);
        acts.insert(drawn.act);
        std::string key;
        for (const std::string& word : notes[0])
            key += word + " ";
        stands.insert(key);
    }
    EXPECT_EQ(acts, (std::set<int>{1, 2, 3}));
    EXPECT_GE(stands.size(), 15u);
}

// The stand full of animals, drawn without the key: a green animal covers
// what lies beneath with its green.
TEST_F(Circus, TheStandIsFullOfAnimalsDrawnWithoutTheKey) {
    for (const char* name : {"blue-camel.bmp", "blue-cow.bmp", "blue-coyote.bmp",
                             "blue-crocodile.bmp", "blue-deer.bmp", "blue-Dolphin.bmp",
                             "blue-frog.bmp", "blue-hyena.bmp", "blue-lobster.bmp", "blue-pig.bmp",
                             "blue-rhino.bmp", "blue-sheep.bmp", "blue-walrus.bmp"})
        install.AddPicture(name, 140, 95, 0x00FF00);
    Watch("");
    GameResult run = Play("screen 2\n" + Wait(firstNoise) + "shot stand\n");
    KeepShot(run, "stand", "circus-stand");
    for (int place = 1; place <= 5; ++place)
        EXPECT_TRUE(Near(ShotPixel(run, "stand", kPlaces[place].x + 70, kPlaces[place].y + 47),
                         0x00FF00, 4))
            << place;
    for (int place = 6; place <= 9; ++place)
        EXPECT_FALSE(Near(ShotPixel(run, "stand", kPlaces[place].x + 70, kPlaces[place].y + 47),
                          0x00FF00, 40))
            << place;
}

// Two wrong animals end the question: the game says the word and goes on.
// Then no click: the clown asks again 20 s after the noise, not sooner.
TEST_F(Circus, TwoWrongAnswersAndTheReminderAfterTwentySeconds) {
    Watch("");
    int wrong = stand.asks[1] == 1 ? 2 : 1;
    int alsoWrong = stand.asks[1] == 3 ? 4 : 3;
    if (alsoWrong == wrong)
        alsoWrong = 5;
    std::string script = "screen 2\n" + Wait(firstNoise + 1500) + ClickPlace(wrong) + Wait(5000) +
                         ClickPlace(alsoWrong) + Wait(12000) + Answer(2, 3) + Wait(30000);
    GameResult run = Play(script);
    std::vector<std::string> sounds = Sounds(run);
    const int asked = stand.animal[stand.asks[1]];
    EXPECT_TRUE(InOrder(sounds, {Noise(asked), "answer-wrong.wav", Noise(asked), "answer-wrong.wav",
                                 Word(asked), "wordbubbles-popup.wav", "answer-right.wav",
                                 Noise(stand.animal[stand.asks[2]])}));
    EXPECT_EQ(Count(sounds, "answer-wrong.wav"), 2);
    EXPECT_EQ(Count(sounds, "answer-right.wav"), 3);
    // The fourth question waits for its click: the clown comes 20 s after its noise.
    const int64_t fourth = TimeAfter(run, "sound " + Noise(stand.animal[stand.asks[4]]) + " voice");
    const int64_t clown = TimeAfter(run, "sound whichnoise-v2.wav voice");
    ASSERT_GT(fourth, 0);
    ASSERT_GT(clown, fourth);
    EXPECT_GT(clown - fourth, 20000);
    EXPECT_LT(clown - fourth, 23000);
}

// Help names every animal on the stand with its noise; the guide gives the
// instructions again; quit stops the music and brings it back after no, and
// a click on an animal while the question waits does not block the answer.
TEST_F(Circus, HelpGuideAndQuitWithTheMusicResumed) {
    Watch("");
    std::string script = "screen 2\n" + Wait(3000) + Click(kExit[0], kExit[1]) + Wait(5000) +
                         "shot quit\n" + Click(kNo[0], kNo[1]) + Wait(firstNoise + 6000) +
                         Click(kHelp[0], kHelp[1]) + Wait(50000) + Click(kGuide[0], kGuide[1]) +
                         Wait(10000) + Click(kExit[0], kExit[1]) + Wait(5000) + ClickPlace(5) +
                         Wait(3000) + Click(kYes[0], kYes[1]) + Wait(3000);
    GameResult run = Play(script);
    KeepShot(run, "quit", "circus-quit");
    std::vector<std::string> sounds = Sounds(run);
    EXPECT_TRUE(InOrder(sounds, {"gladiator.wav", "sureuwant2quit.wav", "gladiator.wav"}));
    int said = 0;
    for (int place = 1; place <= 9; ++place)
        said += Contains(sounds, Noise(stand.animal[place]));
    EXPECT_EQ(said, 9);
    EXPECT_GE(Count(sounds, "wordbubbles-popup.wav"), 9);
    EXPECT_EQ(Count(sounds, "whichnoise-mic-v2.wav"), 2);
    EXPECT_EQ(Count(sounds, "sureuwant2quit.wav"), 2);
    EXPECT_EQ(Screens(run), (std::vector<int>{22, 2, 26}));
}

// Yes: the cart rolls out and a new game rolls in with the next act; the
// picture carried out with the cart is back at its start, off the stage.
TEST_F(Circus, PlayingAgainRollsTheCartOutAndInWithTheNextAct) {
    install.AddPicture("circuspic.bmp", 470, 310, 0xFF00FF);
    WriteSilence(install, "gladiator.wav", 3000);
    Watch("");
    GameResult first =
        Play(Game("") + Click(kYes[0], kYes[1]) + Wait(40000) + "shot again\n" + Wait(15000));
    KeepShot(first, "again", "circus-again");
    auto stands = Notes(first, "stand");
    ASSERT_EQ(stands.size(), 2u);
    EXPECT_EQ(Count(Sounds(first), "gladiator.wav"), 3);
    // Left of the stand, where the carried picture would have stayed: the cart.
    EXPECT_FALSE(Near(ShotPixel(first, "again", 100, 240), 0xFF00FF, 40));

    const Stand second = ReadStand(stands[1]);
    const int64_t asked = TimeAfter(first, "sound want2playagain.wav voice");
    const int64_t yes = TimeAfter(first, "sound clickon1.wav effects", asked);
    const int64_t noise =
        TimeAfter(first, "sound " + Noise(second.animal[second.asks[1]]) + " voice", yes);
    ASSERT_GT(yes, 0);
    ASSERT_GT(noise, yes);
    GameResult twice =
        Play(Game("") + Click(kYes[0], kYes[1]) + Wait(noise - yes + 1500) +
             AnswerOn(second, 1, 9) + Wait(kToTheQuestion) + Click(kNo[0], kNo[1]) + Wait(2000));
    std::vector<std::string> sounds = Sounds(twice);
    EXPECT_EQ(Count(sounds, "tada.wav"), 2);
    EXPECT_EQ(Count(sounds, "answer-right.wav"), 18);
    // Two different acts, the second the one after the first.
    const bool highWire = Contains(sounds, "bicycle.wav");
    const bool lion = Contains(sounds, "lionmouth.wav");
    const bool cannon = Contains(sounds, "outofcannon2.wav");
    EXPECT_EQ(highWire + lion + cannon, 2);
    EXPECT_EQ(second.act, stand.act % 3 + 1);
    EXPECT_EQ(Screens(twice), (std::vector<int>{22, 2, 1}));
}

} // namespace
