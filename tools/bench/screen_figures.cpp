// Screens: how long each takes to load (its pictures in the page cache), what
// the render pass of the busiest one costs, and whether memory stays flat when
// every screen is loaded over and over.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "bench.h"
#include "display/display_interface.h"
#include "platform/testing.h"
#include "scene/object_list.h"
#include "scene/screen_object.h"
#include "shell/frame_update.h"
#include "shell/globals.h"
#include "shell/resource_handler.h"

namespace bench {

namespace {

const LONG kScreens[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                         14, 15, 16, 17, 18, 19, 20, 21, 22, 24, 25, 26};

long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

void LoadScreen(LONG screen) {
    resourceHandler.SetScreen(screen);
    resourceHandler.LoadScreen();
}

} // namespace

void ScreenFigures() {
    if (!BringUpDisplay()) {
        std::printf("no window for the display\n");
        return;
    }
    char label[80];
    LONG busiest = 0;
    int mostObjects = 0;
    LONG slowest = 0;
    double slowestLoad = 0;
    for (LONG screen : kScreens) {
        double load = MedianMicroseconds(20, [&] { LoadScreen(screen); });
        double cpu = MedianCpuMicroseconds(20, [&] { LoadScreen(screen); });
        int objects = 0;
        for (objectList.First(); objectList.HasCurrent(); objectList.Next())
            ++objects;
        if (objects > mostObjects)
            mostObjects = objects, busiest = screen;
        if (cpu > slowestLoad)
            slowestLoad = cpu, slowest = screen;
        std::snprintf(label, sizeof label, "load screen %d (%d objects), median of 20",
                      static_cast<int>(screen), objects);
        PrintFigure(label, load);
        PrintFigure("  the same in processor time", cpu);
    }
    // What the slowest load costs per byte of its pictures' files.
    uint64_t bytesBefore = platform::testhooks::BitmapBytesRead();
    LoadScreen(slowest);
    double kilobytes = (platform::testhooks::BitmapBytesRead() - bytesBefore) / 1024.0;
    std::snprintf(label, sizeof label,
                  "slowest load, screen %d: processor us per kB read (%.0f kB)",
                  static_cast<int>(slowest), kilobytes);
    PrintRatio(label, slowestLoad / kilobytes);

    LoadScreen(busiest);
    for (objectList.First(); objectList.HasCurrent(); objectList.Next())
        objectList.Current()->object->SetVisible(true); // everything it can show, drawn
    double render = MedianMicroseconds(200, [] { frameUpdate.RenderFrame(); });
    double copy = PageCopyMicroseconds();
    std::snprintf(label, sizeof label, "render pass of screen %d, all %d objects shown",
                  static_cast<int>(busiest), mostObjects);
    PrintFigure(label, render);
    PrintFigure("plain copy of one 640x480 16-bit page", copy);
    PrintRatio("render pass / page copy", render / copy);

    LoadScreen(22);
    long before = ResidentKilobytes();
    int surfacesBefore = platform::testhooks::LiveSurfaceCount();
    for (int round = 0; round < 20; ++round)
        for (LONG screen : kScreens)
            LoadScreen(screen);
    LoadScreen(22);
    std::printf("resident size before / after loading every screen 20 times: %ld / %ld kB\n",
                before, ResidentKilobytes());
    std::printf("live surfaces before / after: %d / %d\n", surfacesBefore,
                platform::testhooks::LiveSurfaceCount());
}

} // namespace bench
