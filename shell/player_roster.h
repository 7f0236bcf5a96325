// The children who play and the balloons each has won, kept in the progress
// file "play-sp-demo.dat" of the install directory.
#pragma once

#include <string>

#include "platform/win32.h"
#include "shell/progress_file.h"

// The activities that award a balloon, in the order of the record's flags.
enum class BalloonActivity {
    FishingForLetters = 0,
    CircusAnimals = 1,
    SchoolClassroom = 2,
    MovingDayRooms = 3,
    DaysOfTheWeek = 4,
    Jobs = 5,
    MonthsTrip = 6,
    Race = 7,
    GroceryStore = 8,
};

constexpr int kBalloonActivities = 9;
constexpr int kPlayerSlots = kProgressSlots;

// The signed-in child's balloons in this run.
class BalloonRecord {
  public:
    bool HasWon(BalloonActivity activity) const { return flags[static_cast<int>(activity)]; }
    void Award(BalloonActivity activity);
    int Count() const { return count; }

  private:
    bool flags[kBalloonActivities] = {};
    LONG count = 0;
};

class PlayerRoster {
  public:
    // Reads the progress file; a missing one leaves every slot free.
    void Load();
    // Writes the progress file, unless Load found one it could not read.
    void Save();

    std::string GetName(int slot) const;
    void SetName(int slot, const std::string& name);
    void SetCurrent(int slot);
    int GetCurrent() const { return current; }
    bool HasColumn(int column) const;
    void SetColumn(int column);
    void ClearSlot(int slot);

    // Every balloon of the record becomes the current slot's for good.
    void Merge(const BalloonRecord& record);
    // The current slot's balloons go back into the record.
    void RestoreBalloons(BalloonRecord& record) const;

  private:
    char path[256] = {};
    ProgressTable table; // the names and, by column, the flags of each slot
    int current = 0;
    // Why a file that is there could not be read (an errno), or 0. Such a file
    // is never replaced: the run plays with an empty roster and saves nothing.
    int unreadable = 0;
    bool unreadableSaid = false;
};
