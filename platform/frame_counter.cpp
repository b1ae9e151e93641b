#include "platform/frame_counter.h"

#include "platform/clock.h"

float FrameRate = 0.0f;
float SteadyFrameRate = 0.0f;

namespace {

// A gap between two frames longer than this is a stall, not the machine's pace.
constexpr int64_t StallMs = 250;
// A window closes with the first frame more than this after it began.
constexpr int64_t WindowMs = 1000;

// The counter starts at 1 and a closing frame counts again as the first of the next window, so the
// first window counts one frame more than it saw.
uint32_t FrameCount = 1;
int64_t WindowStart = 0;
int64_t LastFrame = 0;
uint32_t StalledFrames = 0;  // frames of the window that came after a stall
int64_t StalledMs = 0;       // the time those stalls took
bool Started = false;

int64_t Elapsed() {
    return ClockMs() - WindowStart;
}

void NoteStall(int64_t now) {
    const int64_t gap = now - LastFrame;
    if (gap > StallMs) {
        ++StalledFrames;
        StalledMs += gap;
    }
    LastFrame = now;
}

// Starts the next window at now.
void StartWindow(int64_t now) {
    WindowStart = now;
    FrameCount = 1;
    StalledFrames = 0;
    StalledMs = 0;
}

}  // namespace

bool CountFrame() {
    const int64_t now = ClockMs();
    if (!Started) {
        Started = true;
        WindowStart = LastFrame = now;
    }
    // A gap longer than a window (a display that slept, a long stall) says nothing of the pace: the frame
    // after it closes the window with the rates before it, rather than a rate that spans the gap. Until a
    // rate has been measured, the window is measured as it is.
    if (now - LastFrame > WindowMs && FrameRate > 0.0f) {
        LastFrame = now;
        StartWindow(now);
        return true;
    }
    NoteStall(now);
    if (Elapsed() <= WindowMs) {
        ++FrameCount;
        return false;
    }
    FrameRate = static_cast<float>(FrameCount) / static_cast<float>(Elapsed()) * 1000.0f;
    // The frames that came without a stall, over the time they took. A window of stalls alone is a machine
    // that slow when it holds several, and a single stall when it holds one: the pace before it stands.
    const int64_t steadyMs = Elapsed() - StalledMs;
    if (FrameCount > StalledFrames && steadyMs > 0)
        SteadyFrameRate =
            static_cast<float>(FrameCount - StalledFrames) / static_cast<float>(steadyMs) * 1000.0f;
    else if (StalledFrames > 1)
        SteadyFrameRate = FrameRate;
    StartWindow(now);
    return true;
}

int64_t FrameWindowStart() {
    return WindowStart;
}

void ResetFrameRate() {
    FrameRate = SteadyFrameRate = 0.0f;
    FrameCount = 1;
    WindowStart = LastFrame = 0;
    StalledFrames = 0;
    StalledMs = 0;
    Started = false;
}
