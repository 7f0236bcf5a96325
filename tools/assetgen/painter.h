// Paints one picture of the pack (a still, or one frame of an animation) from
// its manifest row.
#pragma once

#include "canvas.h"
#include "manifest.h"
#include "text.h"

#include <string>

namespace vocassets {

// frame is 1..row.frames for an animation and 0 for a still.
Canvas PaintPicture(const PictureRow& row, int frame, TextRenderer& text);

// The picture's drawing as a backdrop shows it: a lit copy without its light.
Canvas PaintDrawing(const PictureRow& row, int frame, TextRenderer& text);

// The caption a picture shows: the row's own, or its name without the
// extension, "-sp" and trailing dashes, dashes turned into spaces.
std::string CaptionOf(const PictureRow& row);

} // namespace vocassets
