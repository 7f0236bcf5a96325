// The circus animals' tiles: each animal drawn by the details a small child
// names it by (the camel's humps, the elephant's trunk, the lobster's claws),
// in outlined, shaded shapes on the stand's blue or white tile.
#include "paint_parts.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <string_view>
#include <utility>
#include <vector>

namespace vocassets {
namespace {

// Draws in a 140x95 design space, scaled to the tile; the ground is at y 88.
class Pen {
  public:
    Pen(Canvas& c, double w, double h)
        : c_(c), s_(std::min(w / 140.0, h / 95.0)), ox_((w - 140 * s_) / 2),
          oy_((h - 95 * s_) / 2) {}

    void Blob(double cx, double cy, double rx, double ry, Colour fill) {
        c_.OutlinedEllipse(X(cx), Y(cy), rx * s_, ry * s_, fill, kOutline, 2);
    }
    void Dot(double cx, double cy, double rx, double ry, Colour fill) {
        c_.FillEllipse(X(cx), Y(cy), rx * s_, ry * s_, fill);
    }
    void Poly(std::initializer_list<Point> points, Colour fill) {
        c_.OutlinedPolygon(Map(points), fill, kOutline, 2);
    }
    void Flat(std::initializer_list<Point> points, Colour fill) {
        c_.FillPolygon(Map(points), fill);
    }
    void Stroke(double x0, double y0, double x1, double y1, double width, Colour colour) {
        c_.Line(X(x0), Y(y0), X(x1), Y(y1), width * s_, colour);
    }
    // A limb or neck: a rounded tube with an outline.
    void Tube(double x0, double y0, double x1, double y1, double width, Colour fill) {
        for (auto [grow, colour] : {std::pair{4.0, kOutline}, std::pair{0.0, fill}}) {
            double r = (width * s_ + grow) / 2;
            c_.Line(X(x0), Y(y0), X(x1), Y(y1), width * s_ + grow, colour);
            c_.FillEllipse(X(x0), Y(y0), r, r, colour);
            c_.FillEllipse(X(x1), Y(y1), r, r, colour);
        }
    }
    // A tube along a path, its width going from the first to the last.
    void Path(const std::vector<Point>& points, double from, double to, Colour fill) {
        for (auto [grow, colour] : {std::pair{4.0, kOutline}, std::pair{0.0, fill}}) {
            for (std::size_t i = 0; i + 1 < points.size(); ++i) {
                double t = i / double(points.size() - 1);
                double w = (from + (to - from) * t) * s_ + grow;
                const Point& a = points[i];
                const Point& b = points[i + 1];
                c_.Line(X(a.x), Y(a.y), X(b.x), Y(b.y), w, colour);
                c_.FillEllipse(X(b.x), Y(b.y), w / 2, w / 2, colour);
                if (i == 0) {
                    c_.FillEllipse(X(a.x), Y(a.y), w / 2, w / 2, colour);
                }
            }
        }
    }
    // A small eye is a shiny dark bead; a big one is white round its pupil.
    void Eye(double x, double y, double r) {
        if (r >= 4) {
            c_.OutlinedEllipse(X(x), Y(y), r * s_ + 1, r * s_ + 1, kWhite, kOutline, 1);
            c_.FillEllipse(X(x + r * 0.2), Y(y), r * s_ * 0.55, r * s_ * 0.65, kOutline);
            c_.FillEllipse(X(x), Y(y - r * 0.3), r * s_ * 0.22, r * s_ * 0.22, kWhite);
            return;
        }
        c_.FillEllipse(X(x), Y(y), r * s_ * 0.85, r * s_, kOutline);
        c_.Set(int(X(x - r * 0.3)), int(Y(y - r * 0.35)), kWhite);
    }
    // A standing leg with its hoof or paw.
    void Leg(double x, double top, double foot, double width, Colour fill) {
        Tube(x, top, x, foot - width / 2, width, fill);
        Dot(x, foot - 1, width / 2 + 1, 2, kOutline);
    }

  private:
    double X(double x) const { return ox_ + x * s_; }
    double Y(double y) const { return oy_ + y * s_; }
    std::vector<Point> Map(std::initializer_list<Point> points) const {
        std::vector<Point> out;
        for (const Point& p : points) {
            out.push_back({X(p.x), Y(p.y)});
        }
        return out;
    }

    Canvas& c_;
    double s_;
    double ox_;
    double oy_;
};

constexpr Colour kPink = 0xF4A0B0;
constexpr Colour kHorn = 0xF0E8D0;
constexpr Colour kYellow = 0xF0C020;

Colour Far(Colour c) {
    return Shade(c, 0.78);
}

void Camel(Pen& p) {
    constexpr Colour c = 0xD0A060;
    p.Leg(52, 56, 88, 6, Far(c));
    p.Leg(88, 56, 88, 6, Far(c));
    p.Stroke(30, 48, 25, 64, 3, kOutline);
    p.Dot(25, 66, 3, 4, Far(c));
    p.Blob(50, 37, 12, 14, c);
    p.Blob(75, 37, 12, 14, c);
    p.Tube(88, 50, 100, 38, 10, c);
    p.Tube(100, 38, 104, 24, 9, c);
    p.Leg(44, 56, 88, 7, c);
    p.Leg(80, 56, 88, 7, c);
    p.Blob(62, 50, 33, 13, c);
    p.Dot(46, 32, 5, 4, Shade(c, 1.25));
    p.Dot(71, 32, 5, 4, Shade(c, 1.25));
    p.Blob(111, 22, 12, 7, c);
    p.Blob(121, 25, 6, 5, Shade(c, 1.1));
    p.Dot(103, 16, 3, 4, Far(c));
    p.Eye(110, 19, 2.5);
    p.Dot(124, 23, 1.2, 1.2, kOutline);
    p.Stroke(118, 28, 125, 28, 1.5, kOutline);
}

void Cow(Pen& p) {
    constexpr Colour c = 0xFAF6EE;
    constexpr Colour spot = 0x302820;
    p.Leg(52, 58, 88, 7, Far(c));
    p.Leg(88, 58, 88, 7, Far(c));
    p.Stroke(29, 46, 24, 70, 3, kOutline);
    p.Dot(24, 72, 3, 5, spot);
    p.Leg(42, 58, 88, 8, c);
    p.Leg(80, 58, 88, 8, c);
    p.Blob(64, 66, 9, 7, kPink);
    p.Tube(60, 70, 60, 75, 2, kPink);
    p.Tube(68, 70, 68, 75, 2, kPink);
    p.Blob(62, 50, 34, 17, c);
    p.Dot(48, 44, 9, 7, spot);
    p.Dot(72, 55, 8, 6, spot);
    p.Dot(80, 41, 6, 5, spot);
    p.Dot(38, 56, 5, 4, spot);
    p.Tube(100, 27, 96, 19, 3, kHorn);
    p.Tube(112, 26, 116, 18, 3, kHorn);
    p.Blob(95, 31, 6, 3, c);
    p.Blob(106, 37, 12, 12, c);
    p.Dot(101, 33, 4, 5, spot);
    p.Blob(110, 46, 10, 7, kPink);
    p.Dot(107, 46, 1.5, 1.5, kOutline);
    p.Dot(113, 46, 1.5, 1.5, kOutline);
    p.Eye(108, 34, 2.5);
}

void Coyote(Pen& p) {
    constexpr Colour c = 0xA88860;
    constexpr Colour belly = 0xE8D8B8;
    // Sitting up and howling at the moon, its bushy tail on the ground.
    p.Blob(128, 14, 8, 8, 0xF8F0C0);
    p.Dot(132, 11, 6, 7, 0x9CC8F0);
    p.Poly({{52, 84}, {26, 86}, {14, 80}, {22, 74}, {50, 76}}, c);
    p.Flat({{19, 77}, {14, 80}, {22, 84}}, 0x403020);
    p.Leg(86, 56, 88, 5, Far(c));
    p.Blob(58, 72, 16, 14, c);
    p.Poly({{50, 66}, {70, 36}, {88, 40}, {84, 76}, {58, 84}}, c);
    p.Flat({{74, 44}, {84, 46}, {80, 70}, {72, 66}}, belly);
    p.Blob(66, 86, 11, 3, c);
    p.Leg(79, 58, 88, 6, c);
    p.Poly({{74, 28}, {70, 12}, {81, 21}}, c);
    p.Flat({{74, 24}, {72, 16}, {78, 21}}, 0x604830);
    p.Blob(82, 30, 10, 9, c);
    p.Poly({{84, 23}, {103, 9}, {107, 13}, {91, 32}}, c);
    p.Flat({{90, 31}, {104, 14}, {98, 26}}, belly);
    p.Stroke(91, 30, 101, 19, 1.5, kOutline);
    p.Dot(105, 10, 2, 2, kOutline);
    p.Eye(84, 26, 2);
    // Its howl.
    for (double d : {0.0, 6.0}) {
        p.Stroke(110 + d, 12 - d, 113 + d, 7 - d, 1.5, kWhite);
    }
}

void Crocodile(Pen& p) {
    constexpr Colour c = 0x4C8040;
    p.Poly({{8, 70}, {40, 58}, {42, 74}}, c);
    for (double x = 38; x < 88; x += 8) {
        p.Poly({{x, 60}, {x + 4, 53}, {x + 8, 60}}, Shade(c, 0.8));
    }
    p.Tube(46, 70, 40, 84, 6, Far(c));
    p.Tube(80, 70, 86, 84, 6, Far(c));
    p.Blob(62, 66, 28, 10, c);
    p.Dot(62, 72, 22, 3, 0xB8C878);
    p.Tube(52, 72, 48, 86, 7, c);
    p.Tube(76, 72, 80, 86, 7, c);
    // The long jaws, a little open, with their teeth.
    p.Poly({{84, 68}, {130, 72}, {128, 77}, {84, 76}}, c);
    for (double x = 92; x < 126; x += 6) {
        p.Flat({{x, 72}, {x + 2, 68}, {x + 4, 72}}, kWhite);
    }
    p.Poly({{84, 58}, {134, 62}, {133, 68}, {84, 68}}, c);
    for (double x = 92; x < 130; x += 6) {
        p.Poly({{x, 68}, {x + 2, 73}, {x + 4, 68}}, kWhite);
    }
    p.Blob(92, 56, 6, 5, c);
    p.Eye(92, 55, 2.5);
    p.Dot(130, 61, 1.5, 1.5, kOutline);
}

void Deer(Pen& p) {
    constexpr Colour c = 0xB07840;
    constexpr Colour antler = 0x805020;
    p.Leg(52, 58, 88, 4, Far(c));
    p.Leg(86, 58, 88, 4, Far(c));
    p.Tube(84, 48, 98, 30, 8, c);
    p.Leg(46, 58, 88, 5, c);
    p.Leg(80, 58, 88, 5, c);
    p.Blob(62, 51, 27, 12, c);
    p.Blob(34, 46, 4, 5, kWhite);
    p.Dot(62, 58, 18, 3, 0xE8D0B0);
    for (double side : {-1.0, 1.0}) {
        double x = 101 + side * 5;
        p.Stroke(x, 22, x + side * 7, 3, 3, antler);
        p.Stroke(x + side * 2, 15, x + side * 11, 10, 2.5, antler);
        p.Stroke(x + side * 5, 8, x + side * 1, 1, 2.5, antler);
        p.Stroke(x + side * 6, 6, x + side * 13, 2, 2.5, antler);
    }
    p.Poly({{95, 24}, {85, 18}, {92, 28}}, c);
    p.Blob(102, 27, 8, 7, c);
    p.Blob(110, 31, 6, 4, Shade(c, 1.15));
    p.Dot(115, 30, 2, 2, kOutline);
    p.Eye(102, 25, 2);
}

void Dolphin(Pen& p) {
    constexpr Colour c = 0x6890B8;
    constexpr Colour belly = 0xDCEAF6;
    // Leaping out of the waves in an arc, fin up, beak first.
    p.Flat({{0, 80}, {140, 80}, {140, 95}, {0, 95}}, 0x3C78C0);
    for (double x = 6; x < 140; x += 22) {
        p.Dot(x, 80, 9, 3, 0xA8D0F0);
    }
    std::vector<Point> top;
    std::vector<Point> bottom;
    constexpr int kSteps = 16;
    for (int i = 0; i <= kSteps; ++i) {
        double t = i / double(kSteps);
        double x = 22 + 96 * t;
        double y = 72 - 50 * std::sin(std::numbers::pi * (0.08 + 0.84 * t));
        double dx = 96;
        double dy = -50 * std::numbers::pi * 0.84 * std::cos(std::numbers::pi * (0.08 + 0.84 * t));
        double len = std::hypot(dx, dy);
        double thick = 2 + 11 * std::pow(std::sin(std::numbers::pi * std::min(t, 0.92)), 0.6);
        top.push_back({x + dy / len * thick, y - dx / len * thick});
        bottom.push_back({x - dy / len * thick, y + dx / len * thick});
    }
    p.Poly({{bottom[14].x, bottom[14].y},
            {bottom[14].x - 2, bottom[14].y + 9},
            {bottom[12].x, bottom[12].y}},
           c);
    p.Poly({top[8], {top[8].x - 10, top[8].y - 12}, {top[6].x - 2, top[6].y}}, c);
    p.Poly({{26, 70}, {10, 64}, {14, 72}, {22, 74}, {14, 82}, {28, 76}}, c);
    std::vector<Point> body = top;
    body.insert(body.end(), bottom.rbegin(), bottom.rend());
    // Pen takes lists; the body's outline goes point by point.
    for (std::size_t i = 0; i + 1 < body.size(); ++i) {
        p.Stroke(body[i].x, body[i].y, body[i + 1].x, body[i + 1].y, 4, kOutline);
    }
    for (std::size_t i = 0; i + 1 < top.size(); ++i) {
        p.Flat({top[i], top[i + 1], bottom[i + 1], bottom[i]}, c);
        Point mid0 = {(top[i].x + bottom[i].x * 2) / 3, (top[i].y + bottom[i].y * 2) / 3};
        Point mid1 = {(top[i + 1].x + bottom[i + 1].x * 2) / 3,
                      (top[i + 1].y + bottom[i + 1].y * 2) / 3};
        if (i > 2 && i < kSteps - 1) {
            p.Flat({mid0, mid1, bottom[i + 1], bottom[i]}, belly);
        }
    }
    p.Eye(top[14].x - 2, top[14].y + 6, 2.2);
    p.Stroke(bottom[16].x - 6, bottom[16].y - 2, bottom[16].x, bottom[16].y - 3, 1.5, kOutline);
    p.Dot(14, 84, 3, 3, 0xA8D0F0);
    p.Dot(124, 78, 3, 3, 0xA8D0F0);
}

void Frog(Pen& p) {
    constexpr Colour c = 0x58A040;
    p.Blob(38, 72, 16, 11, Far(c));
    p.Blob(102, 72, 16, 11, Far(c));
    p.Blob(28, 86, 13, 4, c);
    p.Blob(112, 86, 13, 4, c);
    p.Blob(70, 62, 30, 22, c);
    p.Blob(70, 69, 18, 13, 0xC8E080);
    p.Tube(55, 70, 52, 85, 6, c);
    p.Tube(85, 70, 88, 85, 6, c);
    for (double x : {46.0, 52.0, 58.0, 82.0, 88.0, 94.0}) {
        p.Dot(x, 87, 2.5, 2, c);
    }
    p.Blob(56, 27, 10, 10, c);
    p.Blob(84, 27, 10, 10, c);
    p.Blob(70, 41, 28, 15, c);
    p.Dot(56, 27, 8, 8, c);
    p.Dot(84, 27, 8, 8, c);
    p.Eye(56, 27, 6);
    p.Eye(84, 27, 6);
    for (int i = 0; i < 8; ++i) {
        double a0 = std::numbers::pi * (0.15 + 0.7 * i / 8);
        double a1 = std::numbers::pi * (0.15 + 0.7 * (i + 1) / 8);
        p.Stroke(70 + std::cos(a0) * 18, 38 + std::sin(a0) * 10, 70 + std::cos(a1) * 18,
                 38 + std::sin(a1) * 10, 2, kOutline);
    }
    p.Dot(66, 36, 1.2, 1.2, kOutline);
    p.Dot(74, 36, 1.2, 1.2, kOutline);
}

void Hyena(Pen& p) {
    constexpr Colour c = 0xC0A878;
    constexpr Colour dark = 0x4A3420;
    p.Leg(54, 60, 88, 5, Far(c));
    p.Leg(92, 52, 88, 5, Far(c));
    p.Stroke(36, 52, 28, 66, 3, Far(c));
    p.Dot(27, 68, 3, 4, dark);
    p.Leg(44, 60, 88, 6, c);
    p.Leg(84, 54, 88, 6, c);
    p.Blob(58, 56, 24, 11, c);
    p.Blob(80, 48, 16, 13, c);
    // Its sloping back, the bristly mane and the spots.
    for (double x = 66; x < 96; x += 4) {
        p.Stroke(x, 38 - (x - 66) * 0.1, x + 2, 31 - (x - 66) * 0.1, 2.5, dark);
    }
    for (auto [x, y] : {std::pair{50.0, 52.0},
                        {60.0, 58.0},
                        {70.0, 50.0},
                        {78.0, 56.0},
                        {86.0, 46.0},
                        {44.0, 58.0}}) {
        p.Dot(x, y, 2.5, 2.5, dark);
    }
    p.Blob(98, 30, 5, 5, c);
    p.Dot(98, 30, 2.5, 2.5, dark);
    p.Blob(104, 39, 11, 10, c);
    p.Poly({{108, 40}, {122, 42}, {122, 47}, {106, 50}}, c);
    p.Poly({{108, 48}, {121, 49}, {118, 55}, {108, 53}}, 0xA03040);
    p.Flat({{112, 48}, {114, 51}, {116, 48}}, kWhite);
    p.Dot(121, 42, 2, 2, dark);
    p.Eye(104, 36, 2.2);
}

void Lobster(Pen& p) {
    constexpr Colour c = 0xD84030;
    // Seen from above: the tail's fan, the legs, the body and the big claws.
    for (double x = 56; x < 84; x += 7) {
        p.Stroke(x, 46, x - 6, 30, 2, Shade(c, 0.7));
        p.Stroke(x, 50, x - 6, 66, 2, Shade(c, 0.7));
    }
    p.Poly({{22, 48}, {8, 36}, {4, 48}, {8, 60}}, Shade(c, 0.85));
    for (int i = 0; i < 4; ++i) {
        p.Blob(26 + i * 8, 48, 6 + i, 8 + i * 1.2, c);
    }
    p.Tube(88, 44, 102, 30, 5, c);
    p.Tube(88, 52, 102, 66, 5, c);
    for (double y : {26.0, 70.0}) {
        double dir = y < 48 ? -1 : 1;
        p.Poly({{114, y - 4}, {136, y - 6 + dir * 2}, {124, y + 1}}, c);
        p.Poly({{114, y + 4}, {134, y + 6 + dir * 2}, {124, y + 1}}, c);
        p.Blob(110, y, 11, 8, c);
        p.Dot(106, y - 3, 4, 2, Shade(c, 1.3));
    }
    p.Blob(70, 48, 22, 12, c);
    p.Dot(64, 44, 10, 3, Shade(c, 1.3));
    p.Stroke(92, 45, 124, 39, 1.5, kOutline);
    p.Stroke(92, 51, 124, 57, 1.5, kOutline);
    p.Dot(92, 44, 2, 2, kOutline);
    p.Dot(92, 52, 2, 2, kOutline);
}

void Pig(Pen& p) {
    constexpr Colour c = 0xF4B0BA;
    p.Leg(52, 60, 86, 7, Far(c));
    p.Leg(84, 60, 86, 7, Far(c));
    // The curly tail.
    for (int i = 0; i < 14; ++i) {
        double a0 = i * 0.6;
        double a1 = (i + 1) * 0.6;
        double r0 = 7 - i * 0.35;
        double r1 = 7 - (i + 1) * 0.35;
        p.Stroke(30 + std::cos(a0) * r0, 42 + std::sin(a0) * r0, 30 + std::cos(a1) * r1,
                 42 + std::sin(a1) * r1, 2.5, Shade(c, 0.7));
    }
    p.Leg(44, 60, 88, 8, c);
    p.Leg(78, 60, 88, 8, c);
    p.Blob(62, 52, 30, 18, c);
    p.Dot(52, 42, 12, 4, Shade(c, 1.2));
    p.Blob(98, 44, 14, 13, c);
    p.Poly({{90, 34}, {88, 22}, {99, 31}}, Shade(c, 0.9));
    p.Poly({{101, 32}, {108, 21}, {109, 35}}, Shade(c, 0.9));
    p.Blob(112, 48, 7, 6, Shade(c, 0.88));
    p.Dot(110, 48, 1.5, 2.5, 0x803040);
    p.Dot(114, 48, 1.5, 2.5, 0x803040);
    p.Eye(100, 40, 2);
    p.Stroke(100, 54, 106, 55, 1.5, kOutline);
}

void Rhino(Pen& p) {
    constexpr Colour c = 0x9CA0A8;
    p.Leg(54, 62, 88, 9, Far(c));
    p.Leg(86, 62, 88, 9, Far(c));
    p.Stroke(28, 48, 25, 62, 2, kOutline);
    p.Leg(44, 62, 88, 10, c);
    p.Leg(78, 62, 88, 10, c);
    p.Blob(60, 52, 32, 19, c);
    p.Stroke(46, 36, 42, 66, 2, Shade(c, 0.7));
    p.Stroke(76, 36, 80, 66, 2, Shade(c, 0.7));
    p.Dot(52, 40, 14, 4, Shade(c, 1.2));
    p.Poly({{94, 40}, {92, 28}, {101, 37}}, c);
    p.Poly({{88, 40}, {108, 42}, {126, 56}, {122, 66}, {98, 68}, {88, 60}}, c);
    // The big horn on the nose, a little one behind it.
    p.Poly({{114, 50}, {128, 22}, {124, 54}}, kHorn);
    p.Poly({{105, 45}, {110, 34}, {112, 47}}, kHorn);
    p.Eye(102, 50, 2);
    p.Stroke(112, 62, 121, 61, 1.5, kOutline);
}

void Sheep(Pen& p) {
    constexpr Colour wool = 0xFAFAF2;
    constexpr Colour face = 0x383838;
    p.Leg(52, 60, 88, 4, face);
    p.Leg(84, 60, 88, 4, face);
    p.Leg(44, 60, 88, 5, face);
    p.Leg(78, 60, 88, 5, face);
    // The fleece: a cloud of curls with one outline round it.
    constexpr Point kCurls[] = {{40, 48}, {52, 38}, {66, 36}, {80, 38}, {90, 48},
                                {82, 60}, {66, 62}, {50, 60}, {36, 56}, {64, 49}};
    for (const Point& curl : kCurls) {
        p.Blob(curl.x, curl.y, 12, 11, wool);
    }
    for (const Point& curl : kCurls) {
        p.Dot(curl.x, curl.y, 10, 9, wool);
    }
    for (const Point& curl : kCurls) {
        p.Stroke(curl.x - 4, curl.y, curl.x + 2, curl.y - 3, 1.5, 0xC8C8C0);
    }
    p.Blob(96, 40, 7, 3, face);
    p.Blob(106, 44, 10, 12, face);
    p.Blob(104, 32, 7, 5, wool);
    p.Dot(104, 33, 5, 4, wool);
    p.Eye(108, 41, 2);
    p.Dot(113, 51, 1.5, 1.2, 0x909090);
}

void Walrus(Pen& p) {
    constexpr Colour c = 0x9A7060;
    p.Poly({{26, 74}, {6, 80}, {8, 88}, {30, 84}}, Far(c));
    p.Blob(58, 62, 40, 22, c);
    p.Dot(48, 50, 18, 6, Shade(c, 1.15));
    p.Poly({{78, 74}, {98, 88}, {70, 88}}, Far(c));
    p.Blob(100, 44, 18, 16, c);
    // The long tusks under the whiskered muzzle.
    p.Poly({{95, 56}, {100, 56}, {99, 84}, {96, 84}}, kHorn);
    p.Poly({{105, 56}, {110, 56}, {109, 84}, {106, 84}}, kHorn);
    p.Blob(96, 53, 8, 6, Shade(c, 1.25));
    p.Blob(108, 53, 8, 6, Shade(c, 1.25));
    for (double x : {92.0, 96.0, 100.0, 104.0, 108.0, 112.0}) {
        p.Dot(x, 53 + (int(x) % 8 == 0 ? 2 : 0), 0.9, 0.9, kOutline);
    }
    p.Dot(102, 48, 3, 2, kOutline);
    p.Eye(95, 39, 2.2);
    p.Eye(108, 39, 2.2);
}

void Bunny(Pen& p) {
    constexpr Colour c = 0xE0D8D0;
    p.Blob(57, 84, 16, 4, c);
    p.Blob(36, 62, 7, 7, kWhite);
    p.Blob(62, 64, 24, 20, c);
    p.Dot(58, 60, 12, 10, Shade(c, 1.15));
    // The long ears, pink inside.
    p.Blob(80, 16, 5, 16, c);
    p.Dot(80, 17, 2.5, 12, kPink);
    p.Blob(93, 14, 5, 16, c);
    p.Dot(93, 15, 2.5, 12, kPink);
    p.Blob(88, 42, 15, 13, c);
    p.Blob(84, 80, 7, 4, c);
    p.Eye(92, 39, 3);
    p.Dot(102, 45, 2.5, 2, kPink);
    p.Poly({{98, 49}, {102, 49}, {102, 54}, {98, 54}}, kWhite);
    for (double dy : {-3.0, 0.0, 3.0}) {
        p.Stroke(103, 47, 120, 45 + dy * 2, 1, kOutline);
    }
}

void Cat(Pen& p) {
    constexpr Colour c = 0xE89848;
    constexpr Colour stripe = 0xB06020;
    // Sitting, facing the child, tail round its side.
    p.Path({{86, 84}, {100, 80}, {106, 68}, {104, 56}}, 6, 5, c);
    p.Blob(70, 66, 20, 20, c);
    p.Dot(70, 70, 10, 12, 0xFFF0DC);
    for (double y : {56.0, 64.0}) {
        p.Stroke(52, y, 58, y + 2, 2, stripe);
        p.Stroke(88, y, 82, y + 2, 2, stripe);
    }
    p.Blob(62, 85, 6, 3, c);
    p.Blob(78, 85, 6, 3, c);
    p.Poly({{55, 32}, {54, 12}, {68, 25}}, c);
    p.Poly({{85, 32}, {86, 12}, {72, 25}}, c);
    p.Flat({{57, 28}, {57, 17}, {65, 25}}, kPink);
    p.Flat({{83, 28}, {83, 17}, {75, 25}}, kPink);
    p.Blob(70, 38, 18, 15, c);
    for (double x : {65.0, 70.0, 75.0}) {
        p.Stroke(x, 24, x, 29, 2, stripe);
    }
    for (double side : {-1.0, 1.0}) {
        p.Blob(70 + side * 7, 36, 4, 4, 0x80C040);
        p.Dot(70 + side * 7, 36, 1.2, 3.5, kOutline);
        // The whiskers.
        for (double dy : {-2.0, 1.0, 4.0}) {
            p.Stroke(70 + side * 6, 44, 70 + side * 30, 42 + dy * 1.5, 1, kOutline);
        }
    }
    p.Flat({{67, 41}, {73, 41}, {70, 44}}, kPink);
    p.Stroke(70, 44, 66, 47, 1.5, kOutline);
    p.Stroke(70, 44, 74, 47, 1.5, kOutline);
}

void Dog(Pen& p) {
    constexpr Colour c = 0xC89058;
    p.Tube(38, 46, 28, 28, 4, c);
    p.Leg(52, 58, 88, 6, Far(c));
    p.Leg(84, 58, 88, 6, Far(c));
    p.Leg(44, 58, 88, 7, c);
    p.Leg(78, 58, 88, 7, c);
    p.Blob(62, 52, 26, 12, c);
    p.Dot(56, 50, 9, 6, 0xFFF4E4);
    p.Blob(96, 37, 13, 12, c);
    p.Tube(86, 47, 92, 53, 5, 0xD03030);
    p.Blob(108, 43, 9, 6, Shade(c, 1.2));
    p.Dot(116, 41, 3, 2.5, kOutline);
    p.Poly({{106, 48}, {111, 48}, {111, 55}, {106, 55}}, 0xF07080);
    p.Blob(89, 38, 5, 11, Shade(c, 0.6));
    p.Eye(99, 33, 2.5);
    p.Dot(90, 56, 2.5, 2.5, kYellow);
}

void Eagle(Pen& p) {
    constexpr Colour c = 0x5A3C28;
    // Wings spread wide, white head, hooked yellow beak, yellow talons.
    for (double side : {-1.0, 1.0}) {
        auto x = [side](double dx) { return 70 + side * dx; };
        p.Poly({{x(4), 46},
                {x(30), 24},
                {x(60), 16},
                {x(56), 26},
                {x(64), 30},
                {x(54), 36},
                {x(60), 42},
                {x(44), 46},
                {x(50), 52},
                {x(30), 54}},
               c);
        p.Stroke(x(20), 36, x(48), 26, 1.5, Shade(c, 1.6));
    }
    p.Poly({{62, 68}, {78, 68}, {84, 84}, {56, 84}}, kWhite);
    p.Tube(64, 70, 62, 80, 3, kYellow);
    p.Tube(76, 70, 78, 80, 3, kYellow);
    p.Blob(70, 54, 12, 18, c);
    p.Blob(70, 32, 10, 10, kWhite);
    p.Poly({{74, 30}, {86, 31}, {84, 38}, {80, 35}, {75, 36}}, kYellow);
    p.Eye(72, 29, 2);
}

void Elephant(Pen& p) {
    constexpr Colour c = 0xA8A8B8;
    p.Leg(52, 58, 88, 11, Far(c));
    p.Leg(84, 58, 88, 11, Far(c));
    p.Stroke(24, 44, 20, 62, 2, kOutline);
    p.Leg(40, 58, 88, 12, c);
    p.Leg(74, 58, 88, 12, c);
    p.Blob(56, 48, 32, 22, c);
    p.Dot(48, 36, 14, 5, Shade(c, 1.2));
    // The trunk, curling up at its tip.
    p.Path({{106, 40}, {114, 52}, {116, 66}, {118, 76}, {124, 78}, {128, 72}}, 10, 5, c);
    p.Blob(98, 38, 16, 16, c);
    p.Poly({{104, 52}, {114, 62}, {106, 60}}, kHorn);
    p.Blob(88, 42, 13, 18, Shade(c, 0.92));
    p.Dot(88, 42, 8, 12, 0xC8B8C8);
    p.Eye(102, 34, 2.5);
}

void Hippo(Pen& p) {
    constexpr Colour c = 0x9888B0;
    p.Leg(50, 64, 88, 11, Far(c));
    p.Leg(80, 64, 88, 11, Far(c));
    p.Leg(40, 64, 88, 12, c);
    p.Leg(72, 64, 88, 12, c);
    p.Blob(56, 56, 36, 22, c);
    p.Dot(46, 42, 16, 5, Shade(c, 1.2));
    p.Blob(92, 34, 4, 5, c);
    p.Blob(100, 46, 16, 14, c);
    // The wide mouth, open on its big teeth.
    p.Poly({{100, 60}, {130, 60}, {128, 72}, {102, 70}}, 0xC05060);
    p.Flat({{106, 60}, {109, 60}, {107, 66}}, kWhite);
    p.Flat({{122, 60}, {125, 60}, {123, 66}}, kWhite);
    p.Blob(114, 52, 17, 9, c);
    p.Dot(112, 49, 9, 3, Shade(c, 1.2));
    p.Dot(120, 48, 2, 1.5, kOutline);
    p.Dot(126, 49, 2, 1.5, kOutline);
    p.Blob(100, 37, 5, 5, c);
    p.Eye(100, 37, 2.5);
}

void Horse(Pen& p) {
    constexpr Colour c = 0x9C6438;
    constexpr Colour mane = 0x3A2010;
    p.Poly({{36, 42}, {22, 52}, {18, 74}, {26, 72}, {34, 54}}, mane);
    p.Leg(52, 58, 88, 5, Far(c));
    p.Leg(86, 58, 88, 5, Far(c));
    p.Leg(44, 58, 88, 6, c);
    p.Leg(80, 58, 88, 6, c);
    p.Blob(62, 50, 28, 12, c);
    p.Dot(56, 44, 14, 3, Shade(c, 1.2));
    p.Poly({{80, 46}, {92, 20}, {104, 24}, {94, 54}}, c);
    // The flowing mane along the neck, and the forelock.
    p.Poly({{90, 16}, {96, 16}, {84, 46}, {76, 44}}, mane);
    p.Poly({{92, 18}, {104, 14}, {121, 30}, {118, 38}, {108, 38}, {96, 28}}, c);
    p.Poly({{95, 16}, {96, 5}, {102, 14}}, c);
    p.Flat({{97, 16}, {102, 13}, {104, 20}}, mane);
    p.Dot(117, 33, 1.5, 1.5, kOutline);
    p.Eye(103, 22, 2);
}

void Kangaroo(Pen& p) {
    constexpr Colour c = 0xC88A58;
    constexpr Colour belly = 0xF0D4B0;
    p.Poly({{46, 72}, {8, 86}, {12, 90}, {54, 82}}, c);
    p.Blob(68, 86, 18, 4, c);
    p.Blob(58, 70, 14, 16, c);
    p.Blob(72, 52, 15, 24, c);
    // The pouch, with a joey looking out.
    p.Blob(80, 64, 11, 12, belly);
    p.Poly({{79, 52}, {79, 42}, {84, 50}}, c);
    p.Blob(84, 55, 7, 6, c);
    p.Blob(90, 57, 3.5, 2.5, c);
    p.Dot(93, 56, 1.2, 1.2, kOutline);
    p.Eye(85, 53, 1.8);
    p.Poly({{68, 60}, {92, 60}, {90, 64}, {70, 64}}, belly);
    p.Tube(80, 40, 90, 48, 3, c);
    p.Blob(74, 8, 3, 9, c);
    p.Blob(81, 8, 3, 9, c);
    p.Blob(80, 22, 9, 8, c);
    p.Blob(89, 26, 6, 4, c);
    p.Dot(94, 25, 1.5, 1.5, kOutline);
    p.Eye(82, 20, 2);
}

void Lion(Pen& p) {
    constexpr Colour c = 0xE8B858;
    constexpr Colour mane = 0xB86820;
    p.Path({{34, 48}, {24, 56}, {20, 68}}, 3, 3, c);
    p.Blob(20, 70, 4, 5, mane);
    p.Leg(52, 58, 88, 7, Far(c));
    p.Leg(84, 58, 88, 7, Far(c));
    p.Leg(44, 58, 88, 8, c);
    p.Leg(78, 58, 88, 8, c);
    p.Blob(60, 54, 28, 13, c);
    p.Dot(54, 48, 14, 4, Shade(c, 1.2));
    // The great mane round the face.
    for (int i = 0; i < 12; ++i) {
        double a = 2 * std::numbers::pi * i / 12;
        p.Blob(100 + std::cos(a) * 17, 38 + std::sin(a) * 17, 8, 8, mane);
    }
    p.Dot(100, 38, 20, 20, mane);
    p.Blob(100, 40, 13, 13, c);
    p.Blob(91, 28, 4, 4, c);
    p.Blob(109, 28, 4, 4, c);
    p.Blob(100, 47, 7, 5, Shade(c, 1.3));
    p.Poly({{97, 43}, {103, 43}, {100, 46}}, 0x704030);
    p.Eye(95, 37, 2.2);
    p.Eye(105, 37, 2.2);
}

void Snake(Pen& p) {
    constexpr Colour c = 0x60A848;
    const std::vector<Point> path = {{10, 84}, {28, 86}, {48, 84}, {64, 78}, {72, 68}, {64, 60},
                                     {54, 54}, {56, 44}, {70, 38}, {88, 36}, {102, 32}};
    p.Path(path, 4, 11, c);
    for (std::size_t i = 1; i + 1 < path.size(); ++i) {
        p.Dot((path[i].x + path[i + 1].x) / 2, (path[i].y + path[i + 1].y) / 2, 2.5, 2.5, 0xF0D040);
    }
    p.Stroke(118, 32, 130, 34, 1.5, 0xD02020);
    p.Stroke(130, 34, 134, 31, 1.5, 0xD02020);
    p.Stroke(130, 34, 134, 37, 1.5, 0xD02020);
    p.Blob(110, 30, 12, 8, c);
    p.Dot(108, 27, 6, 2, Shade(c, 1.3));
    p.Eye(113, 27, 2.5);
    p.Dot(120, 29, 1, 1, kOutline);
}

void Tiger(Pen& p) {
    constexpr Colour c = 0xF09030;
    constexpr Colour stripe = 0x201810;
    constexpr Colour white = 0xFFF8F0;
    p.Path({{34, 48}, {24, 40}, {20, 28}}, 4, 4, c);
    for (double y : {32.0, 38.0, 44.0}) {
        p.Stroke(18, y, 26, y - 2, 2, stripe);
    }
    p.Leg(52, 58, 88, 7, Far(c));
    p.Leg(84, 58, 88, 7, Far(c));
    p.Leg(44, 58, 88, 8, c);
    p.Leg(78, 58, 88, 8, c);
    p.Blob(60, 52, 28, 13, c);
    p.Dot(60, 60, 18, 4, white);
    for (double x = 40; x < 84; x += 8) {
        p.Flat({{x, 40}, {x + 5, 40}, {x + 1, 55}}, stripe);
    }
    for (double x : {44.0, 78.0}) {
        p.Stroke(x - 3, 72, x + 3, 70, 2, stripe);
    }
    p.Blob(92, 28, 4, 4, c);
    p.Blob(108, 28, 4, 4, c);
    p.Blob(100, 40, 13, 12, c);
    p.Dot(94, 46, 6, 4, white);
    p.Dot(106, 46, 6, 4, white);
    for (double x : {96.0, 100.0, 104.0}) {
        p.Stroke(x, 29, x, 34, 2, stripe);
    }
    p.Stroke(87, 40, 91, 41, 2, stripe);
    p.Stroke(113, 40, 109, 41, 2, stripe);
    p.Poly({{97, 43}, {103, 43}, {100, 46}}, 0xE07080);
    p.Eye(95, 37, 2.2);
    p.Eye(105, 37, 2.2);
}

struct AnimalDrawing {
    std::string_view caption;
    void (*draw)(Pen&);
};

constexpr AnimalDrawing kAnimals[] = {
    {"camel", Camel},       {"cow", Cow},           {"coyote", Coyote}, {"crocodile", Crocodile},
    {"deer", Deer},         {"dolphin", Dolphin},   {"frog", Frog},     {"hyena", Hyena},
    {"lobster", Lobster},   {"pig", Pig},           {"rhino", Rhino},   {"sheep", Sheep},
    {"walrus", Walrus},     {"rabbit", Bunny},      {"cat", Cat},       {"dog", Dog},
    {"eagle", Eagle},       {"elephant", Elephant}, {"hippo", Hippo},   {"horse", Horse},
    {"kangaroo", Kangaroo}, {"lion", Lion},         {"snake", Snake},   {"tiger", Tiger},
};

} // namespace

void PaintAnimal(Canvas& c, const Paint& p) {
    c.VerticalGradient(0, 0, p.W(), p.H(), Shade(p.fill, 1.1), p.fill);
    c.FillRect(0, p.H() * 7 / 8, p.W(), p.H() - p.H() * 7 / 8, Shade(p.fill, 0.85));
    Pen pen(c, p.W(), p.H());
    for (const AnimalDrawing& animal : kAnimals) {
        if (animal.caption == p.caption) {
            animal.draw(pen);
        }
    }
    CaptionPlate(c, p, p.W() / 2, p.H() - 11, p.W() - 10, 20, 14);
    c.FillRect(0, 0, p.W(), 2, kOutline);
    c.FillRect(0, p.H() - 2, p.W(), 2, kOutline);
    c.FillRect(0, 0, 2, p.H(), kOutline);
    c.FillRect(p.W() - 2, 0, 2, p.H(), kOutline);
}

} // namespace vocassets
