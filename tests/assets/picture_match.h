// Reading pages back out of the pack: the page a screen shows under an object,
// how far a lit copy is the same drawing as that page, and whether a picture
// carries a caption.
#pragma once

#include "file_checks.h"
#include "scene/creation_record.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace vbtest {

// A picture of the generated pack, read once.
const Bitmap& PackBitmap(const std::string& file);

// A picture's frame as the game names it: numbered files for an animation.
std::string FrameFile(const std::string& picture, LONG frames, LONG frame);
// The file of a record's first frame.
std::string FirstFrame(const CreationRecord& record);
// The record of a list with that object id; throws when there is none.
const CreationRecord& RecordWithId(std::span<const CreationRecord> list, LONG id);

double Luminance(std::uint32_t c);

// A 640x480 page built from pictures laid on it.
struct Page {
    std::vector<std::uint32_t> pixels = std::vector<std::uint32_t>(640 * 480, 0);

    void Draw(const Bitmap& bmp, int x0, int y0, bool keyed);
    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * 640 + x]; }
};

// The page a screen shows at entry up to a layer: the objects created shown,
// layer by layer. A map's own backdrop (ownBackground) stands at (0, 0) and
// the other maps' backdrops, parked beside it for the scroll, are left out.
Page PageBelow(std::span<const CreationRecord> list, LONG layer, const char* ownBackground);

// Luminance correlation of the picture's drawing with the page under it, the
// lit rim along the key left out: 1 for the same drawing, near 0 for a plain patch.
double Correlation(const Bitmap& picture, const Page& page, int x0, int y0);

// Whether the bottom of a picture holds a line of lettering: several rows
// each crossed by many thin dark strokes, as a word's glyphs are.
bool CaptionAlongBottom(int width, int height, const std::function<std::uint32_t(int, int)>& at);

} // namespace vbtest
