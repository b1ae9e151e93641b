// The animation clock: milliseconds since the process started, read from the system's steady clock as a
// 64-bit count. Every animation time grows from it without a jump for as long as the saver runs (a 32-bit
// count would turn negative after 24.8 days, and every path with it). Tests and the benchmark fix it so that
// a frame can be reproduced exactly.
#pragma once

#include <cstdint>

int64_t ClockMs();

// From now on ClockMs returns ms, until ReleaseClock.
void FixClock(int64_t ms);
void ReleaseClock();
