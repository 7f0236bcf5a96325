// Circus animals, balloons and the balloon counter.
#include "paint_parts.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vocassets {
namespace {

enum class Body { Four, Long, Swim, Bird, Squat, Upright, Claws, Coil };
enum class Mark { None, Hump, Trunk, Horn, Mane, Stripes, Spots, Ears, Tusks, Wool, Antlers };

struct AnimalLook {
    std::string_view caption;
    Colour colour;
    Body body;
    Mark mark;
};

constexpr AnimalLook kAnimals[] = {
    {"camel", 0xD0A060, Body::Four, Mark::Hump},
    {"cow", 0xF4F0E8, Body::Four, Mark::Spots},
    {"coyote", 0xA08060, Body::Four, Mark::Ears},
    {"crocodile", 0x4C8040, Body::Long, Mark::None},
    {"deer", 0xB07840, Body::Four, Mark::Antlers},
    {"dolphin", 0x6890B8, Body::Swim, Mark::None},
    {"frog", 0x58A040, Body::Squat, Mark::None},
    {"hyena", 0xB09870, Body::Four, Mark::Spots},
    {"lobster", 0xD04030, Body::Claws, Mark::None},
    {"pig", 0xF0A8B0, Body::Four, Mark::Ears},
    {"rhino", 0x9098A0, Body::Four, Mark::Horn},
    {"sheep", 0xF8F8F0, Body::Four, Mark::Wool},
    {"walrus", 0x906858, Body::Swim, Mark::Tusks},
    {"rabbit", 0xE8E0D8, Body::Upright, Mark::Ears},
    {"cat", 0xE09040, Body::Four, Mark::Ears},
    {"dog", 0xC08850, Body::Four, Mark::Ears},
    {"eagle", 0x604030, Body::Bird, Mark::None},
    {"elephant", 0xA0A0B0, Body::Four, Mark::Trunk},
    {"hippo", 0x9080A0, Body::Four, Mark::None},
    {"horse", 0x8C5830, Body::Four, Mark::Mane},
    {"kangaroo", 0xC08858, Body::Upright, Mark::None},
    {"lion", 0xE0B050, Body::Four, Mark::Mane},
    {"snake", 0x60A048, Body::Coil, Mark::Stripes},
    {"tiger", 0xF09030, Body::Four, Mark::Stripes},
};

AnimalLook LookOf(std::string_view caption) {
    for (const AnimalLook& look : kAnimals) {
        if (look.caption == caption) {
            return look;
        }
    }
    return {caption, 0xA08060, Body::Four, Mark::None};
}

void FourLegged(Canvas& c, const AnimalLook& a, double w, double h) {
    double bx = w * 0.45;
    double by = h * 0.45;
    Colour dark = Shade(a.colour, 0.75);
    // Sturdy legs with hooves or paws, the far pair a shade darker.
    for (double lx : {-0.24, 0.2, -0.14, 0.3}) {
        bool far = lx == -0.14 || lx == 0.3;
        c.OutlinedRoundRect(int(bx + lx * w - w * 0.03), int(by), int(w * 0.06), int(h * 0.36), 3,
                            far ? dark : a.colour, kOutline, 2);
        c.FillRect(int(bx + lx * w - w * 0.03) + 2, int(by + h * 0.32), int(w * 0.06) - 4,
                   int(h * 0.03), kOutline);
    }
    c.Line(bx - w * 0.3, by - 4, bx - w * 0.42, by + h * 0.12, 3, kOutline);
    c.FillEllipse(bx - w * 0.42, by + h * 0.14, 3, 4, dark);
    c.OutlinedEllipse(bx, by, w * 0.33, h * 0.2, a.colour, kOutline, 2);
    c.FillEllipse(bx - w * 0.08, by - h * 0.08, w * 0.14, h * 0.05, Shade(a.colour, 1.2));
    double hx = w * 0.8;
    double hy = h * 0.3;
    // Neck, head, snout, an eye that looks out, and an ear.
    c.Line(bx + w * 0.22, by - h * 0.05, hx - h * 0.04, hy + h * 0.04, h * 0.16, kOutline);
    c.Line(bx + w * 0.22, by - h * 0.05, hx - h * 0.04, hy + h * 0.04, h * 0.12, a.colour);
    c.OutlinedEllipse(hx - h * 0.1, hy - h * 0.12, h * 0.05, h * 0.08, dark, kOutline, 1);
    c.OutlinedEllipse(hx, hy, h * 0.16, h * 0.15, a.colour, kOutline, 2);
    c.OutlinedEllipse(hx + h * 0.12, hy + h * 0.05, h * 0.09, h * 0.07, Shade(a.colour, 1.15),
                      kOutline, 1);
    c.FillEllipse(hx + h * 0.17, hy + h * 0.03, 1.5, 1.5, kOutline);
    c.FillEllipse(hx + h * 0.02, hy - h * 0.04, 3, 3, kWhite);
    c.FillEllipse(hx + h * 0.03, hy - h * 0.04, 1.5, 1.5, kOutline);
    switch (a.mark) {
    case Mark::Hump:
        c.OutlinedEllipse(bx, by - h * 0.18, w * 0.12, h * 0.12, a.colour, kOutline, 2);
        break;
    case Mark::Trunk:
        c.Line(hx + h * 0.12, hy, hx + h * 0.18, hy + h * 0.4, 6, Shade(a.colour, 0.8));
        break;
    case Mark::Horn: {
        const Point horn[] = {
            {hx + h * 0.1, hy - h * 0.05}, {hx + h * 0.22, hy - h * 0.3}, {hx + h * 0.2, hy}};
        c.FillPolygon(horn, 0xE8E0D0);
        break;
    }
    case Mark::Mane:
        c.FillEllipse(hx - h * 0.08, hy, h * 0.2, h * 0.22, Shade(a.colour, 0.7));
        c.OutlinedEllipse(hx, hy, h * 0.14, h * 0.13, a.colour, kOutline, 2);
        break;
    case Mark::Stripes:
        for (int i = -2; i <= 2; ++i) {
            c.Line(bx + i * w * 0.1, by - h * 0.18, bx + i * w * 0.1 + 4, by + h * 0.1, 3,
                   kOutline);
        }
        break;
    case Mark::Spots:
        for (int i = 0; i < 4; ++i) {
            c.FillEllipse(bx - w * 0.2 + i * w * 0.13, by - h * 0.05 + (i % 2) * 6, 5, 4, 0x403028);
        }
        break;
    case Mark::Ears:
        c.FillEllipse(hx - h * 0.08, hy - h * 0.15, h * 0.05, h * 0.08, Shade(a.colour, 0.8));
        c.FillEllipse(hx + h * 0.06, hy - h * 0.15, h * 0.05, h * 0.08, Shade(a.colour, 0.8));
        break;
    case Mark::Wool:
        for (int i = 0; i < 6; ++i) {
            c.OutlinedEllipse(bx - w * 0.25 + i * w * 0.1, by - h * 0.12, 8, 8, a.colour, 0xC0C0B8,
                              2);
        }
        break;
    case Mark::Antlers:
        c.Line(hx - 4, hy - h * 0.1, hx - 12, hy - h * 0.35, 3, 0x704020);
        c.Line(hx + 4, hy - h * 0.1, hx + 12, hy - h * 0.35, 3, 0x704020);
        break;
    default:
        break;
    }
}

void AnimalFigure(Canvas& c, const AnimalLook& a, double w, double h) {
    switch (a.body) {
    case Body::Four:
        FourLegged(c, a, w, h);
        break;
    case Body::Long:
        c.OutlinedEllipse(w * 0.5, h * 0.55, w * 0.42, h * 0.12, a.colour, kOutline, 2);
        for (int i = 0; i < 6; ++i) {
            const Point tooth[] = {{w * 0.75 + i * 4, h * 0.5},
                                   {w * 0.77 + i * 4, h * 0.58},
                                   {w * 0.79 + i * 4, h * 0.5}};
            c.FillPolygon(tooth, kWhite);
        }
        break;
    case Body::Swim: {
        c.OutlinedEllipse(w * 0.5, h * 0.5, w * 0.36, h * 0.18, a.colour, kOutline, 2);
        const Point fin[] = {{w * 0.45, h * 0.35}, {w * 0.52, h * 0.18}, {w * 0.58, h * 0.35}};
        c.OutlinedPolygon(fin, a.colour, kOutline, 2);
        if (a.mark == Mark::Tusks) {
            c.Line(w * 0.8, h * 0.55, w * 0.8, h * 0.75, 3, kWhite);
            c.Line(w * 0.76, h * 0.55, w * 0.76, h * 0.75, 3, kWhite);
        }
        break;
    }
    case Body::Bird: {
        const Point wing[] = {{w * 0.5, h * 0.45}, {w * 0.1, h * 0.15}, {w * 0.9, h * 0.15}};
        c.OutlinedPolygon(wing, Shade(a.colour, 1.2), kOutline, 2);
        c.OutlinedEllipse(w * 0.5, h * 0.5, w * 0.14, h * 0.2, a.colour, kOutline, 2);
        c.OutlinedEllipse(w * 0.5, h * 0.25, h * 0.1, h * 0.1, kWhite, kOutline, 2);
        break;
    }
    case Body::Squat:
        c.OutlinedEllipse(w * 0.5, h * 0.55, w * 0.28, h * 0.22, a.colour, kOutline, 2);
        c.OutlinedEllipse(w * 0.4, h * 0.33, 7, 7, kWhite, kOutline, 2);
        c.OutlinedEllipse(w * 0.6, h * 0.33, 7, 7, kWhite, kOutline, 2);
        break;
    case Body::Upright:
        c.OutlinedEllipse(w * 0.5, h * 0.55, w * 0.15, h * 0.25, a.colour, kOutline, 2);
        c.OutlinedEllipse(w * 0.5, h * 0.25, h * 0.13, h * 0.12, a.colour, kOutline, 2);
        if (a.mark == Mark::Ears) {
            c.OutlinedEllipse(w * 0.46, h * 0.06, 4, h * 0.1, a.colour, kOutline, 2);
            c.OutlinedEllipse(w * 0.54, h * 0.06, 4, h * 0.1, a.colour, kOutline, 2);
        } else {
            c.Line(w * 0.4, h * 0.7, w * 0.15, h * 0.78, 6, a.colour);
        }
        break;
    case Body::Claws:
        c.OutlinedEllipse(w * 0.5, h * 0.5, w * 0.25, h * 0.14, a.colour, kOutline, 2);
        c.OutlinedEllipse(w * 0.2, h * 0.3, w * 0.08, h * 0.1, a.colour, kOutline, 2);
        c.OutlinedEllipse(w * 0.8, h * 0.3, w * 0.08, h * 0.1, a.colour, kOutline, 2);
        break;
    case Body::Coil:
        for (int i = 0; i < 24; ++i) {
            double t0 = i / 24.0;
            double t1 = (i + 1) / 24.0;
            c.Line(w * (0.1 + 0.8 * t0), h * (0.5 + 0.18 * std::sin(t0 * 12)), w * (0.1 + 0.8 * t1),
                   h * (0.5 + 0.18 * std::sin(t1 * 12)), 9,
                   i % 4 == 0 ? Shade(a.colour, 0.6) : a.colour);
        }
        c.OutlinedEllipse(w * 0.92, h * 0.5 + h * 0.18 * std::sin(12.0), 8, 6, a.colour, kOutline,
                          2);
        break;
    }
}

} // namespace

void PaintAnimal(Canvas& c, const Paint& p) {
    c.VerticalGradient(0, 0, p.W(), p.H(), Shade(p.fill, 1.1), p.fill);
    c.FillRect(0, p.H() * 3 / 4, p.W(), p.H() / 4, Shade(p.fill, 0.85));
    AnimalFigure(c, LookOf(p.caption), p.W(), p.H() - 18);
    CaptionPlate(c, p, p.W() / 2, p.H() - 11, p.W() - 10, 20, 14);
    c.FillRect(0, 0, p.W(), 2, kOutline);
    c.FillRect(0, p.H() - 2, p.W(), 2, kOutline);
    c.FillRect(0, 0, 2, p.H(), kOutline);
    c.FillRect(p.W() - 2, 0, 2, p.H(), kOutline);
}

void DrawBalloon(Canvas& c, double x, double y, double w, double h, Colour colour) {
    double bh = h * 0.78;
    c.Line(x + w / 2, y + bh, x + w / 2 + 3, y + h - 1, 2, kOutline);
    const Point knot[] = {
        {x + w / 2, y + bh - 2}, {x + w / 2 - 4, y + bh + 5}, {x + w / 2 + 4, y + bh + 5}};
    c.FillPolygon(knot, colour);
    c.OutlinedEllipse(x + w / 2, y + bh / 2, w / 2 - 1, bh / 2 - 1, colour, kOutline, 2);
    c.FillEllipse(x + w * 0.35, y + bh * 0.3, w * 0.1, bh * 0.12, Shade(colour, 1.6));
}

void PaintBalloon(Canvas& c, const Paint& p) {
    DrawBalloon(c, 0, 0, p.W(), p.H(), p.fill);
}

void PaintCounter(Canvas& c, const Paint& p) {
    constexpr Colour kColours[] = {0xE02830, 0x2850E0, 0xF0D020, 0x9030C0, 0xF08020,
                                   0xF060A0, 0x20B0C0, 0xE04020, 0x4040D0, 0xD0D030};
    int count = std::max(1, p.frame);
    double bw = p.W() / 5.5;
    double bh = p.H() * 0.4;
    for (int i = 0; i < count; ++i) {
        int row = i / 5;
        int col = i % 5;
        DrawBalloon(c, 4 + col * (bw + 4), 4 + row * (bh + 6), bw, bh, kColours[i % 10]);
    }
    // The count sits below the two rows, clear of every balloon.
    p.text.Label(c, std::to_string(count), p.W() - 22, p.H() - 12, 40, 22, 18);
}

} // namespace vocassets
