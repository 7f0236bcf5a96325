// The children who play and the balloons each has won, kept in the progress
// file of the install directory.
#pragma once

#include "platform/win32.h"

// The current child's nine balloon flags.
class BalloonRecord {
  public:
    bool flags[9] = {};
    LONG count = 0;
};

class PlayerRoster {
  public:
    void Load();
    void Merge(const BalloonRecord& record);
    void Save();
};
