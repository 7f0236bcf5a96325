// The mouse through the real program: its fatal paths, and focus changes that
// must never end the game.
#include <gtest/gtest.h>

#include "support/game_run.h"

using testing_support::GameInstall;
using testing_support::GameResult;

namespace {

struct MouseFailure {
    const char* call;
    const char* text;
};

TEST(MouseInput, EachFailingStepOfSetUpShowsItsMessage) {
    const MouseFailure failures[] = {
        {"DirectInputCreateA", "Unable to initialize DirectInput object."},
        {"CreateDevice", "Failed to get System mouse."},
        {"SetDataFormat", "Failed to set data format."},
        {"IDirectInputDevice::SetCooperativeLevel", "Unable to set cooperative level."},
        {"Acquire", "Unable to aquire mouse."},
    };
    GameInstall install;
    for (const MouseFailure& failure : failures) {
        GameResult result =
            install.Run("quit\n", {"--fault", std::string("fail ") + failure.call + " 0x80004005"});
        EXPECT_EQ(result.exitCode, 1) << failure.call;
        EXPECT_TRUE(result.HasEvent(std::string("messagebox \"Error\" \"") + failure.text + "\""))
            << failure.call;
        EXPECT_EQ(result.Events().back(), "exit 1");
    }
}

TEST(MouseInput, LostInputThatCannotBeRegainedInFrontIsFatal) {
    GameInstall install;
    GameResult result = install.Run("frames 2\n"
                                    "fault fail GetDeviceState 0x8007001E 1\n"
                                    "fault fail Acquire 0x80004005\n"
                                    "frames 3\n");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.HasEvent("messagebox \"Error\" \"Unable to reaquire the mouse.\""));
}

TEST(MouseInput, SwitchingAwayAndBackNeverEndsTheGame) {
    GameInstall install;
    // Away and back several times, with the mouse moved while away: the game
    // goes on, and the cursor follows afterwards.
    GameResult result = install.Run("move 100 100\n"
                                    "deactivate\nwait 3000\nmove 200 200\nactivate\nframes 5\n"
                                    "deactivate\nactivate\ndeactivate\nwait 10\nactivate\n"
                                    "click 300 300\nframes 5\nquit\n");
    EXPECT_EQ(result.exitCode, 0) << result.stderrText;
    EXPECT_FALSE(result.HasEvent("messagebox \"Error\" \"Unable to reaquire the mouse.\""));
}

} // namespace
