// The sound of the whole program, run headless: recordings traced as they
// start, and sound failures ending the program in a box captioned
// "AudioInterface".
#include <gtest/gtest.h>

#include <unistd.h>

#include <string>

#include "support/game_run.h"

namespace {

using testing_support::GameInstall;
using testing_support::GameResult;

TEST(AudioProgramTest, RecordingsStartedAreTracedWithTheirChannels) {
    GameInstall install;
    GameResult run = install.Run("wait 8000\nquit\n");
    EXPECT_EQ(run.exitCode, 0) << run.stderrText;
    const int64_t slide = run.TimeOf("sound monkey-slideon.wav voice");
    ASSERT_GE(slide, 0);
    // The guide's words wait for the voice channel, whose end follows the clock.
    const int64_t welcome = run.TimeOf("sound welcome2vocabuloon.wav voice");
    EXPECT_GT(welcome, slide);
    for (const std::string& event : run.Events())
        if (event.rfind("sound ", 0) == 0) {
            const std::string channel = event.substr(event.rfind(' ') + 1);
            EXPECT_TRUE(channel == "voice" || channel == "effects" || channel == "music") << event;
        }
}

TEST(AudioProgramTest, SoundFailuresEndTheProgramInTheAudioBox) {
    struct Failure {
        const char* fault;
        const char* box;
    };
    const Failure failures[] = {
        {"fail DirectSoundCreate 0x88780078", "messagebox \"AudioInterface\" \"DSERR_NODRIVER\""},
        // The primary buffer fails silently; the first recording's buffer does not.
        {"fail CreateSoundBuffer 0x8007000E",
         "messagebox \"AudioInterface\" \"DSERR_OUTOFMEMORY\""},
    };
    for (const Failure& failure : failures) {
        GameInstall install;
        GameResult run = install.Run("wait 8000\nquit\n", {"--fault", failure.fault});
        EXPECT_EQ(run.exitCode, 1) << failure.fault;
        EXPECT_TRUE(run.HasEvent(failure.box)) << failure.fault << "\n" << run.stderrText;
        EXPECT_FALSE(run.HasEvent("sound monkey-slideon.wav voice")) << failure.fault;
    }
}

TEST(AudioProgramTest, MissingRecordingEndsTheProgramWithTheLoadersMessage) {
    GameInstall install;
    ASSERT_EQ(unlink((install.dir() + "/Wav/monkey-slideon.wav").c_str()), 0);
    GameResult run = install.Run("wait 8000\nquit\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.HasEvent("messagebox \"AudioInterface\" \"Unable to open .WAV file\""))
        << run.stderrText;
}

} // namespace
