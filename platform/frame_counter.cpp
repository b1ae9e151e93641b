#include "platform/frame_counter.h"

#include "platform/clock.h"

float FrameRate = 0.0f;

namespace {

// The counter starts at 1 and a closing frame counts again as the first of the next window, so the
// first window counts one frame more than it saw.
uint32_t FrameCount = 1;
int64_t WindowStart = 0;
bool Started = false;

int64_t Elapsed() {
    return ClockMs() - WindowStart;
}

}  // namespace

bool CountFrame() {
    if (!Started) {
        Started = true;
        WindowStart = ClockMs();
    }
    if (Elapsed() <= 1000) {
        ++FrameCount;
        return false;
    }
    FrameRate = static_cast<float>(FrameCount) / static_cast<float>(Elapsed()) * 1000.0f;
    WindowStart = ClockMs();
    FrameCount = 1;
    return true;
}

int64_t FrameWindowStart() {
    return WindowStart;
}

void ResetFrameRate() {
    FrameRate = 0.0f;
    FrameCount = 1;
    WindowStart = 0;
    Started = false;
}
