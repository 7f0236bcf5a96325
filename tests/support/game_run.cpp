#include "support/game_run.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace testing_support {

TempDir::TempDir() {
    char pattern[] = "/tmp/vbXXXXXX";
    if (!mkdtemp(pattern))
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void WriteSolidBmp(const std::string& path, int width, int height, uint32_t rgb) {
    int rowBytes = (width * 3 + 3) & ~3;
    uint32_t dataSize = static_cast<uint32_t>(rowBytes * height);
    std::vector<uint8_t> file(54 + dataSize, 0);
    auto put16 = [&](size_t at, uint16_t v) { file[at] = v & 0xFF, file[at + 1] = v >> 8; };
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            file[at + i] = static_cast<uint8_t>(v >> (8 * i));
    };
    file[0] = 'B', file[1] = 'M';
    put32(2, 54 + dataSize);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(width));
    put32(22, static_cast<uint32_t>(height));
    put16(26, 1);
    put16(28, 24);
    put32(34, dataSize);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            size_t at = 54 + static_cast<size_t>(y) * rowBytes + x * 3;
            file[at] = rgb & 0xFF;
            file[at + 1] = (rgb >> 8) & 0xFF;
            file[at + 2] = (rgb >> 16) & 0xFF;
        }
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()),
               static_cast<std::streamsize>(file.size()));
}

void WriteTextFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string ReadTextFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<std::string> GameResult::Events() const {
    std::vector<std::string> events;
    for (const std::string& line : trace) {
        size_t space = line.find(' ');
        events.push_back(space == std::string::npos ? line : line.substr(space + 1));
    }
    return events;
}

bool GameResult::HasEvent(const std::string& event) const {
    return TimeOf(event) >= 0;
}

int64_t GameResult::TimeOf(const std::string& event) const {
    for (const std::string& line : trace) {
        size_t space = line.find(' ');
        if (space != std::string::npos && line.substr(space + 1) == event)
            return std::strtoll(line.c_str(), nullptr, 10);
    }
    return -1;
}

namespace {

void LinkEveryFile(const std::string& from, const std::string& to) {
    namespace fs = std::filesystem;
    if (!fs::is_directory(from))
        throw std::runtime_error(from + " is missing: build the asset pack first");
    for (const fs::directory_entry& entry : fs::directory_iterator(from))
        fs::create_symlink(entry.path(), to + "/" + entry.path().filename().string());
}

} // namespace

GameInstall::GameInstall(bool withPack) {
    mkdir((dir() + "/Images").c_str(), 0755);
    mkdir((dir() + "/Wav").c_str(), 0755);
    if (withPack) {
        LinkEveryFile(std::string(VOCABULOON_ASSETS) + "/Images", dir() + "/Images");
        LinkEveryFile(std::string(VOCABULOON_ASSETS) + "/Wav", dir() + "/Wav");
    } else {
        AddPicture("cursor-mouse.bmp", 16, 16, 0xFFFFFF);
        AddPicture("cursor-clock.bmp", 16, 16, 0xFF0000);
    }
    WriteRegistry(dir());
}

void GameInstall::WriteRegistry(const std::string& installPath) {
    WriteTextFile(registryFile(),
                  "Windows Registry Editor Version 5.00\n\n"
                  "[HKEY_LOCAL_MACHINE\\Software\\Brightleaf Works\\Vocabuloon Spanish "
                  "Demo\\1.00.000]\n\"Path\"=\"" +
                      installPath + "\"\n");
}

void GameInstall::AddPicture(const std::string& name, int width, int height, uint32_t rgb) {
    std::remove((dir() + "/Images/" + name).c_str());
    WriteSolidBmp(dir() + "/Images/" + name, width, height, rgb);
}

pid_t Spawn(std::vector<std::string> args, std::vector<std::string> env,
            const posix_spawn_file_actions_t* actions) {
    std::vector<char*> argv, envp;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    for (std::string& entry : env)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], actions, nullptr, argv.data(), envp.data()) != 0)
        return 0;
    return pid;
}

int RunToExit(const std::vector<std::string>& args, const std::vector<std::string>& env,
              const std::string& errPath) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    pid_t pid = Spawn(args, env, &actions);
    posix_spawn_file_actions_destroy(&actions);
    if (pid == 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

GameResult GameInstall::Run(const std::string& script, const std::vector<std::string>& extraArgs) {
    GameResult result;
    std::string run = dir() + "/run" + std::to_string(++runs_);
    mkdir(run.c_str(), 0755);
    result.outDir = run + "/out";
    WriteTextFile(run + "/script.txt", script);

    std::vector<std::string> args = {VOCABULOON_BIN,      "--headless", "--script",
                                     run + "/script.txt", "--out",      result.outDir};
    args.insert(args.end(), extraArgs.begin(), extraArgs.end());
    std::vector<std::string> env = {"VOCABULOON_REGISTRY=" + registryFile()};
    for (char** entry = environ; *entry; ++entry)
        if (std::string(*entry).rfind("VOCABULOON_REGISTRY=", 0) != 0)
            env.push_back(*entry);

    std::string errPath = run + "/stderr.txt";
    result.exitCode = RunToExit(args, env, errPath);
    if (result.exitCode < 0)
        throw std::runtime_error("cannot start the game");
    result.stderrText = ReadTextFile(errPath);
    std::istringstream trace(ReadTextFile(result.outDir + "/trace.txt"));
    for (std::string line; std::getline(trace, line);)
        result.trace.push_back(line);
    return result;
}

} // namespace testing_support
