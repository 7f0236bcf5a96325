// Shared by the screen tests: where the child clicks, the script that signs a
// child in, and what a run's trace and screenshots say.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/game_run.h"

namespace townscript {

// Click points, inside the objects' pictures.
constexpr const char* kFirstRow = "400 64";
constexpr const char* kOk = "340 385";
constexpr const char* kErase = "485 385";
constexpr const char* kWelcomeOk = "410 350";
constexpr const char* kLeftArrow = "37 237";
constexpr const char* kRightArrow = "614 238";
constexpr const char* kCentreStop = "38 430";
constexpr const char* kLeftStop = "86 430";
constexpr const char* kRightStop = "553 430";
constexpr const char* kMapYes = "322 165";
constexpr const char* kMapNo = "392 165";
constexpr const char* kLake = "280 360";
constexpr const char* kBalloonExit = "45 384";
constexpr const char* kBalloonYes = "361 238";
constexpr const char* kBalloonNo = "431 238";

// Waits for the name prompt, clicks the first row and, when typed is not
// empty, types it; then OK. The tour starts right after.
std::string SignInScript(const std::string& typed);

// The recordings started, in order, without their channels.
std::vector<std::string> Sounds(const testing_support::GameResult& result);
// The screens entered, in order.
std::vector<int> Screens(const testing_support::GameResult& result);
// Time of the first event at or after the time `from` whose text is event; -1 when none.
int64_t TimeAfter(const testing_support::GameResult& result, const std::string& event,
                  int64_t from = 0);

// Whether wanted appears in events in this order (other events between).
::testing::AssertionResult InOrder(const std::vector<std::string>& events,
                                   const std::vector<std::string>& wanted);
bool Contains(const std::vector<std::string>& events, const std::string& event);

// A colour of a screenshot written by the script's shot command.
uint32_t ShotPixel(const testing_support::GameResult& result, const std::string& shot, int x,
                   int y);
// Whether two colours differ by at most tolerance in each channel.
bool Near(uint32_t a, uint32_t b, int tolerance = 12);
// Copies a screenshot to $VOCABULOON_SHOTS, when set, to be looked at.
void KeepShot(const testing_support::GameResult& result, const std::string& shot,
              const std::string& as);

// Replaces a recording of the install by silence of that length.
void WriteSilence(testing_support::GameInstall& install, const std::string& name, int ms);

} // namespace townscript
