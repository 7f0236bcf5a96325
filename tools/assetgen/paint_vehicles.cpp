// Vehicles seen from the side, facing right, with wheels that turn from frame
// to frame: each kind with the details a child knows it by (the ambulance's
// cross, the fire truck's ladder, the taxi's checks, the police car's lights).
#include "paint_parts.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vocassets {
namespace {

enum class Kind {
    Car,
    Taxi,
    Police,
    Bus,
    Truck,
    Ambulance,
    Firetruck,
    Pickup,
    Bike,
    Motorbike,
    Cart,
    Wheels
};

struct KindWord {
    std::string_view word;
    Kind kind;
};

// First match wins: "firetruck" before "truck", "highwire-bike" is a bicycle.
constexpr KindWord kKindWords[] = {
    {"wheels", Kind::Wheels}, {"cart", Kind::Cart},           {"motorcycle", Kind::Motorbike},
    {"bicycle", Kind::Bike},  {"bike", Kind::Bike},           {"bus", Kind::Bus},
    {"pickup", Kind::Pickup}, {"firetruck", Kind::Firetruck}, {"ambulance", Kind::Ambulance},
    {"truck", Kind::Truck},   {"taxi", Kind::Taxi},           {"police", Kind::Police},
};

Kind KindOf(const Paint& p) {
    for (const KindWord& kw : kKindWords) {
        if (p.NameHas(kw.word)) {
            return kw.kind;
        }
    }
    return Kind::Car;
}

constexpr Colour kGlass = 0xB8E0F8;
constexpr Colour kHeadlight = 0xFFF4A0;
constexpr Colour kTaillight = 0xE02020;

void Wheel(Canvas& c, double cx, double cy, double r, double angle) {
    c.OutlinedEllipse(cx, cy, r, r, 0x303030, kOutline, 2);
    c.FillEllipse(cx, cy, r * 0.55, r * 0.55, 0xB8B8C0);
    for (int i = 0; i < 2; ++i) {
        double a = angle + i * std::numbers::pi / 2;
        c.Line(cx - std::cos(a) * r * 0.5, cy - std::sin(a) * r * 0.5, cx + std::cos(a) * r * 0.5,
               cy + std::sin(a) * r * 0.5, std::max(2.0, r * 0.14), 0x60606A);
    }
    c.FillEllipse(cx, cy, std::max(2.0, r * 0.18), std::max(2.0, r * 0.18), 0x505058);
    // The valve shows the wheel turning where the spokes look alike.
    c.FillEllipse(cx + std::cos(angle) * r * 0.78, cy + std::sin(angle) * r * 0.78,
                  std::max(2.0, r * 0.14), std::max(2.0, r * 0.14), 0xF0D020);
}

// A thin spoked wheel whose middle stays see-through.
void SpokedWheel(Canvas& c, double cx, double cy, double r, double angle) {
    for (int i = 0; i < 8; ++i) {
        double a = angle + i * std::numbers::pi / 4;
        c.Line(cx, cy, cx + std::cos(a) * r, cy + std::sin(a) * r, 1.5, 0x909098);
    }
    constexpr int kSteps = 40;
    for (int i = 0; i < kSteps; ++i) {
        double a0 = 2 * std::numbers::pi * i / kSteps;
        double a1 = 2 * std::numbers::pi * (i + 1) / kSteps;
        c.Line(cx + std::cos(a0) * r, cy + std::sin(a0) * r, cx + std::cos(a1) * r,
               cy + std::sin(a1) * r, 5, 0x282828);
    }
    c.FillEllipse(cx, cy, 3, 3, 0x505058);
    c.FillEllipse(cx + std::cos(angle) * r * 0.6, cy + std::sin(angle) * r * 0.6, 3, 3, 0xF08020);
}

void Glass(Canvas& c, double x, double y, double w, double h) {
    c.OutlinedRoundRect(int(x), int(y), int(w), int(h), 3, kGlass, kOutline, 2);
    c.FillRect(int(x + w * 0.2), int(y + 3), std::max(2, int(w * 0.15)), int(h * 0.5), 0xE8F6FF);
}

void Body(Canvas& c, double x, double y, double w, double h, Colour colour) {
    c.OutlinedRoundRect(int(x), int(y), int(w), int(h), int(std::min(w, h) / 5), colour, kOutline,
                        3);
    c.FillRect(int(x + 6), int(y + 5), int(w - 12), 3, Shade(colour, 1.3));
}

void Lights(Canvas& c, double w, double y, double h) {
    c.OutlinedRoundRect(int(w - 10), int(y), 7, int(h), 2, kHeadlight, kOutline, 1);
    c.FillRect(4, int(y), 5, int(h), kTaillight);
}

void Beacon(Canvas& c, double x, double y, double w, double h, Colour left, Colour right) {
    c.OutlinedRoundRect(int(x), int(y), int(w / 2), int(h), 2, left, kOutline, 2);
    c.OutlinedRoundRect(int(x + w / 2), int(y), int(w / 2), int(h), 2, right, kOutline, 2);
}

void Car(Canvas& c, const Paint& p, Kind kind, double angle) {
    double w = p.W();
    double h = p.H();
    Colour body = p.fill;
    const Point cabin[] = {
        {w * 0.22, h * 0.47}, {w * 0.33, h * 0.16}, {w * 0.66, h * 0.16}, {w * 0.80, h * 0.47}};
    c.OutlinedPolygon(cabin, body, kOutline, 3);
    const Point back[] = {
        {w * 0.29, h * 0.45}, {w * 0.36, h * 0.22}, {w * 0.48, h * 0.22}, {w * 0.48, h * 0.45}};
    const Point front[] = {
        {w * 0.52, h * 0.45}, {w * 0.52, h * 0.22}, {w * 0.63, h * 0.22}, {w * 0.73, h * 0.45}};
    c.OutlinedPolygon(back, kGlass, kOutline, 2);
    c.OutlinedPolygon(front, kGlass, kOutline, 2);
    Body(c, 3, h * 0.43, w - 6, h * 0.36, body);
    if (kind == Kind::Police) {
        c.FillRect(int(w * 0.24), int(h * 0.52), int(w * 0.52), int(h * 0.16), kWhite);
        Beacon(c, w * 0.4, h * 0.04, w * 0.2, h * 0.12, 0xE02020, 0x2060F0);
    }
    if (kind == Kind::Taxi) {
        double s = std::max(4.0, h * 0.08);
        for (int i = 0; w * 0.2 + (i + 1) * s < w * 0.8; ++i) {
            c.FillRect(int(w * 0.2 + i * s), int(h * 0.58), int(s), int(s),
                       i % 2 == 0 ? kOutline : kWhite);
            c.FillRect(int(w * 0.2 + i * s), int(h * 0.58 + s), int(s), int(s),
                       i % 2 == 0 ? kWhite : kOutline);
        }
        c.OutlinedRoundRect(int(w * 0.42), int(h * 0.03), int(w * 0.16), int(h * 0.13), 2, 0xFFF8C0,
                            kOutline, 2);
    }
    c.Line(w * 0.5, h * 0.46, w * 0.5, h * 0.76, 2, Shade(body, 0.55));
    c.FillRect(int(w * 0.54), int(h * 0.5), int(w * 0.06), 3, Shade(body, 0.55));
    Lights(c, w, h * 0.5, h * 0.09);
    double r = h * 0.16;
    Wheel(c, w * 0.22, h - r - 2, r, angle);
    Wheel(c, w * 0.78, h - r - 2, r, angle);
}

void Bus(Canvas& c, const Paint& p, double angle) {
    double w = p.W();
    double h = p.H();
    Body(c, 3, h * 0.08, w - 6, h * 0.7, p.fill);
    for (int i = 0; i < 5; ++i) {
        Glass(c, w * (0.05 + 0.14 * i), h * 0.16, w * 0.11, h * 0.22);
    }
    c.OutlinedRoundRect(int(w * 0.76), int(h * 0.16), int(w * 0.08), int(h * 0.58), 2, kGlass,
                        kOutline, 2);
    c.Line(w * 0.8, h * 0.16, w * 0.8, h * 0.74, 2, kOutline);
    Glass(c, w * 0.87, h * 0.16, w * 0.09, h * 0.26);
    c.FillRect(6, int(h * 0.47), int(w * 0.7), 3, kOutline);
    c.FillRect(6, int(h * 0.58), int(w * 0.7), 3, kOutline);
    // The folding stop arm of a school bus.
    Point octagon[8];
    double cx = w * 0.7;
    double cy = h * 0.64;
    double rr = h * 0.07;
    for (int i = 0; i < 8; ++i) {
        double a = std::numbers::pi / 8 + i * std::numbers::pi / 4;
        octagon[i] = {cx + std::cos(a) * rr, cy + std::sin(a) * rr};
    }
    c.OutlinedPolygon(octagon, 0xD02020, kWhite, 1);
    Lights(c, w, h * 0.55, h * 0.1);
    double r = h * 0.15;
    Wheel(c, w * 0.18, h - r - 2, r, angle);
    Wheel(c, w * 0.82, h - r - 2, r, angle);
}

// A box or a tank behind a cab: trucks, the ambulance and the fire truck.
void Truck(Canvas& c, const Paint& p, Kind kind, double angle) {
    double w = p.W();
    double h = p.H();
    double cabX = w * 0.7;
    Colour cab = p.fill;
    Colour box = kind == Kind::Truck ? Mix(p.fill, kWhite, 0.75) : p.fill;
    if (kind == Kind::Firetruck) {
        Body(c, 3, h * 0.36, cabX, h * 0.42, box);
        // The ladder along the top.
        c.Line(w * 0.04, h * 0.2, cabX - 4, h * 0.2, 3, 0xC8C8D0);
        c.Line(w * 0.04, h * 0.3, cabX - 4, h * 0.3, 3, 0xC8C8D0);
        for (double x = w * 0.06; x < cabX - 6; x += w * 0.06) {
            c.Line(x, h * 0.2, x, h * 0.3, 2, 0xC8C8D0);
        }
        c.Line(w * 0.2, h * 0.3, w * 0.2, h * 0.36, 3, 0x808088);
        c.Line(cabX - 12, h * 0.3, cabX - 12, h * 0.36, 3, 0x808088);
        c.FillRect(8, int(h * 0.56), int(cabX - 12), int(h * 0.06), kWhite);
        c.OutlinedEllipse(w * 0.35, h * 0.5, h * 0.09, h * 0.09, 0xF0D040, kOutline, 2);
    } else {
        Body(c, 3, h * 0.06, cabX - 2, h * 0.72, box);
    }
    if (kind == Kind::Ambulance) {
        double cx = cabX * 0.5;
        double cy = h * 0.36;
        double s = h * 0.13;
        c.FillRect(int(cx - s / 2.5), int(cy - s), int(s / 1.25), int(2 * s), 0xE02020);
        c.FillRect(int(cx - s), int(cy - s / 2.5), int(2 * s), int(s / 1.25), 0xE02020);
        c.FillRect(8, int(h * 0.62), int(w - 16), int(h * 0.06), 0xE02020);
    }
    if (kind == Kind::Truck) {
        c.FillRect(8, int(h * 0.56), int(cabX - 14), int(h * 0.06), p.fill);
    }
    const Point cabShape[] = {{cabX, h * 0.22},
                              {w * 0.86, h * 0.22},
                              {w - 4, h * 0.46},
                              {w - 4, h * 0.78},
                              {cabX, h * 0.78}};
    c.OutlinedPolygon(cabShape, cab, kOutline, 3);
    const Point window[] = {{cabX + w * 0.05, h * 0.28},
                            {w * 0.85, h * 0.28},
                            {w * 0.93, h * 0.46},
                            {cabX + w * 0.05, h * 0.46}};
    c.OutlinedPolygon(window, kGlass, kOutline, 2);
    if (kind == Kind::Ambulance || kind == Kind::Firetruck) {
        Beacon(c, cabX + w * 0.04, h * 0.12, w * 0.12, h * 0.1, 0xE02020,
               kind == Kind::Ambulance ? 0x2060F0 : 0xE02020);
    }
    Lights(c, w, h * 0.56, h * 0.09);
    double r = h * 0.15;
    Wheel(c, w * 0.16, h - r - 2, r, angle);
    if (kind != Kind::Ambulance) {
        Wheel(c, w * 0.4, h - r - 2, r, angle);
    }
    Wheel(c, w * 0.84, h - r - 2, r, angle);
}

void Pickup(Canvas& c, const Paint& p, double angle) {
    double w = p.W();
    double h = p.H();
    const Point cab[] = {
        {w * 0.42, h * 0.45}, {w * 0.45, h * 0.14}, {w * 0.66, h * 0.14}, {w * 0.76, h * 0.45}};
    c.OutlinedPolygon(cab, p.fill, kOutline, 3);
    const Point window[] = {
        {w * 0.5, h * 0.43}, {w * 0.51, h * 0.21}, {w * 0.64, h * 0.21}, {w * 0.71, h * 0.43}};
    c.OutlinedPolygon(window, kGlass, kOutline, 2);
    Body(c, 3, h * 0.42, w - 6, h * 0.36, p.fill);
    // The open bed behind the cab.
    c.FillRect(9, int(h * 0.47), int(w * 0.3), int(h * 0.06), Shade(p.fill, 0.5));
    c.Line(w * 0.4, h * 0.45, w * 0.4, h * 0.76, 2, Shade(p.fill, 0.55));
    Lights(c, w, h * 0.5, h * 0.09);
    double r = h * 0.17;
    Wheel(c, w * 0.2, h - r - 2, r, angle);
    Wheel(c, w * 0.8, h - r - 2, r, angle);
}

void Bicycle(Canvas& c, const Paint& p, double angle) {
    double w = p.W();
    double h = p.H();
    double r = std::min(h * 0.3, w * 0.2);
    double y = h - r - 4;
    double rear = w * 0.22;
    double front = w * 0.78;
    SpokedWheel(c, rear, y, r, angle);
    SpokedWheel(c, front, y, r, angle);
    Point crank{w * 0.47, y};
    Point seat{w * 0.4, h * 0.3};
    Point head{w * 0.7, h * 0.28};
    double t = 4;
    c.Line(rear, y, seat.x, seat.y, t, p.fill);
    c.Line(rear, y, crank.x, crank.y, t, p.fill);
    c.Line(seat.x, seat.y, crank.x, crank.y, t, p.fill);
    c.Line(seat.x, seat.y, head.x, head.y, t, p.fill);
    c.Line(crank.x, crank.y, head.x, head.y, t, p.fill);
    c.Line(head.x, head.y, front, y, t, Shade(p.fill, 0.7));
    c.Line(head.x, head.y, head.x - w * 0.02, h * 0.14, 3, kOutline);
    c.Line(head.x - w * 0.06, h * 0.14, head.x + w * 0.04, h * 0.14, 4, kOutline);
    c.OutlinedRoundRect(int(seat.x - w * 0.07), int(seat.y - h * 0.08), int(w * 0.14),
                        int(h * 0.07), 3, 0x503020, kOutline, 2);
    double pedal = r * 0.45;
    c.Line(crank.x - std::cos(angle) * pedal, crank.y - std::sin(angle) * pedal,
           crank.x + std::cos(angle) * pedal, crank.y + std::sin(angle) * pedal, 3, kOutline);
    c.OutlinedEllipse(crank.x, crank.y, 4, 4, 0xB8B8C0, kOutline, 1);
}

void Motorbike(Canvas& c, const Paint& p, double angle) {
    double w = p.W();
    double h = p.H();
    double r = std::min(h * 0.26, w * 0.18);
    double y = h - r - 3;
    c.Line(w * 0.2, y, w * 0.45, h * 0.5, 5, 0x606068);
    c.Line(w * 0.72, h * 0.26, w * 0.8, y, 5, 0x909098);
    c.Line(w * 0.25, h * 0.72, w * 0.55, h * 0.72, 4, 0xA0A0A8); // exhaust
    c.OutlinedRoundRect(int(w * 0.4), int(h * 0.48), int(w * 0.2), int(h * 0.22), 3, 0x707078,
                        kOutline, 2);
    c.OutlinedEllipse(w * 0.56, h * 0.42, w * 0.15, h * 0.11, p.fill, kOutline, 3);
    c.OutlinedRoundRect(int(w * 0.22), int(h * 0.36), int(w * 0.24), int(h * 0.1), 4, 0x282828,
                        kOutline, 2);
    c.OutlinedEllipse(w * 0.2, h * 0.5, w * 0.1, h * 0.06, p.fill, kOutline, 2); // rear fender
    c.Line(w * 0.7, h * 0.26, w * 0.64, h * 0.14, 4, kOutline);
    c.Line(w * 0.6, h * 0.14, w * 0.7, h * 0.14, 4, kOutline);
    c.OutlinedEllipse(w * 0.78, h * 0.32, w * 0.05, h * 0.06, kHeadlight, kOutline, 2);
    Wheel(c, w * 0.2, y, r, angle);
    Wheel(c, w * 0.8, y, r, angle);
}

void ShoppingCart(Canvas& c, const Paint& p, double angle) {
    double w = p.W();
    double h = p.H();
    double r = h * 0.1;
    const Point basket[] = {
        {w * 0.1, h * 0.1}, {w * 0.95, h * 0.1}, {w * 0.85, h * 0.6}, {w * 0.2, h * 0.6}};
    c.OutlinedPolygon(basket, p.fill, kOutline, 3);
    for (int i = 1; i < 6; ++i) {
        c.Line(w * (0.1 + 0.14 * i), h * 0.12, w * (0.16 + 0.12 * i), h * 0.58, 2, kOutline);
    }
    c.Line(w * 0.1, h * 0.1, w * 0.02, h * 0.02, 4, kOutline);
    c.Line(w * 0.2, h * 0.6, w * 0.24, h * 0.8, 3, kOutline);
    c.Line(w * 0.85, h * 0.6, w * 0.8, h * 0.8, 3, kOutline);
    Wheel(c, w * 0.28, h - r - 3, r, angle);
    Wheel(c, w * 0.78, h - r - 3, r, angle);
}

} // namespace

void PaintVehicle(Canvas& c, const Paint& p) {
    double angle = p.frame > 0 ? 2.0 * std::numbers::pi * (p.frame - 1) / p.row.frames : 0.0;
    switch (Kind kind = KindOf(p)) {
    case Kind::Wheels:
        for (int i = 0; i < 4; ++i) {
            Wheel(c, p.W() * (0.12 + 0.25 * i), p.H() / 2.0, p.H() * 0.45, angle);
        }
        break;
    case Kind::Cart:
        ShoppingCart(c, p, angle);
        break;
    case Kind::Bike:
        Bicycle(c, p, angle);
        break;
    case Kind::Motorbike:
        Motorbike(c, p, angle);
        break;
    case Kind::Bus:
        Bus(c, p, angle);
        break;
    case Kind::Pickup:
        Pickup(c, p, angle);
        break;
    case Kind::Truck:
    case Kind::Ambulance:
    case Kind::Firetruck:
        Truck(c, p, kind, angle);
        break;
    case Kind::Car:
    case Kind::Taxi:
    case Kind::Police:
        Car(c, p, kind, angle);
        break;
    }
}

} // namespace vocassets
