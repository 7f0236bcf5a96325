// Bringing the host up, the trace, and the program's clocks.
#include "platform/host.h"

#include <cstdarg>
#include <cstdlib>
#include <ctime>
#include <sys/stat.h>

#include "platform/crt.h"
#include "platform/faults.h"
#include "platform/host_state.h"
#include "platform/mmsystem.h"
#include "platform/script_runner.h"
#include "platform/trace.h"

namespace platform {

HostState& Host() {
    // Never destroyed: the game's global destructors run after main returns.
    static HostState* state = new HostState;
    return *state;
}

namespace {

void WriteTraceLine(const char* text) {
    HostState& host = Host();
    if (!host.trace)
        return;
    std::fprintf(host.trace, "%u %s\n", timeGetTime(), text);
    std::fflush(host.trace);
}

void OnExit(int code, void*) {
    char line[32];
    std::snprintf(line, sizeof line, "exit %d", code);
    WriteTraceLine(line);
    HostState& host = Host();
    if (host.sdlWindow)
        SDL_SetWindowFullscreen(host.sdlWindow, 0);
}

bool OpenDisplay(HostState& host, std::string* why) {
    if (host.options.headless) {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    }
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) {
        if (why)
            *why = std::string("cannot start the display: ") + SDL_GetError();
        return false;
    }
    return true;
}

} // namespace

bool StartHost(const HostOptions& options, std::string* why) {
    HostState& host = Host();
    if (host.started)
        return true;
    host.options = options;
    for (const std::string& fault : options.faults) {
        std::string reason;
        if (!faults::Apply(fault, &reason)) {
            if (why)
                *why = "bad fault \"" + fault + "\": " + reason;
            return false;
        }
    }
    if (!OpenDisplay(host, why))
        return false;
    if (options.headless && !options.outDir.empty()) {
        mkdir(options.outDir.c_str(), 0755);
        std::string path = options.outDir + "/trace.txt";
        host.trace = std::fopen(path.c_str(), "w");
        if (!host.trace) {
            if (why)
                *why = "cannot write " + path;
            return false;
        }
    }
    if (options.headless && !options.scriptPath.empty()) {
        host.script = new ScriptRunner;
        if (!host.script->Load(options.scriptPath, why))
            return false;
    }
    on_exit(OnExit, nullptr);
    host.started = true;
    return true;
}

bool IsHeadless() { return Host().options.headless; }

void TraceLine(const char* format, ...) {
    if (!Host().trace)
        return;
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    WriteTraceLine(text);
}

const std::vector<uint8_t>& LastShownPage() {
    HostState& host = Host();
    if (host.shownValid && host.shownRgbStale) {
        ConvertToRgb24(host.shownView, host.shownRgb);
        host.shownRgbStale = false;
    }
    return host.shownRgb;
}

void AdvanceClock(uint32_t ms) { Host().virtualClock += ms; }

} // namespace platform

DWORD WINAPI timeGetTime() {
    platform::HostState& host = platform::Host();
    if (host.options.headless || !host.started)
        return host.virtualClock;
    return static_cast<DWORD>(SDL_GetTicks64() + 10000000u);
}

int64_t CrtTime() {
    platform::HostState& host = platform::Host();
    if (host.options.headless)
        return host.options.calendarTime;
    return static_cast<int64_t>(std::time(nullptr));
}

void TraceNote(const char* format, ...) {
    if (!platform::Host().trace)
        return;
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    platform::TraceLine("%s", text);
}
