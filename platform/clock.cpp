#include "platform/clock.h"

#include <chrono>

namespace {

bool ClockFixed = false;
int64_t FixedClockMs = 0;

// Read while the process starts, before anything asks for the time.
const auto ProcessStart = std::chrono::steady_clock::now();

}  // namespace

int64_t ClockMs() {
    if (ClockFixed) return FixedClockMs;
    const auto elapsed = std::chrono::steady_clock::now() - ProcessStart;
    return std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
}

void FixClock(int64_t ms) {
    ClockFixed = true;
    FixedClockMs = ms;
}

void ReleaseClock() {
    ClockFixed = false;
}
