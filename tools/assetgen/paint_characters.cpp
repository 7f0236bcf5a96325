// People and creatures that play a part: the jobs' heads with their faces,
// the circus's cannon, the lion of the lion act, and
// the witch and the spaceman met on the way back from Mars.
#include "paint_parts.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vocassets {
namespace {

enum class Hair { ShortCurls, Short, Long, Straight, Monkey };

struct HeadLook {
    std::string_view word;
    Hair hair;
    Colour hairColour;
};

constexpr HeadLook kHeads[] = {
    {"head-black", Hair::ShortCurls, 0x2A1A10}, {"head-man", Hair::Short, 0x7A4A20},
    {"head-monkey", Hair::Monkey, kFur},        {"head-woman", Hair::Long, 0xB06020},
    {"head-asian", Hair::Straight, 0x151515},
};

void Smile(Canvas& c, double cx, double cy, double r, double width) {
    for (int i = 0; i < 12; ++i) {
        double a0 = std::numbers::pi * (0.2 + 0.6 * i / 12.0);
        double a1 = std::numbers::pi * (0.2 + 0.6 * (i + 1) / 12.0);
        c.Line(cx + std::cos(a0) * r, cy + std::sin(a0) * r * 0.7, cx + std::cos(a1) * r,
               cy + std::sin(a1) * r * 0.7, width, kOutline);
    }
}

void Eyes(Canvas& c, double cx, double cy, double gap, double r) {
    for (double side : {-1.0, 1.0}) {
        c.OutlinedEllipse(cx + side * gap, cy, r, r * 1.2, kWhite, kOutline, 1);
        c.FillEllipse(cx + side * gap + r * 0.2, cy + r * 0.2, r * 0.55, r * 0.65, kOutline);
        c.FillEllipse(cx + side * gap, cy - r * 0.3, r * 0.2, r * 0.2, kWhite);
    }
}

// A friendly face filling the square picture: hair behind and over the head,
// eyes, cheeks and a smile.
void Head(Canvas& c, const Paint& p, const HeadLook& look) {
    double w = p.W();
    double cx = w / 2;
    double cy = p.H() * 0.54;
    double r = w * 0.34;
    Colour skin = p.fill;
    if (look.hair == Hair::Long) {
        c.OutlinedRoundRect(int(cx - r * 1.2), int(cy - r * 0.9), int(r * 2.4), int(r * 2.1),
                            int(r * 0.6), look.hairColour, kOutline, 2);
    }
    if (look.hair == Hair::Monkey) {
        for (double side : {-1.0, 1.0}) {
            c.OutlinedEllipse(cx + side * r * 1.05, cy - r * 0.1, r * 0.32, r * 0.32, kFur,
                              kOutline, 2);
            c.FillEllipse(cx + side * r * 1.05, cy - r * 0.1, r * 0.17, r * 0.17, kFace);
        }
        c.OutlinedEllipse(cx, cy, r, r * 1.02, kFur, kOutline, 2);
        c.FillEllipse(cx, cy + r * 0.2, r * 0.72, r * 0.62, kFace);
        c.FillEllipse(cx - r * 0.3, cy - r * 0.15, r * 0.3, r * 0.3, kFace);
        c.FillEllipse(cx + r * 0.3, cy - r * 0.15, r * 0.3, r * 0.3, kFace);
    } else {
        for (double side : {-1.0, 1.0}) {
            c.OutlinedEllipse(cx + side * r * 0.98, cy + r * 0.05, r * 0.16, r * 0.22, skin,
                              kOutline, 2);
        }
        c.OutlinedEllipse(cx, cy, r * 0.95, r, skin, kOutline, 2);
        // Hair over the forehead, in the look's own cut.
        switch (look.hair) {
        case Hair::ShortCurls:
            for (int i = 0; i < 7; ++i) {
                double a = std::numbers::pi * (1.05 + 0.9 * i / 6.0);
                c.OutlinedEllipse(cx + std::cos(a) * r * 0.8, cy + std::sin(a) * r * 0.8, r * 0.26,
                                  r * 0.24, look.hairColour, look.hairColour, 1);
            }
            break;
        case Hair::Short:
        case Hair::Long:
        case Hair::Straight: {
            double fringe = look.hair == Hair::Straight ? 0.35 : 0.5;
            const Point cap[] = {
                {cx - r * 0.98, cy - r * 0.05},   {cx - r * 0.8, cy - r * 0.75},
                {cx - r * 0.3, cy - r * 1.05},    {cx + r * 0.3, cy - r * 1.05},
                {cx + r * 0.8, cy - r * 0.75},    {cx + r * 0.98, cy - r * 0.05},
                {cx + r * 0.75, cy - r * fringe}, {cx - r * 0.75, cy - r * fringe}};
            c.OutlinedPolygon(cap, look.hairColour, kOutline, 2);
            break;
        }
        case Hair::Monkey:
            break;
        }
    }
    Eyes(c, cx, cy - r * 0.12, r * 0.34, r * 0.16);
    c.FillEllipse(cx - r * 0.55, cy + r * 0.3, r * 0.14, r * 0.09, Mix(skin, 0xFF6060, 0.45));
    c.FillEllipse(cx + r * 0.55, cy + r * 0.3, r * 0.14, r * 0.09, Mix(skin, 0xFF6060, 0.45));
    c.FillEllipse(cx, cy + r * 0.15, r * 0.08, r * 0.06, Shade(skin, 0.6));
    Smile(c, cx, cy + r * 0.2, r * 0.36, 2);
}

// The circus cannon: a barrel raised towards the top right on a wheeled carriage.
void Cannon(Canvas& c, const Paint& p) {
    double w = p.W();
    double h = p.H();
    double angle = -0.45;
    double bx = w * 0.32;
    double by = h * 0.62;
    double len = w * 0.62;
    double rad = h * 0.17;
    auto at = [&](double along, double across) {
        return Point{bx + std::cos(angle) * along - std::sin(angle) * across,
                     by + std::sin(angle) * along + std::cos(angle) * across};
    };
    const Point barrel[] = {at(-rad, -rad), at(len, -rad * 0.8), at(len, rad * 0.8), at(-rad, rad)};
    c.OutlinedPolygon(barrel, 0x404850, kOutline, 2);
    Point mouth = at(len, 0);
    c.OutlinedEllipse(mouth.x, mouth.y, rad * 0.45, rad * 0.9, 0x202428, kOutline, 2);
    for (double band : {0.3, 0.7}) {
        Point a = at(len * band, -rad * 0.9);
        Point b = at(len * band, rad * 0.9);
        c.Line(a.x, a.y, b.x, b.y, 4, 0xC8A040);
    }
    Point shine0 = at(0, -rad * 0.5);
    Point shine1 = at(len * 0.9, -rad * 0.45);
    c.Line(shine0.x, shine0.y, shine1.x, shine1.y, 3, 0x808890);
    const Point carriage[] = {
        {w * 0.08, h * 0.95}, {w * 0.2, h * 0.55}, {w * 0.46, h * 0.55}, {w * 0.58, h * 0.95}};
    c.OutlinedPolygon(carriage, 0xA05A28, kOutline, 2);
    double wr = h * 0.2;
    c.OutlinedEllipse(w * 0.33, h - wr - 2, wr, wr, 0x8A4A20, kOutline, 2);
    for (int i = 0; i < 4; ++i) {
        double a = std::numbers::pi * i / 4;
        c.Line(w * 0.33 - std::cos(a) * wr, h - wr - 2 - std::sin(a) * wr,
               w * 0.33 + std::cos(a) * wr, h - wr - 2 + std::sin(a) * wr, 2, kOutline);
    }
    c.OutlinedEllipse(w * 0.33, h - wr - 2, wr * 0.25, wr * 0.25, 0xC8A040, kOutline, 1);
}

// The lion of the lion act, its mouth opening over the act's frames.
void Lion(Canvas& c, const Paint& p) {
    double open = p.NameHas("start")    ? 0.2 + 0.6 * p.phase
                  : p.NameHas("middle") ? 0.8 + 0.2 * p.phase
                                        : 0.15;
    double cx = p.W() / 2.0;
    double cy = p.H() * 0.48;
    double r = std::min(p.W(), p.H()) * 0.3;
    // The mane: a ring of locks round the face.
    for (int i = 0; i < 16; ++i) {
        double a = 2.0 * std::numbers::pi * i / 16;
        c.OutlinedEllipse(cx + std::cos(a) * r * 1.15, cy + std::sin(a) * r * 1.1, r * 0.36,
                          r * 0.36, 0xA85A18, kOutline, 2);
    }
    c.FillEllipse(cx, cy, r * 1.15, r * 1.1, 0xA85A18);
    for (double side : {-1.0, 1.0}) {
        c.OutlinedEllipse(cx + side * r * 0.7, cy - r * 0.75, r * 0.22, r * 0.22, 0xE0A848,
                          kOutline, 2);
    }
    c.OutlinedEllipse(cx, cy, r * 0.92, r * 0.95, 0xE0A848, kOutline, 2);
    c.FillEllipse(cx, cy + r * 0.42, r * 0.5, r * 0.36, 0xF0D090);
    Eyes(c, cx, cy - r * 0.3, r * 0.34, r * 0.13);
    const Point nose[] = {
        {cx - r * 0.16, cy + r * 0.05}, {cx + r * 0.16, cy + r * 0.05}, {cx, cy + r * 0.22}};
    c.OutlinedPolygon(nose, 0x603020, kOutline, 1);
    double mouthH = std::max(3.0, r * 0.4 * open);
    c.OutlinedEllipse(cx, cy + r * 0.42 + mouthH * 0.5, r * 0.32, mouthH, 0x801818, kOutline, 2);
    if (open > 0.4) {
        for (double side : {-1.0, 1.0}) {
            const Point fang[] = {{cx + side * r * 0.2, cy + r * 0.42},
                                  {cx + side * r * 0.1, cy + r * 0.42},
                                  {cx + side * r * 0.15, cy + r * 0.42 + mouthH * 0.5}};
            c.FillPolygon(fang, kWhite);
        }
    }
    for (double side : {-1.0, 1.0}) {
        for (int i = -1; i <= 1; ++i) {
            c.Line(cx + side * r * 0.3, cy + r * 0.3 + i * 4, cx + side * r * 0.85,
                   cy + r * 0.22 + i * 10, 1.5, kOutline);
        }
    }
}

// The witch flying on her broom, her hat pointed and her cape behind her.
void Witch(Canvas& c, const Paint& p) {
    double w = p.W();
    double h = p.H();
    c.Line(w * 0.05, h * 0.78, w * 0.95, h * 0.62, 4, 0x8A5A28);
    for (int i = 0; i < 6; ++i) {
        c.Line(w * 0.12, h * 0.77, w * 0.0 + i * 2, h * 0.68 + i * 4, 2, 0xC89A40);
    }
    const Point cape[] = {{w * 0.45, h * 0.38}, {w * 0.2, h * 0.7}, {w * 0.62, h * 0.72}};
    c.OutlinedPolygon(cape, 0x503070, kOutline, 2);
    c.OutlinedRoundRect(int(w * 0.42), int(h * 0.38), int(w * 0.2), int(h * 0.3), 4, 0x302048,
                        kOutline, 2);
    c.OutlinedEllipse(w * 0.52, h * 0.3, w * 0.11, h * 0.11, 0x90D070, kOutline, 2);
    c.FillEllipse(w * 0.55, h * 0.29, 1.8, 1.8, kOutline);
    c.FillEllipse(w * 0.49, h * 0.29, 1.8, 1.8, kOutline);
    const Point hat[] = {{w * 0.36, h * 0.22}, {w * 0.68, h * 0.22}, {w * 0.5, h * 0.0}};
    c.OutlinedPolygon(hat, 0x201830, kOutline, 2);
    c.Line(w * 0.33, h * 0.22, w * 0.71, h * 0.22, 4, 0x201830);
}

// The spaceman: a white suit with a round helmet and a golden visor.
void Spaceman(Canvas& c, const Paint& p) {
    double w = p.W();
    double h = p.H();
    double cx = w / 2;
    c.OutlinedRoundRect(int(cx - w * 0.3), int(h * 0.3), int(w * 0.16), int(h * 0.3), 4, 0xB0B0C0,
                        kOutline, 2);
    for (double side : {-1.0, 1.0}) {
        c.Line(cx + side * w * 0.12, h * 0.62, cx + side * w * 0.16, h * 0.92, 12, kOutline);
        c.Line(cx + side * w * 0.12, h * 0.62, cx + side * w * 0.16, h * 0.92, 8, 0xF0F0F8);
        c.Line(cx + side * w * 0.22, h * 0.36, cx + side * w * 0.36, h * 0.58, 10, kOutline);
        c.Line(cx + side * w * 0.22, h * 0.36, cx + side * w * 0.36, h * 0.58, 6, 0xF0F0F8);
    }
    c.OutlinedRoundRect(int(cx - w * 0.22), int(h * 0.3), int(w * 0.44), int(h * 0.36),
                        int(w * 0.1), 0xF0F0F8, kOutline, 2);
    c.FillRect(int(cx - w * 0.1), int(h * 0.4), int(w * 0.2), int(h * 0.08), 0x3070D0);
    c.FillEllipse(cx - w * 0.05, h * 0.44, 2, 2, 0xE03030);
    c.OutlinedEllipse(cx, h * 0.18, w * 0.22, w * 0.22, 0xF0F0F8, kOutline, 2);
    c.OutlinedEllipse(cx, h * 0.19, w * 0.15, w * 0.12, 0xE0B040, kOutline, 2);
    c.FillEllipse(cx - w * 0.05, h * 0.16, w * 0.04, w * 0.03, 0xFFF0B0);
}

} // namespace

bool PaintCharacter(Canvas& c, const Paint& p) {
    for (const HeadLook& look : kHeads) {
        if (p.NameHas(look.word)) {
            Head(c, p, look);
            return true;
        }
    }
    if (p.NameHas("cannonball-cannon")) {
        Cannon(c, p);
    } else if (p.NameHas("lionmouth")) {
        Lion(c, p);
    } else if (p.NameHas("witch.bmp")) {
        Witch(c, p);
    } else if (p.NameHas("spaceman")) {
        Spaceman(c, p);
    } else {
        return false;
    }
    return true;
}

} // namespace vocassets
