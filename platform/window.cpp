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

bool OpenSdlWindow(HostState& host, const char* title) {
    Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
    int width = 640, height = 480;
    if (host.options.windowed)
        WindowedSize(&width, &height);
    else
        flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    host.sdlWindow = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                      width, height, flags);
    if (!host.sdlWindow)
        return false;
    SDL_SetWindowMinimumSize(host.sdlWindow, 320, 240);
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    host.renderer =
        SDL_CreateRenderer(host.sdlWindow, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    if (!host.renderer)
        host.renderer = SDL_CreateRenderer(host.sdlWindow, -1, SDL_RENDERER_SOFTWARE);
    if (!host.renderer)
        return false;
    SDL_RendererInfo info;
    host.vsync = SDL_GetRendererInfo(host.renderer, &info) == 0 &&
                 (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0;
    SDL_RenderSetLogicalSize(host.renderer, 640, 480);
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

BOOL WINAPI UpdateWindow(HWND window) { return window == Host().window; }

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

HCURSOR WINAPI LoadCursorA(HINSTANCE, LPCSTR) { return reinterpret_cast<HCURSOR>(0x2000); }
HINSTANCE WINAPI GetModuleHandleA(LPCSTR) { return reinterpret_cast<HINSTANCE>(0x400000); }

LRESULT WINAPI DefWindowProcA(HWND window, UINT message, WPARAM, LPARAM) {
    if (message == WM_CLOSE)
        DestroyWindow(window);
    return 0;
}
