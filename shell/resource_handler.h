// The screen state holder: the current ScreenId, and the building of each
// screen's objects from its creation list.
#pragma once

#include "platform/win32.h"
#include "scene/creation_lists.h"

class ResourceHandler {
  public:
    void SetScreen(LONG screenId);
    LONG GetScreen() const { return screen; }
    void LoadScreen();
    // Adds the hidden animations that carry the child from the house into the
    // room, without emptying the list.
    void AddRoomTransition(Room room);
    // Adds grocery item itemId (4000 to 4023; others add nothing) shown at
    // (x, y) on the layer.
    void AddCartItem(LONG x, LONG y, LONG itemId, LONG layer);

  private:
    LONG screen = 0;
    const char* className = "ResourceHandler";
};
