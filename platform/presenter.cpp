// Showing a finished page: scaled whole into the window and centred, paced
// to the vertical blank or a 60 Hz tick; in headless runs, kept for screenshots
// while the virtual clock moves on.
#include <SDL.h>

#include <chrono>
#include <cstring>
#include <thread>

#include "platform/host_state.h"
#include "platform/script_runner.h"

namespace platform {

namespace {

constexpr uint32_t kHeadlessPageMs = 16;
constexpr uint64_t kTickNs = 16666667;

uint64_t NowNs() {
    return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                     std::chrono::steady_clock::now().time_since_epoch())
                                     .count());
}

Uint32 TextureFormat(int bitsPerPixel) {
    switch (bitsPerPixel) {
    case 16:
        return SDL_PIXELFORMAT_RGB565;
    case 24:
        return SDL_PIXELFORMAT_BGR24;
    default:
        return SDL_PIXELFORMAT_RGB888;
    }
}

// Keeps a copy of the page; answers whether it differs from the one kept before.
bool KeepPage(HostState& host, const PageView& page) {
    size_t rowBytes = static_cast<size_t>(page.width) * (page.bitsPerPixel / 8);
    size_t size = rowBytes * page.height;
    bool changed = !host.shownValid || host.shownView.width != page.width ||
                   host.shownView.height != page.height ||
                   host.shownView.bitsPerPixel != page.bitsPerPixel || host.shownRaw.size() != size;
    if (changed)
        host.shownRaw.assign(size, 0);
    for (int y = 0; y < page.height; ++y) {
        const uint8_t* source = page.pixels + static_cast<size_t>(y) * page.pitch;
        uint8_t* kept = host.shownRaw.data() + y * rowBytes;
        if (changed || std::memcmp(kept, source, rowBytes) != 0) {
            std::memcpy(kept, source, rowBytes);
            changed = true;
        }
    }
    host.shownView = page;
    host.shownView.pixels = host.shownRaw.data();
    host.shownView.pitch = static_cast<int>(rowBytes);
    host.shownValid = true;
    if (changed)
        host.shownRgbStale = true;
    return changed;
}

void Upload(HostState& host) {
    const PageView& page = host.shownView;
    if (!host.texture || host.textureBpp != page.bitsPerPixel) {
        if (host.texture)
            SDL_DestroyTexture(host.texture);
        host.texture = SDL_CreateTexture(host.renderer, TextureFormat(page.bitsPerPixel),
                                         SDL_TEXTUREACCESS_STREAMING, page.width, page.height);
        host.textureBpp = page.bitsPerPixel;
    }
    if (host.texture)
        SDL_UpdateTexture(host.texture, nullptr, page.pixels, page.pitch);
}

void Pace(HostState& host) {
    uint64_t now = NowNs();
    if (host.nextTickNs > now)
        std::this_thread::sleep_for(std::chrono::nanoseconds(host.nextTickNs - now));
    now = NowNs();
    host.nextTickNs += kTickNs;
    if (host.nextTickNs < now)
        host.nextTickNs = now + (host.vsync ? kTickNs - kTickNs / 8 : kTickNs);
}

} // namespace

SDL_Rect PagePlace(int windowWidth, int windowHeight) {
    // The largest whole-page size that fits, centred; the rest stays black.
    int width = windowWidth;
    int height = windowWidth * 480 / 640;
    if (height > windowHeight) {
        height = windowHeight;
        width = windowHeight * 640 / 480;
    }
    return SDL_Rect{(windowWidth - width) / 2, (windowHeight - height) / 2, width, height};
}

void RepaintWindow() {
    HostState& host = Host();
    if (!host.renderer)
        return;
    // Measured on every paint: the desktop may have resized the window since.
    int width = 0, height = 0;
    if (SDL_GetRendererOutputSize(host.renderer, &width, &height) != 0)
        SDL_GetWindowSize(host.sdlWindow, &width, &height);
    SDL_RenderSetViewport(host.renderer, nullptr);
    SDL_RenderClear(host.renderer);
    if (host.texture) {
        SDL_Rect place = PagePlace(width, height);
        SDL_RenderCopy(host.renderer, host.texture, nullptr, &place);
    }
    SDL_RenderPresent(host.renderer);
}

void ShowPage(const PageView& page) {
    HostState& host = Host();
    ++host.pagesShown;
    bool changed = KeepPage(host, page);
    if (host.options.headless) {
        host.virtualClock += kHeadlessPageMs;
        if (host.script)
            host.script->OnPageShown();
        return;
    }
    if (!host.renderer)
        return;
    if (changed) {
        Upload(host);
        RepaintWindow();
    }
    Pace(host);
    SDL_PumpEvents(); // keeps the desktop answered during the game's busy waits
}

} // namespace platform
