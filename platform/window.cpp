// The one window: its class, creation, showing and destruction.
#include <SDL.h>

#include <cstring>

#include "platform/host_state.h"

using platform::Host;
using platform::HostState;

namespace {

HWND__* const kWindowHandle = reinterpret_cast<HWND__*>(0x1000);

// The window opens as large as the desktop allows in steps of the page size.
void WindowedSize(int* width, int* height) {
    SDL_Rect usable;
    int scale = 2;
    if (SDL_GetDisplayUsableBounds(0, &usable) == 0) {
        while (scale > 1 && (640 * scale > usable.w || 480 * scale + 40 > usable.h))
            --scale;
    }
    *width = 640 * scale;
    *height = 480 * scale;
}

// Full screen is a borderless window made at the desktop's own place and size
// and marked full screen: a window manager keeps it above its panels, and
// without one (a kiosk session) it already covers the screen, since nothing
// would enlarge a smaller window there.
SDL_Window* CreateFullScreen(const char* title, Uint32 flags) {
    SDL_Rect desktop{0, 0, 640, 480};
    SDL_GetDisplayBounds(0, &desktop);
    flags |= SDL_WINDOW_BORDERLESS | SDL_WINDOW_FULLSCREEN_DESKTOP;
    SDL_Window* window = SDL_CreateWindow(title, desktop.x, desktop.y, desktop.w, desktop.h, flags);
    if (window) {
        // Also its place and size out of full screen: without a window manager
        // to take the full-screen request, SDL keeps the window at those.
        SDL_SetWindowPosition(window, desktop.x, desktop.y);
        SDL_SetWindowSize(window, desktop.w, desktop.h);
    }
    return window;
}

bool OpenSdlWindow(HostState& host, const char* title) {
    // Leaving the window (another program in front) pauses the game; the
    // window stays as it is, so on return the page is there whole at once.
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
    if (host.options.windowed) {
        int width = 640, height = 480;
        WindowedSize(&width, &height);
        host.sdlWindow = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                          width, height, flags);
    } else {
        host.sdlWindow = CreateFullScreen(title, flags);
    }
    if (!host.sdlWindow)
        return false;
    SDL_SetWindowMinimumSize(host.sdlWindow, 320, 240);
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    host.renderer = platform::CreatePageRenderer(host.sdlWindow, host.options);
    if (!host.renderer)
        return false;
    SDL_RendererInfo info;
    host.vsync = SDL_GetRendererInfo(host.renderer, &info) == 0 &&
                 (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0;
    SDL_SetRenderDrawColor(host.renderer, 0, 0, 0, 255);
    SDL_RenderClear(host.renderer);
    return true;
}

} // namespace

ATOM WINAPI RegisterClassExA(const WNDCLASSEXA* windowClass) {
    if (!windowClass || windowClass->cbSize != sizeof(WNDCLASSEXA) || !windowClass->lpszClassName)
        return 0;
    HostState& host = Host();
    host.className = windowClass->lpszClassName;
    host.classProc = windowClass->lpfnWndProc;
    return 1;
}

HWND WINAPI CreateWindowExA(DWORD, LPCSTR className, LPCSTR windowName, DWORD, int, int, int, int,
                            HWND, HMENU, HINSTANCE, LPVOID) {
    HostState& host = Host();
    if (host.window || !className || host.className != className || !host.classProc)
        return nullptr;
    if (!host.options.headless && !OpenSdlWindow(host, windowName ? windowName : ""))
        return nullptr;
    host.window = kWindowHandle;
    host.windowProc = host.classProc;
    host.windowAlive = true;
    return host.window;
}

BOOL WINAPI DestroyWindow(HWND window) {
    HostState& host = Host();
    if (!window || window != host.window || !host.windowAlive)
        return FALSE;
    host.windowAlive = false;
    host.windowProc(window, WM_DESTROY, 0, 0);
    if (host.sdlWindow) {
        SDL_SetWindowFullscreen(host.sdlWindow, 0);
        SDL_HideWindow(host.sdlWindow);
    }
    return TRUE;
}

BOOL WINAPI ShowWindow(HWND window, int) {
    HostState& host = Host();
    if (!window || window != host.window)
        return FALSE;
    if (host.sdlWindow) {
        SDL_ShowWindow(host.sdlWindow);
        SDL_RaiseWindow(host.sdlWindow);
    }
    return FALSE;
}

BOOL WINAPI UpdateWindow(HWND window) {
    return window == Host().window;
}

HWND WINAPI SetFocus(HWND window) {
    // The window is in front from here on, whatever the desktop reports later.
    if (window && window == Host().window)
        platform::ReportActivation(true, true);
    return nullptr;
}

HWND WINAPI GetForegroundWindow() {
    HostState& host = Host();
    return host.windowAlive && host.inFront ? host.window : nullptr;
}

int WINAPI GetSystemMetrics(int index) {
    if (index == SM_CXSCREEN)
        return 640;
    if (index == SM_CYSCREEN)
        return 480;
    return 0;
}

HCURSOR WINAPI LoadCursorA(HINSTANCE, LPCSTR) {
    return reinterpret_cast<HCURSOR>(0x2000);
}
HINSTANCE WINAPI GetModuleHandleA(LPCSTR) {
    return reinterpret_cast<HINSTANCE>(0x400000);
}

LRESULT WINAPI DefWindowProcA(HWND window, UINT message, WPARAM, LPARAM) {
    if (message == WM_CLOSE)
        DestroyWindow(window);
    return 0;
}
