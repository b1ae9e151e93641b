// The Laser: line art along the spiral path, drawn once per frame in one of fourteen styles, recorded into
// LaserList as it is drawn and replayed mirrored for the symmetry modes.
#pragma once

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

// Draws this frame's Laser in the look's style and options over the view in the modelview matrix, and returns
// what the Sprinkle needs from it. Leaves depth test, stencil test, blending and texturing off, colour writes
// on and alpha writes off, and the modelview matrix and stack as it found them. Draws nothing and returns a
// flat hand-off when RenderingMode names no style (DrawsLaser, settings/choices.h).
LaserHandOff DrawLaser(const SceneLook& look);
