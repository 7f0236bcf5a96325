// Reads back a PNG the game wrote as a screenshot, or any 8-bit RGB or RGBA
// PNG without interlacing, onto a canvas (alpha is dropped).
#pragma once

#include "canvas.h"

#include <optional>
#include <string>

namespace vocassets {

std::optional<Canvas> ReadPng(const std::string& path);

} // namespace vocassets
