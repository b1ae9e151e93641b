// The Sprinkle: textured sprites sprayed in mirrored pairs along the spiral path, coloured by the colour
// function, spun and scaled up with their radius, blended in one of three ways.
#pragma once

#include "render/laser.h"
#include "settings/scene_settings.h"

// The alpha of every sprite this frame. With Stack drawing trails over a visible Laser, it follows the
// Laser's angle step and shrinks as the frame rate grows, so that trails build up at the same pace whatever
// the rate; until the first frame rate is measured it is 1. Otherwise AlphaSprinkle / 255.
double SpriteAlpha(const SceneLook& look, double laserAngleStep);

// Draws this frame's sprites of the look over the view, tilted by the depth tilt the Laser handed over; in
// stencil mode visible only where the Laser passed. Afterwards depth and stencil writes are on and depth
// test, stencil test, blending and texturing off. Whether the Sprinkle is drawn at all is the frame driver's
// decision.
void DrawSprinkle(const SceneLook& look, const LaserHandOff& laser);
