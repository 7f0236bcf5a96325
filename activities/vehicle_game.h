// The vehicle game: the gas station (3), where the child picks a vehicle
// while numbers are spoken, and the race (24) it drives in.
#pragma once

#include <cstddef>

#include "platform/win32.h"

struct ListElem;

constexpr LONG kGasStation = 3;
constexpr LONG kRace = 24;

void GasStationUpdate();
void GasStationClick(ListElem* selected);

void RaceUpdate();
void RaceClick(ListElem* selected);
// The race's scene keeps moving while the screen pauses.
void RaceBusyWaitWork(DWORD now);

// The number range the road started (1 to 10, 11 to 20, 10 to 100); a
// screen entered some other way plays the first.
LONG CurrentNumberRange();
// The k-th number of the current range, k from 0 to 9.
LONG RangeNumber(LONG k);
// The Spanish recording of a number: "number-007-sp.wav", "number-100-sp.wav".
void NumberRecording(LONG number, char* file, size_t size);
// Home is the map whose road led here.
void VehicleGameHome();
