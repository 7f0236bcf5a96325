// DirectDrawCreate and the DirectDraw object: cooperative level, display
// mode, and the creation of surfaces and clippers.
#include "platform/ddraw_object.h"

#include <cstring>

#include "platform/ddraw_surface.h"
#include "platform/faults.h"

const IID IID_IDirectDraw = {
    0x6C14DB80, 0xA733, 0x11CE, {0xA5, 0x21, 0x00, 0x20, 0xAF, 0x0B, 0xE5, 0x60}};
const IID IID_IDirectDraw4 = {
    0x9C59509A, 0x39BD, 0x11D1, {0x8C, 0x4A, 0x00, 0xC0, 0x4F, 0xD9, 0x30, 0xC5}};

namespace platform::ddraw {

namespace {

int liveDirectDraws = 0;

bool SameIid(REFIID a, REFIID b) {
    return std::memcmp(&a, &b, sizeof(IID)) == 0;
}

bool Exclusive(DWORD level) {
    return (level & DDSCL_EXCLUSIVE) != 0;
}

// Flip chains longer than triple buffering are not offered.
constexpr DWORD kMaxBackBuffers = 3;
// Off-screen surfaces: the reader's limits on pictures, which is ample for pages.
constexpr DWORD kMaxSide = 16384;
constexpr uint64_t kMaxPixels = uint64_t(32) << 20;

} // namespace

DirectDrawObject::DirectDrawObject() {
    ++liveDirectDraws;
}

DirectDrawObject::~DirectDrawObject() {
    --liveDirectDraws;
}

int DirectDrawObject::LiveCount() {
    return liveDirectDraws;
}

HRESULT DirectDrawObject::QueryInterface(REFIID iid, void** object) {
    if (HRESULT injected = faults::Injected("QueryInterface"))
        return injected;
    if (!object)
        return DDERR_INVALIDPARAMS;
    *object = nullptr;
    if (SameIid(iid, IID_IDirectDraw4))
        *object = static_cast<IDirectDraw4*>(this);
    else if (SameIid(iid, IID_IDirectDraw))
        *object = static_cast<IDirectDraw*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return DD_OK;
}

ULONG DirectDrawObject::AddRef() {
    return ++references_;
}

ULONG DirectDrawObject::Release() {
    ULONG left = --references_;
    if (left == 0)
        delete this;
    return left;
}

HRESULT DirectDrawObject::SetCooperativeLevel(HWND window, DWORD flags) {
    // DirectInput and DirectSound have a call of the same name; faults tell them apart.
    if (HRESULT injected = faults::Injected("IDirectDraw::SetCooperativeLevel"))
        return injected;
    const bool normal = (flags & DDSCL_NORMAL) != 0;
    const bool exclusive = (flags & DDSCL_EXCLUSIVE) != 0;
    const bool fullScreen = (flags & DDSCL_FULLSCREEN) != 0;
    // Either the shared desktop, or the whole screen for one window.
    if (normal == exclusive || exclusive != fullScreen || (exclusive && !window))
        return DDERR_INVALIDPARAMS;
    cooperativeLevel_ = flags;
    return DD_OK;
}

HRESULT DirectDrawObject::SetDisplayMode(DWORD width, DWORD height, DWORD bitsPerPixel,
                                         DWORD refreshRate, DWORD flags) {
    (void)refreshRate; // the host paces pages itself
    if (HRESULT injected = faults::Injected("SetDisplayMode"))
        return injected;
    if (!Exclusive(cooperativeLevel_))
        return DDERR_NOEXCLUSIVEMODE;
    if (flags != 0)
        return DDERR_INVALIDPARAMS;
    if (width != 640 || height != 480)
        return DDERR_INVALIDMODE;
    if (bitsPerPixel != 16 && bitsPerPixel != 24 && bitsPerPixel != 32)
        return DDERR_INVALIDMODE;
    if (faults::DepthRefused(static_cast<int>(bitsPerPixel)))
        return DDERR_INVALIDMODE;
    displayWidth_ = static_cast<int>(width);
    displayHeight_ = static_cast<int>(height);
    bitsPerPixel_ = static_cast<int>(bitsPerPixel);
    return DD_OK;
}

HRESULT DirectDrawObject::CreateSurface(LPDDSURFACEDESC2 description, IDirectDrawSurface4** surface,
                                        IUnknown* outer) {
    if (HRESULT injected = faults::Injected("CreateSurface"))
        return injected;
    if (!description || !surface || outer || description->dwSize != sizeof(DDSURFACEDESC2))
        return DDERR_INVALIDPARAMS;
    *surface = nullptr;
    if (cooperativeLevel_ == 0)
        return DDERR_NOCOOPERATIVELEVELSET;
    // Surfaces come in the display's layout only.
    if ((description->dwFlags & DDSD_PIXELFORMAT) &&
        description->ddpfPixelFormat.dwRGBBitCount != DWORD(bitsPerPixel_))
        return DDERR_INVALIDPIXELFORMAT;
    const DWORD caps = (description->dwFlags & DDSD_CAPS) ? description->ddsCaps.dwCaps : 0;
    if (caps & DDSCAPS_PRIMARYSURFACE)
        return CreatePrimary(*description, surface);
    return CreateOffScreen(*description, surface);
}

HRESULT DirectDrawObject::CreatePrimary(const DDSURFACEDESC2& description,
                                        IDirectDrawSurface4** surface) {
    // The screen's size is the mode's, not the caller's.
    if (description.dwFlags & (DDSD_WIDTH | DDSD_HEIGHT))
        return DDERR_INVALIDPARAMS;
    const DWORD caps = description.ddsCaps.dwCaps;
    if (!(caps & DDSCAPS_FLIP)) {
        *surface = Surface::Create(this, Surface::Role::Primary, displayWidth_, displayHeight_,
                                   bitsPerPixel_);
        return DD_OK;
    }
    if (!(caps & DDSCAPS_COMPLEX) || !(description.dwFlags & DDSD_BACKBUFFERCOUNT))
        return DDERR_INVALIDCAPS;
    const DWORD count = description.dwBackBufferCount;
    if (count < 1 || count > kMaxBackBuffers)
        return DDERR_INVALIDPARAMS;
    if (!Exclusive(cooperativeLevel_))
        return DDERR_NOEXCLUSIVEMODE;
    if (faults::BackBuffersRefused(static_cast<int>(count)))
        // Without flipping hardware not even one back buffer works; more may just not fit.
        return count == 1 ? DDERR_NOFLIPHW : DDERR_OUTOFVIDEOMEMORY;
    *surface = Surface::Create(this, Surface::Role::FlipPrimary, displayWidth_, displayHeight_,
                               bitsPerPixel_, static_cast<int>(count));
    return DD_OK;
}

HRESULT DirectDrawObject::CreateOffScreen(const DDSURFACEDESC2& description,
                                          IDirectDrawSurface4** surface) {
    const DWORD flags = description.dwFlags;
    if (description.ddsCaps.dwCaps & (DDSCAPS_FLIP | DDSCAPS_BACKBUFFER | DDSCAPS_FRONTBUFFER))
        return DDERR_INVALIDCAPS;
    if (!(flags & DDSD_WIDTH) || !(flags & DDSD_HEIGHT) || description.dwWidth == 0 ||
        description.dwHeight == 0)
        return DDERR_INVALIDPARAMS;
    if (description.dwWidth > kMaxSide || description.dwHeight > kMaxSide ||
        uint64_t(description.dwWidth) * description.dwHeight > kMaxPixels)
        return DDERR_TOOBIGSIZE;
    Surface* created =
        Surface::Create(this, Surface::Role::OffScreen, static_cast<int>(description.dwWidth),
                        static_cast<int>(description.dwHeight), bitsPerPixel_);
    if (flags & DDSD_CKSRCBLT)
        created->SetColorKeyValue(description.ddckCKSrcBlt);
    *surface = created;
    return DD_OK;
}

HRESULT DirectDrawObject::CreateClipper(DWORD flags, IDirectDrawClipper** clipper,
                                        IUnknown* outer) {
    if (HRESULT injected = faults::Injected("CreateClipper"))
        return injected;
    if (!clipper || outer || flags != 0)
        return DDERR_INVALIDPARAMS;
    *clipper = new Clipper;
    return DD_OK;
}

} // namespace platform::ddraw

HRESULT WINAPI DirectDrawCreate(GUID* driver, IDirectDraw** directDraw, IUnknown* outer) {
    if (HRESULT injected = platform::faults::Injected("DirectDrawCreate"))
        return injected;
    // The one display driver answers whatever GUID is asked for.
    (void)driver;
    if (!directDraw || outer)
        return DDERR_INVALIDPARAMS;
    *directDraw = static_cast<IDirectDraw*>(new platform::ddraw::DirectDrawObject);
    return DD_OK;
}
