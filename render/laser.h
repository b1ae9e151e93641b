// The Laser: line art along the spiral path, drawn once per frame in one of fourteen styles, recorded into
// LaserList as it is drawn and replayed mirrored for the symmetry modes.
#pragma once

#include <GL/gl.h>

#include <cstdint>

#include "settings/scene_settings.h"

// What the Laser hands the Sprinkle from its frame. The depth tilt: a point at radius r lies at
// z = r × depthSlope − depthOffset, which tilts the path about the circle of radius SceneDepth / 2; the
// Sprinkle places its sprites by the same values. The angle step of the path: the Sprinkle's trails fade by
// it.
struct LaserHandOff {
    double depthSlope = 0.0;
    double depthOffset = 0.0;
    double angleStep = 0.0;
};

// How many of the window's pixels stand for one of the screen's: 1 on the screen and in window mode; in the
// preview of Windows' Screen Saver Settings, the preview's height over the screen's. The Laser's line widths
// and stipple lengths, set in screen pixels, are drawn at this scale, so that the preview shows the screen's
// picture in small instead of lines as wide as on the screen.
extern double ScreenPixelScale;

// A line width or a stipple length of screen pixels at a scale: a width of a pixel or more never becomes less
// than a pixel, and a stipple repeat stays within OpenGL's 1-256.
float ScaledLineWidth(float width, double scale);
GLint ScaledStippleRepeat(int32_t size, double scale);

// Draws this frame's Laser in the look's style and options over the view in the modelview matrix, and returns
// what the Sprinkle needs from it. Leaves depth test, stencil test, blending and texturing off, colour writes
// on and alpha writes off, and the modelview matrix and stack as it found them. Draws nothing and returns a
// flat hand-off when RenderingMode names no style (DrawsLaser, settings/choices.h).
LaserHandOff DrawLaser(const SceneLook& look);
