#include "screen_lists.h"

#include "scene/lists_tables.h"

namespace vocassets {
namespace {

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

} // namespace

std::span<const ScreenList> ScreenLists() {
    return kScreens;
}

} // namespace vocassets
