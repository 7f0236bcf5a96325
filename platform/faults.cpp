#include "platform/faults.h"

#include <cerrno>
#include <cstdlib>
#include <map>
#include <set>
#include <sstream>
#include <strings.h>
#include <vector>

namespace platform::faults {

namespace {

struct FailingCall {
    HRESULT code = 0;
    int64_t remaining = -1; // -1: every call
};

struct FaultState {
    std::set<int> refusedDepths;
    std::set<int> refusedBackBufferCounts;
    bool allBackBuffersRefused = false;
    std::map<std::string, FailingCall> failingCalls;
    std::vector<std::string> unreadableNames;
    uint32_t lossGeneration = 0;
};

FaultState& State() {
    static FaultState state;
    return state;
}

bool Fail(std::string* why, const std::string& text) {
    if (why)
        *why = text;
    return false;
}

// Decimal, or hex with 0x: result codes are usually written 0x887601C2.
bool ParseInteger(const std::string& text, int64_t& value) {
    if (text.empty())
        return false;
    errno = 0;
    char* end = nullptr;
    long long parsed = std::strtoll(text.c_str(), &end, 0);
    if (errno != 0 || *end != '\0')
        return false;
    value = parsed;
    return true;
}

const char* LastComponent(const char* path) {
    const char* last = path;
    for (const char* p = path; *p; ++p)
        if (*p == '/' || *p == '\\')
            last = p + 1;
    return last;
}

} // namespace

bool Apply(const std::string& text, std::string* why) {
    std::istringstream words(text);
    std::vector<std::string> args;
    for (std::string word; words >> word;)
        args.push_back(word);
    if (args.empty())
        return Fail(why, "empty fault");
    FaultState& state = State();
    const std::string& verb = args[0];
    int64_t number = 0;
    if (verb == "refuse-depth" && args.size() == 2) {
        if (!ParseInteger(args[1], number) || (number != 16 && number != 24 && number != 32))
            return Fail(why, "refuse-depth takes 16, 24 or 32");
        state.refusedDepths.insert(static_cast<int>(number));
        return true;
    }
    if (verb == "refuse-backbuffers" && args.size() == 2) {
        if (args[1] == "any") {
            state.allBackBuffersRefused = true;
            return true;
        }
        if (!ParseInteger(args[1], number) || number < 1 || number > 16)
            return Fail(why, "refuse-backbuffers takes a count or \"any\"");
        state.refusedBackBufferCounts.insert(static_cast<int>(number));
        return true;
    }
    if (verb == "fail" && (args.size() == 3 || args.size() == 4)) {
        FailingCall call;
        if (!ParseInteger(args[2], number) || number == 0 || number < INT32_MIN ||
            number > UINT32_MAX)
            return Fail(why, "fail needs a non-zero result code");
        call.code = static_cast<HRESULT>(static_cast<uint32_t>(number));
        if (args.size() == 4) {
            if (!ParseInteger(args[3], number) || number < 1)
                return Fail(why, "fail takes a positive count");
            call.remaining = number;
        }
        state.failingCalls[args[1]] = call;
        return true;
    }
    if (verb == "lose-surfaces" && args.size() == 1) {
        LoseSurfaces();
        return true;
    }
    if (verb == "unreadable" && args.size() == 2) {
        state.unreadableNames.push_back(args[1]);
        return true;
    }
    return Fail(why, "unknown fault \"" + text + "\"");
}

void Reset() {
    // Surfaces already lost stay lost until restored: the generation only grows.
    uint32_t generation = State().lossGeneration;
    State() = FaultState{};
    State().lossGeneration = generation;
}

bool DepthRefused(int bitsPerPixel) {
    return State().refusedDepths.count(bitsPerPixel) != 0;
}

bool BackBuffersRefused(int count) {
    const FaultState& state = State();
    return state.allBackBuffersRefused || state.refusedBackBufferCounts.count(count) != 0;
}

HRESULT Injected(const char* call) {
    auto& calls = State().failingCalls;
    auto found = calls.find(call);
    if (found == calls.end())
        return 0;
    HRESULT code = found->second.code;
    if (found->second.remaining > 0 && --found->second.remaining == 0)
        calls.erase(found);
    return code;
}

uint32_t LossGeneration() {
    return State().lossGeneration;
}

void LoseSurfaces() {
    ++State().lossGeneration;
}

bool FileUnreadable(const char* path) {
    if (!path)
        return false;
    const char* name = LastComponent(path);
    for (const std::string& unreadable : State().unreadableNames)
        if (strcasecmp(unreadable.c_str(), name) == 0)
            return true;
    return false;
}

} // namespace platform::faults
