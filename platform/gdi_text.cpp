// Text: DrawTextA and GetTextExtentPoint32A in the selected font, and the
// device context's text colour and background.
#include <SDL_ttf.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/faults.h"
#include "platform/gdi.h"
#include "platform/gdi_fonts.h"
#include "platform/gdi_objects.h"
#include "platform/host_state.h"
#include "platform/pixel_format.h"

namespace {

using namespace platform;

struct Box {
    int left, top, right, bottom;
    bool Empty() const { return left >= right || top >= bottom; }
    Box Intersect(const Box& other) const {
        return Box{std::max(left, other.left), std::max(top, other.top),
                   std::min(right, other.right), std::min(bottom, other.bottom)};
    }
};

// COLORREF is 0x00BBGGRR; pixels are unpacked as 0x00RRGGBB.
uint32_t ToRgb(COLORREF color) {
    return ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}

// "&x" marks a mnemonic and shows as x; "&&" shows one "&".
std::string WithoutPrefixes(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;
        out += text[i];
    }
    return out;
}

// One line for DT_SINGLELINE, else one per line break ("\r\n", "\n" or "\r").
std::vector<std::string> SplitLines(const std::string& text, bool singleLine) {
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!singleLine && (c == '\n' || c == '\r')) {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            lines.emplace_back();
        } else if (static_cast<unsigned char>(c) >= 0x20) {
            lines.back() += c; // other control characters have no glyph
        }
    }
    return lines;
}

int LineWidth(TTF_Font* font, const std::string& utf8) {
    int width = 0;
    if (font && !utf8.empty() && TTF_SizeUTF8(font, utf8.c_str(), &width, nullptr) != 0)
        width = 0;
    return width;
}

uint32_t Blend(uint32_t over, uint32_t under, uint32_t alpha) {
    uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const uint32_t a = (over >> shift) & 0xFF, b = (under >> shift) & 0xFF;
        out |= ((a * alpha + b * (255 - alpha) + 127) / 255) << shift;
    }
    return out;
}

void FillBox(const gdi::PixelTarget& target, const Box& box, uint32_t rgb) {
    const int bytes = target.bitsPerPixel / 8;
    const uint32_t raw = PackRgb(target.bitsPerPixel, rgb);
    for (int y = box.top; y < box.bottom; ++y) {
        uint8_t* at = target.pixels + size_t(y) * target.pitch + size_t(box.left) * bytes;
        for (int x = box.left; x < box.right; ++x, at += bytes)
            StoreRaw(at, bytes, raw);
    }
}

// Lays the line's glyph coverage over the pixels at (x, y), inside clip.
void DrawGlyphs(const gdi::PixelTarget& target, const gdi::ResolvedFont& font,
                const std::string& utf8, int x, int y, const Box& clip, uint32_t rgb) {
    SDL_Surface* glyphs =
        TTF_RenderUTF8_Blended(font.font, utf8.c_str(), SDL_Color{255, 255, 255, 255});
    if (!glyphs)
        return;
    SDL_Surface* coverage = glyphs;
    if (glyphs->format->format != SDL_PIXELFORMAT_ARGB8888) {
        coverage = SDL_ConvertSurfaceFormat(glyphs, SDL_PIXELFORMAT_ARGB8888, 0);
        SDL_FreeSurface(glyphs);
        if (!coverage)
            return;
    }
    const Box area = clip.Intersect(Box{x, y, x + coverage->w, y + coverage->h});
    const int bytes = target.bitsPerPixel / 8;
    const uint32_t solid = PackRgb(target.bitsPerPixel, rgb);
    for (int row = area.top; row < area.bottom; ++row) {
        const uint8_t* from =
            static_cast<const uint8_t*>(coverage->pixels) + size_t(row - y) * coverage->pitch;
        uint8_t* to = target.pixels + size_t(row) * target.pitch;
        for (int column = area.left; column < area.right; ++column) {
            uint32_t argb;
            std::memcpy(&argb, from + size_t(column - x) * 4, 4);
            uint32_t alpha = argb >> 24;
            if (!font.antialiased)
                alpha = alpha >= 128 ? 255 : 0;
            if (alpha == 0)
                continue;
            uint8_t* at = to + size_t(column) * bytes;
            if (alpha == 255) {
                StoreRaw(at, bytes, solid);
                continue;
            }
            const uint32_t under = UnpackRgb(target.bitsPerPixel, LoadRaw(at, bytes));
            StoreRaw(at, bytes, PackRgb(target.bitsPerPixel, Blend(rgb, under, alpha)));
        }
    }
    SDL_FreeSurface(coverage);
}

} // namespace

int WINAPI DrawTextA(HDC handle, LPCSTR text, int count, LPRECT rect, UINT format) {
    gdi::DeviceContext* dc = gdi::FindDC(handle);
    if (!dc || !text || !rect || faults::Injected("DrawTextA"))
        return 0;
    std::string content = count < 0 ? std::string(text) : std::string(text, size_t(count));
    content.resize(std::strlen(content.c_str()));
    if (!(format & DT_NOPREFIX))
        content = WithoutPrefixes(content);
    const bool singleLine = (format & DT_SINGLELINE) != 0;
    std::vector<std::string> lines = SplitLines(content, singleLine);
    const gdi::ResolvedFont font = gdi::ResolveFont(gdi::SelectedFont(handle));
    std::vector<int> widths;
    int widest = 0;
    for (std::string& line : lines) {
        line = Cp1252ToUtf8(line.c_str());
        widths.push_back(LineWidth(font.font, line));
        widest = std::max(widest, widths.back());
    }
    const int lineHeight = font.height;
    const int totalHeight = lineHeight * static_cast<int>(lines.size());
    if (format & DT_CALCRECT) {
        rect->right = rect->left + widest;
        rect->bottom = rect->top + totalHeight;
        return totalHeight;
    }

    int top = rect->top;
    if (singleLine && (format & DT_VCENTER))
        top = rect->top + (rect->bottom - rect->top - lineHeight) / 2;
    else if (singleLine && (format & DT_BOTTOM))
        top = rect->bottom - lineHeight;

    gdi::PixelTarget target;
    if (font.font && gdi::DrawingTarget(handle, target)) {
        // Logical to device coordinates.
        const int dx = dc->attributes.viewportOrigin.x - dc->attributes.windowOrigin.x;
        const int dy = dc->attributes.viewportOrigin.y - dc->attributes.windowOrigin.y;
        Box clip{0, 0, target.width, target.height};
        if (!(format & DT_NOCLIP))
            clip = clip.Intersect(
                Box{rect->left + dx, rect->top + dy, rect->right + dx, rect->bottom + dy});
        const uint32_t textRgb = ToRgb(dc->attributes.textColor);
        for (size_t i = 0; i < lines.size(); ++i) {
            int left = rect->left;
            if (format & DT_CENTER)
                left = rect->left + (rect->right - rect->left - widths[i]) / 2;
            else if (format & DT_RIGHT)
                left = rect->right - widths[i];
            const int x = left + dx, y = top + static_cast<int>(i) * lineHeight + dy;
            if (dc->attributes.backgroundMode == OPAQUE) {
                const Box cell = clip.Intersect(Box{x, y, x + widths[i], y + lineHeight});
                if (!cell.Empty())
                    FillBox(target, cell, ToRgb(dc->attributes.backgroundColor));
            }
            if (!lines[i].empty() && !clip.Empty())
                DrawGlyphs(target, font, lines[i], x, y, clip, textRgb);
        }
    }
    if (singleLine && (format & (DT_VCENTER | DT_BOTTOM)))
        return top - rect->top + totalHeight;
    return totalHeight;
}

BOOL WINAPI GetTextExtentPoint32A(HDC dc, LPCSTR text, int count, LPSIZE size) {
    if (!gdi::FindDC(dc) || !text || count < 0 || !size)
        return FALSE;
    const gdi::ResolvedFont font = gdi::ResolveFont(gdi::SelectedFont(dc));
    std::string content(text, size_t(count));
    content.resize(std::strlen(content.c_str()));
    size->cx = LineWidth(font.font, Cp1252ToUtf8(content.c_str()));
    size->cy = font.height;
    return font.font ? TRUE : FALSE;
}

COLORREF WINAPI SetTextColor(HDC handle, COLORREF color) {
    gdi::DeviceContext* dc = gdi::FindDC(handle);
    if (!dc)
        return CLR_INVALID;
    COLORREF previous = dc->attributes.textColor;
    dc->attributes.textColor = color & 0xFFFFFF;
    return previous;
}

COLORREF WINAPI GetTextColor(HDC handle) {
    gdi::DeviceContext* dc = gdi::FindDC(handle);
    return dc ? dc->attributes.textColor : CLR_INVALID;
}

int WINAPI SetBkMode(HDC handle, int mode) {
    gdi::DeviceContext* dc = gdi::FindDC(handle);
    if (!dc || (mode != TRANSPARENT && mode != OPAQUE))
        return 0;
    int previous = dc->attributes.backgroundMode;
    dc->attributes.backgroundMode = mode;
    return previous;
}

COLORREF WINAPI SetBkColor(HDC handle, COLORREF color) {
    gdi::DeviceContext* dc = gdi::FindDC(handle);
    if (!dc)
        return CLR_INVALID;
    COLORREF previous = dc->attributes.backgroundColor;
    dc->attributes.backgroundColor = color & 0xFFFFFF;
    return previous;
}
