// One frame of the scene, up to the buffer swap: the part of the frame driver that needs no window, so the
// native tests and the benchmark draw exactly what the program draws.
#pragma once

#include <GL/gl.h>

#include "settings/scene_settings.h"

// The buffers cleared before a frame. While a Laser is drawn with Stack on, the colour buffer is kept so that
// everything drawn leaves a trail; depth and stencil are still cleared when the frame uses them.
GLbitfield FrameClearBits(const SceneLook& look);

// Counts the frame, sets the view, clears by the rule above and draws the scene, then the information
// overlay when showInfo and the first-run prompt while no settings are stored.
void DrawFrame(bool showInfo);
