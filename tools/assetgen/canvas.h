// A true-colour drawing surface with the few hard-edged shapes the pictures
// need. Hard edges keep the key colour exact around keyed shapes.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace vocassets {

using Colour = std::uint32_t; // 0xRRGGBB

inline constexpr Colour kKey = 0x00FF00;
inline constexpr Colour kBlack = 0x101010;
inline constexpr Colour kWhite = 0xFFFFFF;

Colour Mix(Colour a, Colour b, double t); // t = 0 gives a, 1 gives b
Colour Shade(Colour c, double factor);    // < 1 darker, > 1 lighter

struct Point {
    double x;
    double y;
};

class Canvas {
  public:
    Canvas(int width, int height, Colour fill);

    int Width() const { return width_; }
    int Height() const { return height_; }
    Colour At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
    void Set(int x, int y, Colour c);
    void Blend(int x, int y, Colour c, double alpha);
    const std::vector<Colour>& Pixels() const { return pixels_; }

    void FillRect(int x, int y, int w, int h, Colour c);
    void VerticalGradient(int x, int y, int w, int h, Colour top, Colour bottom);
    void FillEllipse(double cx, double cy, double rx, double ry, Colour c);
    void FillRoundRect(int x, int y, int w, int h, int radius, Colour c);
    void FillPolygon(std::span<const Point> points, Colour c);
    void Line(double x0, double y0, double x1, double y1, double thickness, Colour c);

    // A shape drawn in the outline colour, then again inset in the fill colour.
    void OutlinedEllipse(double cx, double cy, double rx, double ry, Colour fill, Colour line,
                         int thickness = 3);
    void OutlinedRoundRect(int x, int y, int w, int h, int radius, Colour fill, Colour line,
                           int thickness = 3);
    void OutlinedPolygon(std::span<const Point> points, Colour fill, Colour line,
                         int thickness = 3);

    // Everything right of column x becomes c (used to unroll a picture).
    void ClearRightOf(int x, Colour c);
    // Every pixel but the key colour moves towards black by 1 - brightness.
    void Darken(double brightness);
    // Copies every pixel of the picture but its key colour, its top-left corner at (x, y).
    void DrawKeyed(const Canvas& picture, int x, int y);
    // The lit look of a picture: every drawn pixel brighter, and a glowing rim of
    // the given width round the drawing on the key colour just outside it.
    void Light(int rim);

  private:
    int width_;
    int height_;
    std::vector<Colour> pixels_;
};

} // namespace vocassets
