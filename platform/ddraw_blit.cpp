// Blt and BltFast: checks, rectangles and clipping; the pixel loops are in
// ddraw_blitters.cpp.
#include <algorithm>
#include <vector>

#include "platform/ddraw_surface.h"
#include "platform/faults.h"
#include "platform/pixel_format.h"

namespace platform::ddraw {

namespace {

constexpr DWORD kKnownBltFlags =
    DDBLT_ASYNC | DDBLT_COLORFILL | DDBLT_DDFX | DDBLT_KEYSRC | DDBLT_WAIT;
constexpr DWORD kKnownEffects = DDBLTFX_MIRRORLEFTRIGHT | DDBLTFX_MIRRORUPDOWN;
constexpr DWORD kKnownBltFastFlags = DDBLTFAST_SRCCOLORKEY | DDBLTFAST_WAIT;

RECT WholeOf(const Surface& surface) {
    return RECT{0, 0, surface.Width(), surface.Height()};
}

bool Ordered(const RECT& r) {
    return r.left <= r.right && r.top <= r.bottom;
}

bool Inside(const RECT& r, const Surface& surface) {
    return Ordered(r) && r.left >= 0 && r.top >= 0 && r.right <= surface.Width() &&
           r.bottom <= surface.Height();
}

bool Empty(const RECT& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

RECT Intersect(const RECT& a, const RECT& b) {
    return RECT{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
}

} // namespace

HRESULT Surface::CopyFrom(Surface& source, const RECT& destRect, const RECT& sourceRect, bool keyed,
                          DWORD effects) {
    if (source.BitsPerPixel() != bitsPerPixel_)
        return DDERR_INVALIDPIXELFORMAT;
    if (keyed && !source.HasColorKey())
        return DDERR_COLORKEYNOTSET;
    if (Empty(destRect) || Empty(sourceRect))
        return DD_OK;
    CopyJob job;
    job.dest = destRect;
    job.source = sourceRect;
    job.clip = Intersect(destRect, WholeOf(*this));
    job.keyed = keyed;
    if (keyed) {
        const uint32_t mask = RawMask(bitsPerPixel_);
        job.keyLow = source.ColorKey().dwColorSpaceLowValue & mask;
        job.keyHigh = source.ColorKey().dwColorSpaceHighValue & mask;
    }
    job.mirrorLeftRight = (effects & DDBLTFX_MIRRORLEFTRIGHT) != 0;
    job.mirrorUpDown = (effects & DDBLTFX_MIRRORUPDOWN) != 0;
    if (Empty(job.clip))
        return DD_OK;
    if (&source == this) {
        // A copy within one surface reads from a snapshot, so overlaps come out right.
        std::vector<uint8_t> snapshot(pixels_);
        CopyPixels(PixelPlane{snapshot.data(), pitch_, bitsPerPixel_ / 8}, Plane(), job);
    } else {
        CopyPixels(source.Plane(), Plane(), job);
    }
    return DD_OK;
}

HRESULT Surface::Blt(LPRECT destination, IDirectDrawSurface4* sourceInterface, LPRECT sourceRect,
                     DWORD flags, LPDDBLTFX effects) {
    if (HRESULT injected = faults::Injected("Blt"))
        return injected;
    if (flags & ~kKnownBltFlags)
        return DDERR_UNSUPPORTED;
    if (effects && effects->dwSize != sizeof(DDBLTFX))
        return DDERR_INVALIDPARAMS;
    if ((flags & (DDBLT_COLORFILL | DDBLT_DDFX)) && !effects)
        return DDERR_INVALIDPARAMS;
    const RECT destRect = destination ? *destination : WholeOf(*this);
    if (!Ordered(destRect))
        return DDERR_INVALIDRECT;
    if (Lost())
        return DDERR_SURFACELOST;
    if (Busy())
        return DDERR_SURFACEBUSY;

    if (flags & DDBLT_COLORFILL) {
        RECT area = Intersect(destRect, WholeOf(*this));
        if (!Empty(area))
            FillPixels(Plane(), area, effects->dwFillColor & RawMask(bitsPerPixel_));
        ShowIfScreen();
        return DD_OK;
    }

    Surface* source = AsSurface(sourceInterface);
    if (!source)
        return DDERR_INVALIDPARAMS;
    const DWORD fx = (flags & DDBLT_DDFX) ? effects->dwDDFX : 0;
    if (fx & ~kKnownEffects)
        return DDERR_UNSUPPORTED;
    const RECT from = sourceRect ? *sourceRect : WholeOf(*source);
    if (!Inside(from, *source))
        return DDERR_INVALIDRECT;
    if (source->Lost())
        return DDERR_SURFACELOST;
    if (source->Busy())
        return DDERR_SURFACEBUSY;
    HRESULT result = CopyFrom(*source, destRect, from, (flags & DDBLT_KEYSRC) != 0, fx);
    if (result == DD_OK)
        ShowIfScreen();
    return result;
}

HRESULT Surface::BltFast(DWORD x, DWORD y, IDirectDrawSurface4* sourceInterface, LPRECT sourceRect,
                         DWORD transfer) {
    if (HRESULT injected = faults::Injected("BltFast"))
        return injected;
    if (transfer & ~kKnownBltFastFlags)
        return DDERR_UNSUPPORTED;
    Surface* source = AsSurface(sourceInterface);
    if (!source)
        return DDERR_INVALIDPARAMS;
    const RECT from = sourceRect ? *sourceRect : WholeOf(*source);
    if (!Inside(from, *source))
        return DDERR_INVALIDRECT;
    // No clipping here, as in DirectDraw: the copy must fit the destination.
    const int64_t right = int64_t(x) + (from.right - from.left);
    const int64_t bottom = int64_t(y) + (from.bottom - from.top);
    if (right > width_ || bottom > height_)
        return DDERR_INVALIDRECT;
    if (Lost() || source->Lost())
        return DDERR_SURFACELOST;
    if (Busy() || source->Busy())
        return DDERR_SURFACEBUSY;
    const RECT destRect{LONG(x), LONG(y), LONG(right), LONG(bottom)};
    HRESULT result = CopyFrom(*source, destRect, from, (transfer & DDBLTFAST_SRCCOLORKEY) != 0, 0);
    if (result == DD_OK)
        ShowIfScreen();
    return result;
}

} // namespace platform::ddraw
