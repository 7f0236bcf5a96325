// Headless scripts: what a child (or a test) does, one command a line.
#include "platform/script_runner.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "platform/ddraw_surface.h"
#include "platform/faults.h"
#include "platform/host_state.h"
#include "platform/mmsystem.h"
#include "platform/trace.h"

namespace platform {

namespace {

// How many arguments each command takes; -1: the rest of the line as one text.
const std::map<std::string, int> kArity = {
    {"move", 2},       {"click", 2},  {"press", 0},  {"release", 0}, {"key", 1},
    {"type", -1},      {"frames", 1}, {"wait", 1},   {"shot", 1},    {"activate", 0},
    {"deactivate", 0}, {"quit", 0},   {"fault", -1}, {"screen", 1},  {"mem", 0},
};

const std::map<std::string, int> kKeys = {
    {"space", VK_SPACE}, {"backspace", VK_BACK}, {"left", VK_LEFT},     {"right", VK_RIGHT},
    {"up", VK_UP},       {"down", VK_DOWN},      {"return", VK_RETURN}, {"escape", VK_ESCAPE},
    {"tab", VK_TAB},     {"delete", VK_DELETE},
};

// Virtual key of a key name or of one typed character; 0 when there is none.
int VirtualKey(const std::string& name) {
    auto found = kKeys.find(name);
    if (found != kKeys.end())
        return found->second;
    if (name.size() == 1) {
        unsigned char c = static_cast<unsigned char>(name[0]);
        if (std::isalpha(c))
            return std::toupper(c);
        if (std::isdigit(c))
            return c;
        if (c == ' ')
            return VK_SPACE;
    }
    return 0;
}

// The resident set of this process in kB, as the kernel counts it; -1 where
// it cannot be read.
long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

bool IsNumber(const std::string& text) {
    if (text.empty())
        return false;
    size_t start = (text[0] == '-') ? 1 : 0;
    if (start == text.size())
        return false;
    for (size_t i = start; i < text.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return false;
    return true;
}

} // namespace

bool ScriptRunner::Load(const std::string& path, std::string* why) {
    std::ifstream file(path);
    if (!file) {
        if (why)
            *why = "cannot read script " + path;
        return false;
    }
    std::string text;
    int lineNumber = 0;
    while (std::getline(file, text)) {
        ++lineNumber;
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        size_t start = text.find_first_not_of(" \t");
        if (start == std::string::npos || text[start] == '#')
            continue;
        Command command;
        command.line = lineNumber;
        std::istringstream words(text.substr(start));
        words >> command.verb;
        auto arity = kArity.find(command.verb);
        std::string problem;
        if (arity == kArity.end()) {
            problem = "unknown command \"" + command.verb + "\"";
        } else if (arity->second < 0) {
            std::string rest;
            std::getline(words, rest);
            if (!rest.empty() && rest[0] == ' ')
                rest.erase(0, 1);
            command.args.push_back(rest);
            if (command.verb == "type") {
                for (char c : rest)
                    if (!VirtualKey(std::string(1, c)))
                        problem = std::string("cannot type '") + c + "'";
            } else if (command.verb == "fault") {
                // Checked now so a typo fails before the game starts, then undone.
                std::string reason;
                if (!faults::Apply(rest, &reason))
                    problem = reason;
                faults::Reset();
            }
        } else {
            std::string word;
            while (words >> word)
                command.args.push_back(word);
            if (static_cast<int>(command.args.size()) != arity->second)
                problem = command.verb + " takes " + std::to_string(arity->second) + " argument(s)";
            else if (command.verb == "key" && !VirtualKey(command.args[0]))
                problem = "unknown key \"" + command.args[0] + "\"";
            else if (command.verb != "key" && command.verb != "shot")
                for (const std::string& arg : command.args)
                    if (!IsNumber(arg))
                        problem = "\"" + arg + "\" is not a number";
        }
        if (!problem.empty()) {
            if (why)
                *why = path + ":" + std::to_string(lineNumber) + ": " + problem;
            return false;
        }
        commands_.push_back(command);
    }
    return true;
}

void ScriptRunner::OnPageShown() {
    if (wait_ == Wait::Pages && pagesLeft_ > 0)
        --pagesLeft_;
    if (wait_ == Wait::MouseReads && pagesCap_ > 0)
        --pagesCap_;
    if (finished_ && ++pagesAfterFinish_ > 100000) {
        std::fprintf(stderr, "vocabuloon: the script has ended but the game does not close\n");
        std::exit(3);
    }
    Run(false);
}

void ScriptRunner::OnIdle() {
    // Nothing is shown while the game is in the background: waits for pages or
    // mouse reads end, and time passes at once.
    if (wait_ == Wait::Clock) {
        uint32_t passed = timeGetTime() - clockStart_;
        if (passed < clockSpan_)
            AdvanceClock(clockSpan_ - passed);
    }
    wait_ = Wait::None;
    Run(true);
    if (Host().queue.empty() && !finished_)
        Finish();
}

bool ScriptRunner::Blocked() {
    switch (wait_) {
    case Wait::None:
        return false;
    case Wait::Pages:
        if (pagesLeft_ > 0)
            return true;
        break;
    case Wait::Clock:
        if (timeGetTime() - clockStart_ < clockSpan_)
            return true;
        break;
    case Wait::MouseReads:
        if (Host().mouse.reads < readsTarget_ && pagesCap_ > 0)
            return true;
        break;
    }
    wait_ = Wait::None;
    return false;
}

void ScriptRunner::Run(bool inactive) {
    while (!finished_) {
        if (Blocked())
            return;
        if (inactive && !Host().queue.empty())
            return; // let the game handle what was posted
        if (!pendingType_.empty()) {
            PostKey(std::string(1, pendingType_[0]));
            pendingType_.erase(0, 1);
            if (!inactive) {
                wait_ = Wait::Pages;
                pagesLeft_ = 1;
            }
            continue;
        }
        if (next_ >= commands_.size()) {
            Finish();
            return;
        }
        Execute(commands_[next_++], inactive);
    }
}

void ScriptRunner::Execute(const Command& command, bool inactive) {
    HostState& host = Host();
    const std::string& verb = command.verb;
    auto number = [&](size_t i) { return std::atoi(command.args[i].c_str()); };
    if (verb == "move" || verb == "click") {
        MoveTo(number(0), number(1), inactive);
        if (verb == "click")
            host.mouse.clickAtRead = host.mouse.reads + 2;
    } else if (verb == "press") {
        host.mouse.buttonHeld = true;
    } else if (verb == "release") {
        host.mouse.buttonHeld = false;
    } else if (verb == "key") {
        PostKey(command.args[0]);
    } else if (verb == "type") {
        pendingType_ = command.args[0];
    } else if (verb == "frames") {
        if (!inactive) {
            wait_ = Wait::Pages;
            pagesLeft_ = number(0);
        }
    } else if (verb == "wait") {
        uint32_t span = static_cast<uint32_t>(std::max(0, number(0)));
        if (inactive) {
            AdvanceClock(span);
        } else {
            wait_ = Wait::Clock;
            clockStart_ = timeGetTime();
            clockSpan_ = span;
        }
    } else if (verb == "shot") {
        if (host.options.outDir.empty())
            return;
        std::string path = host.options.outDir + "/" + command.args[0] + ".png";
        std::vector<uint8_t> black;
        const std::vector<uint8_t>& page = LastShownPage();
        const std::vector<uint8_t>* rgb = &page;
        if (page.empty()) {
            black.assign(640 * 480 * 3, 0);
            rgb = &black;
        }
        int width = host.shownValid ? host.shownView.width : 640;
        int height = host.shownValid ? host.shownView.height : 480;
        if (!WritePng(path, rgb->data(), width, height))
            Fail(command, "cannot write " + path);
    } else if (verb == "activate" || verb == "deactivate") {
        ReportActivation(verb == "activate");
    } else if (verb == "quit") {
        PostToQueue(host.window, WM_CLOSE, 0, 0);
    } else if (verb == "fault") {
        std::string why;
        if (!faults::Apply(command.args[0], &why))
            Fail(command, why);
    } else if (verb == "screen") {
        PostToQueue(host.window, WM_APP_SCREEN, static_cast<WPARAM>(number(0)), 0);
    } else if (verb == "mem") {
        TraceLine("mem %ld %d", ResidentKilobytes(), ddraw::Surface::LiveCount());
    }
}

void ScriptRunner::MoveTo(int x, int y, bool inactive) {
    HostState& host = Host();
    host.mouse.dx += x - cursorX_;
    host.mouse.dy += y - cursorY_;
    cursorX_ = x;
    cursorY_ = y;
    if (!inactive) {
        // The first read carries the motion; the cursor shows it one read later.
        wait_ = Wait::MouseReads;
        readsTarget_ = host.mouse.reads + 2;
        pagesCap_ = 8;
    }
}

void ScriptRunner::PostKey(const std::string& name) {
    PostToQueue(Host().window, WM_KEYDOWN, static_cast<WPARAM>(VirtualKey(name)), 0);
}

void ScriptRunner::Finish() {
    if (finished_)
        return;
    finished_ = true;
    PostToQueue(Host().window, WM_CLOSE, 0, 0);
}

void ScriptRunner::Fail(const Command& command, const std::string& why) {
    std::fprintf(stderr, "vocabuloon: script line %d: %s\n", command.line, why.c_str());
    std::exit(2);
}

} // namespace platform
