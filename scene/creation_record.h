// One object of a screen's creation list: its kind and its ScreenObject
// construction arguments, in construction order (width and height are always
// 0, so they are left out).
#pragma once

#include "platform/win32.h"
#include "scene/object_kinds.h"

struct CreationRecord {
    ObjectKind kind;
    // A whole file name for one frame, the stem of numbered files for more.
    const char* picture;
    const char* sound;       // "NONE" when the object has none
    const char* secondSound; // "NONE" when the object has none
    LONG id;
    bool shown;
    LONG frames;
    LONG layer;
    LONG frameDelay;
    LONG moveDelay;
    LONG x;
    LONG y;
    LONG velocityX;
    LONG velocityY;
    LONG group;
    bool clickable;
};
