#include "painter.h"

#include "paint_parts.h"
#include "placements.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vocassets {
namespace {

constexpr Colour kNamedColours[] = {0xE05050, 0xE09030, 0xE0C030, 0x60B050, 0x40A0C0,
                                    0x5070D0, 0x9060C0, 0xD060A0, 0xA07050, 0x70A0A0};

Colour ColourFromName(std::string_view name) {
    std::uint32_t hash = 2166136261u;
    for (char c : name) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    return kNamedColours[hash % std::size(kNamedColours)];
}

void Dispatch(Canvas& canvas, const Paint& p) {
    switch (p.row.art) {
    case Art::Scene:
    case Art::Backdrop:
        if (!PaintGuideScene(canvas, p)) {
            PaintScene(canvas, p);
        }
        break;
    case Art::Overlay:
        PaintOverlay(canvas, p);
        break;
    case Art::Sprite:
    case Art::Item:
        PaintSprite(canvas, p);
        break;
    case Art::Animal:
        PaintAnimal(canvas, p);
        break;
    case Art::Monkey:
        PaintMonkey(canvas, p);
        break;
    case Art::Eyes:
        PaintEyes(canvas, p);
        break;
    case Art::Mouth:
        PaintMouth(canvas, p);
        break;
    case Art::Button:
        PaintButton(canvas, p);
        break;
    case Art::Panel:
        PaintPanel(canvas, p);
        break;
    case Art::Bubble:
        PaintBubble(canvas, p);
        break;
    case Art::Balloon:
        PaintBalloon(canvas, p);
        break;
    case Art::Counter:
        PaintCounter(canvas, p);
        break;
    case Art::Letter:
        PaintLetter(canvas, p);
        break;
    case Art::Vehicle:
        PaintVehicle(canvas, p);
        break;
    case Art::RoadSign:
        PaintRoadSign(canvas, p);
        break;
    case Art::MenuBar:
        PaintMenuBar(canvas, p);
        break;
    case Art::MenuIcon:
        PaintMenuIcon(canvas, p);
        break;
    case Art::SigninBox:
        PaintSigninBox(canvas, p);
        break;
    case Art::Caret:
        PaintCaret(canvas, p);
        break;
    case Art::Pointer:
        PaintPointer(canvas, p);
        break;
    case Art::Clock:
        PaintClock(canvas, p);
        break;
    case Art::Cutaway:
        PaintCutaway(canvas, p);
        break;
    case Art::Line:
        PaintLine(canvas, p);
        break;
    case Art::Digits:
        PaintDigits(canvas, p);
        break;
    }
}

// A marker that goes once round the picture over the animation.
void SpinMarker(Canvas& canvas, const Paint& p) {
    double angle = 2.0 * std::numbers::pi * (p.frame - 1) / p.row.frames;
    double radius = std::min(p.W(), p.H()) * 0.33;
    double dot = std::max(3.0, std::min(p.W(), p.H()) / 10.0);
    double x = p.W() / 2.0 + std::sin(angle) * radius;
    double y = p.H() / 2.0 - std::cos(angle) * radius;
    if (p.row.art != Art::Item) {
        canvas.OutlinedEllipse(x, y, dot, dot, 0xFFE040, kOutline, 2);
        return;
    }
    // A vocabulary item rests as itself on its first frame; answered, a
    // sparkle goes round it.
    if (p.frame == 1) {
        return;
    }
    const Point star[] = {{x, y - dot * 1.8}, {x + dot * 0.45, y - dot * 0.45},
                          {x + dot * 1.8, y}, {x + dot * 0.45, y + dot * 0.45},
                          {x, y + dot * 1.8}, {x - dot * 0.45, y + dot * 0.45},
                          {x - dot * 1.8, y}, {x - dot * 0.45, y - dot * 0.45}};
    canvas.OutlinedPolygon(star, 0xFFFF99, 0xF0A020, 1);
}

// Moves the whole picture round a small circle over the animation. The circle
// is wide enough that two frames in a row never round to the same place.
Canvas Bob(const Canvas& canvas, const Paint& p, Colour background) {
    double angle = 2.0 * std::numbers::pi * (p.frame - 1) / p.row.frames;
    double radius = std::max(3.0, 0.35 * p.row.frames);
    int dx = static_cast<int>(std::lround(std::cos(angle) * radius));
    int dy = static_cast<int>(std::lround(std::sin(angle) * radius));
    Canvas out(canvas.Width(), canvas.Height(), background);
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            int fx = x - dx;
            int fy = y - dy;
            if (fx >= 0 && fy >= 0 && fx < canvas.Width() && fy < canvas.Height()) {
                out.Set(x, y, canvas.At(fx, fy));
            }
        }
    }
    return out;
}

// Rings and drops that spread out over the animation.
void SplashRings(Canvas& canvas, const Paint& p) {
    double cx = p.W() / 2.0;
    double cy = p.H() * 0.75;
    double spread = 0.15 + 0.85 * p.phase;
    double rx = p.W() * 0.45 * spread;
    double ry = p.H() * 0.12 * spread;
    canvas.OutlinedEllipse(cx, cy, rx + 4, ry + 4, 0xD8F0FF, 0x2060A0, 3);
    canvas.FillEllipse(cx, cy, rx * 0.6, ry * 0.6, 0x80C0F0);
    for (int i = 0; i < 6; ++i) {
        double a = std::numbers::pi * (0.1 + 0.16 * i);
        double d = p.H() * 0.5 * spread;
        canvas.OutlinedEllipse(cx - std::cos(a) * d, cy - std::sin(a) * d, 6, 8, 0x90D0FF, 0x2060A0,
                               2);
    }
}

} // namespace

bool Paint::KeepsWords() const {
    if (NameHas("notext")) {
        return false;
    }
    for (std::string_view word : {"-sp", "vocabuloon", "end-screen"}) {
        if (NameHas(word)) {
            return true;
        }
    }
    return false;
}

void CaptionPlate(Canvas& canvas, const Paint& p, int cx, int cy, int maxW, int maxH, int maxSize) {
    if (p.KeepsWords()) {
        p.text.Label(canvas, p.caption, cx, cy, maxW, maxH, maxSize);
    }
}

bool Paint::NameHas(std::string_view word) const {
    return std::string_view(row.name).find(word) != std::string_view::npos;
}

Colour TextOn(Colour fill) {
    double luma = 0.3 * ((fill >> 16) & 0xFF) + 0.59 * ((fill >> 8) & 0xFF) + 0.11 * (fill & 0xFF);
    return luma > 150 ? kBlack : kWhite;
}

std::string CaptionOf(const PictureRow& row) {
    if (row.caption != nullptr) {
        return row.caption;
    }
    std::string name = row.name;
    for (std::string_view suffix : {".bmp", "-sp"}) {
        if (name.size() > suffix.size() && name.ends_with(suffix)) {
            name.erase(name.size() - suffix.size());
        }
    }
    while (!name.empty() && name.back() == '-') {
        name.pop_back();
    }
    std::replace(name.begin(), name.end(), '-', ' ');
    return name;
}

Canvas PaintDrawing(const PictureRow& row, int frame, TextRenderer& text) {
    double phase = row.frames > 1 ? (frame - 1) / double(row.frames - 1) : 0.0;
    Paint p{
        row, frame, phase, row.colour != 0 ? row.colour : ColourFromName(row.name), CaptionOf(row),
        text};
    Colour background = p.Keyed() ? kKey : p.fill;
    Canvas canvas(row.width, row.height, background);
    Dispatch(canvas, p);
    if (row.frames <= 1) {
        return canvas;
    }
    switch (row.motion) {
    case Motion::Spin:
        SpinMarker(canvas, p);
        break;
    case Motion::Unroll:
        canvas.ClearRightOf(static_cast<int>(std::lround(row.width * frame / double(row.frames))),
                            background);
        break;
    case Motion::Fade:
        canvas.Darken(0.15 + 0.85 * phase);
        break;
    case Motion::Bob:
        canvas = Bob(canvas, p, background);
        break;
    case Motion::Splash:
        SplashRings(canvas, p);
        break;
    default:
        break; // the kind's own painter shows the rest
    }
    return canvas;
}

Canvas PaintPicture(const PictureRow& row, int frame, TextRenderer& text) {
    const PictureRow* twin = PlainTwinOf(row.name);
    Canvas canvas = PaintDrawing(twin != nullptr ? *twin : row, frame, text);
    if (IsLitCopy(row.name)) {
        // A strip as wide as the screen, like the road, lights without a rim.
        canvas.Light(row.width >= 640 ? 0 : 2);
    }
    return canvas;
}

} // namespace vocassets
