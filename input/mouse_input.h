// The mouse, read once per frame through DirectInput in exclusive foreground
// mode: motion since the last read and whether the left button is down.
#pragma once

#include "platform/dinput.h"

class MouseInput {
  public:
    MouseInput() = default;
    ~MouseInput();
    MouseInput(const MouseInput&) = delete;
    MouseInput& operator=(const MouseInput&) = delete;

    void SetInstance(HINSTANCE handle) { instance = handle; }
    void SetWindow(HWND handle) { window = handle; }
    void Init();
    void Acquire();
    // Writes the motion; sets clicked (never clears it) while the button is down.
    void Read(LONG& dx, LONG& dy, bool& clicked);

  private:
    [[noreturn]] void Fail(const char* text);

    IDirectInput* directInput = nullptr;
    IDirectInputDevice* device = nullptr;
    HINSTANCE instance = nullptr;
    HWND window = nullptr;
    // The device was taken away while the game was in the background; it is
    // asked for again at every read until the game is back in front.
    bool awaitingFocus = false;
};
