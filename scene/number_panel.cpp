// The number signs of the race (along the bottom) and the grocery store
// (down the right edge).
#include <cstdio>

#include "display/display_interface.h"
#include "platform/trace.h"
#include "scene/overlay_surface.h"
#include "scene/point_font.h"
#include "scene/text_overlays.h"
#include "shell/globals.h"

namespace {

constexpr LONG kLayer = 10;
constexpr DWORD kColourKey = 0xFF;
constexpr const char kCaption[] = "NumberPanel";
constexpr const char kFace[] = "Arial Bold";
constexpr int kLargeSize = 400;
constexpr int kSmallSize = 200;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);

// Sign rectangles (left, top, right, bottom) by layout and slot.
constexpr RECT kSigns[2][NumberPanel::kSlots] = {
    {{149, 425, 204, 455},
     {227, 424, 282, 464},
     {303, 429, 358, 469},
     {378, 424, 433, 464},
     {458, 431, 513, 471}},
    {{582, 160, 624, 193},
     {582, 211, 624, 244},
     {582, 268, 624, 301},
     {582, 331, 624, 364},
     {582, 382, 624, 415}},
};

// The signs' numbers as a trace line, "-" for an empty sign: a headless run
// tells from it which sign shows the number it hears.
void TraceSlots(const char (&slots)[NumberPanel::kSlots][4]) {
    TraceNote("numbers %s %s %s %s %s", slots[0][0] ? slots[0] : "-", slots[1][0] ? slots[1] : "-",
              slots[2][0] ? slots[2] : "-", slots[3][0] ? slots[3] : "-",
              slots[4][0] ? slots[4] : "-");
}

// What a number may cover in each layout: the signs' rectangles with room
// for a number wider than its sign.
constexpr RECT kSignsArea[2] = {{99, 404, 563, 480}, {532, 140, 640, 435}};

COLORREF SlotColour(LONG layout, int slot) {
    return layout == 2 && slot == 4 ? kYellow : kWhite;
}

} // namespace

NumberPanel::NumberPanel()
    : slots{}, visible(false), layer(kLayer), directDraw(nullptr), surface(nullptr), layout(2) {}

NumberPanel::~NumberPanel() {
    ReleaseSurface();
}

void NumberPanel::CreateSurface(IDirectDraw4* owner) {
    directDraw = owner;
    surface = CreateOverlaySurface(directDraw, 640, 480, 0, kColourKey, kCaption);
    drawn = false;
}

void NumberPanel::SetNumber(LONG value, LONG slot) {
    if (slot < 0 || slot >= kSlots)
        return;
    std::snprintf(slots[slot], sizeof slots[slot], "%d", static_cast<int>(value));
    drawn = false;
    TraceSlots(slots);
}

void NumberPanel::ClearNumbers() {
    bool hadNumbers = false;
    for (char* slot : slots) {
        hadNumbers = hadNumbers || slot[0] != '\0';
        slot[0] = '\0';
    }
    drawn = false;
    if (hadNumbers)
        TraceSlots(slots);
}

void NumberPanel::SetLayout(LONG arrangement) {
    if ((arrangement == 1 || arrangement == 2) && arrangement != layout) {
        layout = arrangement;
        drawn = false;
    }
}

const char* NumberPanel::GetNumber(LONG slot) const {
    return slot >= 0 && slot < kSlots ? slots[slot] : "";
}

void NumberPanel::DrawSlots() {
    HDC dc = BeginOverlayDrawing(surface, kColourKey, kCaption);
    for (int slot = 0; slot < kSlots; ++slot) {
        HFONT font = CreatePointFont(dc, kFace, ntFontSizes ? kLargeSize : kSmallSize, 0, 0, false);
        SelectObject(dc, font);
        SetTextColor(dc, SlotColour(layout, slot));
        if (slots[slot][0] != '\0') {
            RECT sign = kSigns[layout - 1][slot];
            // A number too wide for its sign runs over its edges rather than being cut.
            DrawTextA(dc, slots[slot], -1, &sign,
                      DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
        }
        DropOverlayFont(dc, font);
    }
    EndOverlayDrawing(surface, dc);
}

void NumberPanel::Draw() {
    if (!surface)
        return;
    // The signs are drawn again only when they change or the surface was lost.
    if (!drawn || FAILED(surface->IsLost())) {
        DrawSlots();
        drawn = true;
    }
    // Everything outside the signs is key colour: copying the signs' row or
    // column alone shows the same page for a fraction of the pixels.
    const RECT& area = kSignsArea[layout - 1];
    display.BlitPart(area, surface);
}

void NumberPanel::ReleaseSurface() {
    ReleaseOverlaySurface(surface);
}
