// The mouse, read once per frame: motion since the last read and whether the
// left button is down.
#pragma once

#include "platform/win32.h"

class MouseInput {
  public:
    void SetInstance(HINSTANCE handle) { instance = handle; }
    void SetWindow(HWND handle) { window = handle; }
    void Init() {}
    void Acquire() {}
    // Writes the motion; sets clicked (never clears it) while the button is down.
    void Read(LONG& dx, LONG& dy, bool& clicked);

  private:
    HINSTANCE instance = nullptr;
    HWND window = nullptr;
};
