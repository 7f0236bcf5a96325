// The rooms' furniture, each drawn so a child names it: the bed with its
// pillow, the fridge's two doors, the stove's rings, the couch's cushions.
#include "paint_parts.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vocassets {
namespace {

using Painter = void (*)(Canvas&, const Paint&, double, double);

constexpr Colour kWood = 0xA8703C;
constexpr Colour kDarkWood = 0x704828;
constexpr Colour kMetal = 0xCCD4CC;
constexpr Colour kPorcelain = 0xF8F8F8;

void Knob(Canvas& c, double x, double y) {
    c.OutlinedEllipse(x, y, 3, 3, 0xF0D040, kOutline, 1);
}

void Legs(Canvas& c, double x0, double x1, double y, double h, Colour colour) {
    c.OutlinedRoundRect(int(x0), int(y), 6, int(h), 1, colour, kOutline, 1);
    c.OutlinedRoundRect(int(x1 - 6), int(y), 6, int(h), 1, colour, kOutline, 1);
}

void Bed(Canvas& c, const Paint& p, double w, double h) {
    c.OutlinedRoundRect(int(w * 0.06), int(h * 0.3), int(w * 0.12), int(h * 0.6), 3, kWood,
                        kOutline, 2);
    c.OutlinedRoundRect(int(w * 0.14), int(h * 0.52), int(w * 0.8), int(h * 0.22), 4, kWhite,
                        kOutline, 2);
    c.OutlinedRoundRect(int(w * 0.36), int(h * 0.48), int(w * 0.6), int(h * 0.3), 4, p.fill,
                        kOutline, 2);
    c.OutlinedEllipse(w * 0.26, h * 0.48, w * 0.09, h * 0.07, kWhite, kOutline, 2);
    c.OutlinedRoundRect(int(w * 0.12), int(h * 0.74), int(w * 0.84), int(h * 0.08), 2, kWood,
                        kOutline, 2);
    Legs(c, w * 0.12, w * 0.96, h * 0.82, h * 0.1, kDarkWood);
}

void Drawers(Canvas& c, const Paint& p, double w, double h, int count, double top) {
    double x = w * 0.16;
    double bw = w * 0.68;
    c.OutlinedRoundRect(int(x), int(h * top), int(bw), int(h * (0.86 - top)), 3, p.fill, kOutline,
                        3);
    double dh = (h * (0.86 - top) - 8) / count;
    for (int i = 0; i < count; ++i) {
        double y = h * top + 4 + i * dh;
        c.OutlinedRoundRect(int(x + 6), int(y + 2), int(bw - 12), int(dh - 4), 2,
                            Shade(p.fill, 1.15), kOutline, 2);
        Knob(c, w / 2, y + dh / 2);
    }
    Legs(c, x + 2, x + bw - 2, h * 0.86, h * 0.08, kDarkWood);
}

void Nightstand(Canvas& c, const Paint& p, double w, double h) {
    Drawers(c, p, w, h, 2, 0.4);
    c.OutlinedEllipse(w * 0.36, h * 0.34, w * 0.08, h * 0.06, 0xFFFF99, kOutline, 1);
}

void Dresser(Canvas& c, const Paint& p, double w, double h) {
    Drawers(c, p, w, h, 3, 0.22);
}

void Desk(Canvas& c, const Paint& p, double w, double h) {
    c.OutlinedRoundRect(int(w * 0.06), int(h * 0.4), int(w * 0.88), int(h * 0.1), 2, p.fill,
                        kOutline, 3);
    c.OutlinedRoundRect(int(w * 0.6), int(h * 0.5), int(w * 0.3), int(h * 0.42), 2, p.fill,
                        kOutline, 2);
    Knob(c, w * 0.75, h * 0.62);
    Knob(c, w * 0.75, h * 0.8);
    c.Line(w * 0.62, h * 0.71, w * 0.88, h * 0.71, 2, kOutline);
    c.OutlinedRoundRect(int(w * 0.1), int(h * 0.5), 7, int(h * 0.42), 1, p.fill, kOutline, 1);
    c.OutlinedRoundRect(int(w * 0.2), int(h * 0.24), int(w * 0.18), int(h * 0.16), 2, kWhite,
                        kOutline, 2);
}

void Clock(Canvas& c, const Paint& p, double w, double h) {
    double r = std::min(w, h) * 0.38;
    c.OutlinedEllipse(w * 0.3, h * 0.16, r * 0.25, r * 0.25, 0xF0C020, kOutline, 2);
    c.OutlinedEllipse(w * 0.7, h * 0.16, r * 0.25, r * 0.25, 0xF0C020, kOutline, 2);
    c.OutlinedEllipse(w / 2, h * 0.52, r, r, p.fill, kOutline, 4);
    c.OutlinedEllipse(w / 2, h * 0.52, r * 0.8, r * 0.8, kWhite, kOutline, 2);
    for (int i = 0; i < 12; ++i) {
        double a = 2 * std::numbers::pi * i / 12;
        c.FillEllipse(w / 2 + std::cos(a) * r * 0.68, h * 0.52 + std::sin(a) * r * 0.68, 1.5, 1.5,
                      kOutline);
    }
    c.Line(w / 2, h * 0.52, w / 2, h * 0.52 - r * 0.55, 3, kOutline);
    c.Line(w / 2, h * 0.52, w / 2 + r * 0.4, h * 0.52, 3, kOutline);
}

void Lamp(Canvas& c, const Paint& p, double w, double h) {
    const Point shade[] = {
        {w * 0.34, h * 0.1}, {w * 0.66, h * 0.1}, {w * 0.8, h * 0.42}, {w * 0.2, h * 0.42}};
    c.OutlinedPolygon(shade, p.fill, kOutline, 3);
    c.OutlinedRoundRect(int(w * 0.46), int(h * 0.42), int(w * 0.08), int(h * 0.4), 2, kMetal,
                        kOutline, 2);
    c.OutlinedEllipse(w / 2, h * 0.86, w * 0.22, h * 0.06, kDarkWood, kOutline, 2);
    c.FillEllipse(w / 2, h * 0.46, w * 0.08, h * 0.04, 0xFFFF99);
}

void Toilet(Canvas& c, const Paint&, double w, double h) {
    c.OutlinedRoundRect(int(w * 0.52), int(h * 0.14), int(w * 0.3), int(h * 0.4), 4, kPorcelain,
                        kOutline, 3);
    c.OutlinedEllipse(w * 0.46, h * 0.58, w * 0.34, h * 0.1, kPorcelain, kOutline, 3);
    const Point base[] = {
        {w * 0.22, h * 0.62}, {w * 0.7, h * 0.62}, {w * 0.62, h * 0.92}, {w * 0.32, h * 0.92}};
    c.OutlinedPolygon(base, kPorcelain, kOutline, 3);
    c.OutlinedRoundRect(int(w * 0.6), int(h * 0.2), int(w * 0.1), int(h * 0.05), 1, kMetal,
                        kOutline, 1);
}

void Shower(Canvas& c, const Paint& p, double w, double h) {
    c.Line(w * 0.2, h * 0.95, w * 0.2, h * 0.12, 5, kMetal);
    c.Line(w * 0.2, h * 0.12, w * 0.55, h * 0.12, 5, kMetal);
    c.OutlinedEllipse(w * 0.6, h * 0.2, w * 0.14, h * 0.08, kMetal, kOutline, 2);
    for (int i = 0; i < 6; ++i) {
        double x = w * (0.5 + i * 0.04);
        c.Line(x, h * 0.32, x - 2, h * (0.5 + (i % 3) * 0.12), 2, p.fill);
    }
    c.OutlinedRoundRect(int(w * 0.12), int(h * 0.88), int(w * 0.76), int(h * 0.08), 2, kPorcelain,
                        kOutline, 2);
}

void Mirror(Canvas& c, const Paint& p, double w, double h) {
    c.OutlinedEllipse(w / 2, h / 2, w * 0.36, h * 0.44, kWood, kOutline, 3);
    c.OutlinedEllipse(w / 2, h / 2, w * 0.28, h * 0.36, p.fill, kOutline, 2);
    c.Line(w * 0.38, h * 0.3, w * 0.5, h * 0.22, 3, kWhite);
    c.Line(w * 0.4, h * 0.42, w * 0.58, h * 0.3, 3, kWhite);
}

void Sink(Canvas& c, const Paint&, double w, double h) {
    c.OutlinedRoundRect(int(w * 0.4), int(h * 0.56), int(w * 0.2), int(h * 0.38), 3, kPorcelain,
                        kOutline, 2);
    c.OutlinedEllipse(w / 2, h * 0.5, w * 0.38, h * 0.12, kPorcelain, kOutline, 3);
    c.FillEllipse(w / 2, h * 0.5, w * 0.28, h * 0.06, 0x99D4FF);
    c.Line(w / 2, h * 0.38, w / 2, h * 0.24, 5, kMetal);
    c.Line(w / 2, h * 0.24, w * 0.62, h * 0.24, 5, kMetal);
    c.OutlinedEllipse(w * 0.36, h * 0.32, 5, 4, 0xCC3333, kOutline, 1);
}

void Towel(Canvas& c, const Paint& p, double w, double h) {
    c.Line(w * 0.1, h * 0.2, w * 0.9, h * 0.2, 5, kMetal);
    c.OutlinedRoundRect(int(w * 0.22), int(h * 0.16), int(w * 0.56), int(h * 0.7), 4, p.fill,
                        kOutline, 3);
    for (int i = 0; i < 3; ++i) {
        c.FillRect(int(w * 0.24), int(h * (0.64 + i * 0.06)), int(w * 0.52), 3, kWhite);
    }
}

void Bathtub(Canvas& c, const Paint& p, double w, double h) {
    c.OutlinedRoundRect(int(w * 0.06), int(h * 0.44), int(w * 0.88), int(h * 0.36), int(h * 0.14),
                        kPorcelain, kOutline, 3);
    c.FillRect(int(w * 0.1), int(h * 0.46), int(w * 0.8), int(h * 0.06), p.fill);
    for (int i = 0; i < 4; ++i) {
        c.OutlinedEllipse(w * (0.3 + i * 0.12), h * (0.4 - (i % 2) * 0.06), 6, 6, kWhite, 0x99D4FF,
                          2);
    }
    c.Line(w * 0.86, h * 0.44, w * 0.86, h * 0.26, 4, kMetal);
    c.Line(w * 0.86, h * 0.26, w * 0.76, h * 0.26, 4, kMetal);
    Legs(c, w * 0.14, w * 0.86, h * 0.8, h * 0.08, 0xF0C020);
}

void Fridge(Canvas& c, const Paint&, double w, double h) {
    c.OutlinedRoundRect(int(w * 0.24), int(h * 0.06), int(w * 0.52), int(h * 0.88), 6, kPorcelain,
                        kOutline, 3);
    c.Line(w * 0.24, h * 0.38, w * 0.76, h * 0.38, 3, kOutline);
    c.Line(w * 0.68, h * 0.14, w * 0.68, h * 0.3, 4, kMetal);
    c.Line(w * 0.68, h * 0.46, w * 0.68, h * 0.7, 4, kMetal);
    c.OutlinedEllipse(w * 0.4, h * 0.56, 5, 5, 0xFF6666, kOutline, 1);
}

void Cabinets(Canvas& c, const Paint& p, double w, double h) {
    for (int i = 0; i < 2; ++i) {
        double x = w * (0.1 + i * 0.41);
        c.OutlinedRoundRect(int(x), int(h * 0.16), int(w * 0.39), int(h * 0.68), 3, p.fill,
                            kOutline, 3);
        c.OutlinedRoundRect(int(x + 6), int(h * 0.22), int(w * 0.39 - 12), int(h * 0.56), 2,
                            Shade(p.fill, 1.15), kOutline, 1);
        Knob(c, i == 0 ? x + w * 0.33 : x + w * 0.06, h * 0.5);
    }
}

void Counter(Canvas& c, const Paint& p, double w, double h) {
    c.OutlinedRoundRect(int(w * 0.04), int(h * 0.36), int(w * 0.92), int(h * 0.1), 2, kMetal,
                        kOutline, 3);
    c.OutlinedRoundRect(int(w * 0.08), int(h * 0.46), int(w * 0.84), int(h * 0.46), 2, p.fill,
                        kOutline, 3);
    c.Line(w / 2, h * 0.46, w / 2, h * 0.92, 2, kOutline);
    Knob(c, w * 0.44, h * 0.66);
    Knob(c, w * 0.56, h * 0.66);
    c.OutlinedRoundRect(int(w * 0.2), int(h * 0.2), int(w * 0.14), int(h * 0.16), 3, 0xFF9933,
                        kOutline, 2);
}

void Stove(Canvas& c, const Paint&, double w, double h) {
    c.OutlinedRoundRect(int(w * 0.14), int(h * 0.26), int(w * 0.72), int(h * 0.66), 4, kPorcelain,
                        kOutline, 3);
    for (double x : {w * 0.34, w * 0.66}) {
        c.OutlinedEllipse(x, h * 0.26, w * 0.1, h * 0.04, 0x404040, kOutline, 2);
    }
    for (int i = 0; i < 4; ++i) {
        Knob(c, w * (0.26 + i * 0.16), h * 0.34);
    }
    c.OutlinedRoundRect(int(w * 0.22), int(h * 0.44), int(w * 0.56), int(h * 0.4), 3, 0x404040,
                        kOutline, 2);
    c.FillRect(int(w * 0.28), int(h * 0.5), int(w * 0.44), int(h * 0.2), 0xFF9933);
    c.Line(w * 0.26, h * 0.47, w * 0.74, h * 0.47, 3, kMetal);
}

void Stool(Canvas& c, const Paint& p, double w, double h) {
    c.OutlinedEllipse(w / 2, h * 0.3, w * 0.3, h * 0.08, p.fill, kOutline, 3);
    c.Line(w * 0.3, h * 0.34, w * 0.22, h * 0.92, 5, kDarkWood);
    c.Line(w * 0.7, h * 0.34, w * 0.78, h * 0.92, 5, kDarkWood);
    c.Line(w * 0.5, h * 0.36, w * 0.5, h * 0.9, 5, kDarkWood);
    c.Line(w * 0.26, h * 0.66, w * 0.74, h * 0.66, 3, kDarkWood);
}

void Microwave(Canvas& c, const Paint&, double w, double h) {
    c.OutlinedRoundRect(int(w * 0.08), int(h * 0.28), int(w * 0.84), int(h * 0.5), 5, kPorcelain,
                        kOutline, 3);
    c.OutlinedRoundRect(int(w * 0.14), int(h * 0.34), int(w * 0.52), int(h * 0.38), 3, 0x404040,
                        kOutline, 2);
    c.FillEllipse(w * 0.3, h * 0.46, w * 0.06, h * 0.04, 0x99D4FF);
    for (int i = 0; i < 3; ++i) {
        for (int k = 0; k < 2; ++k) {
            c.FillRect(int(w * (0.72 + k * 0.08)), int(h * (0.4 + i * 0.1)), int(w * 0.05),
                       int(h * 0.05), 0x808080);
        }
    }
}

void Tv(Canvas& c, const Paint& p, double w, double h) {
    c.OutlinedRoundRect(int(w * 0.08), int(h * 0.16), int(w * 0.84), int(h * 0.6), 5, p.fill,
                        kOutline, 3);
    c.OutlinedRoundRect(int(w * 0.14), int(h * 0.22), int(w * 0.72), int(h * 0.48), 3, 0x99D4FF,
                        kOutline, 2);
    c.FillEllipse(w * 0.62, h * 0.34, w * 0.06, w * 0.06, 0xFFFF66);
    c.FillRect(int(w * 0.16), int(h * 0.56), int(w * 0.68), int(h * 0.12), 0x66AA33);
    c.OutlinedRoundRect(int(w * 0.36), int(h * 0.76), int(w * 0.28), int(h * 0.1), 2, p.fill,
                        kOutline, 2);
    c.Line(w * 0.4, h * 0.16, w * 0.3, h * 0.04, 2, kOutline);
    c.Line(w * 0.6, h * 0.16, w * 0.7, h * 0.04, 2, kOutline);
}

void Table(Canvas& c, const Paint& p, double w, double h) {
    c.OutlinedRoundRect(int(w * 0.06), int(h * 0.4), int(w * 0.88), int(h * 0.1), 3, p.fill,
                        kOutline, 3);
    Legs(c, w * 0.12, w * 0.88, h * 0.5, h * 0.4, Shade(p.fill, 0.8));
    c.OutlinedRoundRect(int(w * 0.4), int(h * 0.28), int(w * 0.2), int(h * 0.12), 3, 0x99D4FF,
                        kOutline, 2);
    c.FillEllipse(w * 0.5, h * 0.24, 5, 5, 0xFF6666);
}

void Couch(Canvas& c, const Paint& p, double w, double h) {
    c.OutlinedRoundRect(int(w * 0.1), int(h * 0.3), int(w * 0.8), int(h * 0.34), 8, p.fill,
                        kOutline, 3);
    c.OutlinedRoundRect(int(w * 0.04), int(h * 0.44), int(w * 0.14), int(h * 0.38), 6,
                        Shade(p.fill, 0.85), kOutline, 3);
    c.OutlinedRoundRect(int(w * 0.82), int(h * 0.44), int(w * 0.14), int(h * 0.38), 6,
                        Shade(p.fill, 0.85), kOutline, 3);
    c.OutlinedRoundRect(int(w * 0.18), int(h * 0.56), int(w * 0.32), int(h * 0.2), 4,
                        Shade(p.fill, 1.15), kOutline, 2);
    c.OutlinedRoundRect(int(w * 0.5), int(h * 0.56), int(w * 0.32), int(h * 0.2), 4,
                        Shade(p.fill, 1.15), kOutline, 2);
    Legs(c, w * 0.1, w * 0.9, h * 0.82, h * 0.08, kDarkWood);
}

void Armchair(Canvas& c, const Paint& p, double w, double h) {
    c.OutlinedRoundRect(int(w * 0.22), int(h * 0.2), int(w * 0.56), int(h * 0.46), 10, p.fill,
                        kOutline, 3);
    c.OutlinedRoundRect(int(w * 0.1), int(h * 0.44), int(w * 0.18), int(h * 0.38), 6,
                        Shade(p.fill, 0.85), kOutline, 3);
    c.OutlinedRoundRect(int(w * 0.72), int(h * 0.44), int(w * 0.18), int(h * 0.38), 6,
                        Shade(p.fill, 0.85), kOutline, 3);
    c.OutlinedRoundRect(int(w * 0.26), int(h * 0.56), int(w * 0.48), int(h * 0.2), 4,
                        Shade(p.fill, 1.15), kOutline, 2);
    Legs(c, w * 0.14, w * 0.86, h * 0.82, h * 0.08, kDarkWood);
}

void Curtains(Canvas& c, const Paint& p, double w, double h) {
    c.OutlinedRoundRect(int(w * 0.2), int(h * 0.16), int(w * 0.6), int(h * 0.7), 2, 0x99D4FF,
                        kOutline, 2);
    c.Line(w * 0.06, h * 0.1, w * 0.94, h * 0.1, 5, kDarkWood);
    for (double x : {w * 0.08, w * 0.64}) {
        const Point drape[] = {{x, h * 0.1},
                               {x + w * 0.28, h * 0.1},
                               {x + w * 0.2, h * 0.5},
                               {x + w * 0.28, h * 0.9},
                               {x, h * 0.9}};
        c.OutlinedPolygon(drape, p.fill, kOutline, 3);
        c.Line(x + w * 0.08, h * 0.14, x + w * 0.08, h * 0.86, 2, Shade(p.fill, 0.75));
    }
}

void Phone(Canvas& c, const Paint& p, double w, double h) {
    c.OutlinedRoundRect(int(w * 0.18), int(h * 0.42), int(w * 0.64), int(h * 0.44), 8, p.fill,
                        kOutline, 3);
    c.OutlinedRoundRect(int(w * 0.12), int(h * 0.22), int(w * 0.76), int(h * 0.16), 8,
                        Shade(p.fill, 0.85), kOutline, 3);
    for (int i = 0; i < 3; ++i) {
        for (int k = 0; k < 3; ++k) {
            c.OutlinedEllipse(w * (0.36 + k * 0.14), h * (0.52 + i * 0.1), 4, 3, kWhite, kOutline,
                              1);
        }
    }
}

struct FurnitureDrawing {
    std::string_view caption;
    Painter paint;
};

// clang-format off
constexpr FurnitureDrawing kFurniture[] = {
    {"bed", Bed}, {"nightstand", Nightstand}, {"dresser", Dresser}, {"desk", Desk},
    {"clock", Clock}, {"lamp", Lamp}, {"toilet", Toilet}, {"shower", Shower},
    {"mirror", Mirror}, {"sink", Sink}, {"towel", Towel}, {"bathtub", Bathtub},
    {"fridge", Fridge}, {"cabinets", Cabinets}, {"counter", Counter}, {"stove", Stove},
    {"stool", Stool}, {"microwave", Microwave}, {"TV", Tv}, {"table", Table},
    {"couch", Couch}, {"armchair", Armchair}, {"curtains", Curtains}, {"phone", Phone},
};
// clang-format on

} // namespace

bool PaintFurniture(Canvas& c, const Paint& p) {
    for (const FurnitureDrawing& item : kFurniture) {
        if (p.caption == item.caption) {
            item.paint(c, p, p.W(), p.H());
            return true;
        }
    }
    return false;
}

} // namespace vocassets
