// The classroom: its wall and floor, the board, and the things the teacher
// names where their objects stand. The five things that stay in the room (the
// extinguisher, the door, the window, the chalk, the trash can) are drawn on
// the backdrop, and their objects light them; the paired objects appear one at
// a time on the furniture drawn under their place. Every place comes from the
// classroom's creation list.
#include "paint_parts.h"
#include "painter.h"
#include "placements.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace vocassets {
namespace {

constexpr std::string_view kBackdrop = "classroom-background.bmp";
constexpr Colour kWall = 0xF4E8C8;
constexpr Colour kWainscot = 0xD8C49A;
constexpr Colour kFloor = 0xC89058;
constexpr Colour kWood = 0xB07840;
constexpr Colour kTrim = 0xF8F4EC;
constexpr Colour kBoard = 0x2F6048;
constexpr Colour kChalkLine = 0xB8D0C0;
constexpr Colour kSteel = 0x8890A0;

// A picture's rectangle relative to the backdrop's top-left corner.
struct Box {
    int x, y, w, h;
    int Right() const { return x + w; }
    int Bottom() const { return y + h; }
};

std::optional<Box> BoxOf(std::string_view picture) {
    std::optional<ScreenPoint> at = PlaceOf(picture);
    std::optional<ScreenPoint> origin = PlaceOf(kBackdrop);
    const PictureRow* row = FindPictureRow(picture);
    if (!at || !origin || row == nullptr) {
        return std::nullopt;
    }
    return Box{at->x - origin->x, at->y - origin->y, row->width, row->height};
}

// Where the back wall meets the floor: the door's foot.
int FloorLine() {
    std::optional<Box> door = BoxOf("schooldoor");
    return door ? door->Bottom() : 310;
}

// What each pair of objects appears on, one object at a time.
enum class Stand { Table, SideTable, Cupboard, Desk, Bench };

struct PairStand {
    std::string_view first;
    std::string_view second;
    Stand stand;
    int legs; // from the top to the floor under it, deeper for things further front
};

// clang-format off
constexpr PairStand kPairStands[] = {
    {"book",    "computer",        Stand::Table,     44},
    {"Pen",     "calculator",      Stand::SideTable, 0},  // down to the wall's foot
    {"stapler", "Pencil",          Stand::Cupboard,  78},
    {"tape",    "magnifyingglass", Stand::Cupboard,  78},
    {"Scissors", "crayon",         Stand::Desk,      66},
    {"paper",   "glue",            Stand::Bench,     32},
};
// clang-format on

// The top of a stand: as wide as the pair's places, just under the lower
// bottom edge, and how far down its legs go.
struct Top {
    int left, right, y, floor;
};

std::optional<Top> TopOf(const PairStand& pair) {
    std::optional<Box> a = BoxOf(pair.first);
    std::optional<Box> b = BoxOf(pair.second);
    if (!a || !b) {
        return std::nullopt;
    }
    int y = std::max(a->Bottom(), b->Bottom()) - 5;
    int floor = pair.legs > 0 ? y + pair.legs : FloorLine();
    return Top{std::min(a->x, b->x) - 6, std::max(a->Right(), b->Right()) + 6, y, floor};
}

// Draws in the furniture's colours, or every part in one colour for the hole a
// thing behind it leaves.
struct Ink {
    std::optional<Colour> only;
    Colour operator()(Colour c) const { return only ? *only : c; }
};

void Shadow(Canvas& c, const Top& t, const Ink& ink) {
    if (!ink.only) {
        c.FillEllipse((t.left + t.right) / 2.0, t.floor, (t.right - t.left) * 0.55, 6,
                      Shade(kFloor, 0.8));
    }
}

void Slab(Canvas& c, const Top& t, int thick, const Ink& ink) {
    c.OutlinedRoundRect(t.left, t.y, t.right - t.left, thick, 3, ink(kWood), ink(kOutline), 2);
    c.FillRect(t.left + 3, t.y + 2, t.right - t.left - 6, 2, ink(Shade(kWood, 1.25)));
}

void DrawStand(Canvas& c, Stand stand, const Top& t, const Ink& ink) {
    int w = t.right - t.left;
    switch (stand) {
    case Stand::Table:
    case Stand::Bench:
        Shadow(c, t, ink);
        for (int x : {t.left + 8, t.right - 16}) {
            c.OutlinedRoundRect(x, t.y + 6, 8, t.floor - t.y - 6, 2, ink(Shade(kWood, 0.8)),
                                ink(kOutline), 2);
        }
        c.OutlinedRoundRect(t.left + 4, t.y + 8, w - 8, 10, 2, ink(Shade(kWood, 0.9)),
                            ink(kOutline), 2);
        Slab(c, t, 10, ink);
        break;
    case Stand::SideTable:
        // A round lamp table on one pedestal, standing against the wall.
        c.OutlinedRoundRect((t.left + t.right) / 2 - 5, t.y + 6, 10, t.floor - t.y - 10, 2,
                            ink(Shade(kWood, 0.8)), ink(kOutline), 2);
        c.OutlinedEllipse((t.left + t.right) / 2.0, t.floor - 4, w * 0.25, 5,
                          ink(Shade(kWood, 0.8)), ink(kOutline), 2);
        c.OutlinedEllipse((t.left + t.right) / 2.0, t.y + 5, w / 2.0, 7, ink(kWood), ink(kOutline),
                          2);
        break;
    case Stand::Cupboard: {
        // A low cupboard of open cubbies holding coloured tubs.
        Shadow(c, t, ink);
        c.OutlinedRoundRect(t.left + 3, t.y + 6, w - 6, t.floor - t.y - 6, 2,
                            ink(Shade(kWood, 0.9)), ink(kOutline), 2);
        constexpr Colour kTubs[] = {0xE05050, 0x4080D0, 0xF0C030, 0x50B060};
        int cubbies = std::max(1, (w - 12) / 48);
        int cw = (w - 12) / cubbies;
        for (int i = 0; i < cubbies; ++i) {
            int x = t.left + 8 + i * cw;
            c.OutlinedRoundRect(x, t.y + 14, cw - 4, t.floor - t.y - 22, 2, ink(Shade(kWood, 0.55)),
                                ink(kOutline), 2);
            int tubTop = t.y + 14 + (t.floor - t.y - 22) / 3;
            c.OutlinedRoundRect(x + 4, tubTop, cw - 12, t.floor - 10 - tubTop, 4,
                                ink(Mix(kTubs[(i + t.left / 48) % 4], kWood, 0.45)), ink(kOutline),
                                2);
        }
        Slab(c, t, 9, ink);
        break;
    }
    case Stand::Desk:
        // A pupil's desk: a wooden top on a steel frame.
        Shadow(c, t, ink);
        for (int x : {t.left + 10, t.right - 16}) {
            c.OutlinedRoundRect(x, t.y + 6, 6, t.floor - t.y - 6, 2, ink(kSteel), ink(kOutline), 2);
        }
        c.Line(t.left + 13, t.floor - 14, t.right - 13, t.floor - 14, 4, ink(kSteel));
        c.OutlinedRoundRect(t.left + 6, t.y + 8, w - 12, 16, 2, ink(Shade(kSteel, 0.8)),
                            ink(kOutline), 2);
        Slab(c, t, 10, ink);
        break;
    }
}

const PairStand* SideTable() {
    for (const PairStand& pair : kPairStands) {
        if (pair.stand == Stand::SideTable) {
            return &pair;
        }
    }
    return nullptr;
}

// The green board over the chalk's place, its ledge just under the chalk.
void Board(Canvas& c, int width) {
    std::optional<Box> chalk = BoxOf("chalk");
    if (!chalk) {
        return;
    }
    int ledge = chalk->Bottom() - 5;
    int left = chalk->x - 10;
    int right = std::min(width - 4, chalk->Right() + 60);
    int top = 26;
    c.OutlinedRoundRect(left, top, right - left, ledge - top, 3, kWood, kOutline, 3);
    c.FillRect(left + 7, top + 7, right - left - 14, ledge - top - 12, kBoard);
    // Wiped clean, the last lesson's chalk only a smudge.
    Colour smudge = Mix(kBoard, kChalkLine, 0.12);
    c.FillEllipse((left + right) / 2.0, (top + ledge) / 2.0, (right - left) * 0.3, 10, smudge);
    c.FillEllipse((left + right) / 2.0 + 10, (top + ledge) / 2.0 - 30, (right - left) * 0.2, 6,
                  smudge);
    c.OutlinedRoundRect(left - 4, ledge - 2, right - left + 8, 8, 2, Shade(kWood, 0.85), kOutline,
                        2);
}

void WallAndFloor(Canvas& c, int w, int h) {
    int floor = FloorLine();
    c.FillRect(0, 0, w, floor, kWall);
    c.FillRect(0, 0, w, 10, Shade(kWall, 0.9));
    c.FillRect(0, 10, w, 2, Shade(kWall, 0.8));
    int wainscot = floor - 64;
    c.FillRect(0, wainscot, w, floor - wainscot, kWainscot);
    c.FillRect(0, wainscot - 4, w, 4, Shade(kWainscot, 0.85));
    c.FillRect(0, floor, w, h - floor, kFloor);
    for (int y = floor + 14, i = 0; y < h; y += 14 + i * 3, ++i) {
        c.FillRect(0, y, w, 2, Shade(kFloor, 0.85));
    }
    c.FillRect(0, floor - 6, w, 8, Shade(kWood, 0.8));
    c.FillRect(0, floor - 6, w, 2, kOutline);
}

// The door: frame, leaf with two panels and a pane, and its knob; where the
// side table stands before it, the door's picture leaves a hole, so the lit
// door goes round the table.
void Door(Canvas& c, const Paint& p) {
    int w = p.W();
    int h = p.H();
    c.OutlinedRoundRect(3, 3, w - 6, h - 3, 3, kTrim, kOutline, 2);
    Colour leaf = p.fill;
    c.OutlinedRoundRect(12, 12, w - 24, h - 12, 2, leaf, kOutline, 2);
    c.OutlinedRoundRect(22, 22, w - 44, h / 4, 3, 0xB8E0F8, kOutline, 2);
    c.FillRect(28, 28, (w - 56) / 3, 4, kWhite);
    c.OutlinedRoundRect(22, h / 4 + 34, w - 44, h / 4, 3, Shade(leaf, 0.85), kOutline, 2);
    c.OutlinedRoundRect(22, h / 2 + 44, w - 44, h / 4, 3, Shade(leaf, 0.85), kOutline, 2);
    c.OutlinedEllipse(w - 24, h / 2 + 30, 6, 6, 0xF0D040, kOutline, 2);
    c.FillEllipse(w - 26, h / 2 + 28, 2, 2, kWhite);
    const PairStand* side = SideTable();
    std::optional<Box> self = BoxOf(p.row.name);
    std::optional<Top> top = side ? TopOf(*side) : std::nullopt;
    if (self && top) {
        Top hole = {top->left - self->x, top->right - self->x, top->y - self->y,
                    top->floor - self->y};
        DrawStand(c, Stand::SideTable, hole, Ink{kKey});
    }
}

// The window stands beside the door, in the part of its place the door leaves.
void Window(Canvas& c, const Paint& p) {
    std::optional<Box> self = BoxOf(p.row.name);
    std::optional<Box> door = BoxOf("schooldoor");
    int left = 4;
    if (self && door && door->Right() > self->x) {
        left = door->Right() - self->x + 4;
    }
    int right = p.W() - 4;
    int top = 6;
    int bottom = std::min(p.H() - 4, FloorLine() - (self ? self->y : 0) - 16);
    if (right - left < 20 || bottom - top < 20) {
        left = 4;
        bottom = p.H() - 8;
    }
    int w = right - left;
    int h = bottom - top;
    c.OutlinedRoundRect(left, top, w, h, 3, kTrim, kOutline, 2);
    c.FillRect(left + 6, top + 6, w - 12, h - 12, 0x99D4FF);
    c.FillEllipse(left + w * 0.35, top + h * 0.3, w * 0.18, h * 0.06, kWhite);
    c.FillEllipse(left + w * 0.48, top + h * 0.28, w * 0.14, h * 0.05, kWhite);
    c.FillEllipse(left + w / 2.0, top + h - 6, (w - 12) / 2.0, h * 0.18, 0x66AA33);
    c.FillRect(left, top + h - 6, w, 6, kTrim);
    c.FillRect(left + w / 2 - 2, top + 4, 5, h - 8, kTrim);
    c.FillRect(left + 4, top + h / 2 - 2, w - 8, 5, kTrim);
    c.OutlinedRoundRect(left - 3, bottom - 2, w + 6, 7, 2, kTrim, kOutline, 2);
}

} // namespace

bool PaintClassroomThing(Canvas& c, const Paint& p) {
    std::string_view name = p.row.name;
    if (name == "schooldoor") {
        Door(c, p);
        return true;
    }
    if (name == "schoolwindow") {
        Window(c, p);
        return true;
    }
    return false;
}

bool PaintClassroomBackdrop(Canvas& c, const Paint& p) {
    if (std::string_view(p.row.name) != kBackdrop) {
        return false;
    }
    WallAndFloor(c, p.W(), p.H());
    Board(c, p.W());
    // The things that stay in the room, where their objects stand, as their
    // first frame shows them (later frames add the sparkle of an answer).
    for (const PlacedDrawing& d : DrawingsOnBackdrop(p.row.name)) {
        if (d.y + d.row->height > FloorLine() + 20) {
            c.FillEllipse(d.x + d.row->width / 2.0, d.y + d.row->height - 4.0, d.row->width * 0.45,
                          6, Shade(kFloor, 0.8));
        }
        c.DrawKeyed(PaintDrawing(*d.row, d.row->frames > 1 ? 1 : 0, p.text), d.x, d.y);
    }
    // The stands, from the back of the room to the front.
    std::vector<std::pair<const PairStand*, Top>> stands;
    for (const PairStand& pair : kPairStands) {
        if (std::optional<Top> top = TopOf(pair)) {
            stands.push_back({&pair, *top});
        }
    }
    std::stable_sort(stands.begin(), stands.end(),
                     [](const auto& a, const auto& b) { return a.second.floor < b.second.floor; });
    for (const auto& [pair, top] : stands) {
        DrawStand(c, pair->stand, top, Ink{});
    }
    return true;
}

} // namespace vocassets
