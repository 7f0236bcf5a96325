#include "input/mouse_cursor.h"

#include <cstdio>

#include "display/display_interface.h"
#include "shell/globals.h"

MouseCursor::~MouseCursor() { ReleaseImages(); }

void MouseCursor::ReleaseImages() {
    if (pointerImage) {
        pointerImage->Release();
        pointerImage = nullptr;
    }
    if (clockImage) {
        clockImage->Release();
        clockImage = nullptr;
    }
}

void MouseCursor::LoadImages() {
    // Loaded again on every activation: the pictures loaded before are let go.
    ReleaseImages();
    char path[256];
    std::snprintf(path, sizeof path, "%s%s", imagePath, "cursor-mouse.bmp");
    pointerImage = display.LoadBitmapSurface(path, width, height);
    std::snprintf(path, sizeof path, "%s%s", imagePath, "cursor-clock.bmp");
    clockImage = display.LoadBitmapSurface(path, width, height);
}

void MouseCursor::Move(LONG dx, LONG dy) {
    if (x < 0)
        x = 0;
    if (x > 640)
        x = 620;
    if (y < 0)
        y = 0;
    if (y > 480)
        y = 460;
    x += pendingDx;
    y += pendingDy;
    pendingDx = dx;
    pendingDy = dy;
}

void MouseCursor::Draw() {
    if (mode == 1) {
        if (pointerImage)
            display.Blit(x, y, x + width, y + height, pointerImage, true, false);
    } else if (clockImage) {
        LONG left = x + pendingDx, top = y + pendingDy;
        display.Blit(left, top, left + width, top + height, clockImage, true, false);
    }
}
