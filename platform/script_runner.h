// The headless script: one command a line, run between shown pages.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

class ScriptRunner {
  public:
    bool Load(const std::string& path, std::string* why);

    // A page was shown (the clock has advanced): run the commands now due.
    void OnPageShown();
    // The game waits for a message with nothing queued: run commands until one
    // posts a message (or the script ends, which closes the window).
    void OnIdle();

  private:
    enum class Wait { None, Pages, Clock, MouseReads };
    struct Command {
        std::string verb;
        std::vector<std::string> args;
        int line = 0;
    };

    // Runs commands while nothing blocks; inactive when no pages can be shown.
    void Run(bool inactive);
    bool Blocked();
    void Execute(const Command& command, bool inactive);
    void MoveTo(int x, int y, bool inactive);
    void PostKey(const std::string& name);
    void Finish();
    [[noreturn]] void Fail(const Command& command, const std::string& why);

    std::vector<Command> commands_;
    size_t next_ = 0;
    Wait wait_ = Wait::None;
    int64_t pagesLeft_ = 0;
    uint32_t clockStart_ = 0;
    uint32_t clockSpan_ = 0;
    uint64_t readsTarget_ = 0;
    int64_t pagesCap_ = 0; // a mouse wait also ends after this many pages
    std::string pendingType_;
    bool finished_ = false;
    uint64_t pagesAfterFinish_ = 0;
    int cursorX_ = 320;
    int cursorY_ = 240;
};

} // namespace platform
