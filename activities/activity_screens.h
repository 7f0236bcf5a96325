// The activities the full edition opens from the maps: the days of the week
// (14), the school classroom (6) and the circus (2).
#pragma once

#include "platform/win32.h"

struct ListElem;

constexpr LONG kCircus = 2;
constexpr LONG kClassroom = 6;
constexpr LONG kDaysOfTheWeek = 14;

void DaysUpdate();
void DaysClick(ListElem* selected);

void ClassroomUpdate();
void ClassroomClick(ListElem* selected);

void CircusUpdate();
void CircusClick(ListElem* selected);
