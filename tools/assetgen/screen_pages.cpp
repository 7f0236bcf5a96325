#include "screen_pages.h"

#include "bmp_reader.h"
#include "manifest.h"
#include "placements.h"
#include "screen_lists.h"

#include <algorithm>
#include <cstdlib>

namespace vocassets {
namespace {

constexpr int kPageW = 640;
constexpr int kPageH = 480;
constexpr int kGap = 10;
constexpr int kTitleH = 30;

bool IsMapBackground(const char* picture) {
    return std::string_view(picture).starts_with("background-");
}

// A record's frame as the game names it: numbered files for an animation.
std::string FrameFile(std::string_view picture, int frames, int frame) {
    std::string file(picture);
    return frames > 1 ? file + std::to_string(frame) + ".bmp" : file;
}

std::optional<DecodedBmp> ReadPicture(const std::string& packDir, const std::string& file,
                                      std::vector<std::string>& missing) {
    std::optional<DecodedBmp> bmp = ReadBmpFile(packDir + "/Images/" + file);
    if (!bmp) {
        missing.push_back(file);
    }
    return bmp;
}

Colour ColourAt(const DecodedBmp& bmp, std::size_t i) {
    return bmp.palette[bmp.indices[i] % bmp.palette.size()];
}

void DrawPicture(Canvas& sheet, int left, const CreationRecord& record, const std::string& packDir,
                 std::vector<std::string>& missing) {
    std::string file = FrameFile(record.picture, int(record.frames), 1);
    const AssetEntry* entry = FindAsset(file);
    if (entry == nullptr) {
        missing.push_back(file);
        return;
    }
    std::optional<DecodedBmp> bmp = ReadPicture(packDir, file, missing);
    if (!bmp) {
        return;
    }
    bool keyed = entry->Keyed() && !record.kind.opaque;
    for (int y = 0; y < bmp->height; ++y) {
        for (int x = 0; x < bmp->width; ++x) {
            std::size_t i = std::size_t(y) * bmp->width + x;
            int px = static_cast<int>(record.x) + x;
            int py = static_cast<int>(record.y) + y;
            if ((keyed && bmp->indices[i] == 0) || px < 0 || py < 0 || px >= kPageW ||
                py >= kPageH) {
                continue;
            }
            sheet.Set(left + px, kTitleH + py, ColourAt(*bmp, i));
        }
    }
}

// Buttons and question panels wait for their question; they are no part of the scene.
bool IsQuestionPart(const CreationRecord& record) {
    const PictureRow* row = FindPictureRow(record.picture);
    return row != nullptr && (row->art == Art::Panel || row->art == Art::Button);
}

// Clickable from the start, or a lit copy the screen makes clickable later.
bool IsThingToClick(const CreationRecord& record) {
    return (record.clickable || IsLitCopy(record.picture)) && !IsQuestionPart(record);
}

// Whether a hidden record is the plain drawing a highlight of the list lights
// (the carousel under its highlight): the screen shows it from the start.
bool LitByAHighlight(const ScreenList& screen, const CreationRecord& record) {
    for (const CreationRecord& other : screen.list()) {
        const PictureRow* plain = PlainTwinOf(other.picture);
        if (plain != nullptr && std::string_view(plain->name) == record.picture) {
            return true;
        }
    }
    return false;
}

// The page the list composes at entry, lit or not, with only the layers below
// a given one.
void DrawPage(Canvas& sheet, int left, const ScreenList& screen, bool lit,
              const std::string& packDir, std::vector<std::string>& missing,
              LONG belowLayer = 1000) {
    std::vector<CreationRecord> drawn;
    for (const CreationRecord& record : screen.list()) {
        if (screen.ownBackground != nullptr && IsMapBackground(record.picture)) {
            if (std::string_view(record.picture) == screen.ownBackground) {
                CreationRecord own = record;
                own.x = 0;
                own.y = 0;
                drawn.push_back(own);
            }
            continue;
        }
        if (record.layer >= belowLayer) {
            continue;
        }
        if (record.shown || LitByAHighlight(screen, record) || (lit && IsThingToClick(record))) {
            drawn.push_back(record);
        }
    }
    std::stable_sort(
        drawn.begin(), drawn.end(),
        [](const CreationRecord& a, const CreationRecord& b) { return a.layer < b.layer; });
    sheet.FillRect(left, kTitleH, kPageW, kPageH, 0x000000);
    for (const CreationRecord& record : drawn) {
        DrawPicture(sheet, left, record, packDir, missing);
    }
}

// The display keeps fewer bits a colour than the pack's pictures.
bool SameOnScreen(Colour a, Colour b) {
    for (int shift : {0, 8, 16}) {
        if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > 12) {
            return false;
        }
    }
    return true;
}

// Lights one frame of a hidden thing to click on the sheet where the shot
// still shows its unlit drawing: the page under it, or, for a highlight over
// an animated object, that object's same frame. Answers how many pixels
// matched; draws them only when asked.
int LightWhereUnlit(Canvas& sheet, int left, const CreationRecord& record, const Canvas& shot,
                    const Canvas& under, const PictureRow* twin, int frame, bool draw,
                    const std::string& packDir, std::vector<std::string>& missing) {
    std::optional<DecodedBmp> lit =
        ReadPicture(packDir, FrameFile(record.picture, int(record.frames), frame), missing);
    std::optional<DecodedBmp> plain;
    if (twin != nullptr) {
        plain = ReadPicture(packDir, FrameFile(twin->name, twin->frames, frame), missing);
    }
    if (!lit || (twin != nullptr && !plain)) {
        return 0;
    }
    int count = 0;
    for (int y = 0; y < lit->height; ++y) {
        for (int x = 0; x < lit->width; ++x) {
            int px = int(record.x) + x;
            int py = int(record.y) + y;
            std::size_t i = std::size_t(y) * lit->width + x;
            if (lit->indices[i] == 0 || px < 0 || py < 0 || px >= kPageW || py >= kPageH ||
                px >= shot.Width() || py >= shot.Height()) {
                continue;
            }
            Colour unlit = under.At(px, kTitleH + py);
            if (twin != nullptr) {
                if (i >= plain->indices.size() || plain->indices[i] == 0) {
                    continue;
                }
                unlit = ColourAt(*plain, i);
            }
            if (SameOnScreen(shot.At(px, py), unlit)) {
                ++count;
                if (draw) {
                    sheet.Set(left + px, kTitleH + py, ColourAt(*lit, i));
                }
            }
        }
    }
    return count;
}

// The game's own page at entry, and over it, when lit, every hidden thing to
// click lit where its object stands. A lit pixel replaces only a pixel that
// still shows the unlit drawing, so what the game laid over the thing stays
// in front of it; a highlight over an animated object lights the frame the
// page shows.
void DrawOverShot(Canvas& sheet, int left, const ScreenList& screen, const Canvas& shot, bool lit,
                  const std::string& packDir, std::vector<std::string>& missing) {
    for (int y = 0; y < std::min(kPageH, shot.Height()); ++y) {
        for (int x = 0; x < std::min(kPageW, shot.Width()); ++x) {
            sheet.Set(left + x, kTitleH + y, shot.At(x, y));
        }
    }
    if (!lit) {
        return;
    }
    for (const CreationRecord& record : screen.list()) {
        if (record.shown || !IsThingToClick(record) || IsMapBackground(record.picture)) {
            continue;
        }
        const PictureRow* twin = PlainTwinOf(record.picture);
        Canvas under(kPageW, kTitleH + kPageH, 0);
        if (twin == nullptr) {
            DrawPage(under, 0, screen, false, packDir, missing, record.layer);
        }
        int bestFrame = 1;
        int bestCount = -1;
        for (int frame = 1; twin != nullptr && frame <= record.frames; ++frame) {
            int count = LightWhereUnlit(sheet, left, record, shot, under, twin, frame, false,
                                        packDir, missing);
            if (count > bestCount) {
                bestCount = count;
                bestFrame = frame;
            }
        }
        LightWhereUnlit(sheet, left, record, shot, under, twin, bestFrame, true, packDir, missing);
    }
}

} // namespace

Canvas ScreenSheet(int screen, const std::string& packDir, TextRenderer& text,
                   std::vector<std::string>& missing, const Canvas* entryShot) {
    Canvas sheet(2 * kPageW + kGap, kTitleH + kPageH, 0xF8F8F8);
    std::span<const ScreenList> screens = ScreenLists();
    auto it = std::find_if(screens.begin(), screens.end(),
                           [&](const ScreenList& s) { return s.screen == screen; });
    if (it == screens.end()) {
        return sheet;
    }
    if (entryShot != nullptr) {
        DrawOverShot(sheet, 0, *it, *entryShot, false, packDir, missing);
        DrawOverShot(sheet, kPageW + kGap, *it, *entryShot, true, packDir, missing);
    } else {
        DrawPage(sheet, 0, *it, false, packDir, missing);
        DrawPage(sheet, kPageW + kGap, *it, true, packDir, missing);
    }
    std::string title = "screen " + std::to_string(screen) + ": " + it->name;
    text.Draw(sheet, title + " at entry", 16, kPageW / 2, kTitleH / 2, kBlack);
    text.Draw(sheet, title + ", every thing to click lit", 16, kPageW + kGap + kPageW / 2,
              kTitleH / 2, kBlack);
    return sheet;
}

} // namespace vocassets
