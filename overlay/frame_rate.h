// The frame rate as the overlay shows it: the read-out line, rebuilt whenever the frame counter closes a
// window, and the slow-first-run rule that the first measurements decide.
#pragma once

#include <GL/gl.h>

#include "platform/frame_counter.h"

// The read-out line's display list, recompiled when a window closes; empty until then.
extern GLuint FrameRateList;

// Counts this frame; when the counter closes a window, recompiles the read-out and returns true.
bool UpdateFrameRate();

// The slow-first-run rule, judged when a window has closed: nothing stored yet (settingsStored false), the
// window closing between the 5th and the 10th second of the run, and fewer frames a second between its
// stalls (SteadyFrameRate) than the lower of 100 and nine tenths of the display's refresh rate (refreshHz; 0
// or 1 when unknown). A stall is no sign of slowness. A display that
// holds every swap to its retrace keeps a fast machine at its refresh rate, 60 on most screens, which is no
// sign of slowness. The frame driver then switches the Sprinkle off.
bool SlowFirstRun(bool settingsStored, int refreshHz);
