// The toys and things the fishing game spells: a dinosaur, a guitar, a
// mailbox, a piano, a plane, a doll, a robot, a train, an umbrella and a
// spaceship, each with the shape a child knows.
#include "paint_parts.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vocassets {
namespace {

using Painter = void (*)(Canvas&, const Paint&, double, double);

void Dinosaur(Canvas& c, const Paint& p, double w, double h) {
    const Point tail[] = {{w * 0.05, h * 0.7}, {w * 0.35, h * 0.5}, {w * 0.35, h * 0.72}};
    c.OutlinedPolygon(tail, p.fill, kOutline, 3);
    c.Line(w * 0.42, h * 0.7, w * 0.4, h * 0.9, 10, kOutline);
    c.Line(w * 0.62, h * 0.7, w * 0.64, h * 0.9, 10, kOutline);
    c.OutlinedEllipse(w * 0.5, h * 0.6, w * 0.2, h * 0.16, p.fill, kOutline, 3);
    c.Line(w * 0.64, h * 0.52, w * 0.76, h * 0.22, 14, kOutline);
    c.Line(w * 0.64, h * 0.52, w * 0.76, h * 0.22, 9, p.fill);
    c.OutlinedEllipse(w * 0.8, h * 0.2, w * 0.08, h * 0.07, p.fill, kOutline, 2);
    c.FillEllipse(w * 0.82, h * 0.18, 2, 2, kOutline);
    for (int i = 0; i < 4; ++i) {
        const Point plate[] = {{w * (0.36 + i * 0.07), h * 0.47},
                               {w * (0.395 + i * 0.07), h * 0.36},
                               {w * (0.43 + i * 0.07), h * 0.47}};
        c.OutlinedPolygon(plate, 0xFFCC33, kOutline, 1);
    }
}

void Guitar(Canvas& c, const Paint& p, double w, double h) {
    c.Line(w * 0.5, h * 0.55, w * 0.88, h * 0.12, 8, kOutline);
    c.Line(w * 0.5, h * 0.55, w * 0.88, h * 0.12, 5, 0x704828);
    c.OutlinedEllipse(w * 0.36, h * 0.68, w * 0.16, h * 0.22, p.fill, kOutline, 3);
    c.OutlinedEllipse(w * 0.48, h * 0.54, w * 0.12, h * 0.16, p.fill, kOutline, 3);
    c.FillEllipse(w * 0.4, h * 0.64, w * 0.045, h * 0.055, kOutline);
    c.OutlinedRoundRect(int(w * 0.84), int(h * 0.05), int(w * 0.08), int(h * 0.1), 2, 0x704828,
                        kOutline, 1);
}

void Mailbox(Canvas& c, const Paint& p, double w, double h) {
    c.OutlinedRoundRect(int(w * 0.46), int(h * 0.5), int(w * 0.08), int(h * 0.44), 1, 0x704828,
                        kOutline, 2);
    c.OutlinedRoundRect(int(w * 0.26), int(h * 0.16), int(w * 0.48), int(h * 0.36), int(h * 0.16),
                        p.fill, kOutline, 3);
    c.Line(w * 0.7, h * 0.3, w * 0.7, h * 0.06, 3, kOutline);
    c.OutlinedRoundRect(int(w * 0.7), int(h * 0.06), int(w * 0.1), int(h * 0.08), 1, 0xCC3333,
                        kOutline, 1);
    c.OutlinedRoundRect(int(w * 0.3), int(h * 0.26), int(w * 0.14), int(h * 0.12), 1, kWhite,
                        kOutline, 1);
}

void Piano(Canvas& c, const Paint& p, double w, double h) {
    c.OutlinedRoundRect(int(w * 0.12), int(h * 0.14), int(w * 0.76), int(h * 0.5), 4, p.fill,
                        kOutline, 3);
    c.OutlinedRoundRect(int(w * 0.12), int(h * 0.52), int(w * 0.76), int(h * 0.14), 1, kWhite,
                        kOutline, 2);
    for (int i = 1; i < 12; ++i) {
        double x = w * (0.12 + 0.76 * i / 12.0);
        c.Line(x, h * 0.52, x, h * 0.66, 1, kOutline);
        if (i % 7 != 3 && i % 7 != 0) {
            c.FillRect(int(x - 2), int(h * 0.52), 5, int(h * 0.08), kOutline);
        }
    }
    c.Line(w * 0.18, h * 0.66, w * 0.18, h * 0.94, 5, p.fill);
    c.Line(w * 0.82, h * 0.66, w * 0.82, h * 0.94, 5, p.fill);
}

void Plane(Canvas& c, const Paint& p, double w, double h) {
    const Point tail[] = {
        {w * 0.08, h * 0.2}, {w * 0.2, h * 0.2}, {w * 0.3, h * 0.46}, {w * 0.1, h * 0.46}};
    c.OutlinedPolygon(tail, 0xCC3333, kOutline, 2);
    c.OutlinedRoundRect(int(w * 0.08), int(h * 0.4), int(w * 0.8), int(h * 0.2), int(h * 0.1),
                        p.fill, kOutline, 3);
    const Point wing[] = {
        {w * 0.4, h * 0.52}, {w * 0.58, h * 0.52}, {w * 0.44, h * 0.9}, {w * 0.34, h * 0.9}};
    c.OutlinedPolygon(wing, 0xCC3333, kOutline, 2);
    for (int i = 0; i < 5; ++i) {
        c.OutlinedEllipse(w * (0.34 + i * 0.08), h * 0.48, 3, 3, 0xB8E0F8, kOutline, 1);
    }
}

void Doll(Canvas& c, const Paint& p, double w, double h) {
    double cx = w / 2;
    const Point dress[] = {{cx - w * 0.06, h * 0.4},
                           {cx + w * 0.06, h * 0.4},
                           {cx + w * 0.18, h * 0.84},
                           {cx - w * 0.18, h * 0.84}};
    c.OutlinedPolygon(dress, p.fill, kOutline, 3);
    c.Line(cx - w * 0.06, h * 0.84, cx - w * 0.06, h * 0.95, 4, kOutline);
    c.Line(cx + w * 0.06, h * 0.84, cx + w * 0.06, h * 0.95, 4, kOutline);
    c.Line(cx - w * 0.06, h * 0.46, cx - w * 0.16, h * 0.62, 4, kFace);
    c.Line(cx + w * 0.06, h * 0.46, cx + w * 0.16, h * 0.62, 4, kFace);
    c.OutlinedEllipse(cx, h * 0.26, w * 0.09, h * 0.13, 0xCC7733, kOutline, 2);
    c.OutlinedEllipse(cx, h * 0.29, w * 0.07, h * 0.1, kFace, kOutline, 2);
    c.FillEllipse(cx - w * 0.025, h * 0.28, 2, 2, kOutline);
    c.FillEllipse(cx + w * 0.025, h * 0.28, 2, 2, kOutline);
    c.Line(cx - w * 0.02, h * 0.33, cx + w * 0.02, h * 0.33, 2, 0xCC3333);
}

void Robot(Canvas& c, const Paint& p, double w, double h) {
    double cx = w / 2;
    c.Line(cx, h * 0.04, cx, h * 0.14, 3, kOutline);
    c.OutlinedEllipse(cx, h * 0.05, 4, 4, 0xCC3333, kOutline, 1);
    c.OutlinedRoundRect(int(cx - w * 0.12), int(h * 0.14), int(w * 0.24), int(h * 0.2), 3, p.fill,
                        kOutline, 3);
    c.OutlinedEllipse(cx - w * 0.05, h * 0.23, 4, 4, 0xFFFF66, kOutline, 1);
    c.OutlinedEllipse(cx + w * 0.05, h * 0.23, 4, 4, 0xFFFF66, kOutline, 1);
    c.OutlinedRoundRect(int(cx - w * 0.17), int(h * 0.36), int(w * 0.34), int(h * 0.34), 3, p.fill,
                        kOutline, 3);
    c.OutlinedRoundRect(int(cx - w * 0.08), int(h * 0.42), int(w * 0.16), int(h * 0.12), 2,
                        0x99D4FF, kOutline, 1);
    c.Line(cx - w * 0.17, h * 0.42, cx - w * 0.26, h * 0.62, 5, kOutline);
    c.Line(cx + w * 0.17, h * 0.42, cx + w * 0.26, h * 0.62, 5, kOutline);
    c.OutlinedRoundRect(int(cx - w * 0.13), int(h * 0.7), int(w * 0.08), int(h * 0.24), 2, p.fill,
                        kOutline, 2);
    c.OutlinedRoundRect(int(cx + w * 0.05), int(h * 0.7), int(w * 0.08), int(h * 0.24), 2, p.fill,
                        kOutline, 2);
}

void Train(Canvas& c, const Paint& p, double w, double h) {
    c.OutlinedRoundRect(int(w * 0.08), int(h * 0.4), int(w * 0.56), int(h * 0.34), 4, p.fill,
                        kOutline, 3);
    c.OutlinedRoundRect(int(w * 0.5), int(h * 0.2), int(w * 0.3), int(h * 0.54), 3, p.fill,
                        kOutline, 3);
    c.OutlinedRoundRect(int(w * 0.56), int(h * 0.28), int(w * 0.18), int(h * 0.16), 2, 0xB8E0F8,
                        kOutline, 2);
    c.OutlinedRoundRect(int(w * 0.16), int(h * 0.22), int(w * 0.1), int(h * 0.2), 2, 0x404040,
                        kOutline, 2);
    c.FillEllipse(w * 0.2, h * 0.14, 8, 5, 0xE0E0E0);
    c.FillEllipse(w * 0.28, h * 0.08, 6, 4, 0xE0E0E0);
    const Point cow[] = {{w * 0.8, h * 0.56}, {w * 0.94, h * 0.76}, {w * 0.8, h * 0.76}};
    c.OutlinedPolygon(cow, 0xCC3333, kOutline, 2);
    for (double x : {w * 0.2, w * 0.4, w * 0.66}) {
        c.OutlinedEllipse(x, h * 0.8, h * 0.1, h * 0.1, 0x303030, kOutline, 2);
        c.FillEllipse(x, h * 0.8, h * 0.04, h * 0.04, 0xB8B8C0);
    }
}

void Umbrella(Canvas& c, const Paint& p, double w, double h) {
    const Point canopy[] = {{w * 0.1, h * 0.48}, {w * 0.5, h * 0.1}, {w * 0.9, h * 0.48}};
    c.OutlinedPolygon(canopy, p.fill, kOutline, 3);
    for (int i = 0; i < 4; ++i) {
        double x = w * (0.1 + 0.2 * i);
        c.OutlinedEllipse(x + w * 0.1, h * 0.48, w * 0.1, h * 0.05, p.fill, kOutline, 2);
    }
    c.Line(w * 0.5, h * 0.12, w * 0.5, h * 0.84, 4, kOutline);
    for (int k = 0; k < 8; ++k) {
        double a0 = std::numbers::pi * k / 8;
        double a1 = std::numbers::pi * (k + 1) / 8;
        c.Line(w * 0.44 + std::cos(a0) * w * 0.06, h * 0.84 + std::sin(a0) * h * 0.06,
               w * 0.44 + std::cos(a1) * w * 0.06, h * 0.84 + std::sin(a1) * h * 0.06, 4, kOutline);
    }
}

// A flying saucer: the fishing game's spaceship.
void Spaceship(Canvas& c, const Paint& p, double w, double h) {
    double cx = w / 2;
    c.OutlinedEllipse(cx, h * 0.4, w * 0.18, h * 0.2, 0x99D4FF, kOutline, 3);
    c.OutlinedEllipse(cx, h * 0.58, w * 0.42, h * 0.14, p.fill, kOutline, 3);
    for (int i = -2; i <= 2; ++i) {
        c.OutlinedEllipse(cx + i * w * 0.14, h * 0.6, 4, 4, 0xFFFF66, kOutline, 1);
    }
    c.Line(cx - w * 0.2, h * 0.7, cx - w * 0.26, h * 0.86, 3, kOutline);
    c.Line(cx + w * 0.2, h * 0.7, cx + w * 0.26, h * 0.86, 3, kOutline);
}

struct ToyDrawing {
    std::string_view caption;
    Painter paint;
};

// clang-format off
constexpr ToyDrawing kToys[] = {
    {"dinosaur", Dinosaur}, {"dinosaurio", Dinosaur}, {"guitar", Guitar}, {"guitarra", Guitar},
    {"mailbox", Mailbox}, {"buzón", Mailbox}, {"piano", Piano}, {"plane", Plane},
    {"avión", Plane}, {"doll", Doll}, {"muñeca", Doll}, {"robot", Robot}, {"train", Train},
    {"tren", Train}, {"umbrella", Umbrella}, {"sombrilla", Umbrella},
    {"spaceship", Spaceship}, {"nave espacial", Spaceship},
};
// clang-format on

} // namespace

bool PaintToy(Canvas& c, const Paint& p) {
    for (const ToyDrawing& toy : kToys) {
        if (p.caption == toy.caption) {
            toy.paint(c, p, p.W(), p.H());
            return true;
        }
    }
    return false;
}

} // namespace vocassets
