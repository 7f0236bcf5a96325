// The vehicle game's pictures: the gas station with its vehicles at the pumps,
// the race track strips that scroll seamlessly, the finish line, and the
// number signs with their backing.
#include "paint_parts.h"
#include "painter.h"
#include "placements.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <vector>

namespace vocassets {
namespace {

// The number panel's layout 1: the five sign rectangles (left, top, right,
// bottom) on the screen where the race's numbers are written.
struct Slot {
    int left, top, right, bottom;
};
constexpr Slot kNumberSlots[] = {{149, 425, 204, 455},
                                 {227, 424, 282, 464},
                                 {303, 429, 358, 469},
                                 {378, 424, 433, 464},
                                 {458, 431, 513, 471}};
constexpr std::string_view kSignNames[] = {"sign-yellowtriangle", "sign-graycircle",
                                           "sign-orangepolygon", "sign-graysquare",
                                           "sign-bluetriangle"};
constexpr Colour kSignFace = 0x1C2630;

// A deterministic spread of small numbers from the name, so each strip differs.
int Seed(const Paint& p, int salt) {
    std::uint32_t h = 2166136261u ^ static_cast<std::uint32_t>(salt);
    for (const char* c = p.row.name; *c != '\0'; ++c) {
        h = (h ^ static_cast<unsigned char>(*c)) * 16777619u;
    }
    return static_cast<int>(h % 1000);
}

void Cloud(Canvas& c, double x, double y, double s) {
    c.FillEllipse(x, y, s, s * 0.5, 0xFFFFFF);
    c.FillEllipse(x - s * 0.6, y + s * 0.15, s * 0.6, s * 0.35, 0xFFFFFF);
    c.FillEllipse(x + s * 0.6, y + s * 0.15, s * 0.6, s * 0.35, 0xFFFFFF);
}

void Tree(Canvas& c, double x, double groundY, double size) {
    c.FillRect(int(x - size / 10), int(groundY - size * 0.6), int(size / 5), int(size * 0.6),
               0x704828);
    c.OutlinedEllipse(x, groundY - size * 0.75, size * 0.42, size * 0.38, 0x3C8C3C, kOutline, 2);
    c.FillEllipse(x - size * 0.12, groundY - size * 0.88, size * 0.12, size * 0.08, 0x5CAC5C);
}

void Pump(Canvas& c, int x, int y) {
    // The island the pump stands on, then the pump with its display and hose.
    c.OutlinedRoundRect(x - 12, y + 52, 64, 14, 5, 0xD8D8D0, kOutline, 2);
    c.OutlinedRoundRect(x, y, 40, 58, 5, 0xD83828, kOutline, 3);
    c.OutlinedRoundRect(x + 6, y + 8, 28, 16, 3, 0xF0F0F0, kOutline, 2);
    c.FillRect(x + 10, y + 12, 20, 8, 0x203020);
    c.FillRect(x + 12, y + 14, 4, 4, 0x60F060);
    c.FillRect(x + 18, y + 14, 4, 4, 0x60F060);
    c.FillRect(x + 24, y + 14, 4, 4, 0x60F060);
    c.OutlinedRoundRect(x + 8, y + 30, 10, 14, 2, 0xF0C020, kOutline, 2);
    c.Line(x + 40, y + 24, x + 50, y + 34, 3, kOutline);
    c.Line(x + 50, y + 34, x + 48, y + 52, 3, kOutline);
    c.OutlinedRoundRect(x + 36, y + 18, 8, 12, 2, 0x404040, kOutline, 1);
    c.OutlinedRoundRect(x + 4, y - 8, 32, 10, 3, 0xF8F8F8, kOutline, 2);
}

void Shop(Canvas& c, int x, int y, int w, int h) {
    c.OutlinedRoundRect(x, y, w, h, 3, 0xFFFFCC, kOutline, 3);
    c.FillRect(x + 3, y + 3, w - 6, 14, 0x2E8A4A);
    c.FillRect(x + 3, y + 17, w - 6, 4, 0xF8F8F8);
    c.OutlinedRoundRect(x + 12, y + 32, w - 62, h - 50, 3, 0xB8E0F8, kOutline, 2);
    c.Line(x + 12 + (w - 62) / 2.0, y + 32, x + 12 + (w - 62) / 2.0, y + h - 18, 2, kOutline);
    c.OutlinedRoundRect(x + w - 42, y + 40, 30, h - 40, 2, 0x8A5A30, kOutline, 2);
    c.FillEllipse(x + w - 18, y + 40 + (h - 40) / 2.0, 3, 3, 0xF0D040);
}

void Tyres(Canvas& c, int x, int y) {
    for (int i = 0; i < 3; ++i) {
        c.OutlinedEllipse(x, y - i * 14, 22, 9, 0x303030, kOutline, 2);
        c.FillEllipse(x, y - i * 14, 10, 4, 0x555555);
    }
}

void GasStation(Canvas& c, const Paint& p) {
    int horizon = 62;
    c.FillRect(0, 0, p.W(), horizon, 0x99D4FF);
    Cloud(c, 90, 22, 22);
    Cloud(c, 230, 14, 16);
    c.FillEllipse(120, horizon + 8, 160, 28, 0x66AA33);
    c.FillEllipse(330, horizon + 10, 140, 22, 0x66D433);
    Tree(c, 40, horizon + 4, 46);
    Tree(c, 180, horizon + 6, 40);
    // The forecourt: concrete slabs seen from above and a little in front.
    c.FillRect(0, horizon, p.W(), p.H() - horizon, 0xC0C0C0);
    for (int y = horizon + 40; y < p.H(); y += 70) {
        c.FillRect(0, y, p.W(), 2, 0xCCD4CC);
    }
    for (int x = 30; x < p.W(); x += 110) {
        c.FillRect(x, horizon, 2, p.H() - horizon, 0xCCD4CC);
    }
    Shop(c, 372, 6, 176, 150);
    // The canopy over the pumps, on two posts that stand on pump islands.
    c.OutlinedRoundRect(205, 60, 12, 150, 3, 0xE8E8E8, kOutline, 2);
    c.OutlinedRoundRect(295, 60, 12, 80, 3, 0xE8E8E8, kOutline, 2);
    c.OutlinedRoundRect(150, 26, 216, 38, 6, 0xF8F8F8, kOutline, 3);
    c.FillRect(153, 44, 210, 10, 0xD83828);
    Pump(c, 282, 104);
    Pump(c, 172, 178);
    Pump(c, 392, 246);
    Pump(c, 252, 330);
    Tyres(c, 490, 462);
    c.OutlinedRoundRect(410, 430, 22, 30, 3, 0x2060C0, kOutline, 2);
    c.OutlinedRoundRect(436, 436, 22, 24, 3, 0xD03030, kOutline, 2);
    // Every vehicle where its object stands, with its shadow on the ground.
    for (const PlacedDrawing& d : DrawingsOnBackdrop(p.row.name)) {
        c.FillEllipse(d.x + d.row->width / 2.0, d.y + d.row->height - 5.0, d.row->width * 0.46, 7,
                      0x808080);
        c.DrawKeyed(PaintDrawing(*d.row, 0, p.text), d.x, d.y);
    }
}

// The number of a looping strip, "racetrack-background01.bmp" to "...05.bmp".
int StripNumber(const Paint& p) {
    std::string_view name = p.row.name;
    return name.size() > 5 ? name[name.size() - 5] - '0' : 0;
}

// Things that repeat every 11, 22 or 55 pixels tile the 550-pixel strip, so
// strips laid end to end meet without a seam.
constexpr int kTrackTop = 100;
constexpr int kTrackBottom = 392;
constexpr int kLaneHeight = 57;
constexpr int kFirstLaneLine = 159; // wheels of lane i stand between 102 + 57 i and 159 + 57 i

void Kerb(Canvas& c, int y, int w) {
    for (int x = 0; x < w; x += 22) {
        c.FillRect(x, y, 11, 7, 0xE03030);
        c.FillRect(x + 11, y, 11, 7, 0xF8F8F8);
    }
}

void Grandstand(Canvas& c, int x0, int x1) {
    constexpr Colour kShirts[] = {0xE04040, 0x4070E0, 0xF0C020, 0x40A050, 0xC050C0};
    c.OutlinedRoundRect(x0, 18, x1 - x0, 80, 4, 0x9098A8, kOutline, 3);
    c.FillRect(x0 + 3, 18, x1 - x0 - 6, 10, 0x4060A0);
    for (int row = 0; row < 4; ++row) {
        int y = 38 + row * 15;
        c.FillRect(x0 + 4, y + 7, x1 - x0 - 8, 3, 0x707888);
        for (int x = x0 + 12 + (row % 2) * 5; x < x1 - 8; x += 11) {
            Colour shirt = kShirts[(x / 11 * 7 + row * 3) % 5];
            c.FillRect(x - 4, y + 1, 8, 7, shirt);
            c.FillEllipse(x, y - 2, 3.5, 3.5, kFace);
        }
    }
}

void Checkers(Canvas& c, int x, int y, int w, int h, int size) {
    for (int yy = 0; yy < h; yy += size) {
        for (int xx = 0; xx < w; xx += size) {
            bool dark = ((xx + yy) / size) % 2 == 0;
            c.FillRect(x + xx, y + yy, std::min(size, w - xx), std::min(size, h - yy),
                       dark ? kOutline : kWhite);
        }
    }
}

void Track(Canvas& c, const Paint& p) {
    int w = p.W();
    // Flat colours of the pack's palette, so no banding shows.
    c.FillRect(0, 0, w, kTrackTop, 0x99D4FF);
    c.FillRect(0, kTrackBottom, w, p.H() - kTrackBottom, 0x66AA33);
    bool start = p.NameHas("starting");
    bool finish = p.NameHas("finish");
    // What stands behind the track differs from strip to strip, and always ends
    // inside it.
    int look = start || finish ? 0 : StripNumber(p) % 3;
    for (int i = 0; i < 3; ++i) {
        Cloud(c, 70 + (Seed(p, 10 + i) * 410) / 1000, 12 + Seed(p, 20 + i) % 18,
              12 + Seed(p, 30 + i) % 10);
    }
    if (look == 0) {
        Grandstand(c, 30 + Seed(p, 2) % 40, 500 - Seed(p, 3) % 40);
    } else if (look == 1) {
        c.FillEllipse(160, kTrackTop + 10, 150, 50, 0x66D433);
        c.FillEllipse(400, kTrackTop + 10, 130, 40, 0x66AA33);
        for (int i = 0; i < 5; ++i) {
            Tree(c, 50 + i * 105 + Seed(p, 40 + i) % 30, kTrackTop - 2, 50 + Seed(p, 50 + i) % 24);
        }
    } else {
        c.FillEllipse(275, kTrackTop + 14, 240, 46, 0x66D433);
        for (int i = 0; i < 4; ++i) {
            int x = 70 + i * 130;
            c.OutlinedRoundRect(x, 34, 50, 62, 3, Mix(0xF0D8B0, 0xD8B0B0, i / 3.0), kOutline, 2);
            const Point roof[] = {{x - 6.0, 36.0}, {x + 25.0, 12.0}, {x + 56.0, 36.0}};
            c.OutlinedPolygon(roof, 0xB03828, kOutline, 2);
            c.OutlinedRoundRect(x + 18, 66, 14, 30, 2, 0x704020, kOutline, 2);
        }
    }
    // The fence behind the track.
    for (int x = 0; x < w; x += 11) {
        c.FillRect(x, kTrackTop - 14, 2, 14, 0xF0F0F0);
    }
    c.FillRect(0, kTrackTop - 14, w, 2, 0xF0F0F0);
    c.FillRect(0, kTrackTop - 6, w, 2, 0xF0F0F0);
    // The road, its kerbs, and the dashed lines between the five lanes.
    c.FillRect(0, kTrackTop, w, kTrackBottom - kTrackTop, 0x808080);
    Kerb(c, kTrackTop - 3, w);
    Kerb(c, kTrackBottom - 4, w);
    for (int lane = 0; lane < 4; ++lane) {
        int y = kFirstLaneLine + lane * kLaneHeight;
        for (int x = 0; x < w; x += 55) {
            c.FillRect(x + 12, y - 2, 30, 4, 0xF0F0F0);
        }
    }
    if (start) {
        // The starting line just in front of the vehicles waiting at the start.
        Checkers(c, 80, kTrackTop + 4, 24, kTrackBottom - kTrackTop - 8, 12);
    }
    if (finish) {
        // The finish line, under a chequered banner on two posts.
        Checkers(c, 430, kTrackTop + 4, 24, kTrackBottom - kTrackTop - 8, 12);
        c.OutlinedRoundRect(402, 4, 8, kTrackTop, 2, 0xD0D0D8, kOutline, 2);
        c.OutlinedRoundRect(474, 4, 8, kTrackTop, 2, 0xD0D0D8, kOutline, 2);
        c.OutlinedRoundRect(396, 6, 92, 30, 3, kWhite, kOutline, 3);
        Checkers(c, 399, 9, 86, 24, 8);
    }
    // Bushes along the grass, clear of the signs' row.
    for (int x = 27; x < w; x += 55) {
        c.FillEllipse(x, kTrackBottom + 12, 10, 5, 0x337F33);
    }
}

// The sign rectangle relative to the picture's own corner.
Slot SlotIn(std::string_view name) {
    for (std::size_t i = 0; i < std::size(kSignNames); ++i) {
        if (name.starts_with(kSignNames[i])) {
            std::optional<ScreenPoint> at = PlaceOf(name);
            Slot s = kNumberSlots[i];
            int x = at ? at->x : s.left;
            int y = at ? at->y : s.top;
            return {s.left - x, s.top - y, s.right - x, s.bottom - y};
        }
    }
    return {0, 0, 0, 0};
}

// A flag whose cloth waves with the phase; chequered or in one colour.
void WavingFlag(Canvas& c, double x, double y, double w, double h, double phase, Colour colour,
                bool chequered) {
    c.Line(x, y, x, y + h * 2.2, 4, kOutline);
    constexpr int kSteps = 8;
    for (int i = 0; i < kSteps; ++i) {
        double x0 = x + 2 + w * i / kSteps;
        double x1 = x + 2 + w * (i + 1) / kSteps;
        double wave0 = std::sin(2 * std::numbers::pi * (phase + i / double(kSteps))) * h * 0.12;
        double wave1 =
            std::sin(2 * std::numbers::pi * (phase + (i + 1) / double(kSteps))) * h * 0.12;
        for (int row = 0; row < 2; ++row) {
            const Point cell[] = {{x0, y + wave0 + row * h / 2},
                                  {x1, y + wave1 + row * h / 2},
                                  {x1, y + wave1 + (row + 1) * h / 2},
                                  {x0, y + wave0 + (row + 1) * h / 2}};
            Colour fill = chequered ? ((i + row) % 2 == 0 ? kOutline : kWhite) : colour;
            c.FillPolygon(cell, fill);
        }
        c.Line(x0, y + wave0, x1, y + wave1, 2, kOutline);
        c.Line(x0, y + wave0 + h, x1, y + wave1 + h, 2, kOutline);
    }
}

// The flag man in his racing suit, waving his flag over his head.
void FlagMan(Canvas& c, const Paint& p) {
    double w = p.W();
    double h = p.H();
    bool chequered = p.NameHas("checkered");
    double cx = w * 0.35;
    double swing = std::sin(2 * std::numbers::pi * p.phase);
    Colour suit = chequered ? 0x3366CC : 0xFF9933;
    c.Line(cx - 8, h * 0.7, cx - 12, h - 4, 7, kOutline);
    c.Line(cx + 8, h * 0.7, cx + 12, h - 4, 7, kOutline);
    c.OutlinedRoundRect(int(cx - 18), int(h * 0.36), 36, int(h * 0.38), 8, suit, kOutline, 2);
    c.Line(cx - 16, h * 0.42, cx - 26, h * 0.62, 6, kOutline);
    c.OutlinedEllipse(cx, h * 0.26, 14, 14, kFace, kOutline, 2);
    c.OutlinedRoundRect(int(cx - 15), int(h * 0.14), 30, 10, 4, 0xCC3333, kOutline, 2);
    c.FillEllipse(cx - 5, h * 0.26, 2, 2, kOutline);
    c.FillEllipse(cx + 5, h * 0.26, 2, 2, kOutline);
    c.Line(cx - 5, h * 0.31, cx + 5, h * 0.31, 2, kOutline);
    double handX = cx + 30 + swing * 8;
    double handY = h * 0.18 - std::abs(swing) * 6;
    c.Line(cx + 16, h * 0.42, handX, handY, 6, kOutline);
    WavingFlag(c, handX, std::max(4.0, handY - 34), w - handX - 6, 30, p.phase,
               chequered ? kWhite : 0x33CC33, chequered);
}

void Flags(Canvas& c, const Paint& p) {
    double w = p.W();
    double h = p.H();
    WavingFlag(c, 4, 4, w * 0.7, h * 0.28, p.phase, 0xCC3333, false);
    WavingFlag(c, 14, h * 0.4, w * 0.7, h * 0.28, p.phase + 0.3, 0, true);
}

} // namespace

bool PaintRaceFigure(Canvas& c, const Paint& p) {
    if (p.NameHas("flagguy")) {
        FlagMan(c, p);
        return true;
    }
    if (std::string_view(p.row.name) == "flags") {
        Flags(c, p);
        return true;
    }
    return false;
}

bool PaintVehicleGameScene(Canvas& c, const Paint& p) {
    if (p.NameHas("gasstation")) {
        GasStation(c, p);
        return true;
    }
    if (p.NameHas("racetrack")) {
        Track(c, p);
        return true;
    }
    return false;
}

void PaintRaceSign(Canvas& c, const Paint& p) {
    double w = p.W();
    double h = p.H();
    Slot s = SlotIn(p.row.name);
    // The coloured sign in its own shape behind a dark face over the number's
    // rectangle, so the white number reads on it.
    std::vector<Point> shape;
    if (p.NameHas("triangle")) {
        shape = {{w / 2, 1}, {w - 1, h - 1}, {1, h - 1}};
    } else if (p.NameHas("circle")) {
        for (int i = 0; i < 32; ++i) {
            double a = 2 * std::numbers::pi * i / 32;
            shape.push_back({w / 2 + std::cos(a) * (w / 2 - 1), h / 2 + std::sin(a) * (h / 2 - 1)});
        }
    } else if (p.NameHas("polygon")) {
        for (int i = 0; i < 8; ++i) {
            double a = std::numbers::pi / 8 + 2 * std::numbers::pi * i / 8;
            shape.push_back({w / 2 + std::cos(a) * (w / 2 - 1), h / 2 + std::sin(a) * (h / 2 - 1)});
        }
    }
    if (shape.empty()) {
        c.OutlinedRoundRect(0, 0, int(w), int(h), int(w / 8), p.fill, kOutline, 3);
    } else {
        c.OutlinedPolygon(shape, p.fill, kOutline, 3);
    }
    c.OutlinedRoundRect(s.left - 3, s.top - 3, s.right - s.left + 6, s.bottom - s.top + 6, 6,
                        kSignFace, Shade(p.fill, 0.6), 3);
}

void PaintSignBacking(Canvas& c, const Paint& p) {
    std::optional<ScreenPoint> at = PlaceOf(p.row.name);
    int ox = at ? at->x : 0;
    int oy = at ? at->y : 0;
    // A wooden beam with a post between each two signs, and a dark plate at
    // each number's place that reads even before the signs are put up.
    c.OutlinedRoundRect(0, p.H() / 2 - 8, p.W(), 16, 4, 0xA07040, kOutline, 2);
    for (std::size_t i = 0; i + 1 < std::size(kNumberSlots); ++i) {
        int x = (kNumberSlots[i].right + kNumberSlots[i + 1].left) / 2 - ox;
        c.OutlinedRoundRect(x - 4, 0, 8, p.H(), 2, 0x8A5A30, kOutline, 2);
    }
    for (const Slot& s : kNumberSlots) {
        c.OutlinedRoundRect(s.left - ox - 3, s.top - oy - 3, s.right - s.left + 6,
                            s.bottom - s.top + 6, 6, kSignFace, 0x6A6A70, 3);
    }
}

} // namespace vocassets
