#include "text.h"

#include <SDL_ttf.h>

#include <stdexcept>

namespace vocassets {

std::string DefaultFontPath() {
    return "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf";
}

TextRenderer::TextRenderer(std::string fontPath) : fontPath_(std::move(fontPath)) {
    if (TTF_WasInit() == 0 && TTF_Init() != 0) {
        throw std::runtime_error(std::string("TTF_Init: ") + TTF_GetError());
    }
    if (Font(12) == nullptr) {
        throw std::runtime_error("cannot open font " + fontPath_);
    }
}

TextRenderer::~TextRenderer() {
    for (auto& [size, font] : fonts_) {
        TTF_CloseFont(font);
    }
}

_TTF_Font* TextRenderer::Font(int size) {
    auto it = fonts_.find(size);
    if (it != fonts_.end()) {
        return it->second;
    }
    TTF_Font* font = TTF_OpenFont(fontPath_.c_str(), size);
    if (font != nullptr) {
        TTF_SetFontHinting(font, TTF_HINTING_NORMAL);
        fonts_.emplace(size, font);
    }
    return font;
}

TextBox TextRenderer::Measure(std::string_view text, int size) {
    int w = 0;
    int h = 0;
    std::string s(text);
    TTF_SizeUTF8(Font(size), s.c_str(), &w, &h);
    return {0, 0, w, h};
}

int TextRenderer::FitSize(std::string_view text, int w, int h, int maxSize) {
    for (int size = maxSize; size >= 7; --size) {
        TextBox box = Measure(text, size);
        if (box.w <= w && box.h <= h) {
            return size;
        }
    }
    return 0;
}

void TextRenderer::Draw(Canvas& canvas, std::string_view text, int size, int cx, int cy,
                        Colour colour) {
    if (text.empty() || size <= 0) {
        return;
    }
    std::string s(text);
    SDL_Color white{255, 255, 255, 255};
    SDL_Surface* glyphs = TTF_RenderUTF8_Blended(Font(size), s.c_str(), white);
    if (glyphs == nullptr) {
        return;
    }
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(glyphs, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(glyphs);
    if (argb == nullptr) {
        return;
    }
    int left = cx - argb->w / 2;
    int top = cy - argb->h / 2;
    const auto* bytes = static_cast<const std::uint8_t*>(argb->pixels);
    for (int y = 0; y < argb->h; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(bytes + y * argb->pitch);
        for (int x = 0; x < argb->w; ++x) {
            canvas.Blend(left + x, top + y, colour, (row[x] >> 24) / 255.0);
        }
    }
    SDL_FreeSurface(argb);
}

void TextRenderer::Label(Canvas& canvas, std::string_view text, int cx, int cy, int maxW, int maxH,
                         int maxSize) {
    constexpr int kPadX = 5;
    constexpr int kPadY = 2;
    int size = FitSize(text, maxW - 2 * kPadX, maxH - 2 * kPadY, maxSize);
    if (text.empty() || size == 0) {
        return;
    }
    TextBox box = Measure(text, size);
    int w = box.w + 2 * kPadX;
    int h = box.h + 2 * kPadY;
    canvas.OutlinedRoundRect(cx - w / 2, cy - h / 2, w, h, h / 3, kWhite, kBlack, 2);
    Draw(canvas, text, size, cx, cy, kBlack);
}

} // namespace vocassets
