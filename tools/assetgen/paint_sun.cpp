// The friendly sun of the days: a yellow face in a ring of rays, crossing each
// day's row.
#include "paint_parts.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vocassets {
namespace {

constexpr Colour kSunFill = 0xFFD838;
constexpr Colour kSunRim = 0xF09020;
constexpr Colour kRay = 0xFFB020;
constexpr Colour kCheek = 0xF89870;

// The smile's arc: its centre below the sun's and its radius, as shares of
// the sun's radius.
constexpr double kSmileCentre = 0.12;
constexpr double kSmileRadius = 0.42;

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

} // namespace vocassets
