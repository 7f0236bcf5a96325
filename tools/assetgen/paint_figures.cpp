// Balloons and the balloon counter.
#include "paint_parts.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vocassets {

void DrawBalloon(Canvas& c, double x, double y, double w, double h, Colour colour) {
    double bh = h * 0.78;
    c.Line(x + w / 2, y + bh, x + w / 2 + 3, y + h - 1, 2, kOutline);
    const Point knot[] = {
        {x + w / 2, y + bh - 2}, {x + w / 2 - 4, y + bh + 5}, {x + w / 2 + 4, y + bh + 5}};
    c.FillPolygon(knot, colour);
    c.OutlinedEllipse(x + w / 2, y + bh / 2, w / 2 - 1, bh / 2 - 1, colour, kOutline, 2);
    c.FillEllipse(x + w * 0.35, y + bh * 0.3, w * 0.1, bh * 0.12, Shade(colour, 1.6));
}

void PaintBalloon(Canvas& c, const Paint& p) {
    DrawBalloon(c, 0, 0, p.W(), p.H(), p.fill);
}

void PaintCounter(Canvas& c, const Paint& p) {
    constexpr Colour kColours[] = {0xE02830, 0x2850E0, 0xF0D020, 0x9030C0, 0xF08020,
                                   0xF060A0, 0x20B0C0, 0xE04020, 0x4040D0, 0xD0D030};
    int count = std::max(1, p.frame);
    double bw = p.W() / 5.5;
    double bh = p.H() * 0.4;
    for (int i = 0; i < count; ++i) {
        int row = i / 5;
        int col = i % 5;
        DrawBalloon(c, 4 + col * (bw + 4), 4 + row * (bh + 6), bw, bh, kColours[i % 10]);
    }
    // The count sits below the two rows, clear of every balloon.
    p.text.Label(c, std::to_string(count), p.W() - 22, p.H() - 12, 40, 22, 18);
}

} // namespace vocassets
