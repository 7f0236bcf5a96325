// Shared by the gas station and race tests: where the child clicks, the
// scripts that reach and play the vehicle game, and what its trace says.
#pragma once

#include <string>
#include <vector>

#include "support/game_run.h"

namespace vehiclescript {

// Click points, inside the objects' pictures.
constexpr const char* kLeftRoad = "200 450";
constexpr const char* kRightRoad = "300 450";
constexpr const char* kCar = "400 420";
constexpr const char* kTaxi = "300 290";
constexpr const char* kExit = "45 384";
constexpr const char* kGuideButton = "45 45";
constexpr const char* kHelp = "45 133";
constexpr const char* kHome = "45 220";
constexpr const char* kRaceYes = "362 195";
constexpr const char* kRaceNo = "432 195";
constexpr const char* kGasYes = "357 182";
constexpr const char* kGasNo = "427 182";
// Sign k's click point, k from 0 to 4.
std::string Sign(int k);

// From the title: LUCIA signs in, skips the tour, closes the welcome and
// takes the road of the left (or right) map.
std::string RoadScript(bool leftMap);
// At the gas station from its entry: waits for the presentation and the
// prompt, then picks the car.
std::string ChooseCarScript();
// From the race's entry to its first question.
constexpr int kFirstQuestionMs = 18000;
// In the race: after firstWaitMs, one click on a sign per turn, `turns`
// turns, each sign chosen by `signs` (repeating its last entry).
std::string TurnsScript(const std::vector<int>& signs, int turns,
                        int firstWaitMs = kFirstQuestionMs);

// The numbers spoken in the race, and the signs' numbers as each was asked.
struct RaceTurn {
    int asked = 0;
    std::vector<int> signs; // what each of the five signs showed
};
std::vector<RaceTurn> RaceTurns(const testing_support::GameResult& run);
// The sign that showed the asked number; -1 when none did.
int RightSign(const RaceTurn& turn);

// The horns of the presentation, in order.
std::vector<std::string> Horns(const testing_support::GameResult& run);
// Recordings started whose names begin with prefix.
std::vector<std::string> SoundsStarting(const testing_support::GameResult& run,
                                        const std::string& prefix);

} // namespace vehiclescript
