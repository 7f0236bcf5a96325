// Platform-internal: the DirectDraw object, one object behind both the
// IDirectDraw that DirectDrawCreate gives and the IDirectDraw4 that
// QueryInterface gives, with one reference count.
#pragma once

#include "platform/ddraw.h"

namespace platform::ddraw {

class DirectDrawObject final : public IDirectDraw, public IDirectDraw4 {
  public:
    DirectDrawObject();

    HRESULT QueryInterface(REFIID iid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT SetCooperativeLevel(HWND window, DWORD flags) override;
    HRESULT SetDisplayMode(DWORD width, DWORD height, DWORD bitsPerPixel, DWORD refreshRate,
                           DWORD flags) override;
    HRESULT CreateSurface(LPDDSURFACEDESC2 description, IDirectDrawSurface4** surface,
                          IUnknown* outer) override;
    HRESULT CreateClipper(DWORD flags, IDirectDrawClipper** clipper, IUnknown* outer) override;

    // DirectDraw objects in existence (for tests).
    static int LiveCount();

  private:
    ~DirectDrawObject() override;
    HRESULT CreatePrimary(const DDSURFACEDESC2& description, IDirectDrawSurface4** surface);
    HRESULT CreateOffScreen(const DDSURFACEDESC2& description, IDirectDrawSurface4** surface);

    ULONG references_ = 1;
    DWORD cooperativeLevel_ = 0;
    // Until a mode is set, the display is the desktop's: 640 by 480 at 32 bits.
    int displayWidth_ = 640;
    int displayHeight_ = 480;
    int bitsPerPixel_ = 32;
};

} // namespace platform::ddraw
