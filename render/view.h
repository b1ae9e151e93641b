// The drifting camera: loads the modelview matrix at the start of every frame from the view's own time.
// Stateless: the same clock reading and TimePhase always give the same pose.
#pragma once

#include "settings/scene_settings.h"

// Selects GL_MODELVIEW and loads the look's view: the eye drifts in depth along +Z; with RotateZ the point
// looked at wanders and the camera rolls; RotateY and RotateX turn the scene to and fro about those axes.
void SetupView(const SceneLook& look);
