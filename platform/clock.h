// The animation clock: milliseconds since the process started, as a 32-bit count (it wraps after about
// 24.8 days and the motion then jumps once). On Windows it is the C library's clock(); natively a steady
// clock. Tests and the benchmark fix it so that a frame can be reproduced exactly.
#pragma once

#include <cstdint>

int32_t ClockMs();

// From now on ClockMs returns ms, until ReleaseClock.
void FixClock(int32_t ms);
void ReleaseClock();
