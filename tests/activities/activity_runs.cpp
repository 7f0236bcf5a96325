#include "activities/activity_runs.h"

#include <cstdlib>
#include <sstream>

namespace activityruns {

using testing_support::GameResult;

std::string AnaWith(const std::string& columns) {
    std::string text = "ANA;";
    for (char column : columns)
        text += std::string(" ") + column;
    return text + " ";
}

std::vector<std::vector<std::string>> Notes(const GameResult& run, const std::string& prefix) {
    std::vector<std::vector<std::string>> notes;
    for (const std::string& event : run.Events()) {
        if (event.rfind(prefix + " ", 0) != 0)
            continue;
        std::istringstream words(event.substr(prefix.size() + 1));
        std::vector<std::string> note;
        for (std::string word; words >> word;)
            note.push_back(word);
        notes.push_back(note);
    }
    return notes;
}

int64_t NthTimeOf(const GameResult& run, const std::string& event, int n) {
    int64_t time = -1;
    for (int i = 0; i < n; ++i) {
        time = townscript::TimeAfter(run, event, time + 1);
        if (time < 0)
            return -1;
    }
    return time;
}

int Count(const std::vector<std::string>& events, const std::string& event) {
    int count = 0;
    for (const std::string& each : events)
        count += each == event;
    return count;
}

std::vector<std::string> EventsAfter(const GameResult& run, const std::string& from) {
    std::vector<std::string> events = run.Events();
    for (size_t i = 0; i < events.size(); ++i)
        if (events[i] == from)
            return {events.begin() + static_cast<long>(i) + 1, events.end()};
    return {};
}

std::string Wait(int64_t ms) {
    return "wait " + std::to_string(ms) + "\n";
}

std::string Click(int x, int y) {
    return "click " + std::to_string(x) + " " + std::to_string(y) + "\n";
}

} // namespace activityruns
