// Surfaces: creation and destruction, description, colour key, clipper,
// lost and restored state, and device contexts for GDI.
#include "platform/ddraw_surface.h"

#include <cstring>

#include "platform/ddraw_object.h"
#include "platform/faults.h"
#include "platform/gdi_objects.h"
#include "platform/pixel_format.h"

namespace platform::ddraw {

namespace {

int liveSurfaces = 0;

void DescribeFormat(int bitsPerPixel, DDPIXELFORMAT& format) {
    format = DDPIXELFORMAT{};
    format.dwSize = sizeof(DDPIXELFORMAT);
    format.dwFlags = DDPF_RGB;
    format.dwRGBBitCount = static_cast<DWORD>(bitsPerPixel);
    if (bitsPerPixel == 16) {
        format.dwRBitMask = 0xF800;
        format.dwGBitMask = 0x07E0;
        format.dwBBitMask = 0x001F;
    } else {
        format.dwRBitMask = 0xFF0000;
        format.dwGBitMask = 0x00FF00;
        format.dwBBitMask = 0x0000FF;
    }
}

} // namespace

Surface* AsSurface(IDirectDrawSurface4* surface) {
    return dynamic_cast<Surface*>(surface);
}

Surface::Surface(DirectDrawObject* owner, Role role, int width, int height, int bitsPerPixel)
    : owner_(owner), role_(role), width_(width), height_(height), bitsPerPixel_(bitsPerPixel),
      pitch_((width * (bitsPerPixel / 8) + 3) & ~3), pixels_(size_t(pitch_) * height, 0),
      restoredAt_(faults::LossGeneration()) {
    ++liveSurfaces;
    if (role_ != Role::BackBuffer)
        owner_->AddRef();
}

Surface::~Surface() {
    if (dc_)
        gdi::CloseSurfaceDC(dc_);
    if (clipper_)
        clipper_->Release();
    for (Surface* back : backBuffers_)
        delete back;
    --liveSurfaces;
    if (role_ != Role::BackBuffer)
        owner_->Release();
}

Surface* Surface::Create(DirectDrawObject* owner, Role role, int width, int height,
                         int bitsPerPixel, int backBuffers) {
    Surface* surface = new Surface(owner, role, width, height, bitsPerPixel);
    for (int i = 0; i < backBuffers; ++i)
        surface->backBuffers_.push_back(
            new Surface(owner, Role::BackBuffer, width, height, bitsPerPixel));
    return surface;
}

int Surface::LiveCount() {
    return liveSurfaces;
}

HRESULT Surface::QueryInterface(REFIID iid, void** object) {
    (void)iid; // nothing asks a surface for another interface
    if (object)
        *object = nullptr;
    return E_NOINTERFACE;
}

ULONG Surface::AddRef() {
    return ++references_;
}

ULONG Surface::Release() {
    if (references_ == 0)
        return 0;
    ULONG left = --references_;
    // Back buffers go with their primary, however often they were handed out.
    if (left == 0 && role_ != Role::BackBuffer)
        delete this;
    return left;
}

PageView Surface::View() const {
    return PageView{pixels_.data(), width_, height_, pitch_, bitsPerPixel_};
}

bool Surface::Lost() const {
    return restoredAt_ < faults::LossGeneration();
}

bool Surface::Busy() const {
    return dc_ != nullptr;
}

void Surface::SetColorKeyValue(const DDCOLORKEY& key) {
    hasColorKey_ = true;
    colorKey_ = key;
}

HRESULT Surface::SetColorKey(DWORD flags, LPDDCOLORKEY key) {
    if (HRESULT injected = faults::Injected("SetColorKey"))
        return injected;
    if (flags != DDCKEY_SRCBLT)
        return DDERR_UNSUPPORTED;
    if (key)
        SetColorKeyValue(*key);
    else
        hasColorKey_ = false;
    return DD_OK;
}

HRESULT Surface::SetClipper(IDirectDrawClipper* clipper) {
    if (HRESULT injected = faults::Injected("SetClipper"))
        return injected;
    if (clipper)
        clipper->AddRef();
    if (clipper_)
        clipper_->Release();
    clipper_ = clipper;
    return DD_OK;
}

HRESULT Surface::GetSurfaceDesc(LPDDSURFACEDESC2 description) {
    if (HRESULT injected = faults::Injected("GetSurfaceDesc"))
        return injected;
    if (!description || description->dwSize != sizeof(DDSURFACEDESC2))
        return DDERR_INVALIDPARAMS;
    *description = DDSURFACEDESC2{};
    description->dwSize = sizeof(DDSURFACEDESC2);
    description->dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT | DDSD_PITCH | DDSD_PIXELFORMAT;
    description->dwWidth = static_cast<DWORD>(width_);
    description->dwHeight = static_cast<DWORD>(height_);
    description->lPitch = pitch_;
    DescribeFormat(bitsPerPixel_, description->ddpfPixelFormat);
    DWORD caps = 0;
    switch (role_) {
    case Role::OffScreen:
        caps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY;
        break;
    case Role::Primary:
        caps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_VIDEOMEMORY;
        break;
    case Role::FlipPrimary:
        caps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FRONTBUFFER | DDSCAPS_FLIP | DDSCAPS_COMPLEX |
               DDSCAPS_VIDEOMEMORY;
        description->dwFlags |= DDSD_BACKBUFFERCOUNT;
        description->dwBackBufferCount = static_cast<DWORD>(backBuffers_.size());
        break;
    case Role::BackBuffer:
        caps = DDSCAPS_BACKBUFFER | DDSCAPS_FLIP | DDSCAPS_COMPLEX | DDSCAPS_VIDEOMEMORY;
        break;
    }
    description->ddsCaps.dwCaps = caps;
    if (hasColorKey_) {
        description->dwFlags |= DDSD_CKSRCBLT;
        description->ddckCKSrcBlt = colorKey_;
    }
    return DD_OK;
}

HRESULT Surface::IsLost() {
    if (HRESULT injected = faults::Injected("IsLost"))
        return injected;
    return Lost() ? DDERR_SURFACELOST : DD_OK;
}

void Surface::PaintRestoredPattern() {
    const uint32_t magenta = PackRgb(bitsPerPixel_, 0xFF00FF);
    const int bytes = bitsPerPixel_ / 8;
    for (int y = 0; y < height_; ++y) {
        uint8_t* row = pixels_.data() + size_t(y) * pitch_;
        for (int x = 0; x < width_; ++x)
            StoreRaw(row + x * bytes, bytes, ((x ^ y) & 8) ? magenta : 0);
    }
}

HRESULT Surface::Restore() {
    if (HRESULT injected = faults::Injected("Restore"))
        return injected;
    // Restoring the front of a flip chain restores the whole chain.
    for (Surface* back : backBuffers_)
        if (back->Lost()) {
            back->PaintRestoredPattern();
            back->restoredAt_ = faults::LossGeneration();
        }
    if (!Lost())
        return DD_OK;
    PaintRestoredPattern();
    restoredAt_ = faults::LossGeneration();
    return DD_OK;
}

HRESULT Surface::GetDC(HDC* dc) {
    if (HRESULT injected = faults::Injected("GetDC"))
        return injected;
    if (!dc)
        return DDERR_INVALIDPARAMS;
    *dc = nullptr;
    if (Lost())
        return DDERR_SURFACELOST;
    if (dc_)
        return DDERR_DCALREADYCREATED;
    dc_ = gdi::OpenSurfaceDC(
        gdi::PixelTarget{pixels_.data(), width_, height_, pitch_, bitsPerPixel_});
    *dc = dc_;
    return DD_OK;
}

HRESULT Surface::ReleaseDC(HDC dc) {
    if (HRESULT injected = faults::Injected("ReleaseDC"))
        return injected;
    if (!dc_)
        return DDERR_NODC;
    if (dc != dc_)
        return DDERR_INVALIDPARAMS;
    gdi::CloseSurfaceDC(dc_);
    dc_ = nullptr;
    return DD_OK;
}

} // namespace platform::ddraw
