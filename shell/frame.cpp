#include "shell/frame.h"

#include "overlay/frame_rate.h"
#include "overlay/overlay.h"
#include "render/laser.h"
#include "render/sprinkle.h"
#include "render/view.h"

GLbitfield FrameClearBits(const SceneLook& look) {
    if (!look.Stack || !DrawsLaser(look.RenderingMode))
        return GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT;
    if (look.DepthTest || look.Stencil) return GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT;
    return 0;
}

void DrawFrame(bool showInfo) {
    UpdateFrameRate();
    SetupView();
    const GLbitfield clear = FrameClearBits(SceneSettings);
    if (clear != 0) glClear(clear);
    if (DrawsLaser(SceneSettings.RenderingMode)) DrawLaser();
    if (SceneSettings.RouteA != 0 || SceneSettings.RouteB != 0) DrawSprinkle();
    if (showInfo) DrawInfoOverlay();
    if (!SettingsStored) DrawFirstRunPrompt();
}
