#include "contact_sheet.h"

#include "bmp_reader.h"
#include "manifest.h"

#include <algorithm>
#include <cmath>

namespace vocassets {
namespace {

constexpr int kCellW = 160;
constexpr int kCellH = 140;
constexpr int kThumbW = 150;
constexpr int kThumbH = 112;

// The key colour shows as a light chequer, so transparent parts read as such.
Colour Backdrop(int x, int y) {
    return ((x / 6 + y / 6) % 2) != 0 ? 0xE4E4E4 : 0xCCCCCC;
}

// Draws the bitmap scaled to fit the box, averaging the pixels each one covers.
void DrawScaled(Canvas& sheet, const DecodedBmp& bmp, bool keyed, int bx, int by, int bw, int bh) {
    double scale = std::min({1.0, bw / double(bmp.width), bh / double(bmp.height)});
    int w = std::max(1, int(bmp.width * scale));
    int h = std::max(1, int(bmp.height * scale));
    int left = bx + (bw - w) / 2;
    int top = by + (bh - h) / 2;
    for (int y = 0; y < h; ++y) {
        int y0 = int(y / scale);
        int y1 = std::max(y0 + 1, std::min(bmp.height, int((y + 1) / scale)));
        for (int x = 0; x < w; ++x) {
            int x0 = int(x / scale);
            int x1 = std::max(x0 + 1, std::min(bmp.width, int((x + 1) / scale)));
            double r = 0, g = 0, b = 0;
            int n = 0;
            for (int sy = y0; sy < y1; ++sy) {
                for (int sx = x0; sx < x1; ++sx) {
                    std::uint8_t index = bmp.indices[std::size_t(sy) * bmp.width + sx];
                    Colour c = keyed && index == 0 ? Backdrop(left + x, top + y)
                                                   : bmp.palette[index % bmp.palette.size()];
                    r += (c >> 16) & 0xFF;
                    g += (c >> 8) & 0xFF;
                    b += c & 0xFF;
                    ++n;
                }
            }
            sheet.Set(left + x, top + y,
                      (Colour(r / n) << 16) | (Colour(g / n) << 8) | Colour(b / n));
        }
    }
}

} // namespace

Canvas BuildContactSheet(const ContactSheetOptions& options, TextRenderer& text,
                         std::vector<std::string>& missing) {
    std::vector<const PictureRow*> rows;
    for (const PictureRow& row : PictureRows()) {
        if (options.filter.empty() ||
            std::string_view(row.name).find(options.filter) != std::string_view::npos) {
            rows.push_back(&row);
        }
    }
    rows.erase(rows.begin(), rows.begin() + std::min(options.first, rows.size()));
    rows.resize(std::min(rows.size(), options.count));
    int columns = std::max(1, options.columns);
    int lines = std::max(1, int((rows.size() + columns - 1) / columns));
    Canvas sheet(columns * kCellW, lines * kCellH, 0xF8F8F8);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const PictureRow& row = *rows[i];
        int cx = int(i % columns) * kCellW;
        int cy = int(i / columns) * kCellH;
        int frames = std::max(1, row.frames);
        int gridCols =
            frames == 1
                ? 1
                : std::max(1, int(std::ceil(std::sqrt(frames * double(kThumbW) / kThumbH))));
        int gridRows = (frames + gridCols - 1) / gridCols;
        int tileW = kThumbW / gridCols;
        int tileH = kThumbH / gridRows;
        for (int f = 0; f < frames; ++f) {
            std::string file = frames > 1 ? row.name + std::to_string(f + 1) + ".bmp" : row.name;
            const AssetEntry* entry = FindAsset(file);
            std::optional<DecodedBmp> bmp = ReadBmpFile(options.packDir + "/Images/" + file);
            int tx = cx + 5 + (f % gridCols) * tileW;
            int ty = cy + 4 + (f / gridCols) * tileH;
            if (!bmp || entry == nullptr) {
                missing.push_back(file);
                sheet.FillRect(tx, ty, tileW - 1, tileH - 1, 0xE02020);
                continue;
            }
            DrawScaled(sheet, *bmp, entry->Keyed(), tx, ty, tileW - 1, tileH - 1);
        }
        std::string label = frames > 1 ? std::string(row.name) + "1.." + std::to_string(frames)
                                       : std::string(row.name);
        int size = text.FitSize(label, kCellW - 4, 20, 11);
        text.Draw(sheet, label, size, cx + kCellW / 2, cy + kThumbH + 14, 0x202020);
    }
    return sheet;
}

} // namespace vocassets
