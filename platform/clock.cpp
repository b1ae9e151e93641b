#include "platform/clock.h"

#include <chrono>
#include <ctime>

namespace {

bool ClockFixed = false;
int32_t FixedClockMs = 0;

#ifndef _WIN32
const auto ProcessStart = std::chrono::steady_clock::now();
#endif

}  // namespace

int32_t ClockMs() {
    if (ClockFixed) return FixedClockMs;
#ifdef _WIN32
    // The Windows C library's clock() counts wall-clock milliseconds from the start of the process.
    return static_cast<int32_t>(clock());
#else
    const auto elapsed = std::chrono::steady_clock::now() - ProcessStart;
    return static_cast<int32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
#endif
}

void FixClock(int32_t ms) {
    ClockFixed = true;
    FixedClockMs = ms;
}

void ReleaseClock() {
    ClockFixed = false;
}
