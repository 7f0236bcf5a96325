#include "screen_pages.h"

#include "bmp_reader.h"
#include "manifest.h"
#include "placements.h"
#include "scene/lists_tables.h"

#include <algorithm>

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

// The game's own page at entry, and over it, when lit, every hidden thing to
// click lit where its object stands.
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
    std::vector<CreationRecord> drawn;
    for (const CreationRecord& record : screen.list()) {
        if (!record.shown && (record.clickable || IsLitCopy(record.picture)) &&
            !IsQuestionPart(record) && !IsMapBackground(record.picture)) {
            drawn.push_back(record);
        }
    }
    std::stable_sort(
        drawn.begin(), drawn.end(),
        [](const CreationRecord& a, const CreationRecord& b) { return a.layer < b.layer; });
    for (const CreationRecord& record : drawn) {
        DrawPicture(sheet, left, record, packDir, missing);
    }
}

void DrawPage(Canvas& sheet, int left, const ScreenList& screen, bool lit,
              const std::string& packDir, std::vector<std::string>& missing) {
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
