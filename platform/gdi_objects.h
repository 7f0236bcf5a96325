// Platform-internal model of GDI: objects (bitmaps now; fonts and brushes fit
// the same table) and device contexts, both reached through handles that are
// checked on every call. A device context draws either into the bitmap
// selected into it (a memory DC) or into the pixels of a DirectDraw surface
// lent by GetDC until ReleaseDC.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/bmp_reader.h"
#include "platform/win32.h"

namespace platform::gdi {

// Pixels a device context can draw into or copy from: 16 (5-6-5), 24 (B, G, R)
// or 32 (0x00RRGGBB) bits per pixel.
struct PixelTarget {
    uint8_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int pitch = 0;
    int bitsPerPixel = 0;
};

enum class ObjectKind { Bitmap, Font, Brush };
inline constexpr size_t kObjectKinds = 3;

class GdiObject {
  public:
    explicit GdiObject(ObjectKind kind) : kind_(kind) {}
    virtual ~GdiObject() = default;
    ObjectKind Kind() const { return kind_; }
    // GetObjectA: fills the kind's description record; the bytes written, or 0.
    virtual int Describe(int size, void* buffer) const = 0;
    // The record's full size, answered when GetObjectA is given no buffer.
    virtual int DescriptionSize() const = 0;

    int selections = 0; // device contexts it is selected into
    bool stock = false; // owned by the system: never deleted

  private:
    ObjectKind kind_;
};

class BitmapObject final : public GdiObject {
  public:
    explicit BitmapObject(DecodedBitmap image)
        : GdiObject(ObjectKind::Bitmap), image_(std::move(image)) {}
    int Describe(int size, void* buffer) const override;
    int DescriptionSize() const override;
    // The pixels as 32 bits per pixel, rows top-down.
    PixelTarget Pixels();

  private:
    DecodedBitmap image_;
};

// How text is drawn and where logical coordinates lie (gdi_text.cpp,
// gdi_device.cpp). A new device context has GDI's defaults.
struct DrawingAttributes {
    uint32_t textColor = 0x000000;       // COLORREF: black
    int backgroundMode = 2;              // OPAQUE
    uint32_t backgroundColor = 0xFFFFFF; // COLORREF: white
    POINT viewportOrigin{0, 0};
    POINT windowOrigin{0, 0};
};

// One SaveDC.
struct SavedDrawingState {
    DrawingAttributes attributes;
    std::array<HGDIOBJ, kObjectKinds> selected{};
};

struct DeviceContext {
    bool onSurface = false;
    PixelTarget surface; // when onSurface
    // What is selected, one slot per kind; a memory DC starts with the stock bitmap.
    std::array<HGDIOBJ, kObjectKinds> selected{};
    DrawingAttributes attributes;
    std::vector<SavedDrawingState> saved;
};

// A new device context holds the stock system font, as in GDI (gdi_fonts.cpp).
void SelectDefaultFont(DeviceContext& dc);

// Handles: objects and device contexts live in tables owned here.
HGDIOBJ AddObject(std::unique_ptr<GdiObject> object);
GdiObject* FindObject(HGDIOBJ handle);
DeviceContext* FindDC(HDC dc);
// The pixels a device context draws into: the surface's, or its selected bitmap's.
bool DrawingTarget(HDC dc, PixelTarget& target);

// For DirectDraw's GetDC and ReleaseDC: a device context on a surface's pixels.
HDC OpenSurfaceDC(const PixelTarget& surface);
void CloseSurfaceDC(HDC dc);

// Live counts, for tests that check nothing leaks.
int LiveObjectCount();
int LiveDCCount();
// Bytes of bitmap files read so far.
uint64_t BitmapBytesRead();
void CountBitmapBytes(size_t bytes);

} // namespace platform::gdi
