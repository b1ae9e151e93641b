// The pace of the preview in Windows' Screen Saver Settings: at most 30 frames start in any second, so that
// a Settings dialog left open does not take the machine. Times are ClockMs milliseconds.
#pragma once

#include <cstdint>

// 1000 / 30, rounded up.
constexpr int64_t PacedFramePeriodMs = 34;

// How long to wait before the frame due at due: 0 once it is due, never more than a period.
uint32_t MsUntilFrame(int64_t now, int64_t due);

// When the frame after the one due at due, started at now, is due: a period after due, so that a wait that
// overran a little (the system's timer ticks coarsely) does not slow the pace; a period after now where the
// frame started more than half a period late, so that a pause (a hidden window, a busy machine) is not made
// up with a burst. Either way no 31 frames start within a second.
int64_t NextFrameDue(int64_t due, int64_t now);
