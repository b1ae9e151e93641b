// The frame counter: frames counted over windows of a little more than one second, giving the frame rate
// that the overlay shows and that the Sprinkle's trails fade by.
#pragma once

#include <cstdint>

// Frames per second of the last completed window; 0 until the first window has closed.
extern float FrameRate;

// Counts this frame. When more than a second has passed since the window began, measures FrameRate, starts
// a new window at the present clock reading and returns true.
bool CountFrame();

// The clock reading at which the current window began.
int64_t FrameWindowStart();

// Back to the state of a fresh process: no window started, FrameRate 0.
void ResetFrameRate();
