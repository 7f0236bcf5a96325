// Parts of the circus (2) shared by its files: the stand, the clown, and the
// three acts played after the ninth animal.
#pragma once

#include "activities/guide.h"
#include "platform/win32.h"

namespace circus {

constexpr LONG kAwardState = 40;
constexpr LONG kAnimalsPerGame = 9;

extern const GuideParts kClown;

// Every animal of the screen: the thirteen blue ones and the eleven white ones.
bool IsAnimal(LONG id);
void SetStandClickable(bool clickable);

// The act of actNumber (1 high wire, 2 lion, 3 cannon) set on the stage
// after the roll-in, and the state that plays it.
void PrepareAct(LONG act);
LONG ActState(LONG act);
// States 10 to 19 and 200 to 202; true while the state is an act's.
bool PlayAct();

} // namespace circus
