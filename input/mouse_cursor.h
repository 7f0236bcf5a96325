// The cursor the game draws itself: the pointer, or the busy clock while a
// screen loads. Its top-left corner is the point that clicks.
#pragma once

#include "platform/ddraw.h"

class MouseCursor {
  public:
    MouseCursor() = default;
    ~MouseCursor();
    MouseCursor(const MouseCursor&) = delete;
    MouseCursor& operator=(const MouseCursor&) = delete;

    void LoadImages();
    void Move(LONG dx, LONG dy);
    void SetMode(LONG value) { mode = value; }
    void Draw();
    LONG GetX() const { return x; }
    LONG GetY() const { return y; }

  private:
    void ReleaseImages();

    IDirectDrawSurface4* pointerImage = nullptr;
    IDirectDrawSurface4* clockImage = nullptr;
    LONG height = 0;
    LONG width = 0;
    LONG x = 320;
    LONG y = 240;
    LONG pendingDx = 0;
    LONG pendingDy = 0;
    LONG mode = 0;
};
