// The frame rate as the overlay shows it: the read-out line, rebuilt whenever the frame counter closes a
// window, and the slow-first-run rule that the first measurements decide.
#pragma once

#include <GL/gl.h>

#include "platform/frame_counter.h"

// The read-out line's display list, recompiled when a window closes; empty until then.
extern GLuint FrameRateList;

// Counts this frame; when the counter closes a window, recompiles the read-out. On a slow first run
// (nothing stored, under 100 frames per second, a window closing between the 5th and the 10th second) it
// switches the Sprinkle off.
void UpdateFrameRate();
