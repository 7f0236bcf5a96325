#include "input/mouse_input.h"

#include <cstdlib>

MouseInput::~MouseInput() {
    if (device) {
        device->Unacquire();
        device->Release();
        device = nullptr;
    }
    if (directInput) {
        directInput->Release();
        directInput = nullptr;
    }
}

void MouseInput::Fail(const char* text) {
    MessageBoxA(window, text, "Error", MB_OK);
    std::exit(1);
}

void MouseInput::Init() {
    if (FAILED(DirectInputCreateA(instance, DIRECTINPUT_VERSION, &directInput, nullptr)))
        Fail("Unable to initialize DirectInput object.");
    if (FAILED(directInput->CreateDevice(GUID_SysMouse, &device, nullptr)))
        Fail("Failed to get System mouse.");
    if (FAILED(device->SetDataFormat(&c_dfDIMouse)))
        Fail("Failed to set data format.");
    if (FAILED(device->SetCooperativeLevel(window, DISCL_EXCLUSIVE | DISCL_FOREGROUND)))
        Fail("Unable to set cooperative level.");
}

void MouseInput::Acquire() {
    if (FAILED(device->Acquire()))
        Fail("Unable to aquire mouse.");
}

void MouseInput::Read(LONG& dx, LONG& dy, bool& clicked) {
    dx = 0;
    dy = 0;
    DIMOUSESTATE state{};
    HRESULT result = device->GetDeviceState(sizeof state, &state);
    if (result == DIERR_INPUTLOST || (awaitingFocus && result == DIERR_NOTACQUIRED)) {
        // Switching away must never end the game: while another program is in
        // front the mouse cannot be had, so this read reports nothing and the
        // next one asks again. Only a refusal while the game is in front is fatal.
        if (FAILED(device->Acquire())) {
            if (GetForegroundWindow() == window)
                Fail("Unable to reaquire the mouse.");
            awaitingFocus = true;
            return;
        }
        awaitingFocus = false;
        return;
    }
    if (FAILED(result))
        return;
    dx = state.lX;
    dy = state.lY;
    if (state.rgbButtons[0] & 0x80)
        clicked = true;
}
