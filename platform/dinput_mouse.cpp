// The system mouse. Held exclusively while the window is in front: in a window
// the desktop pointer is hidden and the motion is relative, one unit per page
// pixel of the window's scaled picture. In headless runs the script moves it.
#include <SDL.h>

#include <cmath>
#include <cstring>

#include "platform/dinput.h"
#include "platform/faults.h"
#include "platform/host_state.h"

const GUID GUID_SysMouse = {0x6F1D2B60, 0xD5A0, 0x11CF, {0xBF, 0xC7, 0x44, 0x45, 0x53, 0x54, 0, 0}};
const DIDATAFORMAT c_dfDIMouse = {24, 16, 2, sizeof(DIMOUSESTATE), 7};

namespace {

using platform::Host;
using platform::HostState;

bool SameGuid(const GUID& a, const GUID& b) { return std::memcmp(&a, &b, sizeof(GUID)) == 0; }

// Page pixels per window pixel, from the window's size and the page's 640x480.
double PageScale(HostState& host) {
    int width = 0, height = 0;
    if (!host.sdlWindow)
        return 1.0;
    SDL_GetWindowSize(host.sdlWindow, &width, &height);
    double scale = std::min(width / 640.0, height / 480.0);
    return scale > 0 ? 1.0 / scale : 1.0;
}

// A press and release between two reads (a quick tap) still counts as down
// for the read that follows it; the read takes the button events with it.
bool PressedSinceLastRead() {
    SDL_Event events[16];
    bool pressed = false;
    int count;
    while ((count = SDL_PeepEvents(events, 16, SDL_GETEVENT, SDL_MOUSEBUTTONDOWN,
                                   SDL_MOUSEBUTTONUP)) > 0)
        for (int i = 0; i < count; ++i)
            if (events[i].type == SDL_MOUSEBUTTONDOWN && events[i].button.button == SDL_BUTTON_LEFT)
                pressed = true;
    return pressed;
}

class Mouse : public IDirectInputDevice {
  public:
    HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG AddRef() override { return ++references_; }
    ULONG Release() override {
        ULONG left = --references_;
        if (left == 0) {
            Unacquire();
            delete this;
        }
        return left;
    }

    HRESULT SetDataFormat(const DIDATAFORMAT* format) override {
        if (HRESULT fault = platform::faults::Injected("SetDataFormat"))
            return fault;
        if (format != &c_dfDIMouse)
            return DIERR_INVALIDPARAM;
        formatSet_ = true;
        return DI_OK;
    }

    HRESULT SetCooperativeLevel(HWND window, DWORD flags) override {
        if (HRESULT fault = platform::faults::Injected("IDirectInputDevice::SetCooperativeLevel"))
            return fault;
        if (!window || window != Host().window)
            return E_INVALIDARG;
        foreground_ = (flags & DISCL_FOREGROUND) != 0;
        return DI_OK;
    }

    HRESULT Acquire() override {
        if (HRESULT fault = platform::faults::Injected("Acquire"))
            return fault;
        if (!formatSet_)
            return DIERR_INVALIDPARAM;
        HostState& host = Host();
        // A foreground device is only had while the window is in front.
        if (foreground_ && !host.inFront)
            return DIERR_OTHERAPPHASPRIO;
        if (!acquired_) {
            acquired_ = true;
            lost_ = false;
            if (host.sdlWindow) {
                SDL_SetRelativeMouseMode(SDL_TRUE);
                SDL_GetRelativeMouseState(nullptr, nullptr); // start from no motion
            }
        }
        return DI_OK;
    }

    HRESULT Unacquire() override {
        if (acquired_ && Host().sdlWindow)
            SDL_SetRelativeMouseMode(SDL_FALSE);
        acquired_ = false;
        return DI_OK;
    }

    HRESULT GetDeviceState(DWORD size, LPVOID data) override {
        if (size != sizeof(DIMOUSESTATE) || !data)
            return DIERR_INVALIDPARAM;
        HostState& host = Host();
        if (acquired_ && foreground_ && !host.inFront) {
            // Another program came to the front: the device was taken away.
            Unacquire();
            lost_ = true;
        }
        if (HRESULT fault = platform::faults::Injected("GetDeviceState"))
            return fault;
        if (lost_) {
            lost_ = false;
            return DIERR_INPUTLOST;
        }
        if (!acquired_)
            return DIERR_NOTACQUIRED;
        DIMOUSESTATE state{};
        ReadMotion(host, state);
        std::memcpy(data, &state, sizeof state);
        return DI_OK;
    }

  private:
    void ReadMotion(HostState& host, DIMOUSESTATE& state) {
        platform::MouseFeed& feed = host.mouse;
        ++feed.reads;
        bool down = feed.buttonHeld;
        if (feed.clickAtRead && feed.reads >= feed.clickAtRead) {
            down = true;
            feed.clickAtRead = 0;
        }
        if (host.sdlWindow) {
            SDL_PumpEvents();
            int dx = 0, dy = 0;
            Uint32 buttons = SDL_GetRelativeMouseState(&dx, &dy);
            double scale = PageScale(host);
            restX_ += dx * scale;
            restY_ += dy * scale;
            feed.dx += static_cast<int>(std::trunc(restX_));
            feed.dy += static_cast<int>(std::trunc(restY_));
            restX_ -= std::trunc(restX_);
            restY_ -= std::trunc(restY_);
            down = down || (buttons & SDL_BUTTON_LMASK) != 0 || PressedSinceLastRead() ||
                   feed.tapped;
            feed.tapped = false;
            state.rgbButtons[1] = (buttons & SDL_BUTTON_RMASK) ? 0x80 : 0;
        }
        state.lX = feed.dx;
        state.lY = feed.dy;
        feed.dx = feed.dy = 0;
        state.rgbButtons[0] = down ? 0x80 : 0;
    }

    ULONG references_ = 1;
    bool formatSet_ = false;
    bool foreground_ = false;
    bool acquired_ = false;
    bool lost_ = false;
    double restX_ = 0;
    double restY_ = 0;
};

class DirectInput : public IDirectInput {
  public:
    HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG AddRef() override { return ++references_; }
    ULONG Release() override {
        ULONG left = --references_;
        if (left == 0)
            delete this;
        return left;
    }
    HRESULT CreateDevice(REFGUID device, IDirectInputDevice** created, IUnknown*) override {
        if (!created)
            return DIERR_INVALIDPARAM;
        *created = nullptr;
        if (HRESULT fault = platform::faults::Injected("CreateDevice"))
            return fault;
        if (!SameGuid(device, GUID_SysMouse))
            return DIERR_DEVICENOTREG;
        *created = new Mouse;
        return DI_OK;
    }

  private:
    ULONG references_ = 1;
};

} // namespace

HRESULT WINAPI DirectInputCreateA(HINSTANCE, DWORD version, IDirectInput** directInput,
                                  IUnknown*) {
    if (!directInput)
        return DIERR_INVALIDPARAM;
    *directInput = nullptr;
    if (HRESULT fault = platform::faults::Injected("DirectInputCreateA"))
        return fault;
    if (version < 0x0300)
        return DIERR_OLDDIRECTINPUTVERSION;
    *directInput = new DirectInput;
    return DI_OK;
}
