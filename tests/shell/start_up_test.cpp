// The program from start to exit, run headless as a child would meet it.
#include <gtest/gtest.h>

#include <string>

#include "support/game_run.h"

using testing_support::GameInstall;
using testing_support::GameResult;
using testing_support::ReadTextFile;

namespace {

// Width and height from a PNG's header chunk.
std::pair<int, int> PngSize(const std::string& path) {
    std::string png = ReadTextFile(path);
    if (png.size() < 24 || png.compare(1, 3, "PNG") != 0 || png.compare(12, 4, "IHDR") != 0)
        return {0, 0};
    auto be32 = [&](size_t at) {
        return (static_cast<unsigned char>(png[at]) << 24) |
               (static_cast<unsigned char>(png[at + 1]) << 16) |
               (static_cast<unsigned char>(png[at + 2]) << 8) |
               static_cast<unsigned char>(png[at + 3]);
    };
    return {be32(16), be32(20)};
}

TEST(StartUp, StartsOnTheSignInScreenAndClosesCleanly) {
    GameInstall install;
    GameResult result = install.Run("wait 2000\nshot first\nquit\n");
    EXPECT_EQ(result.exitCode, 0) << result.stderrText;
    EXPECT_TRUE(result.HasEvent("screen 22"));
    EXPECT_TRUE(result.HasEvent("image cursor-mouse.bmp"));
    ASSERT_FALSE(result.trace.empty());
    EXPECT_EQ(result.Events().back(), "exit 0");
    EXPECT_EQ(PngSize(result.outDir + "/first.png"), std::make_pair(640, 480));
    // 2000 ms of pages at 16 ms each went by before the close.
    EXPECT_GE(result.TimeOf("exit 0") - result.TimeOf("screen 22"), 2000);
}

TEST(StartUp, SameScriptGivesTheSameTrace) {
    GameInstall install;
    const char* script = "wait 500\nkey space\nframes 10\nquit\n";
    GameResult first = install.Run(script);
    GameResult second = install.Run(script);
    EXPECT_EQ(first.trace, second.trace);
}

TEST(StartUp, MissingRegistryFileIsReportedWithTheSystemText) {
    GameInstall install;
    std::remove(install.registryFile().c_str());
    GameResult result = install.Run("quit\n");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(
        result.HasEvent("messagebox \"Error\" \"The system cannot find the file specified.\""));
    EXPECT_EQ(result.Events().back(), "exit 1");
    EXPECT_NE(result.stderrText.find("Error: The system cannot find the file specified."),
              std::string::npos);
}

TEST(StartUp, MalformedRegistryOrMissingValueAnswersAsAMissingKey) {
    GameInstall install;
    testing_support::WriteTextFile(install.registryFile(), "[HKEY_LOCAL_MACHINE\\Software\n\x01\x02");
    GameResult garbage = install.Run("quit\n");
    EXPECT_EQ(garbage.exitCode, 1);
    EXPECT_TRUE(
        garbage.HasEvent("messagebox \"Error\" \"The system cannot find the file specified.\""));

    testing_support::WriteTextFile(
        install.registryFile(),
        "[HKEY_LOCAL_MACHINE\\Software\\Brightleaf Works\\Vocabuloon Spanish Demo\\1.00.000]\n"
        "\"Other\"=\"x\"\n");
    GameResult noValue = install.Run("quit\n");
    EXPECT_EQ(noValue.exitCode, 1);
    EXPECT_TRUE(
        noValue.HasEvent("messagebox \"Error\" \"The system cannot find the file specified.\""));
}

TEST(StartUp, InstallPathOfFiftyNineCharactersFitsAndSixtyDoesNot) {
    GameInstall install;
    // Pad the real directory's path with "/." steps up to the length wanted.
    auto pathOfLength = [&](size_t length) {
        std::string path = install.dir();
        while (path.size() + 2 <= length)
            path += "/.";
        if (path.size() < length)
            path = "/" + path; // a doubled leading slash is the same directory
        return path;
    };
    std::string fits = pathOfLength(59);
    ASSERT_EQ(fits.size(), 59u);
    install.WriteRegistry(fits);
    GameResult ok = install.Run("frames 2\nquit\n");
    EXPECT_EQ(ok.exitCode, 0) << ok.stderrText;

    std::string tooLong = pathOfLength(60);
    ASSERT_EQ(tooLong.size(), 60u);
    install.WriteRegistry(tooLong);
    GameResult refused = install.Run("quit\n");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.HasEvent("messagebox \"Error\" \"More data is available.\""));
}

TEST(StartUp, MissingCursorPictureIsFatal) {
    GameInstall install;
    std::remove((install.dir() + "/Images/cursor-clock.bmp").c_str());
    GameResult result = install.Run("quit\n");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.HasEvent(
        "messagebox \"DisplayInterface\" \"Couldn't load file resource.\""));
    EXPECT_EQ(result.Events().back(), "exit 1");
}

TEST(StartUp, ACutRunLengthTitlePictureIsFatal) {
    GameInstall install;
    const std::string title = install.dir() + "/Images/vocabuloon-full-sp.bmp";
    std::string whole = ReadTextFile(title);
    ASSERT_GT(whole.size(), 6000u);
    ASSERT_EQ(whole[30], 1) << "the title is run-length encoded";
    std::remove(title.c_str()); // a link into the pack: replaced, not cut
    testing_support::WriteTextFile(title, whole.substr(0, 6000));
    GameResult result = install.Run("wait 2000\nquit\n");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(
        result.HasEvent("messagebox \"DisplayInterface\" \"Couldn't load file resource.\""));
    EXPECT_EQ(result.Events().back(), "exit 1");
}

TEST(StartUp, PicturesAreFoundWhateverTheirCase) {
    GameInstall install;
    std::rename((install.dir() + "/Images/cursor-mouse.bmp").c_str(),
                (install.dir() + "/Images/Cursor-Mouse.BMP").c_str());
    GameResult result = install.Run("frames 2\nquit\n");
    EXPECT_EQ(result.exitCode, 0) << result.stderrText;
}

TEST(StartUp, NoDisplayDepthAtAllShowsTheLastAttemptsError) {
    GameInstall install;
    GameResult result = install.Run("quit\n", {"--fault", "refuse-depth 16", "--fault",
                                               "refuse-depth 24", "--fault", "refuse-depth 32"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.HasEvent("messagebox \"DisplayInterface\" \"DDERR_INVALIDMODE\""));
}

TEST(StartUp, LostSurfacesDuringPlayAreSurvived) {
    GameInstall install;
    GameResult result = install.Run("frames 3\nfault lose-surfaces\nframes 5\nshot after\nquit\n");
    EXPECT_EQ(result.exitCode, 0) << result.stderrText;
    EXPECT_EQ(result.Events().back(), "exit 0");
}

TEST(StartUp, BadScriptIsRefusedBeforeTheGameStarts) {
    GameInstall install;
    GameResult result = install.Run("wait 10\njump 3\n");
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.stderrText.find("unknown command \"jump\""), std::string::npos);
}

TEST(EndScreen, ClosesAfterTwoPausesAndSpaceEndsEachPause) {
    GameInstall install;
    GameResult timed = install.Run("screen 26\nwait 20000\n");
    ASSERT_EQ(timed.exitCode, 0) << timed.stderrText;
    int64_t entered = timed.TimeOf("screen 26");
    int64_t closed = timed.TimeOf("exit 0");
    EXPECT_GT(closed - entered, 16000);
    EXPECT_LT(closed - entered, 16200);

    GameResult skipped = install.Run("screen 26\nframes 2\nkey space\nframes 2\nkey space\nwait 5000\n");
    ASSERT_EQ(skipped.exitCode, 0) << skipped.stderrText;
    EXPECT_LT(skipped.TimeOf("exit 0") - skipped.TimeOf("screen 26"), 200);
}

TEST(Focus, SwitchingAwayFreezesAndReturnLetsWaitsEndAtOnce) {
    GameInstall install;
    // Away for 30 s during the first pause: nothing moves on while away, and
    // on return the pause is found over at the next frame.
    GameResult result =
        install.Run("screen 26\nframes 2\ndeactivate\nwait 30000\nactivate\nwait 20000\n");
    ASSERT_EQ(result.exitCode, 0) << result.stderrText;
    int64_t entered = result.TimeOf("screen 26");
    int64_t closed = result.TimeOf("exit 0");
    // The first pause ends right after the return (~30 s in), the second 8 s later.
    EXPECT_GT(closed - entered, 30000 + 8000);
    EXPECT_LT(closed - entered, 30000 + 8300);
}

} // namespace
