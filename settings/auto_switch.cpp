#include "settings/auto_switch.h"

#include <GL/gl.h>

#include "config_ui/sync_controls.h"
#include "settings/list_draw.h"
#include "settings/presets.h"
#include "settings/random.h"
#include "settings/scene_settings.h"
#include "shell/clock.h"

void AutoSwitch() {
    if (SceneSettings.Period == 0 || !AnyListMarked(SceneSettings.AutoList)) return;

    SeedRandom(static_cast<uint32_t>(static_cast<int32_t>(TimePhase) / 2) + static_cast<uint32_t>(ClockMs()));
    CurrentList = DrawSwitchList(CurrentList, SceneSettings.AutoList);
    if (CurrentList < BuiltInLookCount) Preset(CurrentList, true);

    SyncControls(false);
    glClear(GL_COLOR_BUFFER_BIT);
}
