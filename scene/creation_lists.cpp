#include "scene/creation_lists.h"

#include "scene/lists_tables.h"
#include "scene/object_list.h"
#include "scene/screen_object.h"
#include "shell/globals.h"

namespace {

struct ScreenLists {
    LONG screenId;
    std::span<const CreationRecord> (*records)();
    // Records created only while PromptVariantFlag is 0; null for none.
    std::span<const CreationRecord> (*variantOnly)();
};

constexpr ScreenLists kScreens[] = {
    {1, CentreMapList, nullptr},      {2, CircusList, nullptr},
    {3, GasStationList, nullptr},     {4, AlphabetList, nullptr},
    {5, BathroomList, nullptr},       {6, SchoolList, nullptr},
    {7, FishingList, nullptr},        {8, MovingDayList, nullptr},
    {9, BedroomList, nullptr},        {10, KitchenList, nullptr},
    {11, LivingRoomList, nullptr},    {12, LeftMapList, nullptr},
    {13, RightMapList, nullptr},      {14, DaysList, nullptr},
    {15, JobsList, JobsVariantHeads}, {16, MonthsLaunchList, nullptr},
    {17, MonthsToMarsList, nullptr},  {18, MonthsOnMarsList, nullptr},
    {19, MonthsToEarthList, nullptr}, {20, MonthsLandingList, nullptr},
    {21, BalloonRewardList, nullptr}, {22, SignInList, nullptr},
    {24, RaceList, nullptr},          {25, GroceryList, nullptr},
    {26, EndScreenList, nullptr},
};

bool Contains(std::span<const CreationRecord> part, const CreationRecord& record) {
    return !part.empty() && &record >= part.data() && &record < part.data() + part.size();
}

} // namespace

void CreateScreenObjects(LONG screenId) {
    for (const ScreenLists& screen : kScreens) {
        if (screen.screenId != screenId)
            continue;
        std::span<const CreationRecord> skipped;
        if (screen.variantOnly && PromptVariantFlag != 0)
            skipped = screen.variantOnly();
        for (const CreationRecord& record : screen.records())
            if (!Contains(skipped, record))
                objectList.Add(CreateObject(record));
        return;
    }
}

std::span<const CreationRecord> RoomTransitionRecords(Room room) {
    return RoomTransitionTable(room);
}

const CreationRecord* CartItemRecord(LONG itemId) {
    std::span<const CreationRecord> items = CartItemTable();
    for (const CreationRecord& item : items)
        if (item.id == itemId)
            return &item;
    return nullptr;
}

void ForEachCreationRecord(const std::function<void(LONG screenId, const CreationRecord&)>& visit) {
    for (const ScreenLists& screen : kScreens)
        for (const CreationRecord& record : screen.records())
            visit(screen.screenId, record);
    for (Room room : {Room::Bathroom, Room::Bedroom, Room::Kitchen, Room::LivingRoom})
        for (const CreationRecord& record : RoomTransitionTable(room))
            visit(8, record);
    for (const CreationRecord& record : CartItemTable())
        visit(25, record);
}
