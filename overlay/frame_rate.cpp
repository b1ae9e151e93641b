#include "overlay/frame_rate.h"

#include <cstdio>
#include <cstring>

#include "overlay/text.h"
#include "settings/scene_settings.h"

GLuint FrameRateList = 0;

namespace {

void CompileReadOut() {
    char text[32];
    snprintf(text, sizeof text, "FPS = %.1f", static_cast<double>(FrameRate));
    glNewList(FrameRateList, GL_COMPILE);
    glColor3d(0, 0, 0);
    glRasterPos2d(50, -90);
    DrawTextBacking(static_cast<int>(strlen(text) * 11.1), 22);
    glColor3d(0, 1, 0);
    glRasterPos2d(51, -89);
    PrintText("%s", text);
    glEndList();
}

}  // namespace

void UpdateFrameRate() {
    if (!CountFrame()) return;
    CompileReadOut();

    const int64_t measuredAt = FrameWindowStart();
    if (!SettingsStored && FrameRate < 100.0f && measuredAt > 5000 && measuredAt < 10000)
        SceneSettings.OffSprinkle = 1;
}
