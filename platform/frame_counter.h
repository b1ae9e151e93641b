// The frame counter: frames counted over windows of a little more than one second, giving the frame rate
// that the overlay shows and that the Sprinkle's trails fade by.
#pragma once

#include <cstdint>

// Frames per second of the last completed window; 0 until the first window has closed. A gap between two
// frames longer than a window (the display slept, the machine stalled) leaves it as it was.
extern float FrameRate;

// The same rate with the stalls of the window left out: a gap of more than a quarter second between two
// frames (a display-mode change, a dialog dragged, the machine busy elsewhere for a moment) and the frame
// after it. A machine that only stalled shows its pace between the stalls; a window that held a single stall
// and nothing else keeps the rate of the window before. A machine under 4 frames a second, whose every frame
// comes after such a gap, shows its plain rate. 0 until the first window has closed.
extern float SteadyFrameRate;

// Counts this frame. When more than a second has passed since the window began, measures FrameRate, starts
// a new window at the present clock reading and returns true.
bool CountFrame();

// The clock reading at which the current window began.
int64_t FrameWindowStart();

// Back to the state of a fresh process: no window started, FrameRate 0.
void ResetFrameRate();
