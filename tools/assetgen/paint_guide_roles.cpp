// The roles the guide plays: a hat, clothes or a thing in its hands tell a
// child who it is on each screen without a word, and the introduction's guide
// holds up the thing it talks about.
#include "guide_figure.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string_view>

namespace vocassets {
namespace {

constexpr Colour kMechanicBlue = 0x3060B0;
constexpr Colour kSuit = 0xECEEF2;
constexpr Colour kGold = 0xF0C030;

bool Intro(const Paint& p) {
    return p.NameHas("intromonkey-") && !p.NameHas("armdown");
}

bool UnderBalloons(const Paint& p) {
    return p.NameHas("balloon-monkey02") || p.NameHas("balloon-monkey03") || p.NameHas("floating");
}

bool HoldsBalloons(const Paint& p) {
    return p.NameHas("balloon-monkey00") || p.NameHas("balloon-monkey01");
}

// The side of the head that has room for a thing held up: the left, unless
// the head stands left of the middle.
double FreeSide(const Paint& p, const GuideFigure& f) {
    return f.cx >= p.W() / 2.0 ? -1.0 : 1.0;
}

// The square beside the head where the introduction's guide holds its thing up.
Box HeldUp(const Paint& p, const GuideFigure& f) {
    double side = FreeSide(p, f);
    double room = side < 0 ? f.cx - f.r * 1.22 - 8 : p.W() - 8 - (f.cx + f.r * 1.22);
    double s = std::clamp(room, 40.0, 72.0);
    double x = side < 0 ? 6 : p.W() - 6 - s;
    return Box{x, f.cy + f.r * 0.15 - s / 2, s, s};
}

// A dome on the head with a visor in front: the cap of a mechanic, a mover or a racer.
void Cap(Canvas& c, const GuideFigure& f, Colour colour, Colour badge) {
    // The visor stays above the eyes, where the closed ones are laid.
    double base = std::min(HeadTop(f) + f.r * 0.42, f.face.eyes.y - f.r * 0.12 - 2);
    Point dome[14];
    for (int i = 0; i < 13; ++i) {
        double a = std::numbers::pi * i / 12.0;
        dome[i] = {f.cx - std::cos(a) * f.r * 0.9, base - std::sin(a) * f.r * 0.62};
    }
    dome[13] = {f.cx - f.r * 0.9, base};
    c.OutlinedPolygon(dome, colour, kOutline, 3);
    c.OutlinedEllipse(f.cx, base, f.r * 0.95, f.r * 0.12, Shade(colour, 0.7), kOutline, 3);
    c.OutlinedEllipse(f.cx, base - f.r * 0.3, f.r * 0.14, f.r * 0.14, badge, kOutline, 2);
}

void TopHat(Canvas& c, const GuideFigure& f) {
    double brim = HeadTop(f) + f.r * 0.22;
    double h = std::min(f.r * 0.85, brim - 4);
    c.OutlinedRoundRect(int(f.cx - f.r * 0.45), int(brim - h), int(f.r * 0.9), int(h), 4, 0x282830,
                        kOutline, 3);
    c.FillRect(int(f.cx - f.r * 0.45) + 3, int(brim - h * 0.35), int(f.r * 0.9) - 6, int(h * 0.18),
               0xD02030);
    c.OutlinedEllipse(f.cx, brim, f.r * 0.75, f.r * 0.1, 0x282830, kOutline, 3);
}

void SunHat(Canvas& c, const GuideFigure& f) {
    double brim = HeadTop(f) + f.r * 0.3;
    c.OutlinedEllipse(f.cx, brim, f.r * 1.45, f.r * 0.2, 0xF0D060, kOutline, 3);
    Point crown[14];
    for (int i = 0; i < 13; ++i) {
        double a = std::numbers::pi * i / 12.0;
        crown[i] = {f.cx - std::cos(a) * f.r * 0.68, brim - std::sin(a) * f.r * 0.5};
    }
    crown[13] = {f.cx - f.r * 0.68, brim};
    c.OutlinedPolygon(crown, 0xF0D060, kOutline, 3);
    c.FillRect(int(f.cx - f.r * 0.66), int(brim - f.r * 0.14), int(f.r * 1.32), int(f.r * 0.12),
               0xE06020);
}

void ClownHat(Canvas& c, const GuideFigure& f) {
    double base = HeadTop(f) + f.r * 0.2;
    double tipY = std::max(10.0, base - f.r * 1.0);
    const Point cone[] = {
        {f.cx - f.r * 0.5, base}, {f.cx + f.r * 0.12, tipY}, {f.cx + f.r * 0.5, base}};
    c.OutlinedPolygon(cone, 0x3080E0, kOutline, 3);
    for (double t : {0.35, 0.65}) {
        c.FillEllipse(f.cx + f.r * 0.12 * t - f.r * 0.05, base - (base - tipY) * (1 - t) + 4,
                      f.r * 0.09, f.r * 0.09, 0xF0D020);
    }
    c.OutlinedEllipse(f.cx + f.r * 0.12, tipY, 7, 7, 0xE02020, kOutline, 2);
}

void Ruff(Canvas& c, const GuideFigure& f) {
    // Round the neck, showing below the chin.
    double y = f.cy + f.r * 1.04;
    for (int i = -3; i <= 3; ++i) {
        c.OutlinedEllipse(f.bodyCx + i * f.r * 0.24, y - std::abs(i) * f.r * 0.05, f.r * 0.19,
                          f.r * 0.17, i % 2 == 0 ? kWhite : 0xF8D8E8, kOutline, 2);
    }
}

void Glasses(Canvas& c, const Box& e) {
    for (double dx : {-e.w * 0.25, e.w * 0.25}) {
        double cx = e.Cx() + dx;
        for (int t = 0; t < 3; ++t) {
            double rx = e.w * 0.19 - t;
            double ry = e.h * 0.4 - t;
            for (int k = 0; k < 72; ++k) {
                double a = 2 * std::numbers::pi * k / 72.0;
                c.Set(int(std::lround(cx + rx * std::cos(a))),
                      int(std::lround(e.Cy() + ry * std::sin(a))), 0x203060);
            }
        }
    }
    c.Line(e.Cx() - e.w * 0.03, e.Cy() - 2, e.Cx() + e.w * 0.03, e.Cy() - 2, 3, 0x203060);
}

void Balloons(Canvas& c, const Paint& p, Point hand, double x0, double x1, double top,
              double bottom, int count) {
    const Colour colours[] = {0xE02830, 0x2850E0, 0xF0D020, 0x9030C0, 0xF08020};
    double w = (x1 - x0) / (count * 0.85 + 0.15);
    for (int i = 0; i < count; ++i) {
        double bx = x0 + i * w * 0.85;
        double by = top + (i % 2) * (bottom - top) * 0.12;
        double bh = (bottom - top) * 0.8;
        DrawBalloon(c, bx, by, w, bh * 0.9, colours[(i + (p.NameHas("03") ? 2 : 0)) % 5]);
        c.Line(bx + w / 2, by + bh * 0.9 - 2, hand.x, hand.y, 2, kOutline);
    }
}

void Drops(Canvas& c, const GuideFigure& f) {
    const double spots[][2] = {{-0.7, -1.1}, {0.5, -1.25}, {-1.25, 0.4}, {1.3, 0.5}, {0.1, 1.35}};
    for (const auto& s : spots) {
        double x = std::clamp(f.cx + s[0] * f.r, 8.0, c.Width() - 8.0);
        double y = std::clamp(f.cy + s[1] * f.r, 12.0, c.Height() - 10.0);
        const Point drop[] = {{x, y - 9}, {x - 5, y + 2}, {x + 5, y + 2}};
        c.FillPolygon(drop, 0x3070B0);
        c.OutlinedEllipse(x, y + 3, 5, 5, 0x90C8F8, 0x3070B0, 2);
    }
}

void Sun(Canvas& c, const Box& b) {
    double r = b.w * 0.26;
    for (int i = 0; i < 8; ++i) {
        double a = std::numbers::pi * i / 4.0;
        c.Line(b.Cx() + std::cos(a) * r * 1.2, b.Cy() + std::sin(a) * r * 1.2,
               b.Cx() + std::cos(a) * r * 1.8, b.Cy() + std::sin(a) * r * 1.8, 4, 0xF09020);
    }
    c.OutlinedEllipse(b.Cx(), b.Cy(), r, r, 0xF8D030, 0xE08010, 3);
}

void House(Canvas& c, const Box& b) {
    double s = b.w;
    const Point roof[] = {
        {b.x + 2, b.y + s * 0.45}, {b.Cx(), b.y + 3}, {b.x + s - 2, b.y + s * 0.45}};
    // Coloured as the house on the map.
    c.OutlinedRoundRect(int(b.x + s * 0.12), int(b.y + s * 0.4), int(s * 0.76), int(s * 0.56), 2,
                        0xFFCC99, kOutline, 3);
    c.OutlinedPolygon(roof, 0xB03828, kOutline, 3);
    c.OutlinedRoundRect(int(b.Cx() - s * 0.1), int(b.y + s * 0.66), int(s * 0.2), int(s * 0.3), 2,
                        0x3377CC, kOutline, 2);
}

void Mouse(Canvas& c, const Box& b) {
    c.Line(b.Cx(), b.y + b.h * 0.2, b.Cx() + b.w * 0.3, b.y + 2, 3, kOutline);
    c.OutlinedEllipse(b.Cx(), b.Cy() + b.h * 0.08, b.w * 0.3, b.h * 0.4, 0xD8D8E0, kOutline, 3);
    c.Line(b.Cx(), b.Cy() - b.h * 0.3, b.Cx(), b.Cy(), 2, kOutline);
    c.Line(b.Cx() - b.w * 0.29, b.Cy(), b.Cx() + b.w * 0.29, b.Cy(), 2, kOutline);
}

void Arrow(Canvas& c, const Box& b) {
    const Point arrow[] = {{b.x + 2, b.Cy()},
                           {b.x + b.w * 0.45, b.y + 4},
                           {b.x + b.w * 0.45, b.y + b.h * 0.3},
                           {b.x + b.w - 2, b.y + b.h * 0.3},
                           {b.x + b.w - 2, b.y + b.h * 0.7},
                           {b.x + b.w * 0.45, b.y + b.h * 0.7},
                           {b.x + b.w * 0.45, b.y + b.h - 4}};
    // Coloured as the maps' arrows the child will click.
    c.OutlinedPolygon(arrow, 0xFFCC33, kOutline, 3);
    c.Line(b.x + b.w - 6, b.y + b.h * 0.38, b.x + b.w * 0.45, b.y + b.h * 0.38, 3, 0xFFFF99);
}

void Book(Canvas& c, double x, double y, double s) {
    c.OutlinedRoundRect(int(x), int(y), int(s), int(s * 0.75), 3, 0xC03030, kOutline, 3);
    c.FillRect(int(x + s * 0.12), int(y + 4), int(s * 0.8), int(s * 0.75) - 8, 0xF8F4E8);
    c.Line(x + s / 2, y + 3, x + s / 2, y + s * 0.75 - 3, 2, kOutline);
    for (double t : {0.3, 0.45, 0.6}) {
        c.Line(x + s * 0.18, y + s * t, x + s * 0.42, y + s * t, 1, 0x808080);
        c.Line(x + s * 0.58, y + s * t, x + s * 0.82, y + s * t, 1, 0x808080);
    }
}

void Hand(Canvas& c, const GuideFigure& f, int side) {
    c.OutlinedEllipse(f.hand[side].x, f.hand[side].y, f.r * 0.15, f.r * 0.15, f.glove, kOutline, 3);
}

} // namespace

void DrawGlasses(Canvas& c, const Box& eyes) {
    Glasses(c, eyes);
}

void PoseGuide(const Paint& p, GuideFigure& f) {
    double side = FreeSide(p, f);
    int free = side < 0 ? 0 : 1;
    double torso = f.hipY - f.bodyTop;
    if (Intro(p)) {
        Box b = HeldUp(p, f);
        f.hand[free] = {b.Cx(), b.y + b.h + f.r * 0.08};
    } else if (HoldsBalloons(p)) {
        f.hand[free] = {f.cx + side * f.r * 1.3, f.cy + f.r * 0.35};
    } else if (UnderBalloons(p)) {
        for (int s : {0, 1}) {
            f.hand[s] = {f.cx + (s == 0 ? -1 : 1) * f.r * 1.05, HeadTop(f) + f.r * 0.1};
        }
    } else if (p.NameHas("monkey-mover") || p.NameHas("alphabet-monkey")) {
        for (int s : {0, 1}) {
            f.hand[s] = {f.bodyCx + (s == 0 ? -1 : 1) * f.bodyRx * 0.78, f.bodyTop + torso * 0.55};
        }
    } else if (p.NameHas("school-monkey")) {
        f.hand[0] = {f.bodyCx - f.bodyRx - f.r * 0.7, f.bodyTop - f.r * 0.1};
    } else if (p.NameHas("cannonball-monkeyenter")) {
        // Diving into the cannon, arms first.
        for (int s : {0, 1}) {
            f.hand[s] = {f.cx + (s == 0 ? -1 : 1) * f.r * 0.5, HeadTop(f)};
        }
    } else if (p.NameHas("cannonball-monkeyexit")) {
        for (int s : {0, 1}) {
            f.hand[s] = {f.cx + (s == 0 ? -1 : 1) * f.r * 1.4, f.cy - f.r * 0.5};
        }
    } else if (p.NameHas("cannonball-monkeywave")) {
        f.hand[1] = {f.cx + f.r * 1.4, HeadTop(f) + f.r * 0.2};
    } else if (p.NameHas("racetrack-monkey")) {
        f.hand[1] = {f.bodyCx + f.bodyRx + f.r * 0.35, f.bodyTop - f.r * 0.2};
    }
    if (p.NameHas("gasstation")) {
        f.trousers = kMechanicBlue;
    }
    if (p.NameHas("astro-monkey")) {
        f.sleeve = f.trousers = kSuit;
        f.glove = 0xB8C0D0;
    }
}

void DressBehind(Canvas& c, const Paint& p, const GuideFigure& f) {
    if (UnderBalloons(p)) {
        double bottom = HeadTop(f) - f.r * 0.25;
        Balloons(c, p, f.hand[0], 6, p.W() / 2.0 - 2, 4, bottom, 3);
        Balloons(c, p, f.hand[1], p.W() / 2.0 + 2, p.W() - 6, 8, bottom, 2);
    } else if (HoldsBalloons(p)) {
        int free = FreeSide(p, f) < 0 ? 0 : 1;
        double x0 = free == 0 ? 6 : f.cx + f.r * 1.25;
        double x1 = free == 0 ? f.cx - f.r * 1.25 : p.W() - 6;
        Balloons(c, p, f.hand[free], x0, x1, 4, f.hand[free].y - f.r * 0.5, 2);
    }
    if (p.NameHas("wet") && f.body) {
        c.OutlinedEllipse(f.bodyCx, p.H() - 12,
                          std::min({f.r * 1.3, f.bodyCx - 6, p.W() - 6 - f.bodyCx}), 7, 0x90C8F8,
                          0x3070B0, 2);
    }
}

void DressBody(Canvas& c, const Paint& p, const GuideFigure& f) {
    double torsoCy = (f.bodyTop + f.hipY) / 2;
    double torsoRy = (f.hipY - f.bodyTop) / 2 + f.r * 0.08;
    if (p.NameHas("mayor")) {
        Point from{f.bodyCx - f.bodyRx * 0.7, f.bodyTop + torsoRy * 0.1};
        Point to{f.bodyCx + f.bodyRx * 0.75, f.hipY - torsoRy * 0.2};
        c.Line(from.x, from.y, to.x, to.y, f.r * 0.34, kOutline);
        c.Line(from.x, from.y, to.x, to.y, f.r * 0.34 - 5, 0xD02030);
        c.OutlinedEllipse((from.x + to.x) / 2, (from.y + to.y) / 2, f.r * 0.16, f.r * 0.16, kGold,
                          kOutline, 2);
    } else if (p.NameHas("gasstation")) {
        c.OutlinedRoundRect(int(f.bodyCx - f.bodyRx * 0.6), int(torsoCy - torsoRy * 0.2),
                            int(f.bodyRx * 1.2), int(torsoRy * 1.1), 6, kMechanicBlue, kOutline, 3);
        for (double s : {-1.0, 1.0}) {
            c.Line(f.bodyCx + s * f.bodyRx * 0.45, torsoCy - torsoRy * 0.15,
                   f.bodyCx + s * f.bodyRx * 0.5, f.bodyTop + 4, 7, kMechanicBlue);
        }
        c.OutlinedRoundRect(int(f.bodyCx - f.r * 0.18), int(torsoCy), int(f.r * 0.36),
                            int(f.r * 0.26), 2, Shade(kMechanicBlue, 1.3), kOutline, 2);
    } else if (p.NameHas("clown")) {
        const Colour dots[] = {0xE02020, 0xF0D020, 0x2080E0};
        for (int i = 0; i < 6; ++i) {
            double x = f.bodyCx + (i % 3 - 1) * f.bodyRx * 0.5;
            double y = torsoCy + (i / 3 - 0.5) * torsoRy * 0.8;
            c.FillEllipse(x, y, f.r * 0.09, f.r * 0.09, dots[i % 3]);
        }
        Ruff(c, f);
    } else if (p.NameHas("astro-monkey")) {
        c.OutlinedEllipse(f.bodyCx, torsoCy, f.bodyRx, torsoRy, kSuit, kOutline, 3);
        c.OutlinedRoundRect(int(f.bodyCx - f.r * 0.3), int(torsoCy - torsoRy * 0.35),
                            int(f.r * 0.6), int(f.r * 0.4), 4, 0x90A0B8, kOutline, 2);
        c.FillEllipse(f.bodyCx - f.r * 0.12, torsoCy - torsoRy * 0.35 + f.r * 0.2, 4, 4, 0xE02020);
        c.FillEllipse(f.bodyCx + f.r * 0.12, torsoCy - torsoRy * 0.35 + f.r * 0.2, 4, 4, 0x20A040);
        c.OutlinedEllipse(f.bodyCx, f.bodyTop + 2, f.r * 0.55, f.r * 0.14, 0xB8C0D0, kOutline, 3);
    } else if (p.NameHas("school-monkey")) {
        const Point left[] = {{f.bodyCx, f.bodyTop + 6},
                              {f.bodyCx - f.r * 0.22, f.bodyTop - 4},
                              {f.bodyCx - f.r * 0.22, f.bodyTop + 16}};
        const Point right[] = {{f.bodyCx, f.bodyTop + 6},
                               {f.bodyCx + f.r * 0.22, f.bodyTop - 4},
                               {f.bodyCx + f.r * 0.22, f.bodyTop + 16}};
        c.OutlinedPolygon(left, 0x3050C0, kOutline, 2);
        c.OutlinedPolygon(right, 0x3050C0, kOutline, 2);
    } else if (p.NameHas("jobs-mainmonkey")) {
        // A tie, ready for work.
        double y = f.cy + f.r * 0.95;
        const Point tie[] = {{f.bodyCx - f.r * 0.1, y},
                             {f.bodyCx + f.r * 0.1, y},
                             {f.bodyCx + f.r * 0.16, y + f.r * 0.75},
                             {f.bodyCx, y + f.r * 0.95},
                             {f.bodyCx - f.r * 0.16, y + f.r * 0.75}};
        c.OutlinedPolygon(tie, 0xD03030, kOutline, 3);
        c.OutlinedEllipse(f.bodyCx, y, f.r * 0.14, f.r * 0.1, 0xD03030, kOutline, 3);
    } else if (p.NameHas("bathroom")) {
        // A towel round the neck, its ends hanging down the front.
        double y = f.cy + f.r * 1.02;
        c.OutlinedEllipse(f.bodyCx, y, f.r * 0.72, f.r * 0.2, 0x40B0D0, kOutline, 3);
        for (double s : {-1.0, 1.0}) {
            c.OutlinedRoundRect(int(f.bodyCx + s * f.r * 0.42 - f.r * 0.14), int(y),
                                int(f.r * 0.28), int(f.r * 0.95), 3, 0x40B0D0, kOutline, 3);
            c.FillRect(int(f.bodyCx + s * f.r * 0.42 - f.r * 0.14) + 3, int(y + f.r * 0.75),
                       int(f.r * 0.28) - 6, 3, kWhite);
        }
    }
}

void DressHead(Canvas& c, const Paint& p, const GuideFigure& f) {
    const Box& e = f.face.eyes;
    const Box& m = f.face.mouth;
    if (p.NameHas("mayor")) {
        TopHat(c, f);
    } else if (p.NameHas("gasstation")) {
        Cap(c, f, kMechanicBlue, 0xF0F0F0);
    } else if (p.NameHas("monkey-mover")) {
        Cap(c, f, 0xE04020, kGold);
    } else if (p.NameHas("racetrack")) {
        Cap(c, f, 0xF0F0F0, 0xE02020);
    } else if (p.NameHas("monkey-sun02")) {
        SunHat(c, f);
    } else if (p.NameHas("clown")) {
        ClownHat(c, f);
        double nx = (e.Cx() + m.Cx()) / 2;
        double gap = m.y - (e.y + e.h);
        double nr = std::clamp(gap / 2 - 1, 4.0, 9.0);
        c.OutlinedEllipse(nx, e.y + e.h + gap / 2, nr, nr, 0xE02020, kOutline, 2);
        for (double s : {-1.0, 1.0}) {
            c.FillEllipse(f.cx + s * f.r * 0.7, m.Cy() - 4, f.r * 0.11, f.r * 0.09, 0xF08080);
        }
    } else if (p.NameHas("school-monkey")) {
        Glasses(c, e);
    } else if (p.NameHas("helmeton")) {
        for (int t = 0; t < 4; ++t) {
            double rr = f.r + 12 + t;
            for (int k = 0; k < 360; ++k) {
                double a = 2 * std::numbers::pi * k / 360.0;
                c.Set(int(std::lround(f.cx + rr * std::cos(a))),
                      int(std::lround(f.cy + rr * std::sin(a))), 0x8090A8);
            }
        }
        c.Line(f.cx - f.r * 0.75, f.cy - f.r * 0.65, f.cx - f.r * 0.45, f.cy - f.r * 0.92, 4,
               kWhite);
    } else if (p.NameHas("fishinghead")) {
        double brim = HeadTop(f) + f.r * 0.35;
        c.OutlinedRoundRect(int(f.cx - f.r * 0.65), int(brim - f.r * 0.5), int(f.r * 1.3),
                            int(f.r * 0.55), 8, 0x608838, kOutline, 3);
        c.OutlinedEllipse(f.cx, brim, f.r * 1.0, f.r * 0.13, 0x506E30, kOutline, 3);
    } else if (p.NameHas("bedroom")) {
        double base = HeadTop(f) + f.r * 0.35;
        const Point cap[] = {{f.cx - f.r * 0.85, base},
                             {f.cx + f.r * 0.6, base - f.r * 0.7},
                             {f.cx + f.r * 0.85, base}};
        c.OutlinedPolygon(cap, 0x4060D0, kOutline, 3);
        c.OutlinedEllipse(f.cx + f.r * 0.6, base - f.r * 0.7, 7, 7, kWhite, kOutline, 2);
        c.OutlinedEllipse(f.cx, base, f.r * 0.88, f.r * 0.12, kWhite, kOutline, 2);
    } else if (p.NameHas("kitchen")) {
        double base = HeadTop(f) + f.r * 0.3;
        c.OutlinedRoundRect(int(f.cx - f.r * 0.45), int(base - f.r * 0.45), int(f.r * 0.9),
                            int(f.r * 0.5), 4, kWhite, kOutline, 3);
        for (double dx : {-0.35, 0.0, 0.35}) {
            c.OutlinedEllipse(f.cx + dx * f.r, base - f.r * 0.55, f.r * 0.26, f.r * 0.22, kWhite,
                              kOutline, 3);
        }
        c.FillRect(int(f.cx - f.r * 0.42), int(base - f.r * 0.5), int(f.r * 0.84), int(f.r * 0.5),
                   kWhite);
    }
    if (p.NameHas("wet")) {
        Drops(c, f);
    }
}

void HoldInHands(Canvas& c, const Paint& p, const GuideFigure& f) {
    int free = FreeSide(p, f) < 0 ? 0 : 1;
    if (Intro(p)) {
        Box b = HeldUp(p, f);
        struct Icon {
            std::string_view name;
            std::string_view kind;
        };
        constexpr Icon kIcons[] = {{"exit", "exit"},
                                   {"-home", "home"},
                                   {"monkeyhead", "guide"},
                                   {"questionmark", "help"},
                                   {"balloons", "balloons"}};
        bool drawn = false;
        for (const Icon& icon : kIcons) {
            if (!drawn && p.NameHas(icon.name)) {
                DrawMenuIcon(c, icon.kind, int(b.x), int(b.y), int(b.w), int(b.h), false, p.text);
                drawn = true;
            }
        }
        if (!drawn && p.NameHas("mouse")) {
            Mouse(c, b);
        } else if (!drawn && p.NameHas("arrow")) {
            Arrow(c, b);
        } else if (!drawn && p.NameHas("house")) {
            House(c, b);
        } else if (!drawn && p.NameHas("sun")) {
            Sun(c, b);
        }
        Hand(c, f, free);
    } else if (p.NameHas("monkey-mover")) {
        double w = f.bodyRx * 2.0;
        double h = f.r * 1.0;
        double x = f.bodyCx - w / 2;
        double y = f.hand[0].y - h * 0.5;
        // A cardboard box, its flaps taped shut.
        c.OutlinedRoundRect(int(x), int(y), int(w), int(h), 2, 0xE8C080, kOutline, 3);
        c.Line(x + 3, y + h * 0.28, x + w - 3, y + h * 0.28, 2, 0xA07040);
        c.FillRect(int(x + w / 2 - 6), int(y + 3), 12, int(h * 0.5), 0xC8A870);
        c.Line(x + w * 0.15, y + h * 0.65, x + w * 0.35, y + h * 0.65, 3, 0xA07040);
        Hand(c, f, 0);
        Hand(c, f, 1);
    } else if (p.NameHas("alphabet-monkey")) {
        double s = f.bodyRx * 1.3;
        Box b{f.bodyCx - s / 2, f.hand[0].y - s * 0.55, s, s};
        c.OutlinedRoundRect(int(b.x), int(b.y), int(b.w), int(b.h), 8, 0xF8E8A0, kOutline, 3);
        int size = p.text.FitSize("A", int(s * 0.8), int(s * 0.8), 60);
        p.text.Draw(c, "A", size, int(b.Cx()), int(b.Cy()), 0xD03030);
        Hand(c, f, 0);
        Hand(c, f, 1);
    } else if (p.NameHas("school-monkey")) {
        Point h = f.hand[0];
        c.Line(h.x, h.y, h.x - f.r * 1.6, h.y - f.r * 1.9, 6, kOutline);
        c.Line(h.x, h.y, h.x - f.r * 1.6, h.y - f.r * 1.9, 3, 0xC08040);
        Hand(c, f, 0);
        Book(c, f.hand[1].x - f.r * 0.45, f.hand[1].y - f.r * 0.45, f.r * 0.6);
        Hand(c, f, 1);
    } else if (p.NameHas("helmetoff")) {
        Point h = f.hand[0];
        double hr = f.r * 0.55;
        double hx = std::max(h.x, hr + 6);
        c.OutlinedEllipse(hx, h.y - hr * 0.6, hr, hr, 0xD8ECFC, 0x8090A8, 4);
        c.FillEllipse(hx - hr * 0.4, h.y - hr * 1.0, hr * 0.18, hr * 0.12, kWhite);
        c.OutlinedRoundRect(int(hx - hr * 0.8), int(h.y + hr * 0.2), int(hr * 1.6), int(hr * 0.4),
                            3, 0xB8C0D0, kOutline, 2);
        Hand(c, f, 0);
    } else if (p.NameHas("racetrack")) {
        Point h = f.hand[1];
        double fw = std::min(f.r * 0.9, p.W() - 6 - h.x);
        double top = std::max(6.0, h.y - f.r * 1.3);
        c.Line(h.x, h.y, h.x, top, 4, kOutline);
        double x0 = fw > 20 ? h.x : h.x - f.r * 0.9;
        double w = fw > 20 ? fw : f.r * 0.9;
        for (int i = 0; i < 4; ++i) {
            for (int j = 0; j < 3; ++j) {
                c.FillRect(int(x0 + i * w / 4), int(top + j * f.r * 0.18), int(w / 4) + 1,
                           int(f.r * 0.18) + 1, (i + j) % 2 == 0 ? kOutline : kWhite);
            }
        }
        Hand(c, f, 1);
    } else if (p.NameHas("gasstation")) {
        Point h = f.hand[1];
        double l = f.r * 0.7;
        c.Line(h.x, h.y, h.x + l * 0.1, h.y + l, 7, kOutline);
        c.Line(h.x, h.y, h.x + l * 0.1, h.y + l, 3, 0xB8C0C8);
        c.OutlinedEllipse(h.x + l * 0.1, h.y + l, 7, 7, 0xB8C0C8, kOutline, 2);
        c.FillEllipse(h.x + l * 0.1, h.y + l + 4, 3, 4, 0x606870);
        Hand(c, f, 1);
    } else if (p.NameHas("bathroom")) {
        Point h = f.hand[1];
        c.Line(h.x, h.y + 6, h.x + 4, h.y - f.r * 0.6, 6, kOutline);
        c.Line(h.x, h.y + 6, h.x + 4, h.y - f.r * 0.6, 3, 0xE04080);
        c.OutlinedRoundRect(int(h.x - 2), int(h.y - f.r * 0.68), 12, 9, 2, kWhite, kOutline, 2);
        Hand(c, f, 1);
    } else if (p.NameHas("kitchen")) {
        Point h = f.hand[1];
        c.Line(h.x, h.y + 4, h.x + 2, h.y - f.r * 0.6, 6, kOutline);
        c.Line(h.x, h.y + 4, h.x + 2, h.y - f.r * 0.6, 3, 0xC08848);
        c.OutlinedEllipse(h.x + 2, h.y - f.r * 0.68, 7, 10, 0xC08848, kOutline, 2);
        Hand(c, f, 1);
    } else if (p.NameHas("livingroom")) {
        // The television's remote control.
        Point h = f.hand[1];
        c.OutlinedRoundRect(int(h.x - 6), int(h.y - f.r * 0.55), 13, int(f.r * 0.6), 3, 0x303038,
                            kOutline, 2);
        c.FillEllipse(h.x, h.y - f.r * 0.45, 2.5, 2.5, 0xE02020);
        c.FillEllipse(h.x, h.y - f.r * 0.33, 2, 2, 0x80C0F0);
        Hand(c, f, 1);
    } else if (p.NameHas("grocery")) {
        Point h = f.hand[1];
        double w = f.r * 0.8;
        c.Line(h.x - w * 0.35, h.y + 4, h.x, h.y - 8, 3, kOutline);
        c.Line(h.x + w * 0.35, h.y + 4, h.x, h.y - 8, 3, kOutline);
        c.FillEllipse(h.x - w * 0.15, h.y + 6, w * 0.16, w * 0.16, 0xE03030);
        c.FillEllipse(h.x + w * 0.15, h.y + 6, w * 0.16, w * 0.16, 0xF0C020);
        c.OutlinedRoundRect(int(h.x - w / 2), int(h.y + 8), int(w), int(w * 0.5), 5, 0xC08848,
                            kOutline, 3);
        Hand(c, f, 1);
    }
}

} // namespace vocassets
