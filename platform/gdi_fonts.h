// Platform-internal: font objects, and the TrueType faces that draw them.
#pragma once

#include <SDL_ttf.h>

#include "platform/gdi.h"
#include "platform/gdi_objects.h"

namespace platform::gdi {

class FontObject final : public GdiObject {
  public:
    explicit FontObject(const LOGFONTA& description)
        : GdiObject(ObjectKind::Font), description_(description) {}
    // GetObjectA answers the LOGFONTA the font was made from.
    int Describe(int size, void* buffer) const override;
    int DescriptionSize() const override;
    const LOGFONTA& Description() const { return description_; }

  private:
    LOGFONTA description_;
};

// A font description turned into a face at a pixel size. font is null when
// the face's file cannot be opened; then nothing is drawn and sizes are 0.
struct ResolvedFont {
    TTF_Font* font = nullptr;
    int ascent = 0;   // rows above the baseline
    int height = 0;   // the cell: ascent plus descent
    int emHeight = 0; // the character height
    bool bold = false;
    bool antialiased = true;
};

ResolvedFont ResolveFont(const LOGFONTA& description);
// The font selected into the device context, or the stock system font.
const LOGFONTA& SelectedFont(HDC dc);
// The stock fonts, created when first asked for (SYSTEM_FONT, DEFAULT_GUI_FONT).
HGDIOBJ StockFont(int index);

} // namespace platform::gdi
