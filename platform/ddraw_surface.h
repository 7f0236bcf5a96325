// Platform-internal: the DirectDraw objects behind the interfaces of ddraw.h.
//
// A surface's pixels are in the display mode's layout, rows padded to 4 bytes.
// A flip chain is one primary surface owning its back buffers: releasing the
// primary destroys the chain, whatever references the back buffers still have
// (GetAttachedSurface hands them out). Every surface that is not a back buffer
// holds a reference on its DirectDraw, so surfaces may be released after it.
//
// Lost surfaces: a surface restored (or created) before the latest
// faults::LoseSurfaces() is lost. Restore paints it with a magenta and black
// checkerboard, so a page or sprite the game forgets to redraw shows at once.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/ddraw.h"
#include "platform/ddraw_blitters.h"
#include "platform/page.h"

namespace platform::ddraw {

class DirectDrawObject;

class Clipper final : public IDirectDrawClipper {
  public:
    HRESULT QueryInterface(REFIID iid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT SetHWnd(DWORD flags, HWND window) override;
    HWND Window() const { return window_; }

  private:
    ~Clipper() override = default;
    ULONG references_ = 1;
    HWND window_ = nullptr;
};

class Surface final : public IDirectDrawSurface4 {
  public:
    enum class Role {
        OffScreen,   // system-memory picture or page
        Primary,     // the screen, shown after every copy onto it
        FlipPrimary, // the screen, front of a flip chain
        BackBuffer,  // a page of a flip chain, owned by its primary
    };

    // A new surface (with backBuffers back buffers for a flip primary), referenced once.
    static Surface* Create(DirectDrawObject* owner, Role role, int width, int height,
                           int bitsPerPixel, int backBuffers = 0);

    HRESULT QueryInterface(REFIID iid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT Blt(LPRECT destination, IDirectDrawSurface4* source, LPRECT sourceRect, DWORD flags,
                LPDDBLTFX effects) override;
    HRESULT BltFast(DWORD x, DWORD y, IDirectDrawSurface4* source, LPRECT sourceRect,
                    DWORD transfer) override;
    HRESULT Flip(IDirectDrawSurface4* targetOverride, DWORD flags) override;
    HRESULT GetAttachedSurface(LPDDSCAPS2 caps, IDirectDrawSurface4** attached) override;
    HRESULT SetClipper(IDirectDrawClipper* clipper) override;
    HRESULT SetColorKey(DWORD flags, LPDDCOLORKEY key) override;
    HRESULT GetSurfaceDesc(LPDDSURFACEDESC2 description) override;
    HRESULT IsLost() override;
    HRESULT Restore() override;
    HRESULT GetDC(HDC* dc) override;
    HRESULT ReleaseDC(HDC dc) override;

    int Width() const { return width_; }
    int Height() const { return height_; }
    int BitsPerPixel() const { return bitsPerPixel_; }
    int Pitch() const { return pitch_; }
    uint8_t* Pixels() { return pixels_.data(); }
    PixelPlane Plane() { return PixelPlane{pixels_.data(), pitch_, bitsPerPixel_ / 8}; }
    PageView View() const;
    bool Lost() const;
    bool HasColorKey() const { return hasColorKey_; }
    const DDCOLORKEY& ColorKey() const { return colorKey_; }
    void SetColorKeyValue(const DDCOLORKEY& key);

    // Surfaces in existence, back buffers included (for tests).
    static int LiveCount();

  private:
    Surface(DirectDrawObject* owner, Role role, int width, int height, int bitsPerPixel);
    ~Surface() override;
    bool Busy() const;
    void PaintRestoredPattern();
    // The copy behind Blt and BltFast, after the checks common to both.
    HRESULT CopyFrom(Surface& source, const RECT& destRect, const RECT& sourceRect, bool keyed,
                     DWORD effects);
    void ShowIfScreen();

    ULONG references_ = 1;
    DirectDrawObject* owner_; // referenced, except by back buffers
    Role role_;
    int width_, height_, bitsPerPixel_, pitch_;
    std::vector<uint8_t> pixels_;
    uint32_t restoredAt_;
    bool hasColorKey_ = false;
    DDCOLORKEY colorKey_{};
    HDC dc_ = nullptr;
    IDirectDrawClipper* clipper_ = nullptr;
    std::vector<Surface*> backBuffers_; // flip primary: the chain after it, owned
};

// The surface behind an interface pointer, or null when it is not one of ours.
Surface* AsSurface(IDirectDrawSurface4* surface);

} // namespace platform::ddraw
