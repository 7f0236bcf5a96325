// A private X server (Xvfb, no window manager) for tests that open the game's
// real window, and what such a test looks at: the top-level windows and the
// pixels on the screen.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct _XDisplay;

namespace testing_support {

struct WindowBox {
    unsigned long id = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

class XServer {
  public:
    // Starts Xvfb with one screen of width x height; Started() tells whether it
    // did, and Why() why not.
    XServer(int width, int height);
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    bool Started() const { return display_ != nullptr; }
    const std::string& Why() const { return why_; }
    const std::string& Name() const { return name_; } // ":N"

    // The largest mapped top-level window, once one is there (up to timeoutMs).
    bool WaitForWindow(WindowBox& box, int timeoutMs);
    // The window's place and size on the screen now.
    WindowBox Geometry(unsigned long window);
    // Asks for a new size, as a window manager or a user would.
    void Resize(unsigned long window, int width, int height);
    // Moves the keyboard focus to the window, or away from every window.
    void Focus(unsigned long window);
    void Unfocus();
    // The screen's pixel at (x, y) as 0xRRGGBB.
    uint32_t Pixel(int x, int y);

  private:
    pid_t pid_ = 0;
    _XDisplay* display_ = nullptr;
    std::string name_;
    std::string why_;
};

// A real game process on that server, ended (and waited for) on destruction.
class WindowedGame {
  public:
    WindowedGame(const XServer& server, const std::string& registryFile,
                 const std::vector<std::string>& args);
    ~WindowedGame();
    WindowedGame(const WindowedGame&) = delete;
    WindowedGame& operator=(const WindowedGame&) = delete;
    bool Running() const { return pid_ > 0; }

  private:
    pid_t pid_ = 0;
};

// Waits until check() holds, trying every 50 ms for up to timeoutMs.
bool Eventually(const std::function<bool()>& check, int timeoutMs);

} // namespace testing_support
