// Platform-internal state of the host: the window, the message queue, the
// clock and the headless harness. One instance, never destroyed, so that the
// game's global destructors may still call into the platform at exit.
#pragma once

#include <SDL.h>

#include <cstdio>
#include <deque>
#include <string>
#include <vector>

#include "platform/host.h"
#include "platform/page.h"
#include "platform/win32.h"

namespace platform {

class ScriptRunner;

// What the scripted or real mouse has done since the game last read it.
struct MouseFeed {
    int dx = 0;
    int dy = 0;
    bool buttonHeld = false; // "press" until "release"
    uint64_t clickAtRead = 0; // the read (counted from 1) that reports a "click"; 0: none
    uint64_t reads = 0;       // reads made so far
    bool tapped = false;      // the real button went down since the last read
};

struct HostState {
    HostOptions options;
    bool started = false;

    // The one window.
    HWND window = nullptr;
    WNDPROC windowProc = nullptr;
    std::string className;
    WNDPROC classProc = nullptr;
    bool windowAlive = false;
    bool activeReported = false; // what the game was last told by WM_ACTIVATEAPP
    bool inFront = false;        // whether the window has the desktop's focus right now

    // Real display.
    SDL_Window* sdlWindow = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    int textureBpp = 0;
    bool vsync = false;
    uint64_t nextTickNs = 0;

    // The page last shown, raw, to skip unchanged pages and for screenshots.
    std::vector<uint8_t> shownRaw;
    PageView shownView;
    bool shownValid = false;
    std::vector<uint8_t> shownRgb;
    bool shownRgbStale = true;
    uint64_t pagesShown = 0;

    std::deque<MSG> queue;

    // Clock: virtual in headless runs.
    uint32_t virtualClock = 10000000u;

    MouseFeed mouse;

    FILE* trace = nullptr;
    ScriptRunner* script = nullptr;
};

HostState& Host();

// Moves what SDL has seen (real window only) into the message queue.
void PumpEvents(bool waitForOne);
// Shows the last page again (the desktop uncovered or resized the window).
void RepaintWindow();
void PostToQueue(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Tells the game whether it is in front, once per change.
void ReportActivation(bool active, bool sendNow = false);
// The renderer the page is shown with: the one asked for, else the lightest.
std::string ChosenRendererName(const HostOptions& options);
SDL_Renderer* CreatePageRenderer(SDL_Window* window, const HostOptions& options);
// Where the page stands in a window of that size: scaled whole, centred.
SDL_Rect PagePlace(int windowWidth, int windowHeight);
// Converts Windows-1252 text to UTF-8 for the desktop and stderr.
std::string Cp1252ToUtf8(const char* text);

} // namespace platform
