// Full-screen pictures, backdrops and strips: a sky and ground in flat colours
// of the pack's palette (gradients would band) with a few shapes chosen by the
// kind of place, and the label of pictures that keep their words.
#include "paint_parts.h"

#include <cmath>
#include <numbers>

namespace vocassets {
namespace {

enum class Place { Outdoor, Space, Indoor, Sea, Circus };

Place PlaceOf(const Paint& p) {
    for (std::string_view word : {"mars", "earth", "launch", "crash"}) {
        if (p.NameHas(word)) {
            return Place::Space;
        }
    }
    for (std::string_view word : {"fishing", "flyby-background03", "balloon-splash"}) {
        if (p.NameHas(word)) {
            return Place::Sea;
        }
    }
    for (std::string_view word : {"circus", "highwire", "cannonball"}) {
        if (p.NameHas(word)) {
            return Place::Circus;
        }
    }
    for (std::string_view word :
         {"fade2", "classroom", "jobs", "grocery", "credits", "circuspic"}) {
        if (p.NameHas(word)) {
            return Place::Indoor;
        }
    }
    return Place::Outdoor;
}

// A deterministic spread of small numbers from the name, so each scene differs.
int Seed(const Paint& p, int salt) {
    std::uint32_t h = 2166136261u ^ static_cast<std::uint32_t>(salt);
    for (const char* c = p.row.name; *c != '\0'; ++c) {
        h = (h ^ static_cast<unsigned char>(*c)) * 16777619u;
    }
    return static_cast<int>(h % 1000);
}

void House(Canvas& c, int x, int groundY, int w, Colour wall) {
    int h = w * 3 / 4;
    c.OutlinedRoundRect(x, groundY - h, w, h, 3, wall, kOutline, 2);
    const Point roof[] = {{x - 6.0, groundY - h + 2.0},
                          {x + w / 2.0, groundY - h - w * 0.55},
                          {x + w + 6.0, groundY - h + 2.0}};
    c.OutlinedPolygon(roof, 0xB03828, kOutline, 2);
    c.OutlinedRoundRect(x + w / 2 - w / 8, groundY - h / 2, w / 4, h / 2, 2, 0x704020, kOutline, 2);
    c.OutlinedRoundRect(x + w / 8, groundY - h + h / 5, w / 5, w / 5, 2, 0xA8D8F8, kOutline, 2);
}

void Tree(Canvas& c, int x, int groundY, int size) {
    c.FillRect(x - size / 10, groundY - size, size / 5, size, 0x704828);
    c.OutlinedEllipse(x, groundY - size, size * 0.45, size * 0.4, 0x3C8C3C, kOutline, 2);
}

void Outdoor(Canvas& c, const Paint& p) {
    int horizon = p.H() * 3 / 5;
    c.FillRect(0, 0, p.W(), horizon, Shade(p.fill, 1.15));
    c.FillRect(0, horizon, p.W(), p.H() - horizon, 0x66AA33);
    for (int i = 0; i < 3; ++i) {
        int hx = (Seed(p, i) * p.W()) / 1000;
        c.FillEllipse(hx, horizon + 10, p.W() / 4.0, 70, Mix(0x68A848, 0x50904C, i / 2.0));
    }
    c.OutlinedEllipse(p.W() * 0.85, p.H() * 0.15, 32, 32, 0xFFE050, 0xF0A020, 4);
    int houses = 1 + Seed(p, 7) % 3;
    for (int i = 0; i < houses; ++i) {
        int x = 40 + (Seed(p, 10 + i) * (p.W() - 160)) / 1000;
        House(c, x, horizon + 40 + i * 25, 70 + Seed(p, 20 + i) % 40,
              Mix(0xF0D8B0, 0xD8A0A0, i / 2.0));
    }
    for (int i = 0; i < 4; ++i) {
        Tree(c, 20 + (Seed(p, 30 + i) * (p.W() - 40)) / 1000, horizon + 60 + 20 * (i % 3),
             50 + Seed(p, 40 + i) % 30);
    }
    c.FillRect(0, p.H() - 70, p.W(), 40, 0x686868);
    for (int x = 0; x < p.W(); x += 55) {
        c.FillRect(x + 10, p.H() - 52, 30, 4, 0xF0F0F0);
    }
}

void Space(Canvas& c, const Paint& p) {
    c.FillRect(0, 0, p.W(), p.H(), Shade(p.fill, 0.7));
    for (int i = 0; i < 60; ++i) {
        int x = (Seed(p, 100 + i) * p.W()) / 1000;
        int y = (Seed(p, 200 + i) * p.H()) / 1000;
        c.FillEllipse(x, y, 1.5, 1.5, 0xF8F8E0);
    }
    bool mars = p.NameHas("mars");
    c.OutlinedEllipse(p.W() * 0.2, p.H() * 0.8, 90, 90, mars ? 0xC05030 : 0x3070D0,
                      mars ? 0x803020 : 0x205090, 4);
    if (!mars) {
        c.FillEllipse(p.W() * 0.17, p.H() * 0.78, 40, 25, 0x50A050);
    }
}

void Indoor(Canvas& c, const Paint& p) {
    int floor = p.H() * 2 / 3;
    c.FillRect(0, 0, p.W(), floor, Shade(p.fill, 1.15));
    c.FillRect(0, floor, p.W(), p.H() - floor, 0x996633);
    c.FillRect(0, floor - 6, p.W(), 6, 0x604020);
    int windows = 1 + Seed(p, 3) % 2;
    for (int i = 0; i < windows; ++i) {
        int x = 60 + i * (p.W() / 2);
        c.OutlinedRoundRect(x, 60, 140, 110, 4, 0xB8E0F8, 0xFFFFFF, 6);
        c.FillRect(x + 68, 60, 5, 110, 0xFFFFFF);
    }
    c.OutlinedRoundRect(p.W() - 150, floor - 190, 100, 190, 4, 0x905830, kOutline, 3);
    c.FillEllipse(p.W() - 65, floor - 95, 6, 6, 0xF0D040);
}

void Sea(Canvas& c, const Paint& p) {
    int water = p.H() / 2;
    c.FillRect(0, 0, p.W(), water, Shade(p.fill, 1.1));
    c.FillRect(0, water, p.W(), p.H() - water, 0x3366AA);
    for (int i = 0; i < 12; ++i) {
        int x = (Seed(p, 300 + i) * p.W()) / 1000;
        int y = water + 20 + (Seed(p, 400 + i) * (p.H() - water - 40)) / 1000;
        c.FillEllipse(x, y, 24, 4, 0x80C0F0);
    }
    c.OutlinedEllipse(p.W() * 0.8, p.H() * 0.15, 30, 30, 0xFFE050, 0xF0A020, 4);
}

void Circus(Canvas& c, const Paint& p) {
    c.FillRect(0, 0, p.W(), p.H(), Shade(p.fill, 0.8));
    int stripes = 8;
    for (int i = 0; i < stripes; ++i) {
        double x0 = p.W() * i / double(stripes);
        const Point stripe[] = {
            {p.W() / 2.0, 0}, {x0, p.H() * 0.45}, {x0 + p.W() / 16.0, p.H() * 0.45}};
        c.FillPolygon(stripe, i % 2 == 0 ? 0xF0E0C0 : 0xC02838);
    }
    c.FillEllipse(p.W() / 2.0, p.H() * 0.95, p.W() * 0.45, p.H() * 0.18, 0xA05030);
    c.FillEllipse(p.W() / 2.0, p.H() * 0.95, p.W() * 0.40, p.H() * 0.14, 0xE0B070);
}

// The sun or craft of a rising animation, along an arc over the frames.
void Riser(Canvas& c, const Paint& p) {
    double t = p.phase;
    if (p.NameHas("launch")) {
        double x = p.W() * 0.55;
        double y = p.H() * (0.75 - 0.7 * t);
        const Point body[] = {
            {x, y - 60}, {x + 22, y - 20}, {x + 22, y + 40}, {x - 22, y + 40}, {x - 22, y - 20}};
        c.OutlinedPolygon(body, 0xE8E8F0, kOutline, 3);
        c.OutlinedEllipse(x, y - 5, 9, 9, 0x80C8F8, kOutline, 2);
        c.FillEllipse(x, y + 55, 14, 18 + 10 * t, 0xF8A020);
        return;
    }
    double x = p.W() * (0.1 + 0.8 * t);
    double y = p.H() * (0.8 - 0.6 * std::sin(std::numbers::pi * t));
    c.OutlinedEllipse(x, y, 45, 45, 0xFFD840, 0xF09020, 5);
}

} // namespace

void PaintScene(Canvas& canvas, const Paint& p) {
    if (PaintVehicleGameScene(canvas, p) || PaintTownBackdrop(canvas, p) ||
        PaintClassroomBackdrop(canvas, p)) {
        return;
    }
    switch (PlaceOf(p)) {
    case Place::Outdoor:
        Outdoor(canvas, p);
        break;
    case Place::Space:
        Space(canvas, p);
        break;
    case Place::Indoor:
        Indoor(canvas, p);
        break;
    case Place::Sea:
        Sea(canvas, p);
        break;
    case Place::Circus:
        Circus(canvas, p);
        break;
    }
    if (p.row.motion == Motion::Rise) {
        Riser(canvas, p);
    }
    int plateH = std::min(60, p.H() / 6);
    CaptionPlate(canvas, p, p.W() / 2, plateH / 2 + 8, p.W() * 2 / 3, plateH, 40);
}

void PaintOverlay(Canvas& c, const Paint& p) {
    if (PaintTownThing(c, p)) {
        return;
    }
    if (p.NameHas("wall")) {
        c.FillRect(0, 0, p.W(), p.H(), p.fill);
        for (int y = 0; y < p.H(); y += 24) {
            c.FillRect(0, y, p.W(), 3, Shade(p.fill, 0.7));
            for (int x = (y / 24) % 2 * 30; x < p.W(); x += 60) {
                c.FillRect(x, y, 3, 24, Shade(p.fill, 0.7));
            }
        }
    } else if (p.NameHas("wave")) {
        for (int x = -20; x < p.W() + 40; x += 40) {
            c.FillEllipse(x, p.H() * 0.45, 24, p.H() * 0.3, Shade(p.fill, 1.4));
        }
        c.FillRect(0, p.H() / 2, p.W(), p.H() - p.H() / 2, p.fill);
    } else if (p.NameHas("tunnel")) {
        int top = p.H() / 3;
        c.FillRect(0, top, p.W(), p.H() - top, p.fill);
        for (int x = 0; x < p.W(); x += 55) {
            c.FillRect(x + 10, top + (p.H() - top) / 2, 30, 4, 0xF0F0F0);
        }
        bool left = p.NameHas("left");
        c.OutlinedEllipse(left ? p.W() - 40 : 40, top + 20, 60, 60, 0x202020, 0x806040, 10);
    } else if (p.NameHas("ufo")) {
        // Clouds the flying saucer comes out of, clear of the moon and the city hall.
        for (int x : {165, 215, 265, 540, 590, 640}) {
            c.OutlinedEllipse(x, 14, 34, 22, 0xE0E0F0, 0xCCD4CC, 3);
        }
    } else if (p.NameHas("highwire")) {
        c.Line(0, p.H() * 0.35, p.W(), p.H() * 0.35, 4, kOutline);
        c.OutlinedRoundRect(0, p.H() * 0.35, 40, p.H() * 0.65, 3, p.fill, kOutline, 3);
        c.OutlinedRoundRect(p.W() - 40, p.H() * 0.35, 40, p.H() * 0.65, 3, p.fill, kOutline, 3);
    } else {
        // A dock along the bottom with a rod reaching over the water.
        c.OutlinedRoundRect(0, p.H() - 90, p.W() / 3, 90, 4, p.fill, kOutline, 3);
        c.Line(p.W() / 4.0, p.H() - 90.0, p.W() * 0.72, 30.0, 6, 0x503018);
    }
    int plateH = std::min(26, p.H() / 2);
    CaptionPlate(c, p, p.W() / 2, p.H() - plateH / 2 - 4, p.W() / 3, plateH, 18);
}

} // namespace vocassets
