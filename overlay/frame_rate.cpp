#include "overlay/frame_rate.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "overlay/text.h"

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

bool UpdateFrameRate() {
    if (!CountFrame()) return false;
    CompileReadOut();
    return true;
}

bool SlowFirstRun(bool settingsStored, int refreshHz) {
    const double enough = refreshHz > 1 ? std::min(100.0, 0.9 * refreshHz) : 100.0;
    const int64_t measuredAt = FrameWindowStart();
    return !settingsStored && SteadyFrameRate < enough && measuredAt > 5000 && measuredAt < 10000;
}
