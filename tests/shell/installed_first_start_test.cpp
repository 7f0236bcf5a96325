// An installed game (its pack in ../share/vocabuloon beside its binary) on a
// player's account: what it sets up on its first start, and what it leaves.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/game_run.h"

extern char** environ;

namespace fs = std::filesystem;
using testing_support::ReadTextFile;
using testing_support::RunToExit;
using testing_support::TempDir;
using testing_support::WriteTextFile;

namespace {

const char kKeyLine[] =
    "[HKEY_LOCAL_MACHINE\\Software\\Brightleaf Works\\Vocabuloon Spanish Demo\\1.00.000]";

// PREFIX/bin/vocabuloon, a copy of the game, and PREFIX/share/vocabuloon
// holding the pack; a home directory beside them.
class InstalledGame : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(Prefix() + "/bin");
        fs::create_directories(Pack());
        fs::create_directories(Home());
        fs::copy_file(VOCABULOON_BIN, Prefix() + "/bin/vocabuloon");
        fs::create_directory_symlink(std::string(VOCABULOON_ASSETS) + "/Images",
                                     Pack() + "/Images");
        fs::create_directory_symlink(std::string(VOCABULOON_ASSETS) + "/Wav", Pack() + "/Wav");
    }

    std::string Prefix() const { return temp_.path() + "/p"; }
    std::string Pack() const { return Prefix() + "/share/vocabuloon"; }
    std::string Home() const { return temp_.path() + "/h"; }
    std::string Out() const { return temp_.path() + "/out"; }

    // Runs the installed game headless with HOME (and extra variables) set
    // and no registry file named; answers the exit code.
    int Run(const std::string& home, const std::vector<std::string>& extraEnv = {}) {
        WriteTextFile(temp_.path() + "/script.txt", "frames 10\nquit\n");
        std::vector<std::string> args = {Prefix() + "/bin/vocabuloon", "--headless", "--script",
                                         temp_.path() + "/script.txt", "--out",      Out()};
        std::vector<std::string> env = {"HOME=" + home};
        env.insert(env.end(), extraEnv.begin(), extraEnv.end());
        for (char** entry = environ; *entry; ++entry) {
            std::string text = *entry;
            if (text.rfind("HOME=", 0) != 0 && text.rfind("XDG_", 0) != 0 &&
                text.rfind("VOCABULOON_REGISTRY=", 0) != 0)
                env.push_back(text);
        }
        std::string errPath = temp_.path() + "/stderr.txt";
        int code = RunToExit(args, env, errPath);
        stderrText_ = ReadTextFile(errPath);
        trace_ = ReadTextFile(Out() + "/trace.txt");
        return code;
    }

    TempDir temp_;
    std::string stderrText_;
    std::string trace_;
};

std::string LinkTarget(const std::string& link) {
    std::error_code error;
    return fs::read_symlink(link, error).string();
}

} // namespace

TEST_F(InstalledGame, FirstStartLinksThePackAndWritesTheRegistryFile) {
    ASSERT_EQ(Run(Home()), 0) << stderrText_;
    std::string dir = Home() + "/.local/share/vocabuloon";
    EXPECT_EQ(fs::canonical(dir + "/Images"), fs::canonical(Pack() + "/Images"));
    EXPECT_EQ(fs::canonical(dir + "/Wav"), fs::canonical(Pack() + "/Wav"));
    std::string registry = ReadTextFile(Home() + "/.config/vocabuloon/registry.reg");
    EXPECT_NE(registry.find(kKeyLine), std::string::npos) << registry;
    EXPECT_NE(registry.find("\"Path\"=\"" + dir + "\""), std::string::npos) << registry;
    EXPECT_NE(trace_.find(" image vocabuloon-full-sp.bmp\n"), std::string::npos) << trace_;

    // The second start finds everything in place and changes nothing.
    ASSERT_EQ(Run(Home()), 0) << stderrText_;
    EXPECT_EQ(ReadTextFile(Home() + "/.config/vocabuloon/registry.reg"), registry);
}

TEST_F(InstalledGame, FollowsTheXdgDirectoriesAndFallsBackWhenTheyAreTooLong) {
    std::string config = temp_.path() + "/cfg";
    std::string data = temp_.path() + "/data";
    ASSERT_EQ(Run(Home(), {"XDG_CONFIG_HOME=" + config, "XDG_DATA_HOME=" + data}), 0)
        << stderrText_;
    EXPECT_TRUE(fs::exists(config + "/vocabuloon/registry.reg"));
    EXPECT_TRUE(fs::exists(data + "/vocabuloon/Images/intro-background.bmp"));

    // A data directory whose install path would pass 59 characters: ~/.vocabuloon.
    fs::remove(config + "/vocabuloon/registry.reg");
    std::string longData = temp_.path() + "/" + std::string(60, 'd');
    ASSERT_EQ(Run(Home(), {"XDG_CONFIG_HOME=" + config, "XDG_DATA_HOME=" + longData}), 0)
        << stderrText_;
    EXPECT_NE(ReadTextFile(config + "/vocabuloon/registry.reg")
                  .find("\"Path\"=\"" + Home() + "/.vocabuloon\""),
              std::string::npos);
}

TEST_F(InstalledGame, AHomeTooLongForAnyInstallPathIsSaidAndTheGameReportsTheMissingKey) {
    std::string home = temp_.path() + "/" + std::string(60, 'h');
    fs::create_directories(home);
    EXPECT_EQ(Run(home), 1);
    EXPECT_NE(stderrText_.find("no install directory of at most 59 characters"), std::string::npos)
        << stderrText_;
    EXPECT_NE(trace_.find("messagebox \"Error\""), std::string::npos) << trace_;
    EXPECT_FALSE(fs::exists(home + "/.config/vocabuloon/registry.reg"));
}

TEST_F(InstalledGame, AnExistingRegistryIsKeptAndOnlyLinksLeadingNowhereAreMended) {
    std::string dir = temp_.path() + "/mine";
    fs::create_directories(dir);
    fs::create_directory_symlink(temp_.path() + "/deleted-build/Images", dir + "/Images");
    fs::create_directories(dir + "/Wav"); // the player's own: left alone
    for (const auto& entry : fs::directory_iterator(std::string(VOCABULOON_ASSETS) + "/Wav"))
        fs::create_symlink(entry.path(), dir + "/Wav/" + entry.path().filename().string());
    std::string registry = std::string(kKeyLine) + "\n\"Path\"=\"" + dir + "\"\n";
    fs::create_directories(Home() + "/.config/vocabuloon");
    WriteTextFile(Home() + "/.config/vocabuloon/registry.reg", registry);

    ASSERT_EQ(Run(Home()), 0) << stderrText_;
    EXPECT_EQ(ReadTextFile(Home() + "/.config/vocabuloon/registry.reg"), registry);
    EXPECT_EQ(fs::canonical(dir + "/Images"), fs::canonical(Pack() + "/Images"));
    EXPECT_EQ(LinkTarget(dir + "/Wav"), "");
    EXPECT_FALSE(fs::exists(Home() + "/.local/share/vocabuloon"));
}
