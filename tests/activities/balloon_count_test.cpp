// A returning child's balloons come back at sign-in, and the balloon screen
// counts them: the recordings in order, the counter picture on its last frame,
// and at nine the surprise up to the question whether to go on.
#include <gtest/gtest.h>

#include <algorithm>

#include "activities/town_script.h"
#include "support/game_run.h"

namespace {

using namespace townscript;
using testing_support::GameInstall;
using testing_support::GameResult;
using testing_support::WriteTextFile;

// The counter's frames, painted in colours that tell them apart.
constexpr uint32_t kFrameColours[10] = {0xF80000, 0x0000F8, 0xF8F800, 0xF800F8, 0x00F8F8,
                                        0x008000, 0xF88000, 0x800080, 0x004080, 0x800000};
constexpr int kCounterX = 251, kCounterY = 12, kCounterWidth = 240, kCounterHeight = 90;

std::string AnaWith(int balloons) {
    std::string flags;
    for (int column = 0; column < 9; ++column)
        flags += column < balloons ? " 1" : " 0";
    return "ANA;" + flags + " ";
}

std::vector<std::string> After(const std::vector<std::string>& events, const std::string& from) {
    for (size_t i = 0; i < events.size(); ++i)
        if (events[i] == from)
            return {events.begin() + static_cast<long>(i), events.end()};
    return {};
}

class BalloonCount : public ::testing::TestWithParam<int> {};

TEST_P(BalloonCount, IsAnnouncedForTheReturningChild) {
    const int k = GetParam();
    GameInstall install;
    WriteTextFile(install.dir() + "/play-sp-demo.dat", AnaWith(k));
    for (int frame = 1; frame <= 10; ++frame)
        install.AddPicture("balloon-" + std::to_string(frame) + ".bmp", kCounterWidth,
                           kCounterHeight, kFrameColours[frame - 1]);
    // The last word of the count lasts long enough to be seen whatever the pack's timing.
    WriteSilence(install, k == 9 ? "youvegot9balloons.wav" : "collect9andgetsurprise.wav", 15000);
    const int shotAt = 30000;
    std::string script = SignInScript("") + "screen 21\nwait " + std::to_string(shotAt) +
                         "\nshot counted\n" + (k == 9 ? "wait 60000\nshot after\n" : "");
    GameResult run = install.Run(script);
    KeepShot(run, "counted", "balloons-" + std::to_string(k));
    if (k == 9)
        KeepShot(run, "after", "balloons-9-continue");

    std::vector<std::string> sounds;
    for (const std::string& event : After(run.Events(), "screen 21"))
        if (event.rfind("sound ", 0) == 0)
            sounds.push_back(event.substr(6, event.rfind(' ') - 6));
    std::vector<std::string> expected = {"monkey-slideon.wav", "firsttimeyoufinish.wav"};
    if (k == 1)
        expected.push_back("01balloon.wav");
    for (int n = 1; n < k; ++n)
        expected.push_back("youhave" + std::to_string(n) + ".wav");
    if (k >= 2)
        expected.push_back("0" + std::to_string(k) + "balloons.wav");
    if (k == 9)
        expected.insert(expected.end(), {"youvegot9balloons.wav", "balloonrise1.wav", "walking.wav",
                                         "letgo.wav", "splash.wav", "hat-hit.wav", "splash2.wav",
                                         "splash2.wav", "continue.wav"});
    else
        expected.push_back("collect9andgetsurprise.wav");
    std::vector<std::string> spoken;
    for (const std::string& sound : sounds)
        if (sound != "balloons-popup.wav")
            spoken.push_back(sound);
    EXPECT_EQ(spoken, expected);
    EXPECT_EQ(static_cast<int>(std::count(sounds.begin(), sounds.end(), "balloons-popup.wav")),
              k >= 2 ? k : 0);

    uint32_t counter =
        ShotPixel(run, "counted", kCounterX + kCounterWidth / 2, kCounterY + kCounterHeight / 2);
    for (int frame = 0; frame < 10; ++frame)
        EXPECT_EQ(Near(counter, kFrameColours[frame]), frame == k - 1)
            << "frame " << frame << " against the shown colour " << std::hex << counter;
    // Nothing here changes the record: no screen of its own leads on.
    EXPECT_EQ(Screens(run), (std::vector<int>{22, 21}));
}

INSTANTIATE_TEST_SUITE_P(Counts, BalloonCount, ::testing::Values(0, 1, 5, 9));

} // namespace
