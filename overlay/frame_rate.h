// The frame-rate measurement: frames counted over windows of a little more than one second.
#pragma once

// Frames per second of the last completed window; 0 until the first window has closed.
extern float FrameRate;
