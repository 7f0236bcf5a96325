// The guide monkey's figure: one head, face, body and line style for every
// screen, laid out around the places where the screens put its closed eyes
// and talking mouth. The roles it plays dress it on top.
#pragma once

#include "canvas.h"
#include "manifest.h"
#include "paint_parts.h"

#include <string_view>

namespace vocassets {

struct Box {
    double x, y, w, h;
    double Cx() const { return x + w / 2; }
    double Cy() const { return y + h / 2; }
};

// Where a body's face is: the eyes and the mouth, each the box of the picture
// a screen lays over it, and whether a screen lays one there at all.
struct GuideFace {
    Box eyes;
    Box mouth;
    bool eyesLaid;
    bool mouthLaid;
    std::string_view eyesPicture; // the pictures laid there, as the screens name them
    std::string_view mouthPicture;
};

GuideFace FaceOfGuide(const PictureRow& body);

struct GuideFigure {
    GuideFace face;
    double cx, cy, r; // the head
    double turn = 0;  // -1: the face turned to the left, the muzzle jutting out; 1: right
    bool body;        // false: the head alone
    double bodyCx, bodyTop, hipY, feetY, bodyRx;
    Point shoulder[2]; // left, right as seen
    Point hand[2];
    Colour sleeve = kFur;   // arms; a suit covers them
    Colour trousers = kFur; // legs
    Colour glove = kFace;   // hands and feet
};

// The head's top edge, where hats sit.
inline double HeadTop(const GuideFigure& f) {
    return f.cy - f.r;
}

// What the role adds, by the picture's name: before the body (balloons over
// it), on the body (clothes), over the head (hats, glasses, nose), and in
// the hands (drawn last).
void PoseGuide(const Paint& p, GuideFigure& f);
void DressBehind(Canvas& c, const Paint& p, const GuideFigure& f);
void DressBody(Canvas& c, const Paint& p, const GuideFigure& f);
void DressHead(Canvas& c, const Paint& p, const GuideFigure& f);
void HoldInHands(Canvas& c, const Paint& p, const GuideFigure& f);

// The teacher's glasses, on the body and on its closed-eyes picture alike.
void DrawGlasses(Canvas& c, const Box& eyes);

} // namespace vocassets
