// What a device context says about its device, its coordinate origins, and
// SaveDC / RestoreDC.
#include "platform/gdi.h"
#include "platform/gdi_objects.h"

namespace {

using namespace platform;

struct Capability {
    int index;
    int value;
};

// Every device is the game's 640x480 screen. Its size in millimetres makes a
// point 50.8/72 of a pixel for fonts sized from HORZRES / HORZSIZE: an 18-point
// name is 13 pixels high and fits a 19-pixel row, a 40-point number 28 pixels
// and fits its sign. LOGPIXELSX / LOGPIXELSY answer the usual 96.
constexpr Capability kScreen[] = {
    {HORZRES, 640},   {VERTRES, 480},   {HORZSIZE, 320}, {VERTSIZE, 240},
    {LOGPIXELSX, 96}, {LOGPIXELSY, 96}, {PLANES, 1},
};

// A saved object is put back only while it still exists; a saved empty slot
// empties the slot again.
void Reselect(gdi::DeviceContext& dc, size_t kind, HGDIOBJ saved) {
    HGDIOBJ& slot = dc.selected[kind];
    if (slot == saved)
        return;
    gdi::GdiObject* wanted = gdi::FindObject(saved);
    if (saved && !wanted)
        return;
    if (gdi::GdiObject* current = gdi::FindObject(slot))
        --current->selections;
    slot = saved;
    if (wanted)
        ++wanted->selections;
}

BOOL MovePoints(HDC handle, POINT* points, int count, int sign) {
    gdi::DeviceContext* dc = gdi::FindDC(handle);
    if (!dc || count < 0 || (count > 0 && !points))
        return FALSE;
    const POINT& viewport = dc->attributes.viewportOrigin;
    const POINT& window = dc->attributes.windowOrigin;
    for (int i = 0; i < count; ++i) {
        points[i].x += sign * (window.x - viewport.x);
        points[i].y += sign * (window.y - viewport.y);
    }
    return TRUE;
}

BOOL SetOrigin(HDC handle, POINT gdi::DrawingAttributes::*origin, int x, int y, POINT* previous) {
    gdi::DeviceContext* dc = gdi::FindDC(handle);
    if (!dc)
        return FALSE;
    POINT& point = dc->attributes.*origin;
    if (previous)
        *previous = point;
    point = POINT{x, y};
    return TRUE;
}

} // namespace

int WINAPI GetDeviceCaps(HDC dc, int index) {
    gdi::PixelTarget target;
    if (!gdi::FindDC(dc))
        return 0;
    if (index == BITSPIXEL)
        return gdi::DrawingTarget(dc, target) ? target.bitsPerPixel : 32;
    for (const Capability& capability : kScreen)
        if (capability.index == index)
            return capability.value;
    return 0;
}

BOOL WINAPI DPtoLP(HDC dc, POINT* points, int count) {
    return MovePoints(dc, points, count, +1);
}

BOOL WINAPI LPtoDP(HDC dc, POINT* points, int count) {
    return MovePoints(dc, points, count, -1);
}

BOOL WINAPI SetViewportOrgEx(HDC dc, int x, int y, POINT* previous) {
    return SetOrigin(dc, &gdi::DrawingAttributes::viewportOrigin, x, y, previous);
}

BOOL WINAPI SetWindowOrgEx(HDC dc, int x, int y, POINT* previous) {
    return SetOrigin(dc, &gdi::DrawingAttributes::windowOrigin, x, y, previous);
}

int WINAPI SaveDC(HDC handle) {
    gdi::DeviceContext* dc = gdi::FindDC(handle);
    if (!dc)
        return 0;
    dc->saved.push_back(gdi::SavedDrawingState{dc->attributes, dc->selected});
    return static_cast<int>(dc->saved.size());
}

BOOL WINAPI RestoreDC(HDC handle, int savedState) {
    gdi::DeviceContext* dc = gdi::FindDC(handle);
    if (!dc)
        return FALSE;
    const int depth = static_cast<int>(dc->saved.size());
    const int number = savedState < 0 ? depth + 1 + savedState : savedState;
    if (savedState == 0 || number < 1 || number > depth)
        return FALSE;
    const gdi::SavedDrawingState state = dc->saved[size_t(number - 1)];
    dc->saved.resize(size_t(number - 1));
    dc->attributes = state.attributes;
    for (size_t kind = 0; kind < gdi::kObjectKinds; ++kind)
        Reselect(*dc, kind, state.selected[kind]);
    return TRUE;
}
