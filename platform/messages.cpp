// The message queue: window messages posted by the game, by the desktop (SDL
// events) and by the headless script.
#include <SDL.h>

#include "platform/dsound_mixer.h"
#include "platform/host_state.h"
#include "platform/mmsystem.h"
#include "platform/script_runner.h"

namespace platform {

namespace {

WPARAM VirtualKeyOf(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z)
        return 'A' + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9)
        return '0' + (key - SDLK_0);
    switch (key) {
    case SDLK_SPACE:
        return VK_SPACE;
    case SDLK_BACKSPACE:
        return VK_BACK;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return VK_RETURN;
    case SDLK_ESCAPE:
        return VK_ESCAPE;
    case SDLK_TAB:
        return VK_TAB;
    case SDLK_LEFT:
        return VK_LEFT;
    case SDLK_RIGHT:
        return VK_RIGHT;
    case SDLK_UP:
        return VK_UP;
    case SDLK_DOWN:
        return VK_DOWN;
    case SDLK_DELETE:
        return VK_DELETE;
    default:
        return 0;
    }
}

void Translate(const SDL_Event& event) {
    HostState& host = Host();
    switch (event.type) {
    case SDL_QUIT:
        PostToQueue(host.window, WM_CLOSE, 0, 0);
        break;
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_CLOSE)
            PostToQueue(host.window, WM_CLOSE, 0, 0);
        else if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED)
            ReportActivation(true);
        else if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST ||
                 event.window.event == SDL_WINDOWEVENT_MINIMIZED)
            ReportActivation(false);
        else if (event.window.event == SDL_WINDOWEVENT_EXPOSED ||
                 event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
            RepaintWindow();
        break;
    case SDL_MOUSEBUTTONDOWN:
        // The mouse is read from its device, but a tap shorter than a frame
        // must not be lost when the queue is emptied before the read.
        if (event.button.button == SDL_BUTTON_LEFT)
            host.mouse.tapped = true;
        break;
    case SDL_KEYDOWN:
        if (WPARAM key = VirtualKeyOf(event.key.keysym.sym))
            PostToQueue(host.window, WM_KEYDOWN, key, 0);
        break;
    default:
        break;
    }
}

} // namespace

void PostToQueue(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MSG entry{};
    entry.hwnd = window;
    entry.message = message;
    entry.wParam = wParam;
    entry.lParam = lParam;
    entry.time = timeGetTime();
    Host().queue.push_back(entry);
}

void ReportActivation(bool active, bool sendNow) {
    HostState& host = Host();
    host.inFront = active;
    dsound::MuteOutput(!active);
    if (host.activeReported == active || !host.windowAlive)
        return;
    host.activeReported = active;
    if (sendNow)
        host.windowProc(host.window, WM_ACTIVATEAPP, active ? 1 : 0, 0);
    else
        PostToQueue(host.window, WM_ACTIVATEAPP, active ? 1 : 0, 0);
}

void PumpEvents(bool waitForOne) {
    HostState& host = Host();
    if (host.options.headless) {
        if (waitForOne && host.queue.empty()) {
            if (host.script)
                host.script->OnIdle();
            else
                SDL_Delay(1); // no script: nothing will ever arrive; don't spin
        }
        return;
    }
    SDL_Event event;
    if (waitForOne && host.queue.empty()) {
        if (SDL_WaitEvent(&event))
            Translate(event);
    }
    while (SDL_PollEvent(&event))
        Translate(event);
}

} // namespace platform

using platform::Host;

BOOL WINAPI PeekMessageA(LPMSG message, HWND, UINT, UINT, UINT removeMessage) {
    platform::PumpEvents(false);
    auto& queue = Host().queue;
    if (queue.empty())
        return FALSE;
    *message = queue.front();
    if (removeMessage & PM_REMOVE)
        queue.pop_front();
    return TRUE;
}

BOOL WINAPI GetMessageA(LPMSG message, HWND, UINT, UINT) {
    auto& queue = Host().queue;
    while (queue.empty())
        platform::PumpEvents(true);
    *message = queue.front();
    queue.pop_front();
    return message->message == WM_QUIT ? FALSE : TRUE;
}

BOOL WINAPI TranslateMessage(const MSG*) { return FALSE; }

LRESULT WINAPI DispatchMessageA(const MSG* message) {
    platform::HostState& host = Host();
    if (!message || !message->hwnd || message->hwnd != host.window || !host.windowAlive)
        return 0;
    return host.windowProc(message->hwnd, message->message, message->wParam, message->lParam);
}

BOOL WINAPI WaitMessage() {
    platform::PumpEvents(true);
    return TRUE;
}

BOOL WINAPI PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window && window != Host().window)
        return FALSE;
    platform::PostToQueue(window, message, wParam, lParam);
    return TRUE;
}

void WINAPI PostQuitMessage(int exitCode) {
    platform::PostToQueue(nullptr, WM_QUIT, static_cast<WPARAM>(exitCode), 0);
}
