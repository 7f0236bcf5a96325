// The pixel loops behind Blt and BltFast, for 2, 3 and 4 bytes per pixel:
// straight copies (memcpy per row), colour-keyed copies, mirrored and
// stretched copies (nearest pixel), and colour fills. Callers clip first.
#pragma once

#include <cstdint>

#include "platform/win32.h"

namespace platform::ddraw {

struct PixelPlane {
    uint8_t* pixels = nullptr;
    int pitch = 0;
    int bytesPerPixel = 0;
};

struct CopyJob {
    RECT dest{};   // where the whole source lands, before clipping
    RECT source{}; // the part of the source copied
    RECT clip{};   // the part of dest to write, inside dest and inside the surface
    bool keyed = false;
    uint32_t keyLow = 0, keyHigh = 0; // raw pixel values left out when keyed
    bool mirrorLeftRight = false;
    bool mirrorUpDown = false;
};

// Source and destination must not overlap.
void CopyPixels(const PixelPlane& source, const PixelPlane& dest, const CopyJob& job);
void FillPixels(const PixelPlane& dest, const RECT& area, uint32_t raw);

} // namespace platform::ddraw
