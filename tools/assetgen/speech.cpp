#include "speech.h"

#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace vocassets {
namespace {

// Runs a program with its arguments, no shell between, output discarded.
bool Run(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    int failed = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        return false;
    }
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) {
        return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::vector<std::uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

bool SpeechAvailable() {
    return Run({"espeak-ng", "--version"});
}

std::optional<Samples> Speak(const std::string& voice, const std::string& text,
                             const std::string& workDir, int jobNumber) {
    std::string path = workDir + "/speech" + std::to_string(jobNumber) + ".wav";
    // Written to a file, not a pipe: then the program fills in the chunk sizes.
    if (!Run({"espeak-ng", "-v", voice, "-s", std::to_string(kWordsPerMinute), "-w", path, text})) {
        return std::nullopt;
    }
    std::optional<PcmAudio> audio = DecodeWav(ReadFile(path));
    unlink(path.c_str());
    if (!audio || audio->samples.empty()) {
        return std::nullopt;
    }
    Samples samples = Resample(audio->samples, audio->sampleRate);
    TrimSilence(samples);
    return samples;
}

} // namespace vocassets
