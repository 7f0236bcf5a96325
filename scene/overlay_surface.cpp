#include "scene/overlay_surface.h"

#include "display/display_interface.h"
#include "shell/error_handler.h"
#include "shell/globals.h"

namespace {

// Gives the overlay's surface back, then the display's, then reports.
[[noreturn]] void Fail(IDirectDrawSurface4*& surface, HRESULT result, const char* caption) {
    ReleaseOverlaySurface(surface);
    display.ReleaseAll();
    errorHandler.SetError(nullptr, result, caption);
    errorHandler.ReportDirectDraw();
}

} // namespace

IDirectDrawSurface4* CreateOverlaySurface(IDirectDraw4* directDraw, DWORD width, DWORD height,
                                          DWORD extraCaps, DWORD colourKey, const char* caption) {
    IDirectDrawSurface4* surface = nullptr;
    if (!directDraw)
        Fail(surface, DDERR_NOTINITIALIZED, caption);
    DDSURFACEDESC2 description{};
    description.dwSize = sizeof description;
    description.dwFlags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH | DDSD_CKSRCBLT;
    description.dwWidth = width;
    description.dwHeight = height;
    description.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN | extraCaps;
    description.ddckCKSrcBlt.dwColorSpaceLowValue = colourKey;
    description.ddckCKSrcBlt.dwColorSpaceHighValue = colourKey;
    HRESULT result = directDraw->CreateSurface(&description, &surface, nullptr);
    if (FAILED(result))
        Fail(surface, result, caption);
    return surface;
}

HDC BeginOverlayDrawing(IDirectDrawSurface4*& surface, DWORD colourKey, const char* caption) {
    if (FAILED(surface->IsLost())) {
        HRESULT result = surface->Restore();
        if (FAILED(result))
            Fail(surface, result, caption);
    }
    DDBLTFX fill{};
    fill.dwSize = sizeof fill;
    fill.dwFillColor = colourKey;
    HRESULT result = surface->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fill);
    if (FAILED(result))
        Fail(surface, result, caption);
    HDC dc = nullptr;
    result = surface->GetDC(&dc);
    if (FAILED(result)) {
        if (dc)
            surface->ReleaseDC(dc);
        Fail(surface, result, caption);
    }
    SetBkMode(dc, TRANSPARENT);
    return dc;
}

void EndOverlayDrawing(IDirectDrawSurface4* surface, HDC dc) {
    surface->ReleaseDC(dc);
}

void DropOverlayFont(HDC dc, HFONT font) {
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    DeleteObject(font);
}

void ReleaseOverlaySurface(IDirectDrawSurface4*& surface) {
    if (surface) {
        surface->Release();
        surface = nullptr;
    }
}
