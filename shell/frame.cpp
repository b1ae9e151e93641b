// The frame driver's portable part: the clear rule, the frame-rate rule, the flat-path rule and the order in
// which a frame is drawn.
#include "shell/frame.h"

#include "overlay/frame_rate.h"
#include "overlay/overlay.h"
#include "render/laser.h"
#include "render/sprinkle.h"
#include "render/view.h"
#include "window/gl_setup.h"

namespace {

constexpr double LeastDepthAmpl = 0.04;

// What the Laser of the last frame that drew one handed over. While the Laser is off the Sprinkle keeps its
// last tilt: the sprites lie in the cone it left, or flat until a Laser has been drawn.
LaserHandOff LastLaser{};

bool DrawsSprinkle(const SettingsRecord& settings) {
    return (settings.RouteA != RouteNull || settings.RouteB != RouteNull) && settings.OffSprinkle == 0;
}

}  // namespace

GLbitfield FrameClearBits(const SceneLook& look) {
    if (!look.Stack || !DrawsLaser(look.RenderingMode))
        return GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT;
    if (look.DepthTest || look.Stencil) return GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT;
    return 0;
}

void MeasureFrameRate(bool preview) {
    if (UpdateFrameRate() && !preview && SlowFirstRun(SettingsStored, DisplayRefreshRate))
        SceneSettings.OffSprinkle = 1;
}

void DrawFrame(bool showInfo, bool preview) {
    MeasureFrameRate(preview);
    SetupView(SceneSettings);
    const GLbitfield clear = FrameClearBits(SceneSettings);
    if (clear != 0) glClear(clear);
    if (DrawsLaser(SceneSettings.RenderingMode)) {
        if (SceneSettings.DepthAmpl == 0.0) SceneSettings.DepthAmpl = LeastDepthAmpl;
        LastLaser = DrawLaser(SceneSettings);
    }
    if (DrawsSprinkle(SceneSettings)) DrawSprinkle(SceneSettings, LastLaser);
    if (showInfo) DrawInfoOverlay();
    if (!SettingsStored && !preview) DrawFirstRunPrompt();
}
