// One frame of the scene, up to the buffer swap: the part of the frame driver that needs no window, so the
// native tests and the benchmark draw exactly what the program draws. The driver decides what is drawn and
// owns the two writes a frame may make to the settings; the renderers only read the look they are given.
#pragma once

#include <GL/gl.h>

#include "settings/scene_settings.h"

// The buffers cleared before a frame. While a Laser is drawn with Stack on, the colour buffer is kept so that
// everything drawn leaves a trail; depth and stencil are still cleared when the frame uses them.
GLbitfield FrameClearBits(const SceneLook& look);

// Counts the frame for the frame rate and its read-out. When a slow first run shows (overlay/frame_rate.h),
// switches the Sprinkle off for the rest of the run by setting OffSprinkle, which the next save stores; not
// in a preview, which holds its frames to 30 a second on purpose.
void MeasureFrameRate(bool preview = false);

// Measures the frame rate, sets the view, clears by the rule above and draws the scene: the Laser while
// RenderingMode names a style, the Sprinkle while a route shows a picture and OffSprinkle is 0; then the
// information overlay when showInfo and the first-run prompt while no settings are stored, except in a
// preview (Windows' Screen Saver Settings), where no key reaches the program. A path drawn with a DepthAmpl
// of exactly 0 would lie flat: the setting becomes 0.04 for good before the Laser draws.
void DrawFrame(bool showInfo, bool preview = false);
