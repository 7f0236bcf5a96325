// Shared by the text overlay tests: the global display on the headless host,
// a page painted in one colour to draw on, and where text landed on the page
// shown.
#pragma once

#include <climits>
#include <cstdint>
#include <string>

#include "platform/win32.h"

namespace texttest {

constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kYellow = 0xFFFF00;
constexpr uint32_t kMagenta = 0xFF00FF;

// The headless host, its window and the game's display, once per process.
void UseDisplay();

// Covers the page being drawn with one colour (0xRRGGBB).
void PaintPage(uint32_t rgb);
// Draws a picture of the asset pack at (x, y); false when the pack was not built.
bool DrawPackPicture(const char* name, LONG x, LONG y);
void ShowPage();

// The pixels of the shown page inside an area that differ from a colour.
struct Ink {
    int count = 0;
    int left = INT_MAX;
    int top = INT_MAX;
    int right = INT_MIN; // one past the last column
    int bottom = INT_MIN;
    bool Inside(const RECT& area) const {
        return count > 0 && left >= area.left && top >= area.top && right <= area.right &&
               bottom <= area.bottom;
    }
};
Ink InkOnPage(const RECT& area, uint32_t background);
Ink InkOnPage(uint32_t background);
// How many pixels of the area are exactly that colour.
int CountOnPage(const RECT& area, uint32_t rgb);

// Writes the shown page as NAME.png into the directory $VOCABULOON_SHOTS, when set.
void SaveShot(const std::string& name);

} // namespace texttest
