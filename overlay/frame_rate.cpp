#include "overlay/frame_rate.h"

#include <cstdio>
#include <cstring>

#include "overlay/text.h"
#include "settings/scene_settings.h"
#include "shell/clock.h"

float FrameRate = 0.0f;
GLuint FrameRateList = 0;

namespace {

// The counter starts at 1 and a closing frame counts again as the first of the next window, so the
// first window counts one frame more than it saw.
uint32_t FrameCount = 1;
int32_t WindowStart = 0;
bool Started = false;

// Milliseconds since the window began; counted without sign so that the wrap of the 32-bit clock after
// about 24.8 days closes the window as usual instead of keeping it open for another 24.8 days.
uint32_t Elapsed() {
    return static_cast<uint32_t>(ClockMs()) - static_cast<uint32_t>(WindowStart);
}

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
    if (!Started) {
        Started = true;
        WindowStart = ClockMs();
    }
    if (Elapsed() <= 1000) {
        ++FrameCount;
        return;
    }
    FrameRate = static_cast<float>(FrameCount) / static_cast<float>(Elapsed()) * 1000.0f;
    WindowStart = ClockMs();
    FrameCount = 1;
    CompileReadOut();

    if (!SettingsStored && FrameRate < 100.0f && WindowStart > 5000 && WindowStart < 10000)
        SceneSettings.OffSprinkle = 1;
}

void ResetFrameRate() {
    FrameRate = 0.0f;
    FrameCount = 1;
    WindowStart = 0;
    Started = false;
}
