// The frame-rate measurement: frames counted over windows of a little more than one second, and the
// read-out line that the information overlay shows.
#pragma once

#include <GL/gl.h>

// Frames per second of the last completed window; 0 until the first window has closed.
extern float FrameRate;

// The read-out line's display list, recompiled when a window closes; empty until then.
extern GLuint FrameRateList;

// Counts this frame; when more than a second has passed since the window began, measures the rate,
// starts a new window and recompiles the read-out. On a slow first run (nothing stored, under 100 frames
// per second, a window closing between the 5th and the 10th second) it switches the Sprinkle off.
void UpdateFrameRate();

// Back to the state of a fresh process: no window started, FrameRate 0.
void ResetFrameRate();
