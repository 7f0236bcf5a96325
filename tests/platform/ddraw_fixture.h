// A DirectDraw set up as the game does it (exclusive full screen, 640x480 at
// a chosen depth) for tests, with the faults cleared before and after, and the
// headless host started once for the calls that show pages.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "platform/ddraw.h"

namespace vbtest {

void StartHeadlessHostOnce();

// The window handle the tests pass; DirectDraw only checks that there is one.
HWND TestWindow();

class DirectDrawTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // DirectDrawCreate, exclusive level, IDirectDraw4, display mode.
    void Open(int bitsPerPixel);
    // An off-screen system-memory surface, with the source colour key when keyed.
    IDirectDrawSurface4* OffScreen(int width, int height, bool keyed = false, DWORD keyLow = 0,
                                   DWORD keyHigh = 0);
    // Every pixel of the surface (or the rectangle) set to a raw value by a colour fill.
    void Fill(IDirectDrawSurface4* surface, DWORD raw, RECT* area = nullptr);
    // Kept for release at the end of the test.
    IDirectDrawSurface4* Keep(IDirectDrawSurface4* surface);

    IDirectDraw4* dd4_ = nullptr;
    std::vector<IDirectDrawSurface4*> kept_;
};

DDSURFACEDESC2 Description(DWORD flags, DWORD caps);
DDBLTFX Effects();

} // namespace vbtest
