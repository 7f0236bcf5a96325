// The guide: bodies whose open eyes and closed mouth sit exactly where the
// screens lay the closed-eyes picture and the talking mouth, and those two.
#include "guide_figure.h"
#include "placements.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string_view>

namespace vocassets {
namespace {

constexpr int kEyesW = 60;
constexpr int kEyesH = 22;
constexpr int kMouthW = 50;
constexpr int kMouthH = 28;

// Which closed eyes and talking mouth the screens lay on each body; empty
// where none is (the rooms' bodies blink in their own frames). A closed-eyes
// picture as big as the body holds its eyes at the body's own offsets.
struct Overlays {
    std::string_view body;
    std::string_view eyes;
    std::string_view mouth;
};
// clang-format off
constexpr Overlays kOverlays[] = {
    {"intromonkey-",          "monkey-blink.bmp",            "monkey-mouth-"},
    {"mayor-monkey",          "monkey-blink.bmp",            "monkey-mouth-"},
    {"balloon-monkey00",      "monkey-blink.bmp",            "monkey-mouth-"},
    {"balloon-monkey01",      "monkey-blink.bmp",            "monkey-mouth-"},
    {"balloon-monkey-wet",    "monkey-blink.bmp",            "monkey-mouth-"},
    {"clown.bmp",             "clown-blink.bmp",             "monkey-mouth-"},
    {"gasstation-monkey",     "gasstation-monkey-blink.bmp", "monkey-mouth-"},
    {"alphabet-monkey",       "blink.bmp",                   ""},
    {"monkey-mover",          "monkey-mover-blink.bmp",      ""},
    {"jobs-mainmonkey",       "monkey-blink.bmp",            "monkey-mouth-"},
    {"grocery-monkey",        "monkey-blink.bmp",            "monkey-mouth-"},
    {"racetrack-monkey",      "monkey-blink.bmp",            "monkey-mouth-"},
    {"school-monkey",         "school-monkey-blink.bmp",     "schoolmonkeymouth"},
    {"astro-monkey-helmeton", "astro-monkey-blink.bmp",      "astro-monkey-mouth"},
    {"monkey-sun02",          "",                            "monkey-mouth-"},
    {"bathroom-monkey",       "",                            "bathroom-mouth"},
    {"bedroom-monkey",        "",                            "bedroom-mouth"},
    {"kitchen-monkey",        "",                            "kitchen-mouth"},
    {"livingroom-monkey",     "",                            "livingroom-mouth"},
    {"fishinghead",           "",                            "fishingmouth"},
};
// clang-format on

Box OverlayBox(std::string_view name, int x, int y, int w, int h, const PictureRow& body) {
    const PictureRow* row = name.empty() ? nullptr : FindPictureRow(name);
    if (row != nullptr && row->width < body.width) {
        return Box{double(x), double(y), double(row->width), double(row->height)};
    }
    return Box{double(x), double(y), double(w), double(h)};
}

void OpenEyes(Canvas& c, const Box& e, double closed, Colour lid) {
    for (double dx : {-e.w * 0.25, e.w * 0.25}) {
        double cx = e.Cx() + dx;
        double rx = e.w * 0.17;
        double ry = e.h * 0.42;
        c.OutlinedEllipse(cx, e.Cy(), rx, ry, kWhite, kOutline, 2);
        c.FillEllipse(cx + 2, e.Cy() + 1, rx * 0.5, ry * 0.6, kOutline);
        c.FillEllipse(cx + 3, e.Cy() - 1, rx * 0.15, rx * 0.15, kWhite);
        if (closed > 0.0) {
            c.FillRect(int(cx - rx), int(e.Cy() - ry), int(2 * rx + 1), int(2 * ry * closed + 1),
                       lid);
            c.Line(cx - rx, e.Cy() - ry + 2 * ry * closed, cx + rx, e.Cy() - ry + 2 * ry * closed,
                   2, kOutline);
        }
    }
}

void ClosedEyes(Canvas& c, double x, double y, double w, double h, Colour face) {
    c.FillEllipse(x + w / 2, y + h / 2, w / 2, h / 2, face);
    for (double dx : {-w * 0.25, w * 0.25}) {
        double cx = x + w / 2 + dx;
        double cy = y + h * 0.45;
        double rx = w * 0.17;
        c.Line(cx - rx, cy, cx - rx * 0.4, cy + h * 0.2, 3, kOutline);
        c.Line(cx - rx * 0.4, cy + h * 0.2, cx + rx * 0.4, cy + h * 0.2, 3, kOutline);
        c.Line(cx + rx * 0.4, cy + h * 0.2, cx + rx, cy, 3, kOutline);
    }
}

void ClosedMouth(Canvas& c, double cx, double cy, double w) {
    c.Line(cx - w * 0.38, cy - 2, cx - w * 0.15, cy + 3, 3, kOutline);
    c.Line(cx - w * 0.15, cy + 3, cx + w * 0.15, cy + 3, 3, kOutline);
    c.Line(cx + w * 0.15, cy + 3, cx + w * 0.38, cy - 2, 3, kOutline);
}

Colour FaceOf(const Paint& p) {
    return p.NameHas("mars-ufo") ? p.fill : kFace;
}

bool Inside(const Box& b, double x, double y) {
    return x >= b.x - 3 && x <= b.x + b.w + 3 && y >= b.y - 3 && y <= b.y + b.h + 3;
}

// The head sits round the face, as wide as the eyes, and shrinks rather than
// let an ear leave the picture.
GuideFigure LayOut(const Paint& p) {
    GuideFigure f{};
    f.face = FaceOfGuide(p.row);
    const Box& e = f.face.eyes;
    const Box& m = f.face.mouth;
    f.cx = (e.Cx() + m.Cx()) / 2;
    f.r = std::min({e.w, (f.cx - 4) / 1.22, (p.W() - 4 - f.cx) / 1.22});
    f.cy = (e.Cy() + m.Cy()) / 2 + f.r * 0.05;
    double aside = m.Cx() - e.Cx();
    if (std::abs(aside) > e.w * 0.5) {
        // A mouth beside the eyes: the face is turned that way, the head round
        // the eyes and the muzzle jutting out of it, the far ear behind.
        f.turn = aside < 0 ? -1 : 1;
        f.cx = e.Cx() + f.turn * e.w * 0.1;
        f.r = std::min(e.w, (f.turn < 0 ? p.W() - 4 - f.cx : f.cx - 4) / 1.06);
        f.cy = e.Cy() + f.r * 0.2;
    }
    double below = p.H() - (f.cy + f.r);
    f.body = below > f.r * 0.8;
    if (!f.body) {
        return f;
    }
    f.bodyCx = f.cx;
    f.bodyTop = f.cy + f.r * 0.72;
    f.feetY = p.H() - 5 - f.r * 0.14;
    double legs = std::min(f.r * 0.45, (f.feetY - f.bodyTop) * 0.25);
    f.hipY = f.feetY - legs;
    f.bodyRx = std::min({f.r * 0.78, f.bodyCx - 10, p.W() - 10 - f.bodyCx});
    double torso = f.hipY - f.bodyTop;
    for (int side : {0, 1}) {
        double s = side == 0 ? -1.0 : 1.0;
        f.shoulder[side] = {f.bodyCx + s * f.bodyRx * 0.62, f.bodyTop + torso * 0.22};
        f.hand[side] = {f.bodyCx + s * (f.bodyRx + f.r * 0.12), f.bodyTop + torso * 0.72};
    }
    return f;
}

void KeepInside(const Paint& p, GuideFigure& f) {
    double margin = 4 + f.r * 0.16;
    for (Point& h : f.hand) {
        h.x = std::clamp(h.x, margin, p.W() - margin);
        h.y = std::clamp(h.y, margin, p.H() - margin);
    }
}

void Limb(Canvas& c, Point from, Point to, double r, Colour colour) {
    double thick = std::max(r * 0.26, 7.0);
    c.Line(from.x, from.y, to.x, to.y, thick, kOutline);
    c.Line(from.x, from.y, to.x, to.y, thick - std::min(5.0, thick * 0.4), colour);
}

void DrawBody(Canvas& c, const Paint& p, const GuideFigure& f) {
    double r = f.r;
    // The tail curls up behind, on the side away from the screen's edge.
    double tx = f.bodyCx + f.bodyRx * 0.8;
    double ty = f.hipY - r * 0.15;
    double reach = std::min(r * 0.6, p.W() - 8 - tx - r * 0.1);
    if (reach > r * 0.2) {
        Point prev{tx, ty};
        for (int i = 1; i <= 10; ++i) {
            double t = i / 10.0;
            Point next{tx + reach * std::sin(t * 2.4),
                       ty - r * 0.9 * t + r * 0.2 * std::sin(t * 5)};
            c.Line(prev.x, prev.y, next.x, next.y, r * 0.16, kOutline);
            prev = next;
        }
        prev = {tx, ty};
        for (int i = 1; i <= 10; ++i) {
            double t = i / 10.0;
            Point next{tx + reach * std::sin(t * 2.4),
                       ty - r * 0.9 * t + r * 0.2 * std::sin(t * 5)};
            c.Line(prev.x, prev.y, next.x, next.y, r * 0.16 - 5, kFur);
            prev = next;
        }
    }
    for (double s : {-1.0, 1.0}) {
        Point hip{f.bodyCx + s * f.bodyRx * 0.4, f.hipY - r * 0.1};
        Point foot{f.bodyCx + s * f.bodyRx * 0.5, f.feetY - r * 0.05};
        Limb(c, hip, foot, r, f.trousers);
        c.OutlinedEllipse(foot.x + s * r * 0.08, f.feetY, r * 0.22, r * 0.13, f.glove, kOutline, 3);
    }
    double torsoCy = (f.bodyTop + f.hipY) / 2;
    double torsoRy = (f.hipY - f.bodyTop) / 2 + r * 0.08;
    c.OutlinedEllipse(f.bodyCx, torsoCy, f.bodyRx, torsoRy, kFur, kOutline, 3);
    c.FillEllipse(f.bodyCx, torsoCy + torsoRy * 0.12, f.bodyRx * 0.62, torsoRy * 0.7, kFace);
}

void DrawArms(Canvas& c, const GuideFigure& f) {
    for (int side : {0, 1}) {
        Limb(c, f.shoulder[side], f.hand[side], f.r, f.sleeve);
    }
    for (int side : {0, 1}) {
        c.OutlinedEllipse(f.hand[side].x, f.hand[side].y, f.r * 0.15, f.r * 0.15, f.glove, kOutline,
                          3);
    }
}

void DrawHead(Canvas& c, const Paint& p, const GuideFigure& f) {
    double r = f.r;
    const Box& e = f.face.eyes;
    const Box& m = f.face.mouth;
    for (double s : {-1.0, 1.0}) {
        if (f.turn == 0) {
            c.OutlinedEllipse(f.cx + s * r * 0.92, f.cy - r * 0.08, r * 0.3, r * 0.3, kFur,
                              kOutline, 3);
            c.FillEllipse(f.cx + s * r * 0.92, f.cy - r * 0.08, r * 0.17, r * 0.17, kFace);
        } else if (s == -f.turn) {
            c.OutlinedEllipse(f.cx + s * r * 0.78, f.cy - r * 0.3, r * 0.26, r * 0.26, kFur,
                              kOutline, 3);
            c.FillEllipse(f.cx + s * r * 0.78, f.cy - r * 0.3, r * 0.14, r * 0.14, kFace);
        }
    }
    // A tuft of fur on top, the guide's own mark.
    const Point tuft[] = {{f.cx - r * 0.25, f.cy - r * 0.9},
                          {f.cx - r * 0.1, f.cy - r * 1.18},
                          {f.cx + r * 0.02, f.cy - r * 0.95},
                          {f.cx + r * 0.2, f.cy - r * 1.15},
                          {f.cx + r * 0.28, f.cy - r * 0.88}};
    c.OutlinedPolygon(tuft, kFur, kOutline, 3);
    c.OutlinedEllipse(f.cx, f.cy, r, r, kFur, kOutline, 3);
    if (f.turn != 0) {
        c.OutlinedEllipse(m.Cx() - f.turn * 2, m.Cy() + 2, m.w * 0.56, m.h * 0.78, kFace, kOutline,
                          3);
    }
    // The face: a lobe round each eye and a muzzle round the mouth.
    double lobe = e.w * 0.3;
    c.FillEllipse(e.Cx() - e.w * 0.25, e.Cy(), lobe, std::max(lobe, e.h * 0.75), kFace);
    c.FillEllipse(e.Cx() + e.w * 0.25, e.Cy(), lobe, std::max(lobe, e.h * 0.75), kFace);
    c.FillEllipse((e.Cx() + m.Cx()) / 2, (e.Cy() + m.Cy()) / 2, e.w * 0.36,
                  std::abs(m.Cy() - e.Cy()) / 2 + e.h * 0.5, kFace);
    if (f.turn == 0) {
        c.FillEllipse(m.Cx(), m.Cy() + 1, std::max(m.w * 0.64, r * 0.42),
                      std::max(m.h * 0.74, r * 0.3), kFace);
    }
    double closed = p.row.motion == Motion::Blink && p.frame > 0 ? p.phase : 0.0;
    OpenEyes(c, e, closed, kFace);
    double nx = (e.Cx() + m.Cx()) / 2;
    double ny = (e.y + e.h + m.y) / 2;
    if (!Inside(e, nx, ny) && !Inside(m, nx, ny)) {
        double apart = std::max(1.5, e.w / 15);
        c.FillEllipse(nx - apart, ny, apart * 0.6, apart * 0.5, kOutline);
        c.FillEllipse(nx + apart, ny, apart * 0.6, apart * 0.5, kOutline);
    }
    ClosedMouth(c, m.Cx(), m.Cy(), m.w);
}

} // namespace

GuideFace FaceOfGuide(const PictureRow& body) {
    std::string_view name = body.name;
    GuideFace face{};
    face.eyes = Box{double(body.eyeX), double(body.eyeY), kEyesW, kEyesH};
    face.mouth = Box{double(body.mouthX), double(body.mouthY), kMouthW, kMouthH};
    if (body.width < 100) {
        // A small figure, as the circus cannon's: its face in proportion.
        double w = body.width * 0.25;
        face.eyes = Box{double(body.eyeX), double(body.eyeY), w, w * 0.4};
        face.mouth = Box{double(body.mouthX), double(body.mouthY), w * 0.8, w * 0.44};
    }
    if (name.starts_with("fishinghead")) {
        face.eyes = Box{double(body.eyeX), double(body.eyeY), 46, 18}; // a head alone, smaller
    }
    for (const Overlays& o : kOverlays) {
        if (name.starts_with(o.body)) {
            face.eyes = OverlayBox(o.eyes, int(face.eyes.x), int(face.eyes.y), int(face.eyes.w),
                                   int(face.eyes.h), body);
            face.mouth = OverlayBox(o.mouth, body.mouthX, body.mouthY, kMouthW, kMouthH, body);
            face.eyesLaid = !o.eyes.empty();
            face.mouthLaid = !o.mouth.empty();
            face.eyesPicture = o.eyes;
            face.mouthPicture = o.mouth;
        }
    }
    return face;
}

void PaintMonkey(Canvas& c, const Paint& p) {
    GuideFigure f = LayOut(p);
    if (f.body) {
        PoseGuide(p, f);
        KeepInside(p, f);
    }
    DressBehind(c, p, f);
    if (f.body) {
        DrawBody(c, p, f);
        DressBody(c, p, f);
        DrawArms(c, f);
    }
    DrawHead(c, p, f);
    DressHead(c, p, f);
    if (f.body) {
        HoldInHands(c, p, f);
    }
}

bool PaintGuideScene(Canvas& c, const Paint& p) {
    if (!p.NameHas("sunrisemonkeyface")) {
        return false;
    }
    // The guide's face rises as the sun over the hills at the week's end; risen,
    // it is where the screen lays its talking mouth.
    const PictureRow* mouthRow = FindPictureRow("sunmonkeymouth");
    std::optional<ScreenPoint> mouthAt = PlaceOf("sunmonkeymouth");
    std::optional<ScreenPoint> faceAt = PlaceOf("sunrisemonkeyface");
    if (mouthRow == nullptr || !mouthAt || !faceAt) {
        return false;
    }
    c.VerticalGradient(0, 0, p.W(), p.H(), 0xF8C080, 0xFFE8B0);
    GuideFigure f{};
    f.face.mouth = Box{double(mouthAt->x - faceAt->x), double(mouthAt->y - faceAt->y),
                       double(mouthRow->width), double(mouthRow->height)};
    const Box& m = f.face.mouth;
    double ew = m.w * 1.2;
    double rise = (1.0 - p.phase) * p.H() * 0.5; // its rays peep over the hills at first
    f.face.eyes = Box{m.Cx() - ew / 2, m.Cy() - ew * 0.66 - ew * 0.18 + rise, ew, ew * 0.36};
    f.face.mouth.y += rise;
    f.r = ew;
    f.cx = m.Cx();
    f.cy = (f.face.eyes.Cy() + f.face.mouth.Cy()) / 2 + f.r * 0.05;
    for (int i = 0; i < 16; ++i) {
        double a = std::numbers::pi * i / 8.0;
        double a0 = a - 0.14;
        double a1 = a + 0.14;
        const Point ray[] = {{f.cx + std::cos(a0) * f.r * 1.12, f.cy + std::sin(a0) * f.r * 1.12},
                             {f.cx + std::cos(a) * f.r * 1.5, f.cy + std::sin(a) * f.r * 1.5},
                             {f.cx + std::cos(a1) * f.r * 1.12, f.cy + std::sin(a1) * f.r * 1.12}};
        c.OutlinedPolygon(ray, i % 2 == 0 ? 0xFFD840 : 0xF8A030, kOutline, 3);
    }
    c.OutlinedEllipse(f.cx, f.cy, f.r * 1.16, f.r * 1.16, 0xFFD840, kOutline, 3);
    DrawHead(c, p, f);
    // The hills it rises from.
    double horizon = p.H() * 0.72;
    c.FillEllipse(p.W() * 0.2, horizon + 40, p.W() * 0.45, 90, 0x70B050);
    c.FillEllipse(p.W() * 0.85, horizon + 50, p.W() * 0.4, 90, 0x60A048);
    c.FillRect(0, int(horizon + 40), p.W(), p.H(), 0x60A048);
    return true;
}

void PaintEyes(Canvas& c, const Paint& p) {
    if (p.row.eyeX != 0 || p.row.eyeY != 0) {
        ClosedEyes(c, p.row.eyeX, p.row.eyeY, kEyesW, kEyesH, FaceOf(p));
        return;
    }
    ClosedEyes(c, 0, 0, p.W(), p.H(), FaceOf(p));
    if (p.NameHas("school-monkey")) {
        DrawGlasses(c, Box{0, 0, double(p.W()), double(p.H())});
    }
}

void PaintMouth(Canvas& c, const Paint& p) {
    double open = p.row.frames > 1 && p.frame > 1 ? (p.frame - 1) / double(p.row.frames - 1) : 0;
    double cx = p.W() / 2.0;
    double cy = p.H() / 2.0;
    c.FillEllipse(cx, cy, p.W() / 2.0, p.H() / 2.0, kFace);
    if (open == 0.0) {
        ClosedMouth(c, cx, cy, p.W());
        return;
    }
    double rx = p.W() * 0.36;
    double ry = std::max(3.0, p.H() * 0.42 * open);
    c.OutlinedEllipse(cx, cy, rx, ry, 0x801820, kOutline, 2);
    if (ry > 6) {
        c.FillEllipse(cx, cy + ry * 0.5, rx * 0.55, ry * 0.35, 0xF07080);
    }
}

} // namespace vocassets
