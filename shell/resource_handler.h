// The screen state holder: the current ScreenId, and the building of each
// screen's objects from its creation list.
#pragma once

#include "platform/win32.h"

class ResourceHandler {
  public:
    void SetScreen(LONG screenId);
    LONG GetScreen() const { return screen; }
    void LoadScreen();

  private:
    LONG screen = 0;
    const char* className = "ResourceHandler";
};
