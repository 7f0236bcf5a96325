#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace vocassets {
namespace {

int Channel(Colour c, int shift) {
    return static_cast<int>((c >> shift) & 0xFF);
}

Colour Pack(double r, double g, double b) {
    auto clamp = [](double v) { return static_cast<Colour>(std::clamp(std::lround(v), 0L, 255L)); };
    return (clamp(r) << 16) | (clamp(g) << 8) | clamp(b);
}

} // namespace

Colour Mix(Colour a, Colour b, double t) {
    return Pack(Channel(a, 16) + (Channel(b, 16) - Channel(a, 16)) * t,
                Channel(a, 8) + (Channel(b, 8) - Channel(a, 8)) * t,
                Channel(a, 0) + (Channel(b, 0) - Channel(a, 0)) * t);
}

Colour Shade(Colour c, double factor) {
    if (factor <= 1.0) {
        return Mix(0x000000, c, factor);
    }
    return Mix(c, kWhite, std::min(1.0, factor - 1.0));
}

Canvas::Canvas(int width, int height, Colour fill)
    : width_(width), height_(height),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

void Canvas::Set(int x, int y, Colour c) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) {
        pixels_[static_cast<std::size_t>(y) * width_ + x] = c;
    }
}

void Canvas::Blend(int x, int y, Colour c, double alpha) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_ && alpha > 0.0) {
        Colour& p = pixels_[static_cast<std::size_t>(y) * width_ + x];
        p = alpha >= 1.0 ? c : Mix(p, c, alpha);
    }
}

void Canvas::FillRect(int x, int y, int w, int h, Colour c) {
    for (int yy = std::max(0, y); yy < std::min(height_, y + h); ++yy) {
        for (int xx = std::max(0, x); xx < std::min(width_, x + w); ++xx) {
            pixels_[static_cast<std::size_t>(yy) * width_ + xx] = c;
        }
    }
}

void Canvas::VerticalGradient(int x, int y, int w, int h, Colour top, Colour bottom) {
    for (int row = 0; row < h; ++row) {
        FillRect(x, y + row, w, 1, Mix(top, bottom, h > 1 ? row / double(h - 1) : 0.0));
    }
}

void Canvas::FillEllipse(double cx, double cy, double rx, double ry, Colour c) {
    if (rx <= 0 || ry <= 0) {
        return;
    }
    for (int y = std::max(0, int(cy - ry) - 1); y <= std::min(height_ - 1, int(cy + ry) + 1); ++y) {
        double dy = (y + 0.5 - cy) / ry;
        if (dy * dy > 1.0) {
            continue;
        }
        double half = rx * std::sqrt(1.0 - dy * dy);
        int x0 = static_cast<int>(std::ceil(cx - half - 0.5));
        int x1 = static_cast<int>(std::floor(cx + half - 0.5));
        FillRect(x0, y, x1 - x0 + 1, 1, c);
    }
}

void Canvas::FillRoundRect(int x, int y, int w, int h, int radius, Colour c) {
    radius = std::max(0, std::min({radius, w / 2, h / 2}));
    FillRect(x + radius, y, w - 2 * radius, h, c);
    FillRect(x, y + radius, w, h - 2 * radius, c);
    for (int cy : {y + radius, y + h - radius}) {
        for (int cx : {x + radius, x + w - radius}) {
            FillEllipse(cx, cy, radius, radius, c);
        }
    }
}

void Canvas::FillPolygon(std::span<const Point> points, Colour c) {
    if (points.size() < 3) {
        return;
    }
    double top = points[0].y;
    double bottom = points[0].y;
    for (const Point& p : points) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    std::vector<double> crossings;
    for (int y = std::max(0, int(top)); y <= std::min(height_ - 1, int(bottom)); ++y) {
        double sy = y + 0.5;
        crossings.clear();
        for (std::size_t i = 0; i < points.size(); ++i) {
            const Point& a = points[i];
            const Point& b = points[(i + 1) % points.size()];
            if ((a.y <= sy) != (b.y <= sy)) {
                crossings.push_back(a.x + (sy - a.y) * (b.x - a.x) / (b.y - a.y));
            }
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            int x0 = static_cast<int>(std::ceil(crossings[i] - 0.5));
            int x1 = static_cast<int>(std::floor(crossings[i + 1] - 0.5));
            FillRect(x0, y, x1 - x0 + 1, 1, c);
        }
    }
}

void Canvas::Line(double x0, double y0, double x1, double y1, double thickness, Colour c) {
    double dx = x1 - x0;
    double dy = y1 - y0;
    double length = std::hypot(dx, dy);
    double half = thickness / 2.0;
    if (length < 1e-9) {
        FillEllipse(x0, y0, half, half, c);
        return;
    }
    double nx = -dy / length * half;
    double ny = dx / length * half;
    const Point quad[] = {
        {x0 + nx, y0 + ny}, {x1 + nx, y1 + ny}, {x1 - nx, y1 - ny}, {x0 - nx, y0 - ny}};
    FillPolygon(quad, c);
    FillEllipse(x0, y0, half, half, c);
    FillEllipse(x1, y1, half, half, c);
}

void Canvas::OutlinedEllipse(double cx, double cy, double rx, double ry, Colour fill, Colour line,
                             int thickness) {
    FillEllipse(cx, cy, rx, ry, line);
    FillEllipse(cx, cy, rx - thickness, ry - thickness, fill);
}

void Canvas::OutlinedRoundRect(int x, int y, int w, int h, int radius, Colour fill, Colour line,
                               int thickness) {
    FillRoundRect(x, y, w, h, radius, line);
    FillRoundRect(x + thickness, y + thickness, w - 2 * thickness, h - 2 * thickness,
                  std::max(0, radius - thickness), fill);
}

void Canvas::OutlinedPolygon(std::span<const Point> points, Colour fill, Colour line,
                             int thickness) {
    FillPolygon(points, fill);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Point& a = points[i];
        const Point& b = points[(i + 1) % points.size()];
        Line(a.x, a.y, b.x, b.y, thickness, line);
    }
}

void Canvas::ClearRightOf(int x, Colour c) {
    FillRect(x, 0, width_ - x, height_, c);
}

void Canvas::Darken(double brightness) {
    for (Colour& p : pixels_) {
        if (p != kKey) {
            p = Shade(p, brightness);
        }
    }
}

void Canvas::DrawKeyed(const Canvas& picture, int x, int y) {
    for (int yy = 0; yy < picture.Height(); ++yy) {
        for (int xx = 0; xx < picture.Width(); ++xx) {
            Colour c = picture.At(xx, yy);
            if (c != kKey) {
                Set(x + xx, y + yy, c);
            }
        }
    }
}

void Canvas::Light(int rim) {
    constexpr Colour kRim = 0xFFE030;
    std::vector<Colour> lit = pixels_;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            std::size_t at = static_cast<std::size_t>(y) * width_ + x;
            if (pixels_[at] != kKey) {
                lit[at] = Mix(pixels_[at], kWhite, 0.3);
                continue;
            }
            bool near = false;
            for (int dy = -rim; dy <= rim && !near; ++dy) {
                for (int dx = -rim; dx <= rim && !near; ++dx) {
                    int nx = x + dx;
                    int ny = y + dy;
                    near = dx * dx + dy * dy <= rim * rim && nx >= 0 && ny >= 0 && nx < width_ &&
                           ny < height_ &&
                           pixels_[static_cast<std::size_t>(ny) * width_ + nx] != kKey;
                }
            }
            if (near) {
                lit[at] = kRim;
            }
        }
    }
    pixels_ = std::move(lit);
}

} // namespace vocassets
