// Screen 21: the guide counts the child's balloons; nine bring the surprise.
#pragma once

#include "activities/guide.h"

struct ListElem;

void BalloonRewardUpdate();
void BalloonRewardClick(ListElem* selected);

// The surprise (balloon_surprise.cpp): states 110 to 122, 600 and 601.
void BalloonSurpriseUpdate();

constexpr LONG kBalloonCounter = 483;

// The guide holding the balloons rests where the wet guide comes back to.
inline constexpr GuideParts kBalloonGuide{
    488, {60, 153}, {60, 503}, {0, -25}, {187, 621}, {174, 234}, 10, 0, 0,
};
inline constexpr GuideParts kWetGuide{
    902, {60, 153}, {60, 503}, {0, -25}, {187, 621}, {174, 234}, 10, 0, 0,
};
