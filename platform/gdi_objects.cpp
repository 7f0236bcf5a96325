// Handle tables for GDI objects and device contexts, and the calls that only
// move objects between them: CreateCompatibleDC, SelectObject, GetObjectA,
// DeleteDC, DeleteObject.
#include "platform/gdi_objects.h"

#include <unordered_map>

#include "platform/faults.h"
#include "platform/gdi.h"

namespace platform::gdi {

namespace {

struct Tables {
    // Handles are never reused, so a stale one is refused rather than aliased.
    uintptr_t nextHandle = 0x1000;
    std::unordered_map<uintptr_t, std::unique_ptr<GdiObject>> objects;
    std::unordered_map<uintptr_t, DeviceContext> dcs;
    HGDIOBJ stockBitmap = nullptr;
};

Tables& State() {
    // Never destroyed: the game's global destructors may still give objects back.
    static Tables* tables = new Tables;
    return *tables;
}

uintptr_t NewHandle() {
    uintptr_t handle = State().nextHandle;
    State().nextHandle += 4;
    return handle;
}

// The 1x1 bitmap every new memory DC holds, as in GDI.
HGDIOBJ StockBitmap() {
    Tables& tables = State();
    if (!tables.stockBitmap) {
        DecodedBitmap pixel;
        pixel.width = pixel.height = 1;
        pixel.fileBitsPerPixel = 1;
        pixel.pixels = {0};
        auto object = std::make_unique<BitmapObject>(std::move(pixel));
        object->stock = true;
        tables.stockBitmap = AddObject(std::move(object));
    }
    return tables.stockBitmap;
}

void Deselect(DeviceContext& dc) {
    for (HGDIOBJ handle : dc.selected)
        if (GdiObject* object = FindObject(handle))
            --object->selections;
}

} // namespace

HGDIOBJ AddObject(std::unique_ptr<GdiObject> object) {
    uintptr_t handle = NewHandle();
    State().objects.emplace(handle, std::move(object));
    return reinterpret_cast<HGDIOBJ>(handle);
}

GdiObject* FindObject(HGDIOBJ handle) {
    auto& objects = State().objects;
    auto found = objects.find(reinterpret_cast<uintptr_t>(handle));
    return found == objects.end() ? nullptr : found->second.get();
}

DeviceContext* FindDC(HDC dc) {
    auto& dcs = State().dcs;
    auto found = dcs.find(reinterpret_cast<uintptr_t>(dc));
    return found == dcs.end() ? nullptr : &found->second;
}

bool DrawingTarget(HDC handle, PixelTarget& target) {
    DeviceContext* dc = FindDC(handle);
    if (!dc)
        return false;
    if (dc->onSurface) {
        target = dc->surface;
        return target.pixels != nullptr;
    }
    GdiObject* object = FindObject(dc->selected[size_t(ObjectKind::Bitmap)]);
    if (!object || object->Kind() != ObjectKind::Bitmap)
        return false;
    target = static_cast<BitmapObject*>(object)->Pixels();
    return true;
}

HDC OpenSurfaceDC(const PixelTarget& surface) {
    uintptr_t handle = NewHandle();
    DeviceContext dc;
    dc.onSurface = true;
    dc.surface = surface;
    SelectDefaultFont(dc);
    State().dcs.emplace(handle, dc);
    return reinterpret_cast<HDC>(handle);
}

void CloseSurfaceDC(HDC handle) {
    DeviceContext* dc = FindDC(handle);
    if (!dc || !dc->onSurface)
        return;
    Deselect(*dc);
    State().dcs.erase(reinterpret_cast<uintptr_t>(handle));
}

int LiveObjectCount() {
    // Stock objects (the bitmap of memory DCs, the stock fonts) never go away.
    int live = 0;
    for (const auto& entry : State().objects)
        live += entry.second->stock ? 0 : 1;
    return live;
}

int LiveDCCount() {
    return static_cast<int>(State().dcs.size());
}

} // namespace platform::gdi

using namespace platform;

HDC WINAPI CreateCompatibleDC(HDC reference) {
    if (faults::Injected("CreateCompatibleDC"))
        return nullptr;
    // Every DC here draws in colour, so the reference DC changes nothing.
    (void)reference;
    gdi::DeviceContext dc;
    HGDIOBJ bitmap = gdi::StockBitmap();
    dc.selected[size_t(gdi::ObjectKind::Bitmap)] = bitmap;
    ++gdi::FindObject(bitmap)->selections;
    gdi::SelectDefaultFont(dc);
    uintptr_t handle = gdi::NewHandle();
    gdi::State().dcs.emplace(handle, dc);
    return reinterpret_cast<HDC>(handle);
}

HGDIOBJ WINAPI SelectObject(HDC handle, HGDIOBJ objectHandle) {
    gdi::DeviceContext* dc = gdi::FindDC(handle);
    gdi::GdiObject* object = gdi::FindObject(objectHandle);
    if (!dc || !object)
        return nullptr;
    if (object->Kind() == gdi::ObjectKind::Bitmap) {
        // Bitmaps go only into memory DCs, and into one DC at a time.
        if (dc->onSurface || (object->selections > 0 && !object->stock &&
                              dc->selected[size_t(gdi::ObjectKind::Bitmap)] != objectHandle))
            return nullptr;
    }
    HGDIOBJ& slot = dc->selected[size_t(object->Kind())];
    HGDIOBJ previous = slot;
    if (gdi::GdiObject* old = gdi::FindObject(previous))
        --old->selections;
    slot = objectHandle;
    ++object->selections;
    return previous;
}

int WINAPI GetObjectA(HGDIOBJ handle, int size, LPVOID buffer) {
    gdi::GdiObject* object = gdi::FindObject(handle);
    if (!object)
        return 0;
    if (!buffer)
        return object->DescriptionSize();
    return object->Describe(size, buffer);
}

BOOL WINAPI DeleteDC(HDC handle) {
    gdi::DeviceContext* dc = gdi::FindDC(handle);
    // A surface's DC goes back through the surface's ReleaseDC.
    if (!dc || dc->onSurface)
        return FALSE;
    gdi::Deselect(*dc);
    gdi::State().dcs.erase(reinterpret_cast<uintptr_t>(handle));
    return TRUE;
}

BOOL WINAPI DeleteObject(HGDIOBJ handle) {
    gdi::GdiObject* object = gdi::FindObject(handle);
    if (!object)
        return FALSE;
    if (object->stock)
        return TRUE;
    // An object still selected into a DC stays, as in GDI.
    if (object->selections > 0)
        return FALSE;
    gdi::State().objects.erase(reinterpret_cast<uintptr_t>(handle));
    return TRUE;
}
