// Labels drawn with a TrueType font onto a canvas. Text is always laid on a
// solid plate or shape, never straight on the key colour, so its smoothed edges
// cannot blend into near-key greens.
#pragma once

#include "canvas.h"

#include <map>
#include <string>
#include <string_view>

struct _TTF_Font;

namespace vocassets {

struct TextBox {
    int x, y, w, h;
};

class TextRenderer {
  public:
    // Opens the font file; throws std::runtime_error when it cannot.
    explicit TextRenderer(std::string fontPath);
    ~TextRenderer();
    TextRenderer(const TextRenderer&) = delete;
    TextRenderer& operator=(const TextRenderer&) = delete;

    // The largest size up to maxSize whose text fits w x h; 0 when none from 7 up fits.
    int FitSize(std::string_view text, int w, int h, int maxSize);
    // Width and height of the text at a size.
    TextBox Measure(std::string_view text, int size);
    // Draws the text centred on (cx, cy).
    void Draw(Canvas& canvas, std::string_view text, int size, int cx, int cy, Colour colour);
    // A label: the text on a white round-cornered plate with a dark outline, centred on
    // (cx, cy) and as large as fits maxW x maxH. Nothing is drawn if it cannot fit.
    void Label(Canvas& canvas, std::string_view text, int cx, int cy, int maxW, int maxH,
               int maxSize = 28);

  private:
    _TTF_Font* Font(int size);

    std::string fontPath_;
    std::map<int, _TTF_Font*> fonts_;
};

// The bold sans-serif font the labels use.
std::string DefaultFontPath();

} // namespace vocassets
