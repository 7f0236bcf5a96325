// What the days of the week (14) share between their files: the turns of
// the week, and its end with the balloon.
#pragma once

#include "platform/win32.h"

namespace days {

constexpr LONG kRightMap = 13;
constexpr LONG kAwardState = 300; // the shared award and question from here

// Home: the right map, with its music.
void BackToTheMap();
// Counts the object's frame changes in stepCount; true once there are `frames`.
bool Animated(LONG id, LONG frames);
// States 20 to 28: after Sunday, the sunrise face and the balloons.
void EndOfTheWeek();
// The award and the question to play again, from kAwardState.
void AwardAndQuestion();

} // namespace days
