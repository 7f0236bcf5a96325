// Keyed objects: a shape chosen from the picture's name, filled and outlined,
// with the label on a plate; walking figures; the house cut open into rooms.
#include "paint_parts.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vocassets {
namespace {

enum class Shape { Box, Round, Arrow, House, Cross, Craft, Boat, Fish, Person, Flag, Bar, Pool };

struct ShapeWord {
    std::string_view word;
    Shape shape;
};

// First match wins, so longer, more telling words come first.
constexpr ShapeWord kShapeWords[] = {
    {"wronganswer", Shape::Cross}, {"splash", Shape::Pool},    {"arrow", Shape::Arrow},
    {"sailboat", Shape::Boat},     {"fish", Shape::Fish},      {"ufo", Shape::Craft},
    {"spaceship", Shape::Craft},   {"plane", Shape::Craft},    {"-back", Shape::Person},
    {"-front", Shape::Person},     {"flagguy", Shape::Person}, {"flag", Shape::Flag},
    {"house", Shape::House},       {"optionbar", Shape::Bar},  {"controlpanel", Shape::Bar},
    {"cartfront", Shape::Bar},     {"sun", Shape::Round},      {"moon", Shape::Round},
    {"asteroid", Shape::Round},    {"reel", Shape::Round},     {"smoke", Shape::Round},
    {"floater", Shape::Round},     {"balloon", Shape::Round},
};

Shape ShapeOf(const Paint& p) {
    for (const ShapeWord& sw : kShapeWords) {
        if (p.NameHas(sw.word)) {
            return sw.shape;
        }
    }
    return Shape::Box;
}

void DrawPerson(Canvas& c, double x, double y, double w, double h, Colour clothes, bool face,
                double stride) {
    double head = std::min(w, h) * 0.2;
    double cx = x + w / 2;
    double legTop = y + h * 0.7;
    c.Line(cx, legTop, cx - w * 0.2 * stride, y + h - 4, std::max(3.0, w / 10), kOutline);
    c.Line(cx, legTop, cx + w * 0.2 * stride, y + h - 4, std::max(3.0, w / 10), kOutline);
    c.OutlinedRoundRect(int(cx - w * 0.25), int(y + head * 2), int(w * 0.5),
                        int(h * 0.7 - head * 2), int(w * 0.1), clothes, kOutline, 2);
    c.OutlinedEllipse(cx, y + head + 2, head, head, face ? kFace : 0x503020, kOutline, 2);
    if (face) {
        c.FillEllipse(cx - head * 0.35, y + head, head * 0.12, head * 0.12, kOutline);
        c.FillEllipse(cx + head * 0.35, y + head, head * 0.12, head * 0.12, kOutline);
        c.Line(cx - head * 0.3, y + head * 1.5, cx + head * 0.3, y + head * 1.5, 2, kOutline);
    }
}

// What tells the jobs apart: a hat, a helmet, a coat or a tool, on the figure
// that DrawPerson draws in the same box.
void JobMarks(Canvas& c, const Paint& p, double x, double y, double w, double h) {
    double head = std::min(w, h) * 0.2;
    double cx = x + w / 2;
    double top = y + 2;
    double hy = y + head + 2;
    std::string_view job = p.caption;
    auto cap = [&](Colour colour, bool brim) {
        c.OutlinedEllipse(cx, top + head * 0.35, head * 1.0, head * 0.5, colour, kOutline, 2);
        c.FillRect(int(cx - head), int(top + head * 0.35), int(2 * head), int(head * 0.5), colour);
        if (brim) {
            c.OutlinedRoundRect(int(cx - head * 0.2), int(top + head * 0.7), int(head * 1.4),
                                int(head * 0.22), 2, colour, kOutline, 1);
        }
    };
    if (job == "chef") {
        c.OutlinedRoundRect(int(cx - head * 0.8), int(top - head * 0.4), int(head * 1.6),
                            int(head * 1.0), 4, kWhite, kOutline, 2);
        c.OutlinedEllipse(cx, top - head * 0.4, head * 1.0, head * 0.5, kWhite, kOutline, 2);
    } else if (job == "police" || job == "mail carrier" || job == "pilot" || job == "mechanic") {
        cap(job == "mechanic" ? 0xCC3333 : 0x203C90, true);
        c.FillEllipse(cx, top + head * 0.4, 3, 3, 0xF0D040);
        if (job == "mail carrier") {
            c.Line(cx - w * 0.2, hy + head * 1.5, cx + w * 0.2, y + h * 0.6, 3, 0x704828);
            c.OutlinedRoundRect(int(cx + w * 0.12), int(y + h * 0.52), int(w * 0.22), int(h * 0.14),
                                2, 0xA8703C, kOutline, 2);
        }
        if (job == "mechanic") {
            c.Line(cx + w * 0.22, y + h * 0.45, cx + w * 0.4, y + h * 0.3, 4, 0x909098);
        }
    } else if (job == "firefighter") {
        c.OutlinedEllipse(cx, top + head * 0.4, head * 1.3, head * 0.6, 0xCC3333, kOutline, 2);
        c.FillRect(int(cx - head * 1.3), int(top + head * 0.4), int(head * 2.6), int(head * 0.3),
                   0xCC3333);
    } else if (job == "farmer") {
        c.OutlinedEllipse(cx, top + head * 0.6, head * 1.6, head * 0.3, 0xF0D080, kOutline, 2);
        c.OutlinedEllipse(cx, top + head * 0.3, head * 0.8, head * 0.45, 0xF0D080, kOutline, 2);
    } else if (job == "sailor") {
        c.OutlinedEllipse(cx, top + head * 0.4, head * 1.0, head * 0.4, kWhite, kOutline, 2);
        c.FillRect(int(cx - head * 0.6), int(hy + head * 1.2), int(head * 1.2), int(head * 0.4),
                   0x203C90);
    } else if (job == "soldier") {
        c.OutlinedEllipse(cx, top + head * 0.5, head * 1.2, head * 0.7, 0x556B2F, kOutline, 2);
        c.FillRect(int(cx - head * 1.2), int(top + head * 0.5), int(head * 2.4), int(head * 0.4),
                   0x556B2F);
    } else if (job == "doctor") {
        c.Line(cx - head * 0.5, hy + head * 1.2, cx - head * 0.3, y + h * 0.5, 2, kOutline);
        c.Line(cx + head * 0.5, hy + head * 1.2, cx + head * 0.3, y + h * 0.5, 2, kOutline);
        c.OutlinedEllipse(cx, y + h * 0.52, 4, 4, 0xC0C0C0, kOutline, 1);
        c.FillRect(int(cx - 2), int(y + h * 0.35), 4, 10, 0xCC3333);
        c.FillRect(int(cx - 5), int(y + h * 0.35) + 3, 10, 4, 0xCC3333);
    } else if (job == "astronaut") {
        c.OutlinedEllipse(cx, hy, head * 1.4, head * 1.4, 0xCCEEFF, kOutline, 2);
        if (!p.NameHas("-back")) {
            c.OutlinedEllipse(cx, hy, head, head, kFace, kOutline, 2);
        }
    } else if (job == "clown") {
        c.FillEllipse(cx - head, hy - head * 0.4, head * 0.45, head * 0.4, 0xFF9933);
        c.FillEllipse(cx + head, hy - head * 0.4, head * 0.45, head * 0.4, 0xFF9933);
        if (!p.NameHas("-back")) {
            c.OutlinedEllipse(cx, hy + head * 0.15, head * 0.22, head * 0.22, 0xE02020, kOutline,
                              1);
        }
    }
}

void DrawShape(Canvas& c, const Paint& p, Shape shape, double x, double y, double w, double h) {
    Colour line = kOutline;
    switch (shape) {
    case Shape::Box:
        c.OutlinedRoundRect(int(x), int(y), int(w), int(h), int(std::min(w, h) / 6), p.fill, line);
        c.FillRoundRect(int(x + w * 0.15), int(y + h * 0.12), int(w * 0.3), int(h * 0.12), 3,
                        Shade(p.fill, 1.4));
        break;
    case Shape::Bar:
        c.OutlinedRoundRect(int(x), int(y), int(w), int(h), int(std::min(w, h) / 5), p.fill, line);
        for (int i = 1; i < 6; ++i) {
            c.FillRect(int(x + w * i / 6), int(y + 6), 3, int(h - 12), Shade(p.fill, 0.75));
        }
        break;
    case Shape::Round:
        c.OutlinedEllipse(x + w / 2, y + h / 2, w / 2, h / 2, p.fill, line);
        c.FillEllipse(x + w * 0.35, y + h * 0.3, w * 0.12, h * 0.08, Shade(p.fill, 1.4));
        break;
    case Shape::Arrow: {
        bool right = p.NameHas("right");
        double tip = right ? x + w : x;
        double base = right ? x : x + w;
        double mid = right ? x + w * 0.45 : x + w * 0.55;
        const Point arrow[] = {
            {tip, y + h / 2},    {mid, y},           {mid, y + h * 0.3}, {base, y + h * 0.3},
            {base, y + h * 0.7}, {mid, y + h * 0.7}, {mid, y + h}};
        c.OutlinedPolygon(arrow, p.fill, line);
        break;
    }
    case Shape::House: {
        const Point roof[] = {{x, y + h * 0.4}, {x + w / 2, y}, {x + w, y + h * 0.4}};
        c.OutlinedRoundRect(int(x + w * 0.08), int(y + h * 0.38), int(w * 0.84), int(h * 0.62), 3,
                            p.fill, line);
        c.OutlinedPolygon(roof, 0xB03828, line);
        c.OutlinedRoundRect(int(x + w * 0.42), int(y + h * 0.7), int(w * 0.16), int(h * 0.3), 2,
                            0x704020, line, 2);
        break;
    }
    case Shape::Cross:
        c.Line(x + w * 0.15, y + h * 0.15, x + w * 0.85, y + h * 0.85, w * 0.2, line);
        c.Line(x + w * 0.85, y + h * 0.15, x + w * 0.15, y + h * 0.85, w * 0.2, line);
        c.Line(x + w * 0.15, y + h * 0.15, x + w * 0.85, y + h * 0.85, w * 0.14, p.fill);
        c.Line(x + w * 0.85, y + h * 0.15, x + w * 0.15, y + h * 0.85, w * 0.14, p.fill);
        break;
    case Shape::Craft:
        c.OutlinedEllipse(x + w / 2, y + h * 0.4, w * 0.22, h * 0.35, 0xA8D8F0, line);
        c.OutlinedEllipse(x + w / 2, y + h * 0.62, w / 2, h * 0.3, p.fill, line);
        for (int i = -1; i <= 1; ++i) {
            c.FillEllipse(x + w / 2 + i * w * 0.25, y + h * 0.65, 4, 4, 0xF8E040);
        }
        break;
    case Shape::Boat: {
        const Point hull[] = {
            {x, y + h * 0.65}, {x + w, y + h * 0.65}, {x + w * 0.8, y + h}, {x + w * 0.2, y + h}};
        const Point sail[] = {
            {x + w * 0.5, y}, {x + w * 0.5, y + h * 0.6}, {x + w * 0.1, y + h * 0.6}};
        c.Line(x + w * 0.52, y, x + w * 0.52, y + h * 0.66, 4, line);
        c.OutlinedPolygon(sail, p.fill, line);
        c.OutlinedPolygon(hull, 0xC05030, line);
        break;
    }
    case Shape::Fish: {
        const Point tail[] = {{x + w * 0.25, y + h / 2}, {x, y + h * 0.1}, {x, y + h * 0.9}};
        c.OutlinedPolygon(tail, Shade(p.fill, 0.8), line);
        c.OutlinedEllipse(x + w * 0.6, y + h / 2, w * 0.4, h * 0.4, p.fill, line);
        c.FillEllipse(x + w * 0.82, y + h * 0.42, 3, 3, line);
        break;
    }
    case Shape::Person:
        DrawPerson(c, x, y, w, h, p.fill, !p.NameHas("-back"), 1.0);
        JobMarks(c, p, x, y, w, h);
        break;
    case Shape::Pool:
        c.OutlinedEllipse(x + w / 2, y + h * 0.8, w / 2, h * 0.18, p.fill, line);
        c.FillEllipse(x + w / 2, y + h * 0.8, w * 0.35, h * 0.1, Shade(p.fill, 1.3));
        break;
    case Shape::Flag:
        c.Line(x + 6, y + 2, x + 6, y + h, 4, line);
        c.OutlinedRoundRect(int(x + 8), int(y + 4), int(w - 12), int(h * 0.5), 3, p.fill, line, 2);
        break;
    }
}

void Walker(Canvas& c, const Paint& p) {
    double t = p.phase;
    double stride = std::sin(t * std::numbers::pi * 6.0);
    double fw = p.W() * 0.55;
    double fh = p.H() * 0.8;
    double x = (p.W() - fw) * t;
    double y = p.NameHas("stair") ? (p.H() - fh) * (1.0 - t) : (p.H() - fh) / 2;
    if (p.NameHas("flagguy")) {
        x = (p.W() - fw) / 2;
        double a = std::sin(t * std::numbers::pi * 2.0);
        c.Line(x + fw * 0.7, y + fh * 0.3, x + fw + 10 * a, y + 6, 4, kOutline);
        c.OutlinedRoundRect(int(x + fw - 20 + 10 * a), 4, 30, 22, 2, p.fill, kOutline, 2);
    }
    DrawPerson(c, x, y, fw, fh, p.fill, true, stride);
}

} // namespace

void PaintSprite(Canvas& c, const Paint& p) {
    if (p.NameHas("streetsigns")) {
        PaintSignBacking(c, p);
        return;
    }
    if (PaintTownThing(c, p) || PaintRaceFigure(c, p) || PaintClassroomThing(c, p) ||
        PaintCharacter(c, p)) {
        return;
    }
    if (p.row.motion == Motion::Walk) {
        Walker(c, p);
    } else if (p.row.motion == Motion::Rise) {
        // The thing crosses its strip: the sun of a day row, or a craft in flight.
        double size = std::min(p.W(), p.H()) * 0.9;
        double x = (p.W() - size) * p.phase;
        double y = (p.H() - size) * (p.NameHas("sun-") ? 0.5 : 1.0 - p.phase);
        if (p.NameHas("sun-")) {
            double r = p.H() / 2.0 - 2;
            DrawSun(c, r + 1 + (p.W() - 2 * r - 2) * p.phase, p.H() / 2.0, r / 1.6, p.phase * 3);
        } else {
            DrawShape(c, p, Shape::Craft, x, y, size, size);
        }
    } else if (p.row.art != Art::Item || !PaintItemDrawing(c, p)) {
        DrawShape(c, p, ShapeOf(p), 2, 2, p.W() - 4, p.H() - 4);
    } else if (p.row.motion == Motion::Unroll) {
        // The line the picture is drawn along, so every step of the drawing shows.
        c.Line(2, p.H() - 3, p.W() - 2, p.H() - 3, 2, kOutline);
    }
    bool tall = p.H() >= 60;
    int plateH = tall ? std::min(30, p.H() / 3) : p.H() - 4;
    int cy = tall ? p.H() - plateH / 2 - 3 : p.H() / 2;
    if (p.row.art == Art::Item && p.NameHas("dots")) {
        for (int i = 0; i < 16; ++i) {
            double a = 2.0 * std::numbers::pi * i / 16;
            c.FillEllipse(p.W() / 2.0 + std::cos(a) * p.W() * 0.35,
                          p.H() * 0.42 + std::sin(a) * p.H() * 0.3, 3, 3, kOutline);
        }
    }
    CaptionPlate(c, p, p.W() / 2, cy, p.W() - 6, plateH, 22);
}

void PaintCutaway(Canvas& c, const Paint& p) {
    // The four rooms, in the places where the house's hit test finds them.
    struct Room {
        int x, y, w, h;
        Colour colour;
        const char* name;
    };
    constexpr Room kRooms[] = {{6, 26, 130, 139, 0x80D0E0, "bathroom"},
                               {142, 0, 188, 156, 0xC0A0E0, "bedroom"},
                               {18, 174, 120, 164, 0xF0D890, "kitchen"},
                               {146, 169, 160, 170, 0xE0B0A0, "living room"}};
    c.OutlinedRoundRect(0, 0, p.W(), p.H(), 6, p.fill, kOutline, 3);
    for (int i = 0; i < 4; ++i) {
        const Room& r = kRooms[i];
        bool lit = p.frame == 0 || p.frame == i + 1 || p.frame == 5;
        c.OutlinedRoundRect(r.x, r.y, r.w, r.h, 4, lit ? r.colour : Shade(r.colour, 0.55), kOutline,
                            3);
    }
}

} // namespace vocassets
