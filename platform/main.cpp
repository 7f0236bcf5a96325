// The program's entry on this system: reads the command line, brings up the
// host (a window, or the headless harness) and runs the game's WinMain.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/host.h"
#include "platform/user_install.h"
#include "platform/win32.h"

namespace {

const char kUsage[] =
    "usage: vocabuloon [--full] [--windowed] [--renderer NAME] [--fault TEXT]...\n"
    "       vocabuloon --headless --script FILE --out DIR [--full] [--time SECONDS] [--fault "
    "TEXT]...\n"
    "\n"
    "  --full          the full edition: the circus, the school and the sun open\n"
    "                  their activities from the maps\n"
    "  --windowed      play in a resizable window instead of full screen\n"
    "  --renderer NAME the SDL renderer that shows the page (software, opengl, opengles2;\n"
    "                  also SDL_RENDER_DRIVER); software unless one is named\n"
    "  --headless      run without a display or sound device, driven by a script\n"
    "  --script FILE   the headless script, one command a line\n"
    "  --out DIR       where the headless run writes trace.txt and its screenshots\n"
    "  --time SECONDS  the calendar time the headless run sees (seconds since 1970)\n"
    "  --fault TEXT    inject a fault (tests): refuse-depth BPP, refuse-backbuffers N|any,\n"
    "                  fail CALL CODE [COUNT], lose-surfaces, unreadable NAME\n";

[[noreturn]] void Usage(const char* problem) {
    if (problem)
        std::fprintf(stderr, "vocabuloon: %s\n", problem);
    std::fputs(kUsage, problem ? stderr : stdout);
    std::exit(problem ? 2 : 0);
}

} // namespace

int main(int argc, char** argv) {
    platform::HostOptions options;
    bool full = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                Usage((arg + " needs a value").c_str());
            return argv[++i];
        };
        if (arg == "--full")
            full = true;
        else if (arg == "--headless")
            options.headless = true;
        else if (arg == "--windowed")
            options.windowed = true;
        else if (arg == "--renderer")
            options.renderer = value();
        else if (arg == "--script")
            options.scriptPath = value();
        else if (arg == "--out")
            options.outDir = value();
        else if (arg == "--time")
            options.calendarTime = std::strtoll(value().c_str(), nullptr, 10);
        else if (arg == "--fault")
            options.faults.push_back(value());
        else if (arg == "--help" || arg == "-h")
            Usage(nullptr);
        else
            Usage(("unknown option " + arg).c_str());
    }
    std::string why;
    // Without it the game says the registry key is missing, as it always did.
    if (!platform::PrepareUserInstall(&why))
        std::fprintf(stderr, "vocabuloon: %s\n", why.c_str());
    if (!platform::StartHost(options, &why)) {
        std::fprintf(stderr, "vocabuloon: %s\n", why.c_str());
        return 2;
    }
    // The game reads its edition from the command line, as WinMain receives it.
    char fullCommandLine[] = "--full";
    char plainCommandLine[] = "";
    return WinMain(GetModuleHandleA(nullptr), nullptr, full ? fullCommandLine : plainCommandLine,
                   SW_SHOWNORMAL);
}
