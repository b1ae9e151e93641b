#include "platform/frame_counter.h"

#include "platform/clock.h"

float FrameRate = 0.0f;

namespace {

// The counter starts at 1 and a closing frame counts again as the first of the next window, so the
// first window counts one frame more than it saw.
uint32_t FrameCount = 1;
int32_t WindowStart = 0;
bool Started = false;

// Milliseconds since the window began; counted without sign so that the wrap of the 32-bit clock after
// about 24.8 days closes the window as usual instead of keeping it open for another 24.8 days.
uint32_t Elapsed() {
    return static_cast<uint32_t>(ClockMs()) - static_cast<uint32_t>(WindowStart);
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

int32_t FrameWindowStart() {
    return WindowStart;
}

void ResetFrameRate() {
    FrameRate = 0.0f;
    FrameCount = 1;
    WindowStart = 0;
    Started = false;
}
