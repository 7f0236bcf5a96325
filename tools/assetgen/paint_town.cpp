// The town: the three map backdrops with every place drawn where its object
// stands, and the places themselves (the lake, the swings, the store, the city
// hall, the moon, the house, the school, the sun, the arrows, the road and its
// tunnels), each drawn so a child knows it without a word.
#include "paint_parts.h"
#include "painter.h"
#include "placements.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vocassets {
namespace {

constexpr Colour kDaySky = 0x99D4FF;
constexpr Colour kNightSky = 0x332A66;
constexpr Colour kGrass = 0x66AA33;
constexpr Colour kFarGrass = 0x66D433;
constexpr Colour kNightGrass = 0x337F33;
constexpr Colour kAsphalt = 0x808080;
constexpr Colour kGlass = 0xB8E0F8;
constexpr Colour kBrick = 0xCC5533;
constexpr Colour kRoof = 0xB03828;

void Cloud(Canvas& c, double x, double y, double s) {
    c.FillEllipse(x, y, s, s * 0.5, kWhite);
    c.FillEllipse(x - s * 0.6, y + s * 0.15, s * 0.6, s * 0.35, kWhite);
    c.FillEllipse(x + s * 0.6, y + s * 0.15, s * 0.6, s * 0.35, kWhite);
}

void Tree(Canvas& c, double x, double groundY, double size) {
    c.OutlinedRoundRect(int(x - size / 10), int(groundY - size * 0.6), int(size / 5),
                        int(size * 0.6), 2, 0x704828, kOutline, 2);
    c.OutlinedEllipse(x, groundY - size * 0.75, size * 0.42, size * 0.38, 0x339933, kOutline, 2);
    c.FillEllipse(x - size * 0.12, groundY - size * 0.88, size * 0.12, size * 0.08, 0x66CC66);
}

// The window of a building, with its cross bar.
void Window(Canvas& c, double x, double y, double w, double h) {
    c.OutlinedRoundRect(int(x), int(y), int(w), int(h), 2, kGlass, kOutline, 2);
    c.Line(x + w / 2, y + 2, x + w / 2, y + h - 2, 2, kOutline);
    c.Line(x + 2, y + h / 2, x + w - 2, y + h / 2, 2, kOutline);
}

void Door(Canvas& c, double x, double y, double w, double h, Colour colour) {
    c.OutlinedRoundRect(int(x), int(y), int(w), int(h), 3, colour, kOutline, 2);
    c.FillEllipse(x + w * 0.78, y + h * 0.55, 2.5, 2.5, 0xF0D040);
}

void Lake(Canvas& c, const Paint& p) {
    double w = p.W();
    double h = p.H();
    c.OutlinedEllipse(w / 2, h / 2, w / 2 - 2, h / 2 - 2, 0xE0CC88, kOutline, 2);
    c.OutlinedEllipse(w / 2, h / 2 + 2, w / 2 - 12, h / 2 - 12, 0x3399DD, 0x2266AA, 3);
    for (int i = 0; i < 5; ++i) {
        double x = w * (0.25 + 0.12 * i);
        double y = h * (0.4 + 0.1 * (i % 3));
        c.Line(x - 14, y, x + 14, y, 3, 0x99D4FF);
    }
    // Reeds on one bank and lily pads on the water.
    for (int i = 0; i < 4; ++i) {
        double x = w * 0.08 + i * 7;
        c.Line(x, h * 0.5, x + 2, h * 0.22, 3, 0x337F33);
        c.OutlinedEllipse(x + 2, h * 0.25, 3, 7, 0x804020, kOutline, 1);
    }
    c.OutlinedEllipse(w * 0.72, h * 0.72, 12, 6, 0x66AA33, kOutline, 1);
    c.OutlinedEllipse(w * 0.8, h * 0.62, 9, 5, 0x66AA33, kOutline, 1);
    c.FillEllipse(w * 0.8, h * 0.6, 3, 3, 0xFF99FF);
}

void Swings(Canvas& c, const Paint& p) {
    double w = p.W();
    double h = p.H();
    constexpr Colour kFrame = 0xCC3333;
    // Two A-frames joined by the top bar.
    c.Line(w * 0.12, h * 0.12, w * 0.02, h - 3, 6, kOutline);
    c.Line(w * 0.12, h * 0.12, w * 0.22, h - 3, 6, kOutline);
    c.Line(w * 0.88, h * 0.12, w * 0.78, h - 3, 6, kOutline);
    c.Line(w * 0.88, h * 0.12, w * 0.98, h - 3, 6, kOutline);
    c.Line(w * 0.12, h * 0.12, w * 0.02, h - 3, 4, kFrame);
    c.Line(w * 0.12, h * 0.12, w * 0.22, h - 3, 4, kFrame);
    c.Line(w * 0.88, h * 0.12, w * 0.78, h - 3, 4, kFrame);
    c.Line(w * 0.88, h * 0.12, w * 0.98, h - 3, 4, kFrame);
    c.OutlinedRoundRect(int(w * 0.06), int(h * 0.08), int(w * 0.88), 9, 3, kFrame, kOutline, 2);
    // Two swings on their ropes.
    for (double x : {w * 0.36, w * 0.64}) {
        c.Line(x - 10, h * 0.14, x - 10, h * 0.7, 2, 0x604020);
        c.Line(x + 10, h * 0.14, x + 10, h * 0.7, 2, 0x604020);
        c.OutlinedRoundRect(int(x - 15), int(h * 0.7), 30, 8, 2, 0xFFCC33, kOutline, 2);
    }
}

void Store(Canvas& c, const Paint& p) {
    double w = p.W();
    double h = p.H();
    c.OutlinedRoundRect(4, int(h * 0.22), int(w - 8), int(h * 0.78 - 2), 3, 0xFFFFCC, kOutline, 3);
    // The sign board shows a shopping cart, the awning has stripes.
    c.OutlinedRoundRect(int(w * 0.2), 2, int(w * 0.6), int(h * 0.2), 4, 0x339933, kOutline, 3);
    double cx = w * 0.5;
    double cy = h * 0.11;
    c.Line(cx - 22, cy - 8, cx - 14, cy - 8, 2, kWhite);
    const Point basket[] = {
        {cx - 14, cy - 8}, {cx + 20, cy - 8}, {cx + 14, cy + 4}, {cx - 10, cy + 4}};
    c.FillPolygon(basket, kWhite);
    c.FillEllipse(cx - 6, cy + 9, 3, 3, kWhite);
    c.FillEllipse(cx + 10, cy + 9, 3, 3, kWhite);
    int stripes = 8;
    double sw = (w - 8) / stripes;
    for (int i = 0; i < stripes; ++i) {
        const Point stripe[] = {{4 + i * sw, h * 0.24},
                                {4 + (i + 1) * sw, h * 0.24},
                                {4 + (i + 1) * sw + 2, h * 0.38},
                                {4 + i * sw + 2, h * 0.38}};
        c.FillPolygon(stripe, i % 2 == 0 ? 0xCC3333 : kWhite);
    }
    c.Line(4, h * 0.38, w - 4, h * 0.38, 3, kOutline);
    // The shop window with fruit in boxes, and the door.
    c.OutlinedRoundRect(int(w * 0.08), int(h * 0.46), int(w * 0.52), int(h * 0.34), 3, kGlass,
                        kOutline, 2);
    constexpr Colour kFruit[] = {0xFF3333, 0xFF9933, 0xFFFF33, 0x66CC33};
    for (int box = 0; box < 3; ++box) {
        double bx = w * (0.12 + box * 0.16);
        c.OutlinedRoundRect(int(bx), int(h * 0.7), int(w * 0.13), int(h * 0.08), 2, 0xA07040,
                            kOutline, 1);
        for (int k = 0; k < 3; ++k) {
            c.OutlinedEllipse(bx + w * 0.025 + k * w * 0.04, h * 0.67, 5, 5, kFruit[(box + k) % 4],
                              kOutline, 1);
        }
    }
    Door(c, w * 0.68, h * 0.46, w * 0.22, h * 0.52, 0x3377CC);
    c.OutlinedRoundRect(int(w * 0.71), int(h * 0.5), int(w * 0.16), int(h * 0.2), 2, kGlass,
                        kOutline, 1);
}

void CityHall(Canvas& c, const Paint& p) {
    double w = p.W();
    double h = p.H();
    constexpr Colour kStone = 0xF0F0E0;
    // Flag and dome on top, then the roof's triangle with its clock.
    c.Line(w / 2, 2, w / 2, h * 0.2, 2, kOutline);
    c.OutlinedRoundRect(int(w / 2), 2, 22, 13, 2, 0x3366CC, kOutline, 2);
    c.OutlinedEllipse(w / 2, h * 0.27, w * 0.16, h * 0.1, 0x66AAAA, kOutline, 3);
    c.FillRect(int(w * 0.34), int(h * 0.27), int(w * 0.32), int(h * 0.1), 0x66AAAA);
    const Point roof[] = {{w * 0.04, h * 0.48}, {w * 0.5, h * 0.3}, {w * 0.96, h * 0.48}};
    c.OutlinedPolygon(roof, kStone, kOutline, 3);
    c.OutlinedEllipse(w / 2, h * 0.41, h * 0.05, h * 0.05, kWhite, kOutline, 2);
    c.Line(w / 2, h * 0.41, w / 2, h * 0.38, 2, kOutline);
    c.Line(w / 2, h * 0.41, w / 2 + 4, h * 0.41, 2, kOutline);
    c.OutlinedRoundRect(int(w * 0.06), int(h * 0.48), int(w * 0.88), int(h * 0.06), 2, kStone,
                        kOutline, 2);
    // Columns in front of the hall, a big door, and the steps.
    c.OutlinedRoundRect(int(w * 0.1), int(h * 0.54), int(w * 0.8), int(h * 0.34), 2, 0xCCD4CC,
                        kOutline, 2);
    Door(c, w * 0.43, h * 0.64, w * 0.14, h * 0.24, 0x8A5A30);
    for (int i = 0; i < 6; ++i) {
        if (i == 2 || i == 3) {
            continue;
        }
        double x = w * (0.14 + i * 0.14);
        c.OutlinedRoundRect(int(x), int(h * 0.54), int(w * 0.06), int(h * 0.34), 2, kStone,
                            kOutline, 2);
    }
    for (int i = 0; i < 3; ++i) {
        c.OutlinedRoundRect(int(w * (0.06 - i * 0.02)), int(h * (0.88 + i * 0.04)),
                            int(w * (0.88 + i * 0.04)), int(h * 0.04), 1, kStone, kOutline, 1);
    }
}

void Moon(Canvas& c, const Paint& p) {
    double w = p.W();
    double h = p.H();
    double r = std::min(w, h) / 2 - 3;
    c.OutlinedEllipse(w / 2, h / 2, r, r, 0xFFFFCC, kOutline, 3);
    for (auto [dx, dy, rr] :
         {std::tuple{-0.3, -0.2, 0.16}, {0.25, 0.2, 0.12}, {-0.1, 0.4, 0.09}, {0.3, -0.35, 0.08}}) {
        c.OutlinedEllipse(w / 2 + dx * r, h / 2 + dy * r, rr * r, rr * r, 0xE0E0B0, 0xCCCC99, 2);
    }
    c.FillEllipse(w / 2 - r * 0.3, h / 2 + r * 0.05, r * 0.06, r * 0.06, kOutline);
    c.FillEllipse(w / 2 + r * 0.05, h / 2 - r * 0.02, r * 0.06, r * 0.06, kOutline);
    c.Line(w / 2 - r * 0.3, h / 2 + r * 0.22, w / 2, h / 2 + r * 0.25, 3, kOutline);
}

void Sun(Canvas& c, const Paint& p) {
    double w = p.W();
    double h = p.H();
    double r = std::min(w, h) * 0.3;
    double cx = w / 2;
    double cy = h / 2;
    for (int i = 0; i < 12; ++i) {
        double a = 2 * std::numbers::pi * i / 12;
        const Point ray[] = {
            {cx + std::cos(a - 0.14) * r * 1.1, cy + std::sin(a - 0.14) * r * 1.1},
            {cx + std::cos(a) * (std::min(w, h) / 2 - 2),
             cy + std::sin(a) * (std::min(w, h) / 2 - 2)},
            {cx + std::cos(a + 0.14) * r * 1.1, cy + std::sin(a + 0.14) * r * 1.1}};
        c.OutlinedPolygon(ray, 0xFFCC33, kOutline, 2);
    }
    c.OutlinedEllipse(cx, cy, r, r, 0xFFFF33, kOutline, 3);
    c.FillEllipse(cx - r * 0.35, cy - r * 0.15, r * 0.1, r * 0.12, kOutline);
    c.FillEllipse(cx + r * 0.35, cy - r * 0.15, r * 0.1, r * 0.12, kOutline);
    c.FillEllipse(cx - r * 0.55, cy + r * 0.2, r * 0.13, r * 0.08, 0xFF9966);
    c.FillEllipse(cx + r * 0.55, cy + r * 0.2, r * 0.13, r * 0.08, 0xFF9966);
    for (int i = 0; i <= 8; ++i) {
        double a0 = std::numbers::pi * (0.2 + 0.6 * i / 8.0);
        double a1 = std::numbers::pi * (0.2 + 0.6 * (i + 1) / 8.0);
        if (i < 8) {
            c.Line(cx + std::cos(a0) * r * 0.5, cy + std::sin(a0) * r * 0.5,
                   cx + std::cos(a1) * r * 0.5, cy + std::sin(a1) * r * 0.5, 3, kOutline);
        }
    }
}

void House(Canvas& c, const Paint& p) {
    double w = p.W();
    double h = p.H();
    // Chimney with smoke, roof, walls, door, windows and flowers under them.
    c.OutlinedRoundRect(int(w * 0.68), int(h * 0.1), int(w * 0.1), int(h * 0.22), 2, kBrick,
                        kOutline, 2);
    c.FillEllipse(w * 0.74, h * 0.06, 7, 5, 0xE0E0E0);
    c.FillEllipse(w * 0.8, h * 0.03, 5, 3, 0xE0E0E0);
    c.OutlinedRoundRect(int(w * 0.1), int(h * 0.42), int(w * 0.8), int(h * 0.56), 3, 0xFFCC99,
                        kOutline, 3);
    const Point roof[] = {{w * 0.02, h * 0.45}, {w * 0.5, h * 0.1}, {w * 0.98, h * 0.45}};
    c.OutlinedPolygon(roof, kRoof, kOutline, 3);
    Window(c, w * 0.44, h * 0.22, w * 0.12, h * 0.12);
    Door(c, w * 0.42, h * 0.64, w * 0.16, h * 0.34, 0x3377CC);
    for (double x : {w * 0.16, w * 0.64}) {
        Window(c, x, h * 0.56, w * 0.2, h * 0.18);
        c.OutlinedRoundRect(int(x - 2), int(h * 0.74), int(w * 0.2 + 4), int(h * 0.05), 2, 0xA07040,
                            kOutline, 1);
        for (int k = 0; k < 4; ++k) {
            c.FillEllipse(x + 5 + k * w * 0.05, h * 0.735, 3, 3, k % 2 ? 0xFF6666 : 0xFFFF66);
        }
    }
}

void School(Canvas& c, const Paint& p) {
    double w = p.W();
    double h = p.H();
    // A brick school with a bell tower, a clock and a flag.
    c.Line(w * 0.5, 2, w * 0.5, h * 0.16, 2, kOutline);
    c.OutlinedRoundRect(int(w * 0.5), 2, 22, 12, 2, 0xCC3333, kOutline, 2);
    c.OutlinedRoundRect(int(w * 0.4), int(h * 0.16), int(w * 0.2), int(h * 0.22), 2, kBrick,
                        kOutline, 2);
    c.OutlinedRoundRect(int(w * 0.44), int(h * 0.19), int(w * 0.12), int(h * 0.1), 3, 0x332A2A,
                        kOutline, 1);
    const Point bell[] = {{w * 0.47, h * 0.28}, {w * 0.5, h * 0.2}, {w * 0.53, h * 0.28}};
    c.FillPolygon(bell, 0xF0C020);
    c.OutlinedRoundRect(int(w * 0.04), int(h * 0.38), int(w * 0.92), int(h * 0.6), 3, kBrick,
                        kOutline, 3);
    const Point roof[] = {{w * 0.02, h * 0.4}, {w * 0.5, h * 0.3}, {w * 0.98, h * 0.4}};
    c.OutlinedPolygon(roof, 0x6A3A2A, kOutline, 3);
    c.OutlinedEllipse(w * 0.5, h * 0.46, h * 0.055, h * 0.055, kWhite, kOutline, 2);
    c.Line(w * 0.5, h * 0.46, w * 0.5, h * 0.425, 2, kOutline);
    c.Line(w * 0.5, h * 0.46, w * 0.52, h * 0.46, 2, kOutline);
    for (int row = 0; row < 2; ++row) {
        for (int i = 0; i < 4; ++i) {
            double x = w * (0.09 + i * 0.1 + (i >= 2 ? 0.42 : 0.0));
            Window(c, x, h * (0.48 + row * 0.2), w * 0.08, h * 0.13);
        }
    }
    Door(c, w * 0.42, h * 0.62, w * 0.075, h * 0.36, 0x3377CC);
    Door(c, w * 0.505, h * 0.62, w * 0.075, h * 0.36, 0x3377CC);
    c.OutlinedRoundRect(int(w * 0.38), int(h * 0.95), int(w * 0.24), int(h * 0.05) - 1, 1, 0xCCD4CC,
                        kOutline, 1);
}

void Arrow(Canvas& c, const Paint& p) {
    double w = p.W();
    double h = p.H();
    bool right = p.NameHas("right");
    double tip = right ? w - 2 : 2;
    double base = right ? 3 : w - 3;
    double mid = right ? w * 0.42 : w * 0.58;
    const Point arrow[] = {{tip, h / 2},     {mid, h * 0.2},  {mid, h * 0.36}, {base, h * 0.36},
                           {base, h * 0.64}, {mid, h * 0.64}, {mid, h * 0.8}};
    c.OutlinedPolygon(arrow, 0xFFCC33, kOutline, 3);
    c.Line(base + (right ? 4 : -4), h * 0.38, mid, h * 0.38, 3, 0xFFFF99);
}

// The road the vehicles drive along, where the child clicks to go to the gas station.
void Road(Canvas& c, const Paint& p) {
    int top = p.H() - 96;
    c.FillRect(0, top, p.W(), 86, kAsphalt);
    c.FillRect(0, top, p.W(), 4, 0xE0E0E0);
    c.FillRect(0, top + 82, p.W(), 4, 0xE0E0E0);
    for (int x = 0; x < p.W(); x += 64) {
        c.FillRect(x + 16, top + 41, 32, 4, 0xFFFF66);
    }
}

// A tunnel mouth in a rocky hill; its dark opening hides the vehicles that drive in.
void Tunnel(Canvas& c, const Paint& p, bool left) {
    double w = p.W();
    double h = p.H();
    const Point hill[] = {{left ? 6.0 : 0.0, h},
                          {left ? w * 0.25 : 0.0, h * 0.1},
                          {left ? w : w * 0.75, 0.0},
                          {left ? w : w - 6.0, h}};
    c.OutlinedPolygon(hill, 0x99774C, kOutline, 3);
    double cx = left ? w * 0.6 : w * 0.45;
    double rx = left ? w * 0.34 : w * 0.3;
    c.OutlinedEllipse(cx, h * 0.62, rx + 8, h * 0.42, 0xCCC0A0, kOutline, 3);
    c.FillEllipse(cx, h * 0.64, rx, h * 0.36, 0x202020);
    c.FillRect(int(cx - rx - 8), int(h * 0.92), int(2 * rx + 16), int(h * 0.08), 0x202020);
    for (int i = 0; i < 5; ++i) {
        double a = std::numbers::pi * (1.1 + 0.2 * i);
        c.Line(cx + std::cos(a) * (rx + 2), h * 0.62 + std::sin(a) * (h * 0.42 - 4),
               cx + std::cos(a) * (rx + 8), h * 0.62 + std::sin(a) * (h * 0.42 + 2), 2, kOutline);
    }
}

void Horse(Canvas& c, double x, double y, double s, Colour colour, bool facingRight) {
    double d = facingRight ? 1 : -1;
    c.Line(x - d * s * 0.5, y + s * 0.2, x - d * s * 0.6, y + s * 0.7, 4, kOutline);
    c.Line(x + d * s * 0.4, y + s * 0.2, x + d * s * 0.6, y + s * 0.65, 4, kOutline);
    c.OutlinedEllipse(x, y, s * 0.6, s * 0.3, colour, kOutline, 2);
    c.Line(x + d * s * 0.45, y - s * 0.1, x + d * s * 0.65, y - s * 0.5, s * 0.22, kOutline);
    c.Line(x + d * s * 0.45, y - s * 0.1, x + d * s * 0.65, y - s * 0.5, s * 0.14, colour);
    c.OutlinedEllipse(x + d * s * 0.75, y - s * 0.5, s * 0.22, s * 0.14, colour, kOutline, 2);
    c.FillEllipse(x + d * s * 0.75, y - s * 0.54, 2, 2, kOutline);
    c.Line(x - d * s * 0.58, y - s * 0.1, x - d * s * 0.8, y + s * 0.3, 4, 0x8A5A30);
    c.OutlinedRoundRect(int(x - s * 0.2), int(y - s * 0.36), int(s * 0.4), int(s * 0.12), 2,
                        0xCC3333, kOutline, 1);
}

// The carousel turning: its horses go round and up and down over the frames.
void Carousel(Canvas& c, const Paint& p) {
    double w = p.W();
    double h = p.H();
    double cx = w / 2;
    c.OutlinedEllipse(cx, h - 22, w / 2 - 4, 18, 0xCC9966, kOutline, 3);
    c.FillRect(int(cx - w / 2 + 6), int(h - 26), int(w - 12), 6, 0xF0C020);
    c.OutlinedRoundRect(int(cx - 6), 52, 12, int(h - 80), 3, 0xF0C020, kOutline, 2);
    constexpr Colour kCoats[] = {kWhite, 0xCC8844, 0x99AAFF, 0xFF99CC};
    struct Rider {
        double x, y, depth;
        int index;
    };
    std::vector<Rider> riders;
    for (int k = 0; k < 4; ++k) {
        double a = 2 * std::numbers::pi * (k / 4.0 + p.phase * 0.25);
        double bob = std::sin(2 * std::numbers::pi * (p.phase * 2 + k * 0.5)) * 10;
        riders.push_back(
            {cx + std::cos(a) * w * 0.33, h * 0.55 + bob + std::sin(a) * 12, std::sin(a), k});
    }
    std::sort(riders.begin(), riders.end(),
              [](const Rider& a, const Rider& b) { return a.depth < b.depth; });
    for (const Rider& r : riders) {
        double s = 40 + r.depth * 6;
        c.Line(r.x, 60, r.x, h - 30, 3, 0xC0C0C0);
        Horse(c, r.x, r.y, s, kCoats[r.index], r.index % 2 == 0);
    }
    // The striped roof with its scalloped edge and a flag on top.
    const Point roof[] = {{cx, 10}, {w - 4, 56}, {4, 56}};
    c.OutlinedPolygon(roof, 0xFFFFCC, kOutline, 3);
    for (int i = 0; i < 8; ++i) {
        if (i % 2 == 0) {
            continue;
        }
        const Point stripe[] = {
            {cx, 12}, {4 + (w - 8) * (i + 1) / 8.0, 54}, {4 + (w - 8) * i / 8.0, 54}};
        c.FillPolygon(stripe, 0xCC3333);
    }
    for (int i = 0; i < 8; ++i) {
        double x = 4 + (w - 8) * (i + 0.5) / 8.0;
        c.OutlinedEllipse(x, 58, (w - 8) / 16.0, 7, i % 2 ? 0xCC3333 : 0xFFFFCC, kOutline, 2);
    }
    c.Line(cx, 2, cx, 12, 2, kOutline);
    c.OutlinedRoundRect(int(cx), 1, 16, 9, 2, 0x3366CC, kOutline, 1);
}

// The aeroplane crossing the right map, its propeller turning over the frames.
void Plane(Canvas& c, const Paint& p) {
    double w = p.W();
    double h = p.H();
    constexpr Colour kBody = 0xF0F0F0;
    const Point tail[] = {
        {w * 0.06, h * 0.1}, {w * 0.18, h * 0.1}, {w * 0.3, h * 0.45}, {w * 0.08, h * 0.45}};
    c.OutlinedPolygon(tail, 0xCC3333, kOutline, 2);
    c.OutlinedRoundRect(int(w * 0.06), int(h * 0.38), int(w * 0.8), int(h * 0.3), int(h * 0.15),
                        kBody, kOutline, 3);
    const Point nose[] = {{w * 0.8, h * 0.38}, {w * 0.95, h * 0.53}, {w * 0.8, h * 0.68}};
    c.OutlinedPolygon(nose, kBody, kOutline, 3);
    for (int i = 0; i < 5; ++i) {
        c.OutlinedEllipse(w * (0.34 + i * 0.08), h * 0.48, 4, 4, kGlass, kOutline, 1);
    }
    const Point wing[] = {
        {w * 0.42, h * 0.58}, {w * 0.6, h * 0.58}, {w * 0.46, h * 0.95}, {w * 0.36, h * 0.95}};
    c.OutlinedPolygon(wing, 0xCC3333, kOutline, 2);
    c.FillRect(int(w * 0.1), int(h * 0.6), int(w * 0.7), 3, 0x3366CC);
    double turn = std::numbers::pi * p.phase * 6;
    double blade = h * 0.28 * std::cos(turn);
    double lean = h * 0.08 * std::sin(turn);
    c.Line(w * 0.96 - lean, h * 0.53 - blade, w * 0.96 + lean, h * 0.53 + blade, 4, 0x404040);
    c.FillEllipse(w * 0.96, h * 0.53, 3, 3, kOutline);
}

struct Sky {
    bool night;
    int horizon;
};

// A map paints only land and sky around its places: a tree or a flower bed
// would look like a place and answer no click.
void Land(Canvas& c, const Paint& p, Sky sky) {
    c.FillRect(0, 0, p.W(), sky.horizon, sky.night ? kNightSky : kDaySky);
    c.FillRect(0, sky.horizon, p.W(), p.H() - sky.horizon, sky.night ? kNightGrass : kGrass);
    if (sky.night) {
        for (int i = 0; i < 40; ++i) {
            int x = (i * 173 + 37) % p.W();
            int y = (i * 97 + 11) % std::max(1, sky.horizon - 20);
            c.FillEllipse(x, y, 1.5, 1.5, 0xFFFFCC);
        }
    }
}

void Hill(Canvas& c, double cx, double cy, double rx, double ry, bool night) {
    c.FillEllipse(cx, cy, rx, ry, night ? 0x2A552A : kFarGrass);
}

void CentreMap(Canvas& c, const Paint& p) {
    Land(c, p, {false, 150});
    Hill(c, 120, 160, 200, 50, false);
    Hill(c, 560, 170, 180, 40, false);
    Cloud(c, 110, 40, 26);
    Cloud(c, 250, 80, 18);
}

void LeftMap(Canvas& c, const Paint& p) {
    Land(c, p, {true, 250});
    Hill(c, 150, 255, 220, 50, true);
    Hill(c, 520, 260, 200, 40, true);
}

void RightMap(Canvas& c, const Paint& p) {
    Land(c, p, {false, 230});
    Hill(c, 200, 235, 240, 60, false);
    Hill(c, 560, 240, 160, 40, false);
    Cloud(c, 560, 50, 24);
    Cloud(c, 60, 30, 18);
}

void Transition(Canvas& c, const Paint& p) {
    Land(c, p, {false, 240});
    Hill(c, 160, 250, 220, 60, false);
    Hill(c, 500, 245, 200, 50, false);
    Cloud(c, 200, 60, 24);
    Cloud(c, 470, 90, 20);
    for (int i = 0; i < 5; ++i) {
        Tree(c, 60 + i * 130, 320 + (i % 2) * 20, 56);
    }
    Road(c, p);
}

} // namespace

bool PaintTownBackdrop(Canvas& c, const Paint& p) {
    if (p.NameHas("background-center")) {
        CentreMap(c, p);
    } else if (p.NameHas("background-left")) {
        LeftMap(c, p);
    } else if (p.NameHas("background-right")) {
        RightMap(c, p);
    } else if (p.NameHas("background-transition")) {
        Transition(c, p);
        return true;
    } else {
        return false;
    }
    for (const PlacedDrawing& d : DrawingsOnBackdrop(p.row.name)) {
        c.DrawKeyed(PaintDrawing(*d.row, d.row->frames > 1 ? 1 : 0, p.text), d.x, d.y);
    }
    return true;
}

bool PaintTownThing(Canvas& c, const Paint& p) {
    std::string_view name = p.row.name;
    if (name == "pond.bmp") {
        Lake(c, p);
    } else if (name == "swings.bmp") {
        Swings(c, p);
    } else if (name == "store.bmp") {
        Store(c, p);
    } else if (name == "cityhall.bmp") {
        CityHall(c, p);
    } else if (name == "moon.bmp") {
        Moon(c, p);
    } else if (name == "sun.bmp") {
        Sun(c, p);
    } else if (name == "house.bmp") {
        House(c, p);
    } else if (name == "school.bmp") {
        School(c, p);
    } else if (name == "plane") {
        Plane(c, p);
    } else if (name == "merrygo-") {
        Carousel(c, p);
    } else if (name.starts_with("arrowswi")) {
        Arrow(c, p);
    } else if (name == "tunnelleft.bmp" || name == "tunnelright.bmp") {
        Road(c, p);
    } else if (name == "tunnel-left-overlay.bmp" || name == "tunnelleft-overlay.bmp") {
        Tunnel(c, p, true);
    } else if (name == "tunnel-right-overlay.bmp" || name == "tunnelright-overlay.bmp") {
        Tunnel(c, p, false);
    } else {
        return false;
    }
    return true;
}

} // namespace vocassets
