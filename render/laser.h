// The Laser: line art along the spiral path, drawn once per frame in one of fourteen styles, recorded into
// LaserList as it is drawn and replayed mirrored for the symmetry modes.
#pragma once

#include "settings/scene_settings.h"

// The depth tilt of this frame's path: a point at radius r lies at z = r × DepthSlope − DepthOffset, which
// tilts the path about the circle of radius SceneDepth / 2. The Sprinkle places its sprites by the same
// values. Both stay as they were while the Laser is off (0 until it first runs).
extern double DepthSlope;
extern double DepthOffset;

// The angle step of the Laser's last path; the Sprinkle's trails fade by it.
extern double LaserAngleStep;

// Draws this frame's Laser in the look's style and options over the view in the modelview matrix, and
// publishes the depth tilt. Leaves depth test, stencil test, blending and texturing off, colour writes on
// and alpha writes off, and the modelview matrix and stack as it found them. Does nothing when RenderingMode
// names no style (DrawsLaser, settings/choices.h).
void DrawLaser(const SceneLook& look);
