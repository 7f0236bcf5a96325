#include "screen_pages.h"

#include "bmp_reader.h"
#include "manifest.h"
#include "placements.h"
#include "scene/lists_tables.h"

#include <algorithm>
#include <cstdlib>

namespace vocassets {
namespace {

struct ScreenList {
    int screen;
    const char* name;
    std::span<const CreationRecord> (*list)();
    const char* ownBackground; // a map's background, which stands at (0, 0) on it
};

constexpr ScreenList kScreens[] = {
    {22, "sign-in", SignInList, nullptr},
    {1, "centre-map", CentreMapList, "background-center.bmp"},
    {12, "left-map", LeftMapList, "background-left.bmp"},
    {13, "right-map", RightMapList, "background-right.bmp"},
    {21, "balloons", BalloonRewardList, nullptr},
    {26, "end", EndScreenList, nullptr},
    {2, "circus", CircusList, nullptr},
    {3, "gas-station", GasStationList, nullptr},
    {24, "race", RaceList, nullptr},
    {4, "alphabet", AlphabetList, nullptr},
    {7, "fishing", FishingList, nullptr},
    {6, "classroom", SchoolList, nullptr},
    {8, "moving-day", MovingDayList, nullptr},
    {5, "bathroom", BathroomList, nullptr},
    {9, "bedroom", BedroomList, nullptr},
    {10, "kitchen", KitchenList, nullptr},
    {11, "living-room", LivingRoomList, nullptr},
    {14, "days", DaysList, nullptr},
    {15, "jobs", JobsList, nullptr},
    {16, "months-launch", MonthsLaunchList, nullptr},
    {17, "to-mars", MonthsToMarsList, nullptr},
    {18, "on-mars", MonthsOnMarsList, nullptr},
    {19, "to-earth", MonthsToEarthList, nullptr},
    {20, "landing", MonthsLandingList, nullptr},
    {25, "grocery", GroceryList, nullptr},
};

constexpr int kPageW = 640;
constexpr int kPageH = 480;
constexpr int kGap = 10;
constexpr int kTitleH = 30;

bool IsMapBackground(const char* picture) {
    return std::string_view(picture).starts_with("background-");
}

void DrawPicture(Canvas& sheet, int left, const CreationRecord& record, const std::string& packDir,
                 std::vector<std::string>& missing) {
    std::string file = record.picture;
    if (record.frames > 1) {
        file += "1.bmp";
    }
    const AssetEntry* entry = FindAsset(file);
    std::optional<DecodedBmp> bmp = ReadBmpFile(packDir + "/Images/" + file);
    if (!bmp || entry == nullptr) {
        missing.push_back(file);
        return;
    }
    bool keyed = entry->Keyed() && !record.kind.opaque;
    for (int y = 0; y < bmp->height; ++y) {
        for (int x = 0; x < bmp->width; ++x) {
            std::uint8_t index = bmp->indices[std::size_t(y) * bmp->width + x];
            int px = static_cast<int>(record.x) + x;
            int py = static_cast<int>(record.y) + y;
            if ((keyed && index == 0) || px < 0 || py < 0 || px >= kPageW || py >= kPageH) {
                continue;
            }
            sheet.Set(left + px, kTitleH + py, bmp->palette[index % bmp->palette.size()]);
        }
    }
}

// Buttons and question panels wait for their question; they are no part of the scene.
bool IsQuestionPart(const CreationRecord& record) {
    const PictureRow* row = FindPictureRow(record.picture);
    return row != nullptr && (row->art == Art::Panel || row->art == Art::Button);
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
        bool thingToClick =
            (record.clickable || IsLitCopy(record.picture)) && !IsQuestionPart(record);
        if (record.layer >= belowLayer) {
            continue;
        }
        if (record.shown || LitByAHighlight(screen, record) || (lit && thingToClick)) {
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

std::optional<DecodedBmp> ReadFrame(const std::string& packDir, std::string_view picture,
                                    int frames, int frame, std::vector<std::string>& missing) {
    std::string file(picture);
    if (frames > 1) {
        file += std::to_string(frame) + ".bmp";
    }
    std::optional<DecodedBmp> bmp = ReadBmpFile(packDir + "/Images/" + file);
    if (!bmp) {
        missing.push_back(file);
    }
    return bmp;
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

// The game's own page at entry, and over it, when lit, every hidden thing to
// click lit where its object stands. A lit pixel replaces only a pixel that
// still shows the unlit drawing, so what the game laid over the thing stays
// in front of it; a highlight over an animated object lights the frame the
// page shows.
void DrawOverShot(Canvas& sheet, int left, const ScreenList& screen, const Canvas& shot, bool lit,
                  const std::string& packDir, std::vector<std::string>& missing) {
    auto shotAt = [&](int x, int y) {
        return x < shot.Width() && y < shot.Height() ? shot.At(x, y) : Colour(0);
    };
    for (int y = 0; y < kPageH; ++y) {
        for (int x = 0; x < kPageW; ++x) {
            sheet.Set(left + x, kTitleH + y, shotAt(x, y));
        }
    }
    if (!lit) {
        return;
    }
    for (const CreationRecord& record : screen.list()) {
        if (record.shown || !(record.clickable || IsLitCopy(record.picture)) ||
            IsQuestionPart(record) || IsMapBackground(record.picture)) {
            continue;
        }
        const PictureRow* twin = PlainTwinOf(record.picture);
        Canvas under(kPageW, kTitleH + kPageH, 0);
        if (twin == nullptr) {
            DrawPage(under, 0, screen, false, packDir, missing, record.layer);
        }
        int frames = twin != nullptr ? int(record.frames) : 1;
        int bestFrame = 1;
        int bestCount = -1;
        for (int pass = 0; pass < 2; ++pass) {
            for (int frame = pass == 0 ? 1 : bestFrame; frame <= (pass == 0 ? frames : bestFrame);
                 ++frame) {
                auto litBmp =
                    ReadFrame(packDir, record.picture, int(record.frames), frame, missing);
                std::optional<DecodedBmp> plainBmp;
                if (twin != nullptr) {
                    plainBmp = ReadFrame(packDir, twin->name, twin->frames, frame, missing);
                }
                if (!litBmp || (twin != nullptr && !plainBmp)) {
                    return;
                }
                int count = 0;
                for (int y = 0; y < litBmp->height; ++y) {
                    for (int x = 0; x < litBmp->width; ++x) {
                        int px = int(record.x) + x;
                        int py = int(record.y) + y;
                        std::size_t i = std::size_t(y) * litBmp->width + x;
                        if (litBmp->indices[i] == 0 || px < 0 || py < 0 || px >= kPageW ||
                            py >= kPageH) {
                            continue;
                        }
                        Colour plain = under.At(px, kTitleH + py);
                        if (twin != nullptr) {
                            std::uint8_t index =
                                i < plainBmp->indices.size() ? plainBmp->indices[i] : 0;
                            if (index == 0) {
                                continue;
                            }
                            plain = plainBmp->palette[index % plainBmp->palette.size()];
                        }
                        if (!SameOnScreen(shotAt(px, py), plain)) {
                            continue;
                        }
                        ++count;
                        if (pass == 1) {
                            sheet.Set(left + px, kTitleH + py,
                                      litBmp->palette[litBmp->indices[i] % litBmp->palette.size()]);
                        }
                    }
                }
                if (pass == 0 && count > bestCount) {
                    bestCount = count;
                    bestFrame = frame;
                }
            }
        }
    }
}

} // namespace

std::vector<ScreenName> ScreensWithLists() {
    std::vector<ScreenName> out;
    for (const ScreenList& s : kScreens) {
        out.push_back({s.screen, s.name});
    }
    return out;
}

Canvas ScreenSheet(int screen, const std::string& packDir, TextRenderer& text,
                   std::vector<std::string>& missing, const Canvas* entryShot) {
    Canvas sheet(2 * kPageW + kGap, kTitleH + kPageH, 0xF8F8F8);
    auto it = std::find_if(std::begin(kScreens), std::end(kScreens),
                           [&](const ScreenList& s) { return s.screen == screen; });
    if (it == std::end(kScreens)) {
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
