// What the painters of the different kinds of picture share.
#pragma once

#include "canvas.h"
#include "manifest.h"
#include "text.h"

#include <string>
#include <string_view>

namespace vocassets {

struct Paint {
    const PictureRow& row;
    int frame;    // 1..frames, or 0 for a still
    double phase; // 0 at the first frame, up to 1 at the last
    Colour fill;
    std::string caption;
    TextRenderer& text;

    int W() const { return row.width; }
    int H() const { return row.height; }
    bool NameHas(std::string_view word) const;
    bool Keyed() const { return row.art != Art::Backdrop && row.art != Art::Animal; }
    // Whether the picture shows its words: only pictures that are words in
    // themselves (a title, a Spanish word, a sign-off), never an English caption
    // on a drawing.
    bool KeepsWords() const;
};

// The picture's caption on a plate, for the pictures that keep their words.
void CaptionPlate(Canvas& canvas, const Paint& p, int cx, int cy, int maxW, int maxH, int maxSize);

// Colours shared by the figures.
inline constexpr Colour kFur = 0x9C6A3C;
inline constexpr Colour kFace = 0xEAC9A0;
inline constexpr Colour kOutline = 0x202020;

// A readable text colour on a fill.
Colour TextOn(Colour fill);

void PaintScene(Canvas& canvas, const Paint& p);   // Scene, Backdrop
void PaintOverlay(Canvas& canvas, const Paint& p); // Overlay
void PaintSprite(Canvas& canvas, const Paint& p);  // Sprite, Item
void PaintCutaway(Canvas& canvas, const Paint& p);
void PaintMonkey(Canvas& canvas, const Paint& p);
// The guide's face rising as the sun; false for any other scene.
bool PaintGuideScene(Canvas& canvas, const Paint& p);
void PaintEyes(Canvas& canvas, const Paint& p);
void PaintMouth(Canvas& canvas, const Paint& p);
void PaintAnimal(Canvas& canvas, const Paint& p);
void PaintVehicle(Canvas& canvas, const Paint& p);
void PaintBalloon(Canvas& canvas, const Paint& p);
void PaintCounter(Canvas& canvas, const Paint& p);
void PaintButton(Canvas& canvas, const Paint& p);
void PaintPanel(Canvas& canvas, const Paint& p);
void PaintBubble(Canvas& canvas, const Paint& p);
void PaintLetter(Canvas& canvas, const Paint& p);
void PaintRoadSign(Canvas& canvas, const Paint& p);
void PaintMenuBar(Canvas& canvas, const Paint& p);
void PaintMenuIcon(Canvas& canvas, const Paint& p);
void PaintSigninBox(Canvas& canvas, const Paint& p);
void PaintCaret(Canvas& canvas, const Paint& p);
void PaintPointer(Canvas& canvas, const Paint& p);
void PaintClock(Canvas& canvas, const Paint& p);
void PaintLine(Canvas& canvas, const Paint& p);
void PaintDigits(Canvas& canvas, const Paint& p);

// The town maps' backdrops with their places drawn in; false for any other scene.
bool PaintTownBackdrop(Canvas& canvas, const Paint& p);
// A place of the town (the lake, the store, the sun, an arrow, the road...);
// false for any other picture.
bool PaintTownThing(Canvas& canvas, const Paint& p);

// The classroom's backdrop with its furniture and the things that stay in the
// room; false for any other scene.
bool PaintClassroomBackdrop(Canvas& canvas, const Paint& p);
// The classroom's door and window, drawn to share their places; false for
// anything else.
bool PaintClassroomThing(Canvas& canvas, const Paint& p);

// The friendly sun: a face in a ring of rays, centred at (cx, cy); turn (0 to
// 1) turns the rays by one ray's step.
void DrawSun(Canvas& canvas, double cx, double cy, double r, double turn);

// A vocabulary item drawn as itself (a book, scissors, apples...); false when
// the item has no drawing of its own.
bool PaintItemDrawing(Canvas& canvas, const Paint& p);

// A piece of the rooms' furniture (a bed, the fridge...); false for anything else.
bool PaintFurniture(Canvas& canvas, const Paint& p);

// A toy of the fishing game (a dinosaur, a guitar...); false for anything else.
bool PaintToy(Canvas& canvas, const Paint& p);

// A character with a part to play (the jobs' heads, the cannon, the lion, the
// witch, the spaceman); false for anything else.
bool PaintCharacter(Canvas& canvas, const Paint& p);

// The gas station and the race track strips; false for any other scene.
bool PaintVehicleGameScene(Canvas& canvas, const Paint& p);
// The race's flag men and waving flags; false for any other picture.
bool PaintRaceFigure(Canvas& canvas, const Paint& p);
// One of the race's five number signs, and the backing they stand on.
void PaintRaceSign(Canvas& canvas, const Paint& p);
void PaintSignBacking(Canvas& canvas, const Paint& p);

// One balloon with its string, its top-left corner at (x, y).
void DrawBalloon(Canvas& canvas, double x, double y, double w, double h, Colour colour);
// A menu-bar icon in the box; lit icons are brighter, as a pressed button.
void DrawMenuIcon(Canvas& canvas, std::string_view kind, int x, int y, int w, int h, bool lit,
                  TextRenderer& text);

} // namespace vocassets
