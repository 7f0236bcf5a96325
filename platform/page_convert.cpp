// Pages in any of the three layouts turned into plain RGB for screenshots and tests.
#include "platform/page.h"
#include "platform/pixel_format.h"

namespace platform {

void ConvertToRgb24(const PageView& page, std::vector<uint8_t>& rgb) {
    rgb.resize(size_t(page.width) * page.height * 3);
    if (!page.pixels)
        return;
    const int bytes = page.bitsPerPixel / 8;
    uint8_t* out = rgb.data();
    for (int y = 0; y < page.height; ++y) {
        const uint8_t* row = page.pixels + size_t(y) * page.pitch;
        for (int x = 0; x < page.width; ++x, row += bytes, out += 3) {
            uint32_t colour = UnpackRgb(page.bitsPerPixel, LoadRaw(row, bytes));
            out[0] = static_cast<uint8_t>(colour >> 16);
            out[1] = static_cast<uint8_t>(colour >> 8);
            out[2] = static_cast<uint8_t>(colour);
        }
    }
}

} // namespace platform
