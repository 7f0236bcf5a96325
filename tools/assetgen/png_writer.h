// A true-colour PNG file of a canvas, compressed with zlib.
#pragma once

#include "canvas.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vocassets {

std::vector<std::uint8_t> EncodePng(const Canvas& canvas);
bool WritePng(const Canvas& canvas, const std::string& path);

} // namespace vocassets
