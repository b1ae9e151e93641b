// Owns the offscreen context of the benchmark tools: its preparation, the fixed clock's frame counter and
// the full-screen frame that the benchmark times and the movies record.
#include "offscreen.h"

#include <GL/gl.h>

#include "overlay/frame_rate.h"
#include "overlay/overlay.h"
#include "platform/clock.h"
#include "render/textures.h"
#include "settings/scene_settings.h"
#include "shell/frame.h"
#include "window/gl_setup.h"

bool OpenOffscreen(Offscreen& screen, int width, int height, double phase) {
    screen.width = width;
    screen.height = height;
    screen.buffer.assign(static_cast<size_t>(width) * height * 4, 0);
    screen.context = OSMesaCreateContextExt(OSMESA_RGBA, 24, 8, 0, nullptr);
    if (screen.context == nullptr ||
        !OSMesaMakeCurrent(screen.context, screen.buffer.data(), GL_UNSIGNED_BYTE, width, height))
        return false;
    // As a new render window's context is prepared.
    KeepRendererFrameMemory();
    LoadTextures();
    BuildDisplayLists();
    BuildOverlayLists();
    SetFixedGLState(false);
    ResizeScene(width, height);
    TimePhase = phase;
    SettingsStored = true;  // the looks as a configured saver shows them, without the first-run prompt
    return true;
}

void CloseOffscreen(Offscreen& screen) {
    if (screen.context != nullptr) OSMesaDestroyContext(screen.context);
    screen.context = nullptr;
}

void StartFrameClock(int stepMs) {
    ResetFrameRate();
    FrameRate = stepMs > 0 ? 1000.0f / stepMs : 0.0f;
}

void DrawClockFrame(const Offscreen& screen, int64_t ms, bool copyBack) {
    FixClock(ms);
    DrawFrame(false);
    if (copyBack) glCopyPixels(0, 0, screen.width, screen.height, GL_COLOR);
    glFinish();
}

std::vector<uint8_t> ReadPicture(const Offscreen& screen) {
    std::vector<uint8_t> rgb(static_cast<size_t>(screen.width) * screen.height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, screen.width, screen.height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}
