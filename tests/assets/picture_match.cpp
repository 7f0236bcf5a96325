#include "picture_match.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>
#include <string_view>

namespace vbtest {

const Bitmap& PackBitmap(const std::string& file) {
    static std::map<std::string, Bitmap> cache;
    auto it = cache.find(file);
    if (it == cache.end()) {
        Bitmap bmp;
        std::string error =
            ParseBitmap(ReadBytes(std::string(VOCASSETS_PACK_DIR) + "/Images/" + file), bmp);
        if (!error.empty()) {
            throw std::runtime_error(file + ": " + error);
        }
        it = cache.emplace(file, std::move(bmp)).first;
    }
    return it->second;
}

std::string FrameFile(const std::string& picture, LONG frames, LONG frame) {
    return frames > 1 ? picture + std::to_string(frame) + ".bmp" : picture;
}

std::string FirstFrame(const CreationRecord& record) {
    return FrameFile(record.picture, record.frames, 1);
}

const CreationRecord& RecordWithId(std::span<const CreationRecord> list, LONG id) {
    for (const CreationRecord& record : list) {
        if (record.id == id) {
            return record;
        }
    }
    throw std::runtime_error("no object " + std::to_string(id));
}

double Luminance(std::uint32_t c) {
    return 0.3 * ((c >> 16) & 0xFF) + 0.59 * ((c >> 8) & 0xFF) + 0.11 * (c & 0xFF);
}

void Page::Draw(const Bitmap& bmp, int x0, int y0, bool keyed) {
    for (int y = 0; y < bmp.height; ++y) {
        for (int x = 0; x < bmp.width; ++x) {
            int px = x0 + x;
            int py = y0 + y;
            std::uint32_t c = bmp.ColourAt(x, y);
            if (px < 0 || py < 0 || px >= 640 || py >= 480 || (keyed && IsKey(c))) {
                continue;
            }
            pixels[static_cast<std::size_t>(py) * 640 + px] = c;
        }
    }
}

Page PageBelow(std::span<const CreationRecord> list, LONG layer, const char* ownBackground) {
    Page page;
    std::vector<const CreationRecord*> shown;
    for (const CreationRecord& record : list) {
        bool isMapBackdrop = std::string_view(record.picture).starts_with("background-");
        if (ownBackground != nullptr && isMapBackdrop) {
            if (std::string_view(record.picture) == ownBackground) {
                page.Draw(PackBitmap(record.picture), 0, 0, false);
            }
            continue;
        }
        if (record.shown && record.layer < layer) {
            shown.push_back(&record);
        }
    }
    std::stable_sort(shown.begin(), shown.end(),
                     [](auto* a, auto* b) { return a->layer < b->layer; });
    for (const CreationRecord* record : shown) {
        page.Draw(PackBitmap(FirstFrame(*record)), static_cast<int>(record->x),
                  static_cast<int>(record->y), true);
    }
    return page;
}

namespace {

// Whether a drawn pixel lies within two pixels of the key: the lit rim round a
// lit copy is there, and it is no part of the drawing.
bool NearKey(const Bitmap& picture, int x, int y) {
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            int nx = x + dx;
            int ny = y + dy;
            if (nx >= 0 && ny >= 0 && nx < picture.width && ny < picture.height &&
                IsKey(picture.ColourAt(nx, ny))) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

double Correlation(const Bitmap& picture, const Page& page, int x0, int y0) {
    double n = 0, sa = 0, sb = 0, saa = 0, sbb = 0, sab = 0;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            int px = x0 + x;
            int py = y0 + y;
            if (px < 0 || py < 0 || px >= 640 || py >= 480 || IsKey(picture.ColourAt(x, y)) ||
                NearKey(picture, x, y)) {
                continue;
            }
            double a = Luminance(picture.ColourAt(x, y));
            double b = Luminance(page.At(px, py));
            n += 1;
            sa += a;
            sb += b;
            saa += a * a;
            sbb += b * b;
            sab += a * b;
        }
    }
    if (n == 0) {
        return 0.0;
    }
    double cov = sab - sa * sb / n;
    double va = saa - sa * sa / n;
    double vb = sbb - sb * sb / n;
    return va <= 0 || vb <= 0 ? 0.0 : cov / std::sqrt(va * vb);
}

bool CaptionAlongBottom(int width, int height, const std::function<std::uint32_t(int, int)>& at) {
    // Lettering: a row where at least five short, thin dark strokes follow
    // each other closely, as a word's glyphs do, on at least four rows of the
    // bottom third. Outlines cross a row far apart, and window bars or stalks
    // run on far taller than a caption's letters.
    constexpr int kStrokesInAWord = 5;
    constexpr int kLetterGap = 6;
    constexpr int kLetteredRows = 4;
    constexpr int kTallestLetter = 18;
    std::vector<char> dark(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint32_t c = at(x, y);
            dark[static_cast<std::size_t>(y) * width + x] = !IsKey(c) && Luminance(c) < 110;
        }
    }
    auto isDark = [&](int x, int y) { return dark[static_cast<std::size_t>(y) * width + x] != 0; };
    auto columnRun = [&](int x, int y) {
        int top = y;
        int bottom = y;
        while (top > 0 && isDark(x, top - 1)) {
            --top;
        }
        while (bottom + 1 < height && isDark(x, bottom + 1)) {
            ++bottom;
        }
        return bottom - top + 1;
    };
    int lettered = 0;
    for (int y = height - std::min(height / 3, 48); y < height; ++y) {
        int word = 0; // strokes of the word the row is crossing
        int longest = 0;
        int lastEnd = -kLetterGap - 1;
        for (int x = 0; x < width;) {
            if (!isDark(x, y)) {
                ++x;
                continue;
            }
            int start = x;
            while (x < width && isDark(x, y)) {
                ++x;
            }
            bool stroke = x - start <= 4 && columnRun((start + x - 1) / 2, y) <= kTallestLetter;
            word = stroke ? (start - lastEnd <= kLetterGap ? word + 1 : 1) : 0;
            lastEnd = x;
            longest = std::max(longest, word);
        }
        lettered += longest >= kStrokesInAWord ? 1 : 0;
    }
    return lettered >= kLetteredRows;
}

} // namespace vbtest
