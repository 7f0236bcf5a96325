// Runs the real game binary headless on a temporary install directory, for
// tests that follow the program from start to exit.
#pragma once

#include <spawn.h>
#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

// Starts a program (looked up on the PATH when args[0] has no slash) with
// exactly this environment; 0 when it cannot be started.
pid_t Spawn(std::vector<std::string> args, std::vector<std::string> env,
            const posix_spawn_file_actions_t* actions);
// Runs a program to its end, its standard input empty and its error output
// into errPath; answers its exit code (128 + the signal when one ended it),
// or -1 when it cannot be started.
int RunToExit(const std::vector<std::string>& args, const std::vector<std::string>& env,
              const std::string& errPath);

// A short temporary directory (the game takes install paths of at most 59
// characters), removed when the object goes.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

// Writes a 24-bit BMP filled with one colour (0xRRGGBB).
void WriteSolidBmp(const std::string& path, int width, int height, uint32_t rgb);
void WriteTextFile(const std::string& path, const std::string& text);
std::string ReadTextFile(const std::string& path);

struct GameResult {
    int exitCode = -1;
    std::string stderrText;
    std::vector<std::string> trace; // lines of trace.txt
    std::string outDir;

    // The trace lines without their time stamps.
    std::vector<std::string> Events() const;
    bool HasEvent(const std::string& event) const;
    // Time stamp of the first line whose event is event; -1 when none is.
    int64_t TimeOf(const std::string& event) const;
};

// An install directory with a registry file naming it. Its pictures and
// recordings are those of the generated asset pack, each a link of its own so
// a test may remove or rename one; or, with withPack false, only the two
// cursor pictures.
class GameInstall {
  public:
    explicit GameInstall(bool withPack = true);
    const std::string& dir() const { return temp_.path(); }
    std::string registryFile() const { return dir() + "/registry.reg"; }
    void WriteRegistry(const std::string& installPath);
    void AddPicture(const std::string& name, int width, int height, uint32_t rgb);

    // Runs `vocabuloon --headless` with the script and extra arguments.
    GameResult Run(const std::string& script, const std::vector<std::string>& extraArgs = {});

  private:
    TempDir temp_;
    int runs_ = 0;
};

} // namespace testing_support
