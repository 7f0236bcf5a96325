// Platform-internal: how a finished page reaches the screen (or the headless
// frame buffer) and how pages are turned into plain RGB for screenshots.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct PageView {
    const uint8_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int pitch = 0;        // bytes per row
    int bitsPerPixel = 0; // 16 (5-6-5), 24 (B, G, R) or 32 (0x00RRGGBB)
};

// Shows a finished page: called by Flip and by a copy onto the primary surface.
// Paces the game (vertical blank or a 60 Hz tick), advances the headless clock
// and runs the headless script's commands that are due.
void ShowPage(const PageView& page);

// The page as 8-bit R, G, B triples, rows top-down.
void ConvertToRgb24(const PageView& page, std::vector<uint8_t>& rgb);

// Writes 8-bit RGB rows as a PNG file; false when the file cannot be written.
bool WritePng(const std::string& path, const uint8_t* rgb, int width, int height);

} // namespace platform
