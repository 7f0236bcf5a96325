// The word of a word bubble.
#include <cstdio>

#include "display/display_interface.h"
#include "scene/overlay_surface.h"
#include "scene/point_font.h"
#include "scene/text_overlays.h"
#include "shell/globals.h"

namespace {

constexpr LONG kWidth = 100;
constexpr LONG kHeight = 70;
constexpr DWORD kColourKey = 0xFFFF00;
constexpr const char kFace[] = "arial bold";
// Tenths of a point; the larger size where ntFontSizes asks for it.
constexpr int kLargeSize = 180;
constexpr int kSmallSize = 80;
// The word is centred in (0, top, 105, 70); styles 3 and 4 use the lower part.
constexpr LONG kTextRight = 105;
constexpr LONG kLowerTop = 30;

} // namespace

WordText::WordText()
    : directDraw(nullptr), surface(nullptr), text{}, x(0), y(0), visible(false), layer(0),
      className("Error Handler"), style(1) {}

WordText::~WordText() {
    ReleaseSurface();
}

void WordText::CreateSurface(IDirectDraw4* owner) {
    directDraw = owner;
    surface = CreateOverlaySurface(directDraw, kWidth, kHeight, 0, kColourKey, className);
}

void WordText::SetText(const char* word, LONG left, LONG top, LONG drawLayer, LONG width,
                       LONG placement) {
    (void)width;
    std::snprintf(text, sizeof text, "%s", word ? word : "");
    x = left;
    y = top;
    layer = drawLayer;
    style = placement;
    visible = true;
    DrawWord();
}

void WordText::DrawWord() {
    if (!surface)
        return;
    HDC dc = BeginOverlayDrawing(surface, kColourKey, className);
    HFONT font = CreatePointFont(dc, kFace, ntFontSizes ? kLargeSize : kSmallSize, 0, 0, false);
    SelectObject(dc, font);
    RECT box{0, (style == 3 || style == 4) ? kLowerTop : 0, kTextRight, kHeight};
    // A long word runs over the box's edges rather than being cut at them.
    DrawTextA(dc, text, -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
    DropOverlayFont(dc, font);
    EndOverlayDrawing(surface, dc);
}

void WordText::Draw() {
    if (!surface)
        return;
    if (FAILED(surface->IsLost()))
        DrawWord();
    display.Blit(x, y, x + kWidth, y + kHeight, surface, true, false);
}

void WordText::ReleaseSurface() {
    ReleaseOverlaySurface(surface);
}
