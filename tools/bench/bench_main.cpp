// vocabuloon-bench [SET...]: runs every figure set, or the ones named, on the
// headless host (no script, no output directory), and prints their figures.
#include <cstdio>
#include <cstring>
#include <string>

#include "bench.h"
#include "platform/host.h"

namespace {

struct FigureSet {
    const char* name;
    void (*run)();
};

const FigureSet kSets[] = {
    {"blits", bench::BlitFigures},
    {"sound", bench::SoundFigures},
    {"screens", bench::ScreenFigures},
    {"race", bench::RaceFigures},
};

} // namespace

int main(int argc, char** argv) {
    platform::HostOptions options;
    options.headless = true;
    std::string why;
    if (!platform::StartHost(options, &why)) {
        std::fprintf(stderr, "vocabuloon-bench: %s\n", why.c_str());
        return 1;
    }
    for (const FigureSet& set : kSets) {
        bool wanted = argc < 2;
        for (int i = 1; i < argc; ++i)
            wanted |= std::strcmp(argv[i], set.name) == 0;
        if (!wanted)
            continue;
        std::printf("== %s\n", set.name);
        set.run();
    }
    return 0;
}
