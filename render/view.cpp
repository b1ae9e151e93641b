#include "render/view.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>

#include "platform/clock.h"
#include "render/recursion.h"
#include "settings/scene_settings.h"

void SetupView(const SceneLook& s) {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    const double k = s.SpeedView * 0.005 / 1000;
    const double t = ClockMs() * k + TimePhase;

    const double eye = (0.2 * std::sin(10 * t) + 0.7) * SceneDepth;  // 750 to 1350
    double targetX = 1.0;
    double targetY = 0.0;
    if (s.RotateZ) {
        targetX = 200 * std::cos(5.5 * t);
        targetY = 150 * std::cos(8.1 * t);
    }
    const double aboutY = s.RotateY ? std::cos(3.1 * t) * (360 * std::cos(3 * t)) : 0.0;
    const double aboutX = s.RotateX ? std::sin(3.1 * t) * (360 * std::sin(3 * t)) : 0.0;

    // The up vector takes the target's coordinates swapped, so the camera rolls as the target wanders.
    gluLookAt(0, 0, eye, targetX, targetY, 0, targetY, targetX, 0);
    glRotated(aboutY, 0, 1, 0);
    glRotated(aboutX, 1, 0, 0);
}
