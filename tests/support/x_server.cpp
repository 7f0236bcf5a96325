#include "support/x_server.h"

#include "support/game_run.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

extern char** environ;

namespace testing_support {

namespace {

constexpr int kDisplayFd = 3;

// The environment without the entries named, then with the ones given.
std::vector<std::string> EnvironmentWith(const std::vector<std::string>& set) {
    std::vector<std::string> env;
    for (char** entry = environ; *entry; ++entry) {
        std::string text = *entry;
        bool replaced = false;
        for (const std::string& own : set)
            replaced = replaced || text.rfind(own.substr(0, own.find('=') + 1), 0) == 0;
        if (!replaced)
            env.push_back(text);
    }
    env.insert(env.end(), set.begin(), set.end());
    return env;
}

void Stop(pid_t pid) {
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

int ShiftOf(unsigned long mask) {
    int shift = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

} // namespace

bool Eventually(const std::function<bool()>& check, int timeoutMs) {
    auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (check())
            return true;
        if (std::chrono::steady_clock::now() > until)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

XServer::XServer(int width, int height) {
    int ready[2];
    if (pipe(ready) != 0) {
        why_ = "no pipe for Xvfb";
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // The read end first: it may itself be the number the write end takes.
    posix_spawn_file_actions_addclose(&actions, ready[0]);
    posix_spawn_file_actions_adddup2(&actions, ready[1], kDisplayFd);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    pid_ = Spawn({"Xvfb", "-displayfd", std::to_string(kDisplayFd), "-screen", "0", screen,
                  "-nolisten", "tcp", "-noreset"},
                 EnvironmentWith({}), &actions);
    posix_spawn_file_actions_destroy(&actions);
    close(ready[1]);
    if (pid_ <= 0) {
        close(ready[0]);
        why_ = "Xvfb is not installed (scripts/deps.sh --tests installs it)";
        return;
    }
    // Xvfb writes its display number once it takes connections.
    std::string number;
    pollfd wait{ready[0], POLLIN, 0};
    char c = 0;
    while (poll(&wait, 1, 20000) > 0 && read(ready[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(ready[0]);
    if (number.empty()) {
        why_ = "Xvfb did not start";
        return;
    }
    name_ = ":" + number;
    display_ = XOpenDisplay(name_.c_str());
    if (!display_)
        why_ = "cannot connect to the X server " + name_;
}

XServer::~XServer() {
    if (display_)
        XCloseDisplay(display_);
    Stop(pid_);
}

bool XServer::WaitForWindow(WindowBox& box, int timeoutMs) {
    return Eventually(
        [&] {
            Window root = DefaultRootWindow(display_), parent = 0, *children = nullptr;
            unsigned int count = 0;
            if (!XQueryTree(display_, root, &root, &parent, &children, &count))
                return false;
            box = WindowBox{};
            for (unsigned int i = 0; i < count; ++i) {
                XWindowAttributes attributes;
                if (XGetWindowAttributes(display_, children[i], &attributes) &&
                    attributes.map_state == IsViewable &&
                    attributes.width * attributes.height > box.width * box.height)
                    box = Geometry(children[i]);
            }
            if (children)
                XFree(children);
            return box.id != 0;
        },
        timeoutMs);
}

WindowBox XServer::Geometry(unsigned long window) {
    WindowBox box;
    XWindowAttributes attributes;
    Window child = 0;
    if (!XGetWindowAttributes(display_, window, &attributes) ||
        !XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 0, 0, &box.x, &box.y,
                               &child))
        return box;
    box.id = window;
    box.width = attributes.width;
    box.height = attributes.height;
    return box;
}

void XServer::Resize(unsigned long window, int width, int height) {
    XResizeWindow(display_, window, static_cast<unsigned>(width), static_cast<unsigned>(height));
    XSync(display_, False);
}

void XServer::Focus(unsigned long window) {
    XSetInputFocus(display_, window, RevertToPointerRoot, CurrentTime);
    XSync(display_, False);
}

void XServer::Unfocus() {
    XSetInputFocus(display_, DefaultRootWindow(display_), RevertToPointerRoot, CurrentTime);
    XSync(display_, False);
}

uint32_t XServer::Pixel(int x, int y) {
    XImage* image =
        XGetImage(display_, DefaultRootWindow(display_), x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return 0xFFFFFFFFu;
    unsigned long value = XGetPixel(image, 0, 0);
    auto channel = [&](unsigned long mask) {
        return static_cast<uint32_t>(((value & mask) >> ShiftOf(mask)) & 0xFF);
    };
    uint32_t rgb = channel(image->red_mask) << 16 | channel(image->green_mask) << 8 |
                   channel(image->blue_mask);
    XDestroyImage(image);
    return rgb;
}

WindowedGame::WindowedGame(const XServer& server, const std::string& registryFile,
                           const std::vector<std::string>& args) {
    std::vector<std::string> argv = {VOCABULOON_BIN};
    argv.insert(argv.end(), args.begin(), args.end());
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    pid_ = Spawn(
        argv,
        EnvironmentWith({"DISPLAY=" + server.Name(), "SDL_VIDEODRIVER=x11", "SDL_AUDIODRIVER=dummy",
                         "VOCABULOON_REGISTRY=" + registryFile, "ASAN_OPTIONS=detect_leaks=0"}),
        &actions);
    posix_spawn_file_actions_destroy(&actions);
}

WindowedGame::~WindowedGame() {
    Stop(pid_);
}

} // namespace testing_support
