// The program's icon for the desktop: the guide monkey's face, drawn at each
// of the usual icon sizes and written as PNG files with a transparent ground.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vocassets {

// The sizes a desktop looks for under share/icons/hicolor/NxN/apps.
inline constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// One picture of size x size pixels: 8-bit red, green, blue, alpha, row by row.
std::vector<std::uint8_t> PaintIcon(int size);

// The PNG file of such a picture.
std::vector<std::uint8_t> EncodeRgbaPng(const std::vector<std::uint8_t>& rgba, int width,
                                        int height);

// Writes outDir/hicolor/NxN/apps/NAME.png for every size; false, with the
// reason, when a file could not be written.
bool WriteIcons(const std::string& outDir, const std::string& name, std::string* why);

} // namespace vocassets
