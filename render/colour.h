// The colour of a path point: per channel, a constant plus an amplitude times a wave whose phase is the
// weighted sum of the point's radius, its angle and the time.
#pragma once

#include "settings/scene_settings.h"

struct Colour {
    double red;
    double green;
    double blue;
};

// The Laser passes its undivided time and blue radius coefficient 13, the Sprinkle its own time and 90.
// The channels are not clamped; OpenGL clamps vertex colours to 0-1.
Colour ColourAt(const SceneLook& look, double radius, double angle, double time, double blueRadius);
