// Which SDL renderer shows the page. The page is one 640x480 picture, so the
// renderer's own cost (its threads, buffers and libraries) outweighs its
// drawing speed: on machines without a graphics processor the software
// renderer keeps the game at a fraction of the memory and processor time of
// OpenGL on a software rasteriser (tools/measure-idle-cpu.sh prints the
// figures). Where SDL's own SDL_RENDER_DRIVER is set, or --renderer names
// one, that one is used.
#include <SDL.h>

#include <cstdio>
#include <string>

#include "platform/host_state.h"

namespace platform {

namespace {

constexpr const char kDefaultRenderer[] = "software";

SDL_Renderer* CreateNamed(SDL_Window* window, const std::string& name) {
    for (int i = 0; i < SDL_GetNumRenderDrivers(); ++i) {
        SDL_RendererInfo info;
        if (SDL_GetRenderDriverInfo(i, &info) == 0 && name == info.name) {
            // The software renderer draws into the window's own buffer (shared
            // memory on X11). Unless told, SDL would first open an OpenGL
            // context just to ask whether that buffer should be a GL texture
            // instead, and the rasteriser it loads stays in memory all along.
            if (name == "software")
                SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_DEFAULT);
            Uint32 flags = name == "software"
                               ? SDL_RENDERER_SOFTWARE
                               : SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC;
            return SDL_CreateRenderer(window, i, flags);
        }
    }
    return nullptr;
}

} // namespace

std::string ChosenRendererName(const HostOptions& options) {
    if (!options.renderer.empty())
        return options.renderer;
    if (const char* named = SDL_getenv("SDL_RENDER_DRIVER"); named && *named)
        return named;
    return kDefaultRenderer;
}

SDL_Renderer* CreatePageRenderer(SDL_Window* window, const HostOptions& options) {
    std::string wanted = ChosenRendererName(options);
    if (SDL_Renderer* renderer = CreateNamed(window, wanted))
        return renderer;
    std::fprintf(stderr, "vocabuloon: renderer \"%s\" is not available here (%s); using another\n",
                 wanted.c_str(), SDL_GetError());
    if (SDL_Renderer* renderer = CreateNamed(window, kDefaultRenderer))
        return renderer;
    return SDL_CreateRenderer(window, -1, 0);
}

} // namespace platform
