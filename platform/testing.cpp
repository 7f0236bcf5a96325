#include "platform/testing.h"

#include "platform/ddraw_object.h"
#include "platform/ddraw_surface.h"
#include "platform/gdi_objects.h"
#include "platform/pixel_format.h"

namespace platform::testhooks {

namespace {

uint8_t* PixelAddress(IDirectDrawSurface4* surface, int x, int y) {
    ddraw::Surface* s = ddraw::AsSurface(surface);
    if (!s || x < 0 || y < 0 || x >= s->Width() || y >= s->Height())
        return nullptr;
    return s->Pixels() + size_t(y) * s->Pitch() + size_t(x) * (s->BitsPerPixel() / 8);
}

} // namespace

uint32_t SurfacePixel(IDirectDrawSurface4* surface, int x, int y) {
    const uint8_t* at = PixelAddress(surface, x, y);
    return at ? LoadRaw(at, SurfaceBitsPerPixel(surface) / 8) : 0;
}

uint32_t SurfaceColour(IDirectDrawSurface4* surface, int x, int y) {
    return UnpackRgb(SurfaceBitsPerPixel(surface), SurfacePixel(surface, x, y));
}

void SetSurfacePixel(IDirectDrawSurface4* surface, int x, int y, uint32_t raw) {
    if (uint8_t* at = PixelAddress(surface, x, y))
        StoreRaw(at, SurfaceBitsPerPixel(surface) / 8, raw);
}

int SurfaceWidth(IDirectDrawSurface4* surface) {
    ddraw::Surface* s = ddraw::AsSurface(surface);
    return s ? s->Width() : 0;
}

int SurfaceHeight(IDirectDrawSurface4* surface) {
    ddraw::Surface* s = ddraw::AsSurface(surface);
    return s ? s->Height() : 0;
}

int SurfaceBitsPerPixel(IDirectDrawSurface4* surface) {
    ddraw::Surface* s = ddraw::AsSurface(surface);
    return s ? s->BitsPerPixel() : 0;
}

PageView SurfaceView(IDirectDrawSurface4* surface) {
    ddraw::Surface* s = ddraw::AsSurface(surface);
    return s ? s->View() : PageView{};
}

int LiveSurfaceCount() {
    return ddraw::Surface::LiveCount();
}
int LiveDirectDrawCount() {
    return ddraw::DirectDrawObject::LiveCount();
}
int LiveGdiObjectCount() {
    return gdi::LiveObjectCount();
}
int LiveDeviceContextCount() {
    return gdi::LiveDCCount();
}
uint64_t BitmapBytesRead() {
    return gdi::BitmapBytesRead();
}

} // namespace platform::testhooks
