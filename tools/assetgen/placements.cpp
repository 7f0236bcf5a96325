#include "placements.h"

#include "screen_lists.h"

#include <algorithm>
#include <cctype>

namespace vocassets {
namespace {

struct LitCopy {
    std::string_view backdrop;
    std::string_view picture;
};

// clang-format off
constexpr LitCopy kLitCopies[] = {
    {"gasstation.bmp", "ambulance-up.bmp"},
    {"gasstation.bmp", "bicycle-up.bmp"},
    {"gasstation.bmp", "bus-up.bmp"},
    {"gasstation.bmp", "car-up.bmp"},
    {"gasstation.bmp", "firetruck-up.bmp"},
    {"gasstation.bmp", "truck-up.bmp"},
    {"gasstation.bmp", "motorcycle-up.bmp"},
    {"gasstation.bmp", "pickup-up.bmp"},
    {"gasstation.bmp", "policecar-up.bmp"},
    {"gasstation.bmp", "taxi-up.bmp"},
    {"background-center.bmp", "pond.bmp"},
    {"background-center.bmp", "swings.bmp"},
    {"background-center.bmp", "arrowswitch-left.bmp"},
    {"background-center.bmp", "arrowswitch-right.bmp"},
    {"background-left.bmp", "moon.bmp"},
    {"background-left.bmp", "store.bmp"},
    {"background-left.bmp", "cityhall.bmp"},
    {"background-left.bmp", "tunnelleft.bmp"},
    {"background-left.bmp", "arrowswitch-left.bmp"},
    {"background-left.bmp", "arrowswitch-right.bmp"},
    {"background-right.bmp", "sun.bmp"},
    {"background-right.bmp", "house.bmp"},
    {"background-right.bmp", "school.bmp"},
    {"background-right.bmp", "tunnelright.bmp"},
    {"background-right.bmp", "arrowswitch-left.bmp"},
    {"background-right.bmp", "arrowswitch-right.bmp"},
    {"classroom-background.bmp", "schooldoor"},
    {"classroom-background.bmp", "schoolwindow"},
    {"classroom-background.bmp", "extinguisher"},
    {"classroom-background.bmp", "chalk"},
    {"classroom-background.bmp", "trashcan"},
};

// Highlights that light an object shown beneath them rather than the backdrop:
// the lit picture is the plain one's drawing, lit.
struct LitTwin {
    std::string_view lit;
    std::string_view plain;
};
constexpr LitTwin kLitTwins[] = {
    {"tunnelleft-overlay.bmp", "tunnel-left-overlay.bmp"},
    {"tunnelright-overlay.bmp", "tunnel-right-overlay.bmp"},
    {"merrygo-click-", "merrygo-"},
};
// clang-format on

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

const CreationRecord* Find(std::span<const CreationRecord> list, std::string_view picture) {
    for (const CreationRecord& record : list) {
        if (SameName(record.picture, picture)) {
            return &record;
        }
    }
    return nullptr;
}

// A full-screen map backdrop is created beside the screen for the scroll that
// brings it in, and stands at (0, 0) on its own map.
ScreenPoint BackdropOrigin(const CreationRecord& back) {
    const PictureRow* row = FindPictureRow(back.picture);
    if (row != nullptr && row->width == 640) {
        return {0, 0};
    }
    return {static_cast<int>(back.x), static_cast<int>(back.y)};
}

} // namespace

bool IsLitCopy(std::string_view picture) {
    return std::any_of(std::begin(kLitCopies), std::end(kLitCopies),
                       [&](const LitCopy& lit) { return SameName(lit.picture, picture); }) ||
           PlainTwinOf(picture) != nullptr;
}

const PictureRow* PlainTwinOf(std::string_view picture) {
    for (const LitTwin& twin : kLitTwins) {
        if (SameName(twin.lit, picture)) {
            return FindPictureRow(twin.plain);
        }
    }
    return nullptr;
}

std::vector<PlacedDrawing> DrawingsOnBackdrop(std::string_view backdrop) {
    std::vector<PlacedDrawing> out;
    for (const LitCopy& lit : kLitCopies) {
        if (!SameName(lit.backdrop, backdrop)) {
            continue;
        }
        for (const ScreenList& screen : ScreenLists()) {
            const CreationRecord* back = Find(screen.list(), backdrop);
            const CreationRecord* thing = Find(screen.list(), lit.picture);
            const PictureRow* row = FindPictureRow(lit.picture);
            if (back != nullptr && thing != nullptr && row != nullptr) {
                ScreenPoint origin = BackdropOrigin(*back);
                out.push_back({row, static_cast<int>(thing->x) - origin.x,
                               static_cast<int>(thing->y) - origin.y});
                break;
            }
        }
    }
    return out;
}

std::optional<ScreenPoint> PlaceOf(std::string_view picture) {
    for (const ScreenList& screen : ScreenLists()) {
        if (const CreationRecord* record = Find(screen.list(), picture)) {
            return ScreenPoint{static_cast<int>(record->x), static_cast<int>(record->y)};
        }
    }
    return std::nullopt;
}

} // namespace vocassets
