// Shared by the activity tests: the child in the progress file, the trace
// lines with which a screen tells what it has drawn, and times between events.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "activities/town_script.h"
#include "support/game_run.h"

namespace activityruns {

constexpr const char* kAna = "ANA; 0 0 0 0 0 0 0 0 0 ";
// ANA holding the balloons of the file columns marked 1, in column order.
std::string AnaWith(const std::string& columns);

// The words of the trace lines starting with `prefix ` (the prefix left out).
std::vector<std::vector<std::string>> Notes(const testing_support::GameResult& run,
                                            const std::string& prefix);
// The time of the n-th event (from 1) equal to `event`; -1 when there are fewer.
int64_t NthTimeOf(const testing_support::GameResult& run, const std::string& event, int n);
// Count of events equal to `event`.
int Count(const std::vector<std::string>& events, const std::string& event);
// The events after the first one equal to `from`.
std::vector<std::string> EventsAfter(const testing_support::GameResult& run,
                                     const std::string& from);

std::string Wait(int64_t ms);
std::string Click(int x, int y);

// An activity's tests: one install where ANA has signed in, and every run
// with the same arguments (the same calendar time, so the same draws).
class ActivityTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing_support::WriteTextFile(install.dir() + "/play-sp-demo.dat", kAna);
    }
    testing_support::GameResult Play(const std::string& script) {
        return install.Run(script, args);
    }

    testing_support::GameInstall install;
    std::vector<std::string> args;
};

} // namespace activityruns
