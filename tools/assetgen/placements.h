// Where the screens put the pictures a backdrop must show. A thing the child
// clicks (a vehicle at the pumps, a place on a map) is drawn on the backdrop
// at its object's place, and the object's own picture is its lit copy, shown
// exactly over it. Positions come from the game's own creation lists.
#pragma once

#include "manifest.h"

#include <optional>
#include <string_view>
#include <vector>

namespace vocassets {

struct ScreenPoint {
    int x;
    int y;
};

// A picture drawn on a backdrop, its top-left corner relative to the backdrop's.
struct PlacedDrawing {
    const PictureRow* row;
    int x;
    int y;
};

// Whether the picture is the lit copy of something a backdrop draws.
bool IsLitCopy(std::string_view picture);

// The plain picture whose drawing a highlight lights, when it lights a shown
// object rather than the backdrop ("merrygo-click-" lights "merrygo-"); null otherwise.
const PictureRow* PlainTwinOf(std::string_view picture);

// The lit copies the backdrop carries, where the first screen creating both puts them.
std::vector<PlacedDrawing> DrawingsOnBackdrop(std::string_view backdrop);

// Where the first screen that creates the picture puts it.
std::optional<ScreenPoint> PlaceOf(std::string_view picture);

} // namespace vocassets
