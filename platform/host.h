// The host behind the Windows-shaped calls: the SDL window or the headless
// harness, the clock, the message queue, the trace. Used by main and by tests;
// the game's own code never includes it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct HostOptions {
    bool headless = false;
    bool windowed = false;
    std::string renderer;   // the SDL renderer to show the page with; "" chooses
    std::string scriptPath; // headless: the script to run ("" runs none and never quits)
    std::string outDir;     // headless: where trace.txt and screenshots go ("" writes none)
    int64_t calendarTime = 946684800; // headless: what the calendar says (2000-01-01)
    std::vector<std::string> faults;  // fault texts applied at start (faults.h)
};

// Brings the host up. Headless runs use SDL's dummy drivers and a virtual clock
// that starts at 10,000,000 ms and advances 16 ms per page shown.
bool StartHost(const HostOptions& options, std::string* why);
bool IsHeadless();

// Appends "TIME TEXT" to the trace (headless runs with an output directory).
void TraceLine(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The last page shown, as 8-bit R, G, B rows (empty before the first page).
const std::vector<uint8_t>& LastShownPage();

// Headless only: advance the virtual clock by ms.
void AdvanceClock(uint32_t ms);

} // namespace platform
