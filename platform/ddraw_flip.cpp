// Showing pages: Flip on the front of a flip chain, and copies onto a
// primary surface that has no chain (the blit-mode page).
#include <utility>

#include "platform/ddraw_surface.h"
#include "platform/faults.h"

namespace platform::ddraw {

void Surface::ShowIfScreen() {
    if (role_ == Role::Primary)
        ShowPage(View());
}

HRESULT Surface::Flip(IDirectDrawSurface4* targetOverride, DWORD flags) {
    if (HRESULT injected = faults::Injected("Flip"))
        return injected;
    (void)flags; // every flip waits: the host paces the pages
    if (role_ != Role::FlipPrimary)
        return DDERR_NOTFLIPPABLE;
    // Only the next page of the chain may be named.
    if (targetOverride && targetOverride != backBuffers_.front())
        return DDERR_INVALIDPARAMS;
    if (Lost())
        return DDERR_SURFACELOST;
    for (Surface* back : backBuffers_)
        if (back->Lost())
            return DDERR_SURFACELOST;
    if (Busy())
        return DDERR_SURFACEBUSY;
    for (Surface* back : backBuffers_)
        if (back->Busy())
            return DDERR_SURFACEBUSY;
    // The pages move one step along the chain: the first back buffer is shown,
    // and the old front comes round as the last back buffer.
    std::vector<uint8_t> oldFront = std::move(pixels_);
    pixels_ = std::move(backBuffers_.front()->pixels_);
    for (size_t i = 0; i + 1 < backBuffers_.size(); ++i)
        backBuffers_[i]->pixels_ = std::move(backBuffers_[i + 1]->pixels_);
    backBuffers_.back()->pixels_ = std::move(oldFront);
    ShowPage(View());
    return DD_OK;
}

HRESULT Surface::GetAttachedSurface(LPDDSCAPS2 caps, IDirectDrawSurface4** attached) {
    if (HRESULT injected = faults::Injected("GetAttachedSurface"))
        return injected;
    if (!caps || !attached)
        return DDERR_INVALIDPARAMS;
    *attached = nullptr;
    if (role_ != Role::FlipPrimary || !(caps->dwCaps & DDSCAPS_BACKBUFFER))
        return DDERR_NOTFOUND;
    backBuffers_.front()->AddRef();
    *attached = backBuffers_.front();
    return DD_OK;
}

} // namespace platform::ddraw
