// The Laser: line art along the spiral path, drawn once per frame in one of fourteen styles, recorded into
// LaserList as it is drawn and replayed mirrored for the symmetry modes.
#pragma once

#include <cstdint>

// The depth tilt of this frame's path: a point at radius r lies at z = r × DepthSlope − DepthOffset, which
// tilts the path about the circle of radius SceneDepth / 2. The Sprinkle places its sprites by the same
// values. Both stay as they were while the Laser is off (0 until it first runs).
extern double DepthSlope;
extern double DepthOffset;

// The angle step of the Laser's last path; the Sprinkle's trails fade by it.
extern double LaserAngleStep;

// Whether RenderingMode names a Laser style (1-14). 0 is "NULL"; a stored value above 14 names no style
// and is treated as "NULL" everywhere: no Laser is drawn and the frame is cleared as without one.
bool DrawsLaser(uint32_t renderingMode);

// Draws this frame's Laser over the view in the modelview matrix, with the options of SceneSettings, and
// publishes the depth tilt. Leaves depth test, stencil test, blending and texturing off, colour writes on
// and alpha writes off, and the modelview matrix and stack as it found them. A DepthAmpl of exactly 0 is
// replaced by 0.04 in SceneSettings. Does nothing when RenderingMode names no style.
void DrawLaser();
