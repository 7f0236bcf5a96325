// Every screen's creation list as the generator, its contact sheet and the
// pack's tests read it, in the order a picture's first place is looked for.
#pragma once

#include "scene/creation_record.h"

#include <span>

namespace vocassets {

struct ScreenList {
    int screen;
    const char* name; // short, for file names
    std::span<const CreationRecord> (*list)();
    const char* ownBackground; // a map's backdrop, which stands at (0, 0) on it; null elsewhere
};

std::span<const ScreenList> ScreenLists();

} // namespace vocassets
