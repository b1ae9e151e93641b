// The frame rate as the overlay shows it: the read-out line, rebuilt whenever the frame counter closes a
// window, and the slow-first-run rule that the first measurements decide.
#pragma once

#include <GL/gl.h>

#include "platform/frame_counter.h"

// The read-out line's display list, recompiled when a window closes; empty until then.
extern GLuint FrameRateList;

// Counts this frame; when the counter closes a window, recompiles the read-out and returns true.
bool UpdateFrameRate();

// The slow-first-run rule, judged when a window has closed: nothing stored yet (settingsStored false), under
// 100 frames per second, the window closing between the 5th and the 10th second of the run. The frame driver
// then switches the Sprinkle off.
bool SlowFirstRun(bool settingsStored);
