// The kinds of screen object. A kind differs from a plain ScreenObject in at
// most a label, drawing without the colour key, and one behaviour that
// overrides the hit test, update or restart; all else comes from the creation
// record, so the kinds are data served by a few classes.
#pragma once

#include <cstdint>

#include "platform/win32.h"

class ScreenObject;
struct CreationRecord;

enum class Behaviour : std::uint8_t {
    Plain,
    LeftTunnel,   // the left map's road: two fixed areas, not its rectangle
    RightTunnel,  // the right map's road: two fixed areas
    Carousel,     // fixed right and bottom edges; animates even while hidden
    Fish,         // swims across the screen and turns at the edges
    HouseCutaway, // rooms 1 to 4 of the house
    SignInBox,    // name rows 1 to 9
    Plane,        // one run of its frames after each Restart, then it stops
    StopSign,     // each hit flips it to its other frame
};

struct ObjectKind {
    Behaviour behaviour = Behaviour::Plain;
    // Windows-1252 word written over the class name; null keeps "ScreenObject".
    const char* label = nullptr;
    // Drawn without the colour key.
    bool opaque = false;
};

// Creates the record's kind with the record's arguments (width and height 0:
// the bitmaps decide the size). Never null: running out of memory is fatal.
ScreenObject* CreateObject(const CreationRecord& record);
