// Vocabulary items a child names at sight: the classroom's objects and the
// grocery store's fruit, vegetables and packages, each with the details that
// tell it apart (a book's pages, the scissors' rings, the apple's leaf).
#include "paint_parts.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vocassets {
namespace {

using Painter = void (*)(Canvas&, const Paint&, double, double);

void Book(Canvas& c, const Paint& p, double w, double h) {
    c.OutlinedRoundRect(4, int(h * 0.12), int(w - 8), int(h * 0.8), 4, p.fill, kOutline, 3);
    c.FillRect(int(w * 0.12), int(h * 0.8), int(w * 0.8), int(h * 0.08), kWhite);
    for (int i = 0; i < 3; ++i) {
        c.FillRect(int(w * 0.12), int(h * (0.81 + i * 0.025)), int(w * 0.8), 1, 0xC0C0C0);
    }
    c.FillRect(int(w * 0.16), int(h * 0.12), int(w * 0.06), int(h * 0.68), Shade(p.fill, 0.7));
    c.OutlinedRoundRect(int(w * 0.35), int(h * 0.3), int(w * 0.45), int(h * 0.2), 2, 0xFFFFCC,
                        kOutline, 2);
}

void Calculator(Canvas& c, const Paint& p, double w, double h) {
    c.OutlinedRoundRect(4, 4, int(w - 8), int(h - 8), 8, p.fill, kOutline, 3);
    c.OutlinedRoundRect(int(w * 0.16), int(h * 0.1), int(w * 0.68), int(h * 0.18), 3, 0xCCD4CC,
                        kOutline, 2);
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 3; ++col) {
            c.OutlinedRoundRect(int(w * (0.16 + col * 0.24)), int(h * (0.36 + row * 0.14)),
                                int(w * 0.18), int(h * 0.1), 2, col == 2 ? 0xFF9933 : kWhite,
                                kOutline, 1);
        }
    }
}

void Chalk(Canvas& c, const Paint& p, double w, double h) {
    // Sticks piled on the board's ledge, two, then two, then one.
    struct Stick {
        double x, y, length;
        Colour colour;
    };
    const Stick sticks[] = {{0.02, 0.66, 0.48, p.fill},
                            {0.5, 0.66, 0.48, 0xFFFF99},
                            {0.1, 0.38, 0.42, 0xFF99CC},
                            {0.5, 0.38, 0.4, 0x99D4FF},
                            {0.26, 0.1, 0.46, p.fill}};
    for (const Stick& s : sticks) {
        c.OutlinedRoundRect(int(w * s.x), int(h * s.y), int(w * s.length), int(h * 0.31), 5,
                            s.colour, kOutline, 2);
        c.FillRect(int(w * (s.x + 0.06)), int(h * (s.y + 0.08)), int(w * s.length * 0.5), 2,
                   Shade(s.colour, 1.5));
    }
}

void Computer(Canvas& c, const Paint& p, double w, double h) {
    c.OutlinedRoundRect(int(w * 0.08), 4, int(w * 0.84), int(h * 0.62), 5, p.fill, kOutline, 3);
    c.OutlinedRoundRect(int(w * 0.15), int(h * 0.1), int(w * 0.7), int(h * 0.46), 2, 0x3366CC,
                        kOutline, 2);
    c.FillRect(int(w * 0.2), int(h * 0.16), int(w * 0.3), int(h * 0.06), 0x99D4FF);
    c.OutlinedRoundRect(int(w * 0.42), int(h * 0.66), int(w * 0.16), int(h * 0.1), 1, p.fill,
                        kOutline, 2);
    c.OutlinedRoundRect(int(w * 0.1), int(h * 0.78), int(w * 0.8), int(h * 0.18), 3, 0xE0E0E0,
                        kOutline, 2);
    for (int i = 0; i < 8; ++i) {
        c.FillRect(int(w * (0.15 + i * 0.09)), int(h * 0.83), int(w * 0.06), int(h * 0.04),
                   0x808080);
    }
}

void Crayons(Canvas& c, const Paint&, double w, double h) {
    constexpr Colour kColours[] = {0xFF3333, 0x3366FF, 0x33CC33};
    for (int i = 0; i < 3; ++i) {
        double y = h * (0.1 + i * 0.3);
        c.OutlinedRoundRect(int(w * 0.08), int(y), int(w * 0.7), int(h * 0.24), 3, kColours[i],
                            kOutline, 2);
        c.FillRect(int(w * 0.25), int(y + 2), int(w * 0.3), int(h * 0.2), Shade(kColours[i], 0.7));
        const Point tip[] = {
            {w * 0.78, y + 1}, {w * 0.96, y + h * 0.12}, {w * 0.78, y + h * 0.24 - 1}};
        c.OutlinedPolygon(tip, kColours[i], kOutline, 2);
    }
}

void Extinguisher(Canvas& c, const Paint& p, double w, double h) {
    c.OutlinedRoundRect(int(w * 0.2), int(h * 0.2), int(w * 0.6), int(h * 0.76), int(w * 0.25),
                        p.fill, kOutline, 3);
    c.OutlinedRoundRect(int(w * 0.38), int(h * 0.1), int(w * 0.24), int(h * 0.12), 2, 0x404040,
                        kOutline, 2);
    c.Line(w * 0.62, h * 0.14, w * 0.9, h * 0.3, 4, kOutline);
    c.Line(w * 0.9, h * 0.3, w * 0.88, h * 0.6, 4, kOutline);
    c.OutlinedRoundRect(int(w * 0.3), int(h * 0.45), int(w * 0.4), int(h * 0.2), 2, kWhite,
                        kOutline, 2);
}

void Glue(Canvas& c, const Paint& p, double w, double h) {
    c.OutlinedRoundRect(int(w * 0.18), int(h * 0.3), int(w * 0.64), int(h * 0.66), 6, p.fill,
                        kOutline, 3);
    const Point cap[] = {{w * 0.38, h * 0.3}, {w * 0.5, h * 0.04}, {w * 0.62, h * 0.3}};
    c.OutlinedPolygon(cap, 0xFF9933, kOutline, 2);
    c.OutlinedRoundRect(int(w * 0.24), int(h * 0.5), int(w * 0.52), int(h * 0.22), 2, 0x3366CC,
                        kOutline, 1);
}

void Magnifier(Canvas& c, const Paint&, double w, double h) {
    double r = std::min(w, h) * 0.3;
    c.Line(w * 0.55, h * 0.55, w * 0.92, h * 0.92, 10, kOutline);
    c.Line(w * 0.55, h * 0.55, w * 0.9, h * 0.9, 6, 0x8A5A30);
    c.OutlinedEllipse(w * 0.38, h * 0.38, r, r, 0xCCEEFF, kOutline, 5);
    c.FillEllipse(w * 0.3, h * 0.3, r * 0.25, r * 0.15, kWhite);
}

void Paper(Canvas& c, const Paint& p, double w, double h) {
    c.OutlinedRoundRect(int(w * 0.2), 4, int(w * 0.66), int(h - 8), 2, Shade(p.fill, 0.9), kOutline,
                        2);
    c.OutlinedRoundRect(int(w * 0.12), 8, int(w * 0.66), int(h - 12), 2, p.fill, kOutline, 2);
    for (int i = 0; i < 5; ++i) {
        c.FillRect(int(w * 0.18), int(h * (0.25 + i * 0.13)), int(w * 0.54), 2, 0x99C0FF);
    }
}

void Pen(Canvas& c, const Paint& p, double w, double h, bool pencil) {
    double y = h * 0.3;
    double bh = h * 0.4;
    c.OutlinedRoundRect(int(w * 0.06), int(y), int(w * 0.7), int(bh), 3, p.fill, kOutline, 2);
    const Point tip[] = {{w * 0.76, y}, {w * 0.96, y + bh / 2}, {w * 0.76, y + bh}};
    c.OutlinedPolygon(tip, pencil ? 0xFFCC99 : 0xC0C0C0, kOutline, 2);
    c.FillEllipse(w * 0.93, y + bh / 2, 3, 3, pencil ? 0x404040 : 0x2040C0);
    if (pencil) {
        c.OutlinedRoundRect(int(w * 0.02), int(y), int(w * 0.08), int(bh), 2, 0xFF99CC, kOutline,
                            2);
        c.FillRect(int(w * 0.1), int(y + 2), 4, int(bh - 4), 0xC0C0C0);
    } else {
        c.Line(w * 0.2, y - 3, w * 0.45, y - 3, 3, kOutline);
    }
}

void Door(Canvas& c, const Paint& p, double w, double h) {
    c.OutlinedRoundRect(4, 4, int(w - 8), int(h - 8), 4, p.fill, kOutline, 3);
    c.OutlinedRoundRect(int(w * 0.2), int(h * 0.08), int(w * 0.6), int(h * 0.25), 2, 0xB8E0F8,
                        kOutline, 2);
    c.OutlinedRoundRect(int(w * 0.2), int(h * 0.42), int(w * 0.6), int(h * 0.48), 2,
                        Shade(p.fill, 0.85), kOutline, 2);
    c.OutlinedEllipse(w * 0.82, h * 0.55, 5, 5, 0xF0D040, kOutline, 2);
}

void Window(Canvas& c, const Paint&, double w, double h) {
    c.OutlinedRoundRect(4, 4, int(w - 8), int(h - 8), 3, kWhite, kOutline, 3);
    c.FillRect(12, 12, int(w - 24), int(h - 24), 0x99D4FF);
    c.FillEllipse(w * 0.3, h * 0.4, w * 0.14, h * 0.08, kWhite);
    c.FillRect(int(w / 2 - 3), 8, 6, int(h - 16), kWhite);
    c.FillRect(8, int(h / 2 - 3), int(w - 16), 6, kWhite);
}

void Scissors(Canvas& c, const Paint& p, double w, double h) {
    c.Line(w * 0.3, h * 0.35, w * 0.95, h * 0.7, 6, 0xA0A0A8);
    c.Line(w * 0.3, h * 0.65, w * 0.95, h * 0.3, 6, 0xC0C0C8);
    c.OutlinedEllipse(w * 0.18, h * 0.28, w * 0.13, h * 0.18, p.fill, kOutline, 3);
    c.OutlinedEllipse(w * 0.18, h * 0.72, w * 0.13, h * 0.18, p.fill, kOutline, 3);
    c.FillEllipse(w * 0.18, h * 0.28, w * 0.06, h * 0.08, kKey);
    c.FillEllipse(w * 0.18, h * 0.72, w * 0.06, h * 0.08, kKey);
    c.FillEllipse(w * 0.5, h * 0.5, 3, 3, kOutline);
}

void Stapler(Canvas& c, const Paint& p, double w, double h) {
    c.OutlinedRoundRect(4, int(h * 0.7), int(w - 8), int(h * 0.24), 4, p.fill, kOutline, 2);
    const Point top[] = {
        {w * 0.06, h * 0.55}, {w * 0.3, h * 0.2}, {w * 0.95, h * 0.3}, {w * 0.95, h * 0.55}};
    c.OutlinedPolygon(top, 0xCC3333, kOutline, 3);
    c.OutlinedEllipse(w * 0.12, h * 0.6, 6, 6, 0x808080, kOutline, 2);
}

void Tape(Canvas& c, const Paint& p, double w, double h) {
    c.OutlinedEllipse(w * 0.45, h * 0.5, w * 0.38, h * 0.42, p.fill, kOutline, 3);
    c.OutlinedEllipse(w * 0.45, h * 0.5, w * 0.16, h * 0.18, 0xE0E0E0, kOutline, 2);
    c.FillEllipse(w * 0.45, h * 0.5, w * 0.1, h * 0.11, kKey);
    c.OutlinedRoundRect(int(w * 0.6), int(h * 0.82), int(w * 0.36), int(h * 0.12), 2, p.fill,
                        kOutline, 2);
}

void TrashCan(Canvas& c, const Paint& p, double w, double h) {
    const Point can[] = {
        {w * 0.12, h * 0.2}, {w * 0.88, h * 0.2}, {w * 0.78, h - 3}, {w * 0.22, h - 3}};
    c.OutlinedPolygon(can, p.fill, kOutline, 3);
    for (int i = 1; i < 4; ++i) {
        c.Line(w * (0.2 + i * 0.15), h * 0.28, w * (0.25 + i * 0.125), h * 0.9, 2,
               Shade(p.fill, 0.7));
    }
    c.OutlinedRoundRect(int(w * 0.06), int(h * 0.1), int(w * 0.88), int(h * 0.12), 3,
                        Shade(p.fill, 1.2), kOutline, 2);
    c.OutlinedRoundRect(int(w * 0.4), int(h * 0.02), int(w * 0.2), int(h * 0.1), 3,
                        Shade(p.fill, 1.2), kOutline, 2);
}

void Fruit(Canvas& c, double x, double y, double r, Colour colour, bool leaf) {
    c.OutlinedEllipse(x, y, r, r * 0.95, colour, kOutline, 2);
    c.FillEllipse(x - r * 0.35, y - r * 0.35, r * 0.2, r * 0.15, Shade(colour, 1.5));
    c.Line(x, y - r * 0.9, x + r * 0.15, y - r * 1.25, 2, 0x6A3A1A);
    if (leaf) {
        c.OutlinedEllipse(x + r * 0.4, y - r * 1.05, r * 0.3, r * 0.14, 0x33AA33, kOutline, 1);
    }
}

void Apples(Canvas& c, const Paint& p, double w, double h) {
    double r = std::min(w, h) * 0.22;
    Fruit(c, w * 0.3, h * 0.62, r, p.fill, true);
    Fruit(c, w * 0.68, h * 0.62, r, p.fill, true);
    Fruit(c, w * 0.5, h * 0.36, r, p.fill, true);
}

void Oranges(Canvas& c, const Paint& p, double w, double h) {
    double r = std::min(w, h) * 0.22;
    for (auto [x, y] : {std::pair{0.3, 0.62}, {0.68, 0.62}, {0.5, 0.36}}) {
        c.OutlinedEllipse(w * x, h * y, r, r, p.fill, kOutline, 2);
        c.FillEllipse(w * x, h * y - r * 0.8, 3, 2, 0x33AA33);
        c.FillEllipse(w * x - r * 0.3, h * y - r * 0.3, r * 0.2, r * 0.14, Shade(p.fill, 1.4));
    }
}

void Bananas(Canvas& c, const Paint& p, double w, double h) {
    for (int i = 0; i < 3; ++i) {
        double dy = i * h * 0.1;
        for (int k = 0; k < 24; ++k) {
            double a0 = std::numbers::pi * (0.15 + 0.7 * k / 24.0);
            double a1 = std::numbers::pi * (0.15 + 0.7 * (k + 1) / 24.0);
            c.Line(w / 2 - std::cos(a0) * w * 0.38, h * 0.2 + dy + std::sin(a0) * h * 0.45,
                   w / 2 - std::cos(a1) * w * 0.38, h * 0.2 + dy + std::sin(a1) * h * 0.45, 12,
                   kOutline);
        }
        for (int k = 0; k < 24; ++k) {
            double a0 = std::numbers::pi * (0.15 + 0.7 * k / 24.0);
            double a1 = std::numbers::pi * (0.15 + 0.7 * (k + 1) / 24.0);
            c.Line(w / 2 - std::cos(a0) * w * 0.38, h * 0.2 + dy + std::sin(a0) * h * 0.45,
                   w / 2 - std::cos(a1) * w * 0.38, h * 0.2 + dy + std::sin(a1) * h * 0.45, 8,
                   p.fill);
        }
    }
    c.Line(w * 0.15, h * 0.25, w * 0.1, h * 0.15, 4, 0x6A3A1A);
}

void Cherries(Canvas& c, const Paint& p, double w, double h) {
    c.Line(w * 0.35, h * 0.6, w * 0.55, h * 0.12, 3, 0x337F33);
    c.Line(w * 0.68, h * 0.6, w * 0.55, h * 0.12, 3, 0x337F33);
    c.OutlinedEllipse(w * 0.62, h * 0.14, 10, 5, 0x33AA33, kOutline, 1);
    for (double x : {w * 0.35, w * 0.68}) {
        c.OutlinedEllipse(x, h * 0.7, w * 0.16, h * 0.16, p.fill, kOutline, 2);
        c.FillEllipse(x - 4, h * 0.65, 3, 2, 0xFF9999);
    }
}

void Carrots(Canvas& c, const Paint& p, double w, double h) {
    for (int i = 0; i < 2; ++i) {
        double x = w * (0.35 + i * 0.3);
        const Point root[] = {{x - w * 0.12, h * 0.3}, {x + w * 0.12, h * 0.3}, {x, h * 0.95}};
        c.OutlinedPolygon(root, p.fill, kOutline, 2);
        for (int k = -1; k <= 1; ++k) {
            c.Line(x, h * 0.3, x + k * w * 0.08, h * 0.06, 4, 0x33AA33);
        }
        c.Line(x - w * 0.06, h * 0.5, x, h * 0.5, 2, Shade(p.fill, 0.7));
    }
}

void Broccoli(Canvas& c, const Paint& p, double w, double h) {
    c.OutlinedRoundRect(int(w * 0.42), int(h * 0.5), int(w * 0.16), int(h * 0.45), 4, 0x99CC66,
                        kOutline, 2);
    for (auto [x, y] : {std::pair{0.3, 0.42}, {0.5, 0.3}, {0.7, 0.42}, {0.4, 0.22}, {0.6, 0.22}}) {
        c.OutlinedEllipse(w * x, h * y, w * 0.17, h * 0.15, p.fill, kOutline, 2);
    }
}

void Asparagus(Canvas& c, const Paint& p, double w, double h) {
    for (int i = 0; i < 4; ++i) {
        double x = w * (0.3 + i * 0.13);
        c.Line(x, h * 0.95, x + (i - 1.5) * 4, h * 0.15, 7, kOutline);
        c.Line(x, h * 0.95, x + (i - 1.5) * 4, h * 0.15, 4, p.fill);
        c.OutlinedEllipse(x + (i - 1.5) * 4, h * 0.14, 5, 8, Shade(p.fill, 0.8), kOutline, 1);
    }
    c.OutlinedRoundRect(int(w * 0.24), int(h * 0.7), int(w * 0.52), int(h * 0.08), 2, 0xCC3333,
                        kOutline, 1);
}

void Potatoes(Canvas& c, const Paint& p, double w, double h) {
    for (auto [x, y] : {std::pair{0.32, 0.62}, {0.68, 0.64}, {0.5, 0.38}}) {
        c.OutlinedEllipse(w * x, h * y, w * 0.22, h * 0.16, p.fill, kOutline, 2);
        c.FillEllipse(w * x - 5, h * y - 2, 2, 2, Shade(p.fill, 0.6));
        c.FillEllipse(w * x + 6, h * y + 3, 2, 2, Shade(p.fill, 0.6));
    }
}

void Bread(Canvas& c, const Paint& p, double w, double h) {
    c.OutlinedRoundRect(int(w * 0.08), int(h * 0.3), int(w * 0.84), int(h * 0.55), int(h * 0.2),
                        p.fill, kOutline, 3);
    for (int i = 0; i < 3; ++i) {
        c.Line(w * (0.3 + i * 0.2), h * 0.38, w * (0.22 + i * 0.2), h * 0.55, 3,
               Shade(p.fill, 0.7));
    }
}

void Eggs(Canvas& c, const Paint& p, double w, double h) {
    c.OutlinedRoundRect(int(w * 0.05), int(h * 0.55), int(w * 0.9), int(h * 0.35), 4, 0xCCC0A0,
                        kOutline, 2);
    for (int i = 0; i < 3; ++i) {
        c.OutlinedEllipse(w * (0.24 + i * 0.26), h * 0.48, w * 0.11, h * 0.16, p.fill, kOutline, 2);
    }
}

void Fish(Canvas& c, const Paint& p, double w, double h) {
    const Point tail[] = {{w * 0.28, h / 2}, {w * 0.06, h * 0.28}, {w * 0.06, h * 0.72}};
    c.OutlinedPolygon(tail, Shade(p.fill, 0.8), kOutline, 2);
    c.OutlinedEllipse(w * 0.58, h / 2, w * 0.34, h * 0.24, p.fill, kOutline, 2);
    c.FillEllipse(w * 0.78, h * 0.45, 3, 3, kOutline);
}

void Drumstick(Canvas& c, const Paint& p, double w, double h) {
    c.Line(w * 0.55, h * 0.55, w * 0.85, h * 0.85, 8, kOutline);
    c.Line(w * 0.55, h * 0.55, w * 0.85, h * 0.85, 5, 0xF8F0E0);
    c.OutlinedEllipse(w * 0.88, h * 0.86, 5, 5, 0xF8F0E0, kOutline, 1);
    c.OutlinedEllipse(w * 0.4, h * 0.4, w * 0.28, h * 0.26, p.fill, kOutline, 3);
}

void Meat(Canvas& c, const Paint& p, double w, double h) {
    c.OutlinedEllipse(w * 0.5, h * 0.55, w * 0.4, h * 0.3, p.fill, kOutline, 3);
    c.FillEllipse(w * 0.45, h * 0.5, w * 0.25, h * 0.15, 0xFFCCCC);
    c.OutlinedEllipse(w * 0.7, h * 0.6, w * 0.08, h * 0.08, kWhite, kOutline, 2);
}

// A package in the shape of its kind, in the item's colour.
void Bottle(Canvas& c, const Paint& p, double w, double h) {
    c.OutlinedRoundRect(int(w * 0.3), int(h * 0.3), int(w * 0.4), int(h * 0.66), 6, p.fill,
                        kOutline, 3);
    c.OutlinedRoundRect(int(w * 0.42), int(h * 0.08), int(w * 0.16), int(h * 0.24), 2, p.fill,
                        kOutline, 2);
    c.OutlinedRoundRect(int(w * 0.4), int(h * 0.04), int(w * 0.2), int(h * 0.07), 2, 0xCC3333,
                        kOutline, 1);
    c.OutlinedRoundRect(int(w * 0.3), int(h * 0.5), int(w * 0.4), int(h * 0.2), 2, kWhite, kOutline,
                        1);
}

void Carton(Canvas& c, const Paint& p, double w, double h) {
    c.OutlinedRoundRect(int(w * 0.25), int(h * 0.3), int(w * 0.5), int(h * 0.66), 2, p.fill,
                        kOutline, 3);
    const Point top[] = {{w * 0.25, h * 0.3}, {w * 0.5, h * 0.1}, {w * 0.75, h * 0.3}};
    c.OutlinedPolygon(top, p.fill, kOutline, 2);
    c.OutlinedRoundRect(int(w * 0.3), int(h * 0.5), int(w * 0.4), int(h * 0.22), 2, 0x3366CC,
                        kOutline, 1);
}

void Can(Canvas& c, const Paint& p, double w, double h) {
    c.OutlinedRoundRect(int(w * 0.22), int(h * 0.16), int(w * 0.56), int(h * 0.78), 6, p.fill,
                        kOutline, 3);
    c.OutlinedEllipse(w * 0.5, h * 0.18, w * 0.28, h * 0.06, 0xC0C0C0, kOutline, 2);
    c.OutlinedRoundRect(int(w * 0.22), int(h * 0.42), int(w * 0.56), int(h * 0.26), 2, kWhite,
                        kOutline, 1);
}

void Box(Canvas& c, const Paint& p, double w, double h) {
    c.OutlinedRoundRect(int(w * 0.2), int(h * 0.08), int(w * 0.6), int(h * 0.86), 3, p.fill,
                        kOutline, 3);
    c.OutlinedEllipse(w * 0.5, h * 0.5, w * 0.18, h * 0.14, 0xFFFFCC, kOutline, 2);
}

void Bag(Canvas& c, const Paint& p, double w, double h) {
    const Point bag[] = {
        {w * 0.2, h * 0.12}, {w * 0.8, h * 0.12}, {w * 0.86, h * 0.94}, {w * 0.14, h * 0.94}};
    c.OutlinedPolygon(bag, p.fill, kOutline, 3);
    c.OutlinedEllipse(w * 0.5, h * 0.55, w * 0.18, h * 0.14, 0xFFFFCC, kOutline, 2);
}

void IceCream(Canvas& c, const Paint& p, double w, double h) {
    const Point cone[] = {{w * 0.3, h * 0.45}, {w * 0.7, h * 0.45}, {w * 0.5, h * 0.96}};
    c.OutlinedPolygon(cone, 0xE0A860, kOutline, 2);
    c.OutlinedEllipse(w * 0.5, h * 0.36, w * 0.24, h * 0.2, p.fill, kOutline, 2);
    c.FillEllipse(w * 0.5, h * 0.14, 4, 4, 0xCC3333);
}

struct ItemDrawing {
    std::string_view caption;
    Painter paint;
};

// clang-format off
constexpr ItemDrawing kItems[] = {
    {"book", Book}, {"calculator", Calculator}, {"chalk", Chalk}, {"computer", Computer},
    {"crayons", Crayons}, {"extinguisher", Extinguisher}, {"glue", Glue},
    {"magnifier", Magnifier}, {"paper", Paper},
    {"pen", [](Canvas& c, const Paint& p, double w, double h) { Pen(c, p, w, h, false); }},
    {"pencil", [](Canvas& c, const Paint& p, double w, double h) { Pen(c, p, w, h, true); }},
    {"door", Door}, {"window", Window}, {"scissors", Scissors}, {"stapler", Stapler},
    {"tape", Tape}, {"trash can", TrashCan},
    {"apples", Apples}, {"oranges", Oranges}, {"bananas", Bananas}, {"cherries", Cherries},
    {"carrots", Carrots}, {"broccoli", Broccoli}, {"asparagus", Asparagus},
    {"potatoes", Potatoes}, {"bread", Bread}, {"eggs", Eggs}, {"fish", Fish},
    {"chicken", Drumstick}, {"turkey", Drumstick}, {"meat", Meat},
    {"milk", Carton}, {"juice", Carton}, {"soda", Bottle}, {"soup", Can},
    {"peanut butter", Can}, {"cereal", Box}, {"crackers", Box}, {"cookies", Bag},
    {"chips", Bag}, {"ice cream", IceCream},
};
// clang-format on

} // namespace

bool PaintItemDrawing(Canvas& c, const Paint& p) {
    if (PaintFurniture(c, p) || PaintToy(c, p)) {
        return true;
    }
    for (const ItemDrawing& item : kItems) {
        if (p.caption == item.caption) {
            item.paint(c, p, p.W(), p.H());
            return true;
        }
    }
    return false;
}

} // namespace vocassets
