// The clipper only remembers its window: blits are clipped to the
// destination surface, which for the page is the window's whole client area.
#include "platform/ddraw_surface.h"
#include "platform/faults.h"

namespace platform::ddraw {

HRESULT Clipper::QueryInterface(REFIID iid, void** object) {
    (void)iid;
    if (object)
        *object = nullptr;
    return E_NOINTERFACE;
}

ULONG Clipper::AddRef() {
    return ++references_;
}

ULONG Clipper::Release() {
    ULONG left = --references_;
    if (left == 0)
        delete this;
    return left;
}

HRESULT Clipper::SetHWnd(DWORD flags, HWND window) {
    if (HRESULT injected = faults::Injected("SetHWnd"))
        return injected;
    if (flags != 0)
        return DDERR_INVALIDPARAMS;
    window_ = window;
    return DD_OK;
}

} // namespace platform::ddraw
