// Each screen's page as a child meets it, the game's own or composed from the
// pack's pictures and the screen's creation list, beside the same page with
// every thing to click lit. The one place to judge how a screen's pictures
// fit together.
#pragma once

#include "canvas.h"
#include "text.h"

#include <string>
#include <vector>

namespace vocassets {

// The two pages side by side under the screen's number and name. With the
// game's own screenshot of the screen just after entry, that is the page at
// entry, and the lit page is the same with every thing to click lit over it;
// without, both are composed from the creation list. Pictures that cannot be
// read are added to missing.
Canvas ScreenSheet(int screen, const std::string& packDir, TextRenderer& text,
                   std::vector<std::string>& missing, const Canvas* entryShot = nullptr);

} // namespace vocassets
