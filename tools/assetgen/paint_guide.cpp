// The guide: bodies whose open eyes and closed mouth sit exactly where the
// screens lay the closed-eyes picture and the talking mouth, and those two.
#include "paint_parts.h"

#include <algorithm>
#include <cmath>

namespace vocassets {
namespace {

constexpr int kEyesW = 60;
constexpr int kEyesH = 22;
constexpr int kMouthW = 50;
constexpr int kMouthH = 28;

void OpenEyes(Canvas& c, double cx, double cy, double closed, Colour lid) {
    for (double dx : {-kEyesW * 0.25, kEyesW * 0.25}) {
        double rx = kEyesW * 0.19;
        double ry = kEyesH * 0.48;
        c.OutlinedEllipse(cx + dx, cy, rx, ry, kWhite, kOutline, 2);
        c.FillEllipse(cx + dx + 2, cy + 1, rx * 0.45, ry * 0.55, kOutline);
        if (closed > 0.0) {
            c.FillRect(int(cx + dx - rx), int(cy - ry), int(2 * rx + 1), int(2 * ry * closed + 1),
                       lid);
            c.Line(cx + dx - rx, cy - ry + 2 * ry * closed, cx + dx + rx, cy - ry + 2 * ry * closed,
                   2, kOutline);
        }
    }
}

void ClosedEyes(Canvas& c, double x, double y, double w, double h, Colour face) {
    c.FillEllipse(x + w / 2, y + h / 2, w / 2, h / 2, face);
    for (double dx : {-w * 0.25, w * 0.25}) {
        double cx = x + w / 2 + dx;
        double cy = y + h * 0.45;
        double rx = w * 0.17;
        c.Line(cx - rx, cy, cx - rx * 0.4, cy + h * 0.2, 3, kOutline);
        c.Line(cx - rx * 0.4, cy + h * 0.2, cx + rx * 0.4, cy + h * 0.2, 3, kOutline);
        c.Line(cx + rx * 0.4, cy + h * 0.2, cx + rx, cy, 3, kOutline);
    }
}

void ClosedMouth(Canvas& c, double cx, double cy, double w) {
    c.Line(cx - w * 0.38, cy - 2, cx - w * 0.15, cy + 3, 3, kOutline);
    c.Line(cx - w * 0.15, cy + 3, cx + w * 0.15, cy + 3, 3, kOutline);
    c.Line(cx + w * 0.15, cy + 3, cx + w * 0.38, cy - 2, 3, kOutline);
}

Colour FaceOf(const Paint& p) {
    return p.NameHas("clown") || p.NameHas("mars-ufo") ? p.fill : kFace;
}

} // namespace

void PaintMonkey(Canvas& c, const Paint& p) {
    const PictureRow& r = p.row;
    Colour fur = r.colour != 0 ? r.colour : kFur;
    bool clown = p.NameHas("clown");
    Colour face = clown ? 0xF8F8F8 : kFace;
    bool balloons =
        p.NameHas("balloon-monkey02") || p.NameHas("balloon-monkey03") || p.NameHas("floating");
    int top = balloons ? p.H() * 2 / 5 : 0;
    int labelH = p.H() >= 160 && p.KeepsWords() ? 28 : 0;

    double ecx, ecy, mcx, mcy, headR;
    if (r.eyeX != 0 || r.eyeY != 0) {
        ecx = r.eyeX + kEyesW / 2.0;
        ecy = r.eyeY + kEyesH / 2.0;
        mcx = r.mouthX + kMouthW / 2.0;
        mcy = r.mouthY + kMouthH / 2.0;
        headR = std::max({55.0, (mcy - ecy) * 2.0, std::abs(mcx - ecx) + 45.0});
    } else {
        headR = std::min({p.W() * 0.32, 70.0, (p.H() - top - labelH) * 0.45});
        ecx = mcx = p.W() / 2.0;
        ecy = top + headR * 0.95;
        mcy = top + headR * 1.5;
    }
    double cx = (ecx + mcx) / 2;
    double cy = (ecy + mcy) / 2;
    headR = std::min(headR, std::min(cx, p.W() - cx) - 4);

    if (balloons) {
        const Colour colours[] = {0xE02830, 0x2850E0, 0xF0D020, 0x9030C0, 0xF08020};
        for (int i = 0; i < 5; ++i) {
            double bx = p.W() * (0.08 + 0.17 * i);
            DrawBalloon(c, bx, 4 + (i % 2) * 20, p.W() * 0.17, top - 8, colours[i]);
            c.Line(bx + p.W() * 0.085, top - 8, cx, cy + headR * 1.3, 2, kOutline);
        }
    }
    if (p.H() - labelH > cy + headR + 20) {
        double bodyTop = cy + headR * 0.6;
        double bodyH = p.H() - labelH - bodyTop - 4;
        c.OutlinedEllipse(cx, bodyTop + bodyH / 2, std::min(p.W() * 0.36, headR * 1.2), bodyH / 2,
                          fur, kOutline);
        c.FillEllipse(cx, bodyTop + bodyH * 0.55, headR * 0.7, bodyH * 0.32, Shade(face, 0.95));
        // The introduction's guide points up at what it shows; the others hang their arms.
        bool pointing = p.NameHas("intromonkey-") && !p.NameHas("armdown");
        double shoulderY = bodyTop + bodyH * 0.25;
        for (double side : {-1.0, 1.0}) {
            double sx = cx + side * headR * 0.9;
            double hx = cx + side * headR * 1.35;
            double hy = bodyTop + bodyH * 0.75;
            bool raised = pointing && side == (p.NameHas("arrow") ? -1.0 : 1.0);
            if (raised) {
                hx = side < 0 ? 14.0 : p.W() - 14.0;
                hy = 16.0;
            }
            c.Line(sx, shoulderY, hx, hy, 16, kOutline);
            c.Line(sx, shoulderY, hx, hy, 11, fur);
            c.OutlinedEllipse(hx, hy, 9, 9, face, kOutline, 2);
        }
    }
    if (p.NameHas("helmeton")) {
        c.OutlinedEllipse(cx, cy, headR + 14, headR + 14, 0xD8ECFC, 0x8090A8, 4);
    }
    for (double side : {-1.0, 1.0}) {
        c.OutlinedEllipse(cx + side * headR * 0.92, cy - headR * 0.15, headR * 0.3, headR * 0.3,
                          fur, kOutline);
        c.FillEllipse(cx + side * headR * 0.92, cy - headR * 0.15, headR * 0.16, headR * 0.16,
                      face);
    }
    c.OutlinedEllipse(cx, cy, headR, headR, fur, kOutline);
    c.FillEllipse(cx, (ecy + mcy) / 2 + 4, std::max(kEyesW * 0.72, headR * 0.72),
                  std::max((mcy - ecy) * 0.95, headR * 0.62), face);
    if (clown) {
        c.FillEllipse(cx - headR * 0.95, cy - headR * 0.6, headR * 0.35, headR * 0.3, 0xF07020);
        c.FillEllipse(cx + headR * 0.95, cy - headR * 0.6, headR * 0.35, headR * 0.3, 0xF07020);
    }
    double closed = r.motion == Motion::Blink && p.frame > 0 ? p.phase : 0.0;
    OpenEyes(c, ecx, ecy, closed, face);
    c.FillEllipse((ecx + mcx) / 2 - 5, (ecy + mcy) / 2 + 2, 2.5, 2.5, kOutline);
    c.FillEllipse((ecx + mcx) / 2 + 5, (ecy + mcy) / 2 + 2, 2.5, 2.5, kOutline);
    if (clown) {
        c.OutlinedEllipse((ecx + mcx) / 2, (ecy + mcy) / 2, 9, 9, 0xE02020, kOutline, 2);
    }
    ClosedMouth(c, mcx, mcy, kMouthW);
    if (p.NameHas("wet")) {
        for (int i = 0; i < 8; ++i) {
            c.OutlinedEllipse(20 + (i * 37) % (p.W() - 40), 20 + (i * 53) % (p.H() / 2), 4, 7,
                              0x90C8F8, 0x3070B0, 2);
        }
    }
    if (labelH > 0) {
        CaptionPlate(c, p, p.W() / 2, p.H() - labelH / 2 - 2, p.W() - 10, labelH, 20);
    }
}

void PaintEyes(Canvas& c, const Paint& p) {
    if (p.row.eyeX != 0 || p.row.eyeY != 0) {
        ClosedEyes(c, p.row.eyeX, p.row.eyeY, kEyesW, kEyesH, FaceOf(p));
        return;
    }
    ClosedEyes(c, 0, 0, p.W(), p.H(), FaceOf(p));
}

void PaintMouth(Canvas& c, const Paint& p) {
    double open = p.row.frames > 1 && p.frame > 1 ? (p.frame - 1) / double(p.row.frames - 1) : 0;
    double cx = p.W() / 2.0;
    double cy = p.H() / 2.0;
    c.FillEllipse(cx, cy, p.W() / 2.0, p.H() / 2.0, kFace);
    if (open == 0.0) {
        ClosedMouth(c, cx, cy, p.W());
        return;
    }
    double rx = p.W() * 0.36;
    double ry = std::max(3.0, p.H() * 0.42 * open);
    c.OutlinedEllipse(cx, cy, rx, ry, 0x801820, kOutline, 2);
    if (ry > 6) {
        c.FillEllipse(cx, cy + ry * 0.5, rx * 0.55, ry * 0.35, 0xF07080);
    }
}

} // namespace vocassets
