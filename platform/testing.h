// For tests only: looks inside the stand-in's surfaces and object tables, so
// that tests can check pixels and leaks without a real screen.
#pragma once

#include <cstdint>
#include <string>

#include "platform/ddraw.h"
#include "platform/page.h"

namespace platform::testhooks {

// The raw pixel value at (x, y) in the surface's layout; 0 outside it.
uint32_t SurfacePixel(IDirectDrawSurface4* surface, int x, int y);
// The same pixel as 0x00RRGGBB.
uint32_t SurfaceColour(IDirectDrawSurface4* surface, int x, int y);
// Sets one raw pixel (to prepare a source without going through a file).
void SetSurfacePixel(IDirectDrawSurface4* surface, int x, int y, uint32_t raw);
int SurfaceWidth(IDirectDrawSurface4* surface);
int SurfaceHeight(IDirectDrawSurface4* surface);
int SurfaceBitsPerPixel(IDirectDrawSurface4* surface);
// The surface's pixels as a page (valid until the surface changes or goes).
PageView SurfaceView(IDirectDrawSurface4* surface);

// Objects in existence: surfaces (back buffers included), DirectDraw objects,
// GDI objects (bitmaps, not counting stock ones) and device contexts.
int LiveSurfaceCount();
int LiveDirectDrawCount();
int LiveGdiObjectCount();
int LiveDeviceContextCount();
// Bytes of bitmap files the program has read.
uint64_t BitmapBytesRead();

// The directory whose entries the last file replacement flushed to disk, as
// this file system names it ("" before any); kept by paths.cpp.
std::string LastSyncedDirectory();

} // namespace platform::testhooks
