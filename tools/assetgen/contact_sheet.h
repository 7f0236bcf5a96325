// One picture showing every picture of a pack with its name: stills in a cell
// each, animations with all their frames in a grid in one cell.
#pragma once

#include "canvas.h"
#include "text.h"

#include <string>
#include <vector>

namespace vocassets {

struct ContactSheetOptions {
    std::string packDir; // holds Images/
    int columns = 12;
    std::string filter;                  // only rows whose name contains this; empty for all
    std::size_t first = 0;               // page through a long pack:
    std::size_t count = std::size_t(-1); // rows first .. first + count - 1
};

// Pictures that could not be read are listed in missing and drawn as a red cell.
Canvas BuildContactSheet(const ContactSheetOptions& options, TextRenderer& text,
                         std::vector<std::string>& missing);

} // namespace vocassets
