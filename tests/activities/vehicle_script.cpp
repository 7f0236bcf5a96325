#include "activities/vehicle_script.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "activities/town_script.h"

namespace vehiclescript {

using testing_support::GameResult;

namespace {

constexpr int kSignX[5] = {136, 224, 300, 375, 446};
constexpr int kSignY[5] = {414, 413, 413, 414, 414};
// One turn after another.
constexpr int kTurnMs = 6000;

} // namespace

std::string Sign(int k) {
    return std::to_string(kSignX[k] + 35) + " " + std::to_string(kSignY[k] + 30);
}

std::string RoadScript(bool leftMap) {
    using namespace townscript;
    return SignInScript("LUCIA") + "key space\nwait 2000\nclick " + kWelcomeOk +
           "\nwait 1500\nclick " + (leftMap ? kLeftArrow : kRightArrow) + "\nwait 6000\nclick " +
           (leftMap ? kLeftRoad : kRightRoad) + "\n";
}

std::string ChooseCarScript() {
    return std::string("wait 40000\nclick ") + kCar + "\n";
}

std::string TurnsScript(const std::vector<int>& signs, int turns, int firstWaitMs) {
    std::string script = "wait " + std::to_string(firstWaitMs) + "\n";
    for (int turn = 0; turn < turns; ++turn) {
        int sign = signs.empty() ? 0 : signs[std::min<size_t>(turn, signs.size() - 1)];
        script += "click " + Sign(sign) + "\nwait " + std::to_string(kTurnMs) + "\n";
    }
    return script;
}

std::vector<RaceTurn> RaceTurns(const GameResult& run) {
    std::vector<RaceTurn> turns;
    std::vector<int> signs(5, 0);
    bool inRace = false;
    for (const std::string& event : run.Events()) {
        if (event.rfind("screen ", 0) == 0)
            inRace = event == "screen 24";
        if (!inRace)
            continue;
        if (event.rfind("numbers ", 0) == 0) {
            std::istringstream in(event.substr(8));
            for (int& sign : signs) {
                std::string text;
                in >> text;
                sign = text == "-" ? 0 : std::atoi(text.c_str());
            }
        } else if (event.rfind("sound number-", 0) == 0 &&
                   event.find(" voice") != std::string::npos) {
            RaceTurn turn;
            turn.asked = std::atoi(event.c_str() + 13);
            turn.signs = signs;
            turns.push_back(turn);
        }
    }
    return turns;
}

int RightSign(const RaceTurn& turn) {
    for (int k = 0; k < static_cast<int>(turn.signs.size()); ++k)
        if (turn.signs[k] == turn.asked)
            return k;
    return -1;
}

std::vector<std::string> Horns(const GameResult& run) {
    return SoundsStarting(run, "horn-");
}

std::vector<std::string> SoundsStarting(const GameResult& run, const std::string& prefix) {
    std::vector<std::string> found;
    for (const std::string& sound : townscript::Sounds(run))
        if (sound.rfind(prefix, 0) == 0)
            found.push_back(sound);
    return found;
}

} // namespace vehiclescript
