#include "shell/player_roster.h"

// Progress is kept once the roster's file handling lands; until then a run
// starts and ends with what is on disk untouched.
void PlayerRoster::Load() {}
void PlayerRoster::Merge(const BalloonRecord&) {}
void PlayerRoster::Save() {}
