// The per-screen record tables, one accessor per list, defined in the
// scene/lists_*.cpp files and gathered by creation_lists.cpp.
#pragma once

#include <span>

#include "scene/creation_lists.h"
#include "scene/creation_record.h"

std::span<const CreationRecord> SignInList();        // 22
std::span<const CreationRecord> CentreMapList();     // 1
std::span<const CreationRecord> LeftMapList();       // 12
std::span<const CreationRecord> RightMapList();      // 13
std::span<const CreationRecord> BalloonRewardList(); // 21
std::span<const CreationRecord> EndScreenList();     // 26
std::span<const CreationRecord> CircusList();        // 2
std::span<const CreationRecord> GasStationList();    // 3
std::span<const CreationRecord> RaceList();          // 24
std::span<const CreationRecord> AlphabetList();      // 4
std::span<const CreationRecord> FishingList();       // 7
std::span<const CreationRecord> SchoolList();        // 6
std::span<const CreationRecord> MovingDayList();     // 8
std::span<const CreationRecord> BathroomList();      // 5
std::span<const CreationRecord> BedroomList();       // 9
std::span<const CreationRecord> KitchenList();       // 10
std::span<const CreationRecord> LivingRoomList();    // 11
std::span<const CreationRecord> DaysList();          // 14
std::span<const CreationRecord> JobsList();          // 15
// The part of JobsList created only while PromptVariantFlag is 0.
std::span<const CreationRecord> JobsVariantHeads();
std::span<const CreationRecord> MonthsLaunchList();  // 16
std::span<const CreationRecord> MonthsToMarsList();  // 17
std::span<const CreationRecord> MonthsOnMarsList();  // 18
std::span<const CreationRecord> MonthsToEarthList(); // 19
std::span<const CreationRecord> MonthsLandingList(); // 20
std::span<const CreationRecord> GroceryList();       // 25

std::span<const CreationRecord> RoomTransitionTable(Room room);
std::span<const CreationRecord> CartItemTable();
