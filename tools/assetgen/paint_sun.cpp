// The friendly sun of the days: a yellow face in a ring of rays, crossing each
// day's row, and rising alone over the hills at the end of the week until its
// smile stands where the talking mouth is laid.
#include "paint_parts.h"
#include "placements.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace vocassets {
namespace {

constexpr Colour kSunFill = 0xFFD838;
constexpr Colour kSunRim = 0xF09020;
constexpr Colour kRay = 0xFFB020;
constexpr Colour kCheek = 0xF89870;

// The talking mouth's place at the end of the week, centred; the sunrise's
// face ends with its smile there.
Point MouthCentre(double w, double h) {
    std::optional<ScreenPoint> at = PlaceOf("sunmonkeymouth");
    const PictureRow* row = FindPictureRow("sunmonkeymouth");
    if (!at || row == nullptr) {
        return {w / 2, h * 0.36};
    }
    return {at->x + row->width / 2.0, at->y + row->height / 2.0};
}

// The smile's arc: its centre below the sun's, its radius, and how far below
// the sun's centre its middle lies, as shares of the sun's radius.
constexpr double kSmileCentre = 0.12;
constexpr double kSmileRadius = 0.42;
constexpr double kSmileMiddle = 0.45;

void Hills(Canvas& c, double w, double h, double horizon) {
    c.FillEllipse(w * 0.18, horizon + 30, w * 0.4, 90, 0x5CA040);
    c.FillEllipse(w * 0.82, horizon + 40, w * 0.42, 100, 0x66AA33);
    c.FillRect(0, int(horizon + 40), int(w), int(h), 0x66AA33);
    c.FillEllipse(w * 0.5, horizon + 70, w * 0.35, 60, 0x74B840);
    for (double x : {0.08, 0.27, 0.7, 0.9}) {
        double tx = w * x;
        double ground = horizon + 48 + 30 * std::abs(std::sin(x * 9));
        c.OutlinedRoundRect(int(tx - 5), int(ground - 40), 10, 40, 2, 0x704828, kOutline, 2);
        c.OutlinedEllipse(tx, ground - 52, 26, 24, 0x3C8C3C, kOutline, 2);
        c.FillEllipse(tx - 8, ground - 60, 8, 6, 0x5CAC5C);
    }
}

} // namespace

void DrawSun(Canvas& c, double cx, double cy, double r, double turn) {
    // Rays, long and short by turns, turned a little as the sun moves.
    constexpr int kRays = 12;
    for (int i = 0; i < kRays; ++i) {
        double a = 2 * std::numbers::pi * (i + turn) / kRays;
        double len = r * (i % 2 == 0 ? 1.55 : 1.35);
        double half = std::numbers::pi / kRays * 0.55;
        const Point ray[] = {
            {cx + std::cos(a - half) * r * 0.9, cy + std::sin(a - half) * r * 0.9},
            {cx + std::cos(a) * len, cy + std::sin(a) * len},
            {cx + std::cos(a + half) * r * 0.9, cy + std::sin(a + half) * r * 0.9}};
        c.OutlinedPolygon(ray, kRay, kSunRim, std::max(1, int(r / 14)));
    }
    int line = std::max(2, int(r / 10));
    c.OutlinedEllipse(cx, cy, r, r, kSunFill, kSunRim, line);
    c.FillEllipse(cx - r * 0.38, cy - r * 0.45, r * 0.22, r * 0.12, 0xFFF0A0);
    // The face: round eyes that shine, rosy cheeks and a wide smile.
    double eye = r * 0.12;
    for (double side : {-1.0, 1.0}) {
        c.FillEllipse(cx + side * r * 0.34, cy - r * 0.12, eye, eye * 1.3, kOutline);
        c.FillEllipse(cx + side * r * 0.34 - eye * 0.35, cy - r * 0.12 - eye * 0.45, eye * 0.4,
                      eye * 0.4, kWhite);
        c.FillEllipse(cx + side * r * 0.55, cy + r * 0.2, r * 0.14, r * 0.09, kCheek);
    }
    constexpr int kSteps = 10;
    for (int i = 0; i < kSteps; ++i) {
        double a0 = std::numbers::pi * (0.2 + 0.6 * i / kSteps);
        double a1 = std::numbers::pi * (0.2 + 0.6 * (i + 1) / kSteps);
        c.Line(cx + std::cos(a0) * r * kSmileRadius,
               cy + (std::sin(a0) * kSmileRadius + kSmileCentre) * r,
               cx + std::cos(a1) * r * kSmileRadius,
               cy + (std::sin(a1) * kSmileRadius + kSmileCentre) * r, std::max(2.0, r / 12),
               kOutline);
    }
}

bool PaintSunrise(Canvas& c, const Paint& p) {
    if (!p.NameHas("sunrise")) {
        return false;
    }
    double w = p.W();
    double h = p.H();
    double t = p.phase;
    // The sky goes from dawn through morning to day as the sun climbs, in flat colours.
    Colour sky = t < 0.5 ? Mix(0xF8C890, 0xFFE8B0, 2 * t) : Mix(0xFFE8B0, 0x99D4FF, 2 * t - 1);
    c.FillRect(0, 0, p.W(), p.H(), sky);
    Point mouth = MouthCentre(w, h);
    double r = 78;
    double endY = mouth.y - r * kSmileMiddle;
    double horizon = h * 0.62;
    double startY = horizon + r * 1.2;
    double eased = 1 - (1 - t) * (1 - t);
    DrawSun(c, mouth.x, startY + (endY - startY) * eased, r, t);
    Hills(c, w, h, horizon);
    return true;
}

} // namespace vocassets
